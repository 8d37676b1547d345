#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/globalcloneitem.h"

namespace kx {

// A satellite of SatelliteDB/SATDBInfo/SatRecordInfo/idxN: the one a channel's usSatelliteHandle
// N names.
struct GlobalCloneSatellite
{
    std::int64_t index = 0;
    std::string name; // SatelliteNameHex decoded (Latin-1 shown as UTF-8); empty when absent
    std::optional<std::int64_t> angle;          // whole degrees
    std::optional<std::int64_t> anglePrecision; // tenths of a degree
    std::optional<std::int64_t> eastWest;       // DirEastWest: 0 west, 1 east

    // The orbital position as text ("19.2E"), or empty when the angle is missing.
    std::string position() const;
    // The name, else the position.
    std::string label() const;
};

// A transponder of a satellite's scan table (SatelliteDB/SettingIDDBInfo/SettingIDInfo/tblN/
// TPList/TPRecordN), the only place of the file that holds a polarisation.
struct GlobalCloneTransponder
{
    std::int64_t satelliteHandle = -1;        // the table's SatelliteHandle
    std::int64_t transponderId = -1;          // a channel's physicalNum
    std::optional<std::int64_t> frequency;    // MHz
    std::optional<std::int64_t> polarisation; // 0 vertical, 1 horizontal
    std::optional<std::int64_t> symbolRate;   // kSym/s
};

// A replacement of the file's bytes [offset, offset + length) by text; length 0 inserts.
struct GlobalClonePatch
{
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
    std::string text;

    bool operator==(const GlobalClonePatch&) const = default;
};

// A GlobalClone channel list (the XML text file of the newer receivers) read in one pass with a
// streaming parser: the file's bytes, its channels (ITEM under CHANNEL/ATV and CHANNEL/DTV, in
// file order) with the byte ranges of their fields, the satellites and transponders that name a
// channel's satellite and polarisation, and what the writer needs to keep the file's own style.
// Nothing else of the file is copied; the writer patches the bytes of the fields that changed.
class GlobalCloneFile
{
public:
    enum class LineEnding
    {
        Lf,
        CrLf,
    };

    // Whether bytes start like an XML text (an optional UTF-8 byte order mark, then "<?xml"):
    // the test that tells a GlobalClone file from a binary TLL by content.
    static bool looksLikeXml(std::string_view bytes);

    // Reads a file's bytes; fileName goes into messages. Throws Error:
    // - Format: not XML, not well-formed (line, column and byte offset), a root other than
    //   TLLDATA, no CHANNEL element, a document type or entity declaration (refused at once,
    //   before anything in it is read), nesting deeper than kMaxDepth, more than
    //   File::kMaxReadSize bytes;
    // - Truncated: the text ends before the XML is complete (where it ends);
    // - Unsupported: the JSON form (CHANNEL/legacybroadcast), an encoding other than UTF-8.
    // Raw bytes that XML does not allow (control bytes, bytes that are not UTF-8) inside a
    // vchName are tolerated and kept: the oldest receivers write names that way.
    static GlobalCloneFile read(std::string bytes, const std::string& fileName);

    static constexpr int kMaxDepth = 256;

    const std::string& bytes() const noexcept { return m_bytes; }
    const std::vector<GlobalCloneItem>& items() const noexcept { return m_items; }
    std::string_view elementName(const GlobalCloneElement& element) const;
    // An element's text as the file holds it (not decoded).
    std::string_view elementText(const GlobalCloneElement& element) const;

    // ModelInfo/ModelName ("" when absent) and ModelInfo/CloneVersion/MajorVersion (100 for this
    // form).
    const std::string& modelName() const noexcept { return m_modelName; }
    std::optional<std::int64_t> majorVersion() const noexcept { return m_majorVersion; }
    LineEnding lineEnding() const noexcept { return m_lineEnding; }
    bool hasByteOrderMark() const noexcept { return m_byteOrderMark; }
    // Whether the file writes hexadecimal letters in upper case (the receivers write lower).
    bool upperCaseHex() const noexcept { return m_upperCaseHex; }

    // Satellites by ascending index, and a look-up by usSatelliteHandle.
    const std::vector<GlobalCloneSatellite>& satellites() const noexcept { return m_satellites; }
    const GlobalCloneSatellite* satellite(std::int64_t handle) const;
    // The satellite of a DVB-S item (sourceIndex 7), or null for other items and unknown handles.
    const GlobalCloneSatellite* satelliteOf(const GlobalCloneItem& item) const;
    const std::vector<GlobalCloneTransponder>& transponders() const noexcept
    {
        return m_transponders;
    }
    // 'H' or 'V' for a DVB-S item whose transponder (same satellite, transponder id physicalNum,
    // same frequency) the scan tables hold; nothing otherwise.
    std::optional<char> polarisationOf(const GlobalCloneItem& item) const;

    // The loaded editable state of every item, in item order.
    std::vector<GlobalCloneItemState> states() const;

    // What write() changes for these states (one per item, in item order), sorted by offset:
    // the text of each element whose value differs from the loaded state (every element of that
    // name in the item), numbers in decimal, hexadecimal in the file's letter case, text escaped;
    // blanks around a number or hexadecimal text stay. A missing element is inserted before the
    // item's end tag with the separator its children use. Throws Error(Internal) when the count
    // of states differs from the count of items, Error(Unsupported) when an element would have to
    // go into an empty <ITEM/>.
    std::vector<GlobalClonePatch> patches(std::span<const GlobalCloneItemState> states) const;
    // The file's bytes with those patches: every other byte as it was; unchanged states give the
    // file's bytes exactly.
    std::string write(std::span<const GlobalCloneItemState> states) const;

private:
    friend class GlobalCloneReader;

    std::string m_bytes;
    std::vector<GlobalCloneItem> m_items;
    std::vector<GlobalCloneSatellite> m_satellites;
    std::vector<GlobalCloneTransponder> m_transponders;
    std::string m_modelName;
    std::optional<std::int64_t> m_majorVersion;
    LineEnding m_lineEnding = LineEnding::Lf;
    bool m_byteOrderMark = false;
    bool m_upperCaseHex = false;
};

} // namespace kx
