#include "support/realrecords.h"

#include <cstdint>
#include <stdexcept>
#include <utility>

#include "document/referencelist.h"
#include "platform/file.h"

namespace kx::test {

namespace {

class Walker
{
public:
    Walker(std::string bytes, std::string name) : m_bytes(std::move(bytes)), m_name(std::move(name))
    {}

    std::uint32_t u32()
    {
        need(4);
        const auto* p = reinterpret_cast<const unsigned char*>(m_bytes.data() + m_position);
        m_position += 4;
        return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    }

    std::string take(std::size_t count)
    {
        need(count);
        std::string part = m_bytes.substr(m_position, count);
        m_position += count;
        return part;
    }

    std::vector<std::string> block(std::size_t recordSize)
    {
        const std::uint32_t blockSize = u32();
        const std::uint32_t count = u32();
        if (blockSize != 4 + recordSize * count) {
            throw std::runtime_error(m_name + ": block size does not match its record count");
        }
        std::vector<std::string> records;
        for (std::uint32_t i = 0; i < count; ++i) {
            records.push_back(take(recordSize));
        }
        return records;
    }

    bool atEnd() const { return m_position == m_bytes.size(); }

private:
    void need(std::size_t count) const
    {
        if (m_bytes.size() - m_position < count) {
            throw std::runtime_error(m_name + ": ends early");
        }
    }

    std::string m_bytes;
    std::string m_name;
    std::size_t m_position = 0;
};

} // namespace

RealRecords readRealRecords(const std::filesystem::path& path)
{
    std::string bytes = File::readAll(path);
    const bool magic = bytes.starts_with("\x5A\x5A\x5A\x5A");
    Walker walker(std::move(bytes), path.string());
    RealRecords records;
    records.variant = 1;
    records.recordSize = 164;
    if (magic) {
        walker.u32();
        records.variant = 2;
        records.recordSize = 176;
    }
    records.analog = walker.block(records.recordSize);
    walker.take(walker.u32()); // settings block
    records.digital = walker.block(records.recordSize);
    if (records.variant == 2) {
        walker.take(walker.u32()); // trailing block
    }
    if (!walker.atEnd()) {
        throw std::runtime_error(path.string() + ": bytes after the last block");
    }
    return records;
}

std::vector<ReferenceChannel> readReferenceList(const std::filesystem::path& path)
{
    std::vector<ReferenceChannel> channels;
    for (const ChannelList& list : ReadReferenceListFile(path)) {
        for (const ListChannel& channel : list.channels) {
            channels.push_back({channel.number, ReferenceUid(channel.id).value_or(""), channel.name,
                                list.name, channel.flags});
        }
    }
    return channels;
}

} // namespace kx::test
