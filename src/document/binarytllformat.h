#pragma once

#include "document/channelformat.h"
#include "document/tllfile.h"

namespace kx {

// The binary TLL container of every record layout as a file format: the blocks the file keeps
// whole (TllFrame) and how its lists are numbered and written (see tllfile.h).
class BinaryTllFormat final : public ChannelFormat
{
public:
    explicit BinaryTllFormat(TllFrame frame) : m_frame(std::move(frame)) {}

    const TllFrame& frame() const noexcept { return m_frame; }

    FileFormat format() const noexcept override { return FileFormat::BinaryTll; }
    bool keepsPlaces(ListKind list) const noexcept override;
    unsigned flagsKept(ListKind list) const noexcept override;
    bool hasSettings() const noexcept override { return true; }
    bool canImport() const noexcept override { return true; }
    bool hasRawRecords() const noexcept override { return true; }
    std::span<std::uint8_t> block(FormatBlock which) noexcept override;
    void write(Archive& ar, std::span<const DocumentList> lists) const override;

    // The lists of a file's contents as the document holds them: analog, radio and digital TV,
    // then the satellite lists where the file has satellite channels to show.
    static LoadedFile FromContents(TllContents contents);

private:
    TllFrame m_frame;
};

} // namespace kx
