#pragma once

#include <memory>
#include <string>

#include "document/channelformat.h"
#include "document/globalclonechannelrec.h"

namespace kx {

// The GlobalClone XML file of the newer receivers as a file format. Its lists are those of its
// channels: one per signal source and kind (analog, DVB-T, DVB-C, DVB-S TV and radio, and a pair
// for a source value this program does not know), each numbered as the receiver numbers it. The
// channels of no list (number -1) and those marked deleted stay in the file and in no list.
// Every record keeps its place; writing patches the text of the fields that changed.
class GlobalCloneFormat final : public ChannelFormat
{
public:
    // Reads a file's bytes (fileName for messages) into the format and its lists.
    static LoadedFile Read(std::string bytes, const std::string& fileName);

    const GlobalCloneFile& file() const noexcept { return m_channels->file; }
    // Channels the file keeps in no list (number -1), and those marked deleted when it was read.
    int UnlistedCount() const noexcept { return m_unlisted; }
    int DeletedCount() const noexcept { return m_deleted; }

    FileFormat format() const noexcept override { return FileFormat::GlobalClone; }
    bool keepsPlaces(ListKind /*list*/) const noexcept override { return true; }
    unsigned flagsKept(ListKind list) const noexcept override;
    bool hasSettings() const noexcept override { return false; }
    bool canImport() const noexcept override { return false; }
    bool hasRawRecords() const noexcept override { return false; }
    std::span<std::uint8_t> block(FormatBlock /*which*/) noexcept override { return {}; }
    void write(Archive& ar, std::span<const DocumentList> lists) const override;

private:
    std::shared_ptr<GlobalCloneChannels> m_channels;
    int m_unlisted = 0;
    int m_deleted = 0;
};

} // namespace kx
