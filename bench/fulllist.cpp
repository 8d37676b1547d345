#include "fulllist.h"

#include "document/tllfile.h"
#include "platform/archive.h"

namespace kx::bench {

std::string fullListBytes(int digitalRecords, std::uint32_t settingsSize)
{
    constexpr std::uint32_t kRecordSize = 176;
    std::string bytes;
    Archive ar = Archive::storingTo(bytes, "bench");
    for (const std::uint32_t word : {kTllMagic, 4u, 0u, settingsSize}) {
        ar.writeU32(word);
    }
    const std::string settings(settingsSize, '\x11');
    ar.write(settings.data(), settings.size());
    ar.writeU32(4 + kRecordSize * static_cast<std::uint32_t>(digitalRecords));
    ar.writeU32(static_cast<std::uint32_t>(digitalRecords));
    for (int i = 0; i < digitalRecords; ++i) {
        unsigned char record[kRecordSize] = {};
        const int number = i + 1 + (i % 5 == 4 ? 16384 : 0);
        record[12] = static_cast<unsigned char>(number);
        record[13] = static_cast<unsigned char>(number >> 8);
        const std::string name = "\x0B"
                                 "Channel " +
                                 std::to_string(i + 1);
        name.copy(reinterpret_cast<char*>(record) + 30, name.size());
        name.copy(reinterpret_cast<char*>(record) + 128, name.size());
        record[70] = static_cast<unsigned char>(name.size());
        ar.write(record, sizeof record);
    }
    ar.writeU32(1);
    ar.write("\0", 1);
    return bytes;
}

} // namespace kx::bench
