#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace kx {

class Archive;
class File;
struct CodecSettings;

// One channel of a TLL file: the record's raw bytes exactly as they stand in the file, plus the
// three kind flags that say which list it belongs to. All knowledge of where a field lies is in
// the two layouts (CChannelRecV1, 164 bytes; CChannelRecV2, 176 bytes); the document, the list
// views and the Channel dialog use records only through these operations.
//
// Texts are UTF-8. The base class's defaults stand for operations a layout would not provide.
class CChannelRec
{
public:
    CChannelRec() = default;
    virtual ~CChannelRec() = default;
    CChannelRec(const CChannelRec&) = delete;
    CChannelRec& operator=(const CChannelRec&) = delete;

    virtual std::string GetModulationText() const { return {}; }
    virtual std::string GetSymbolRateText() const { return {}; }
    virtual std::string GetFrequencyText() const { return {}; }
    virtual std::string GetChannelText() const { return {}; }
    virtual bool IsUnchecked() const { return true; }
    virtual void SetChecked(bool /*ticked*/) {}
    virtual std::string GetBandText() const { return {}; }
    virtual std::string GetCharacterText() const { return {}; }
    // The row of the character-table list that the name's prefix byte names, or -1 for a name
    // without a prefix byte (or with one that names no table of the list).
    virtual int GetCharacterTable() const { return -1; }
    virtual int GetNumber() const { return 0; }
    virtual void SetNumber(int /*number*/) {}
    // Whether SetNumber(number) would leave every byte as it is.
    virtual bool HasNumber(int /*number*/) const { return false; }
    virtual std::string GetSystemText() const { return {}; }
    // Names are decoded and encoded under the caller's settings. SetName refuses a text with a
    // character the settings cannot store (Error(ErrorCode::Usage)) and then changes no byte.
    virtual void SetName(std::string_view /*text*/, const CodecSettings& /*codec*/) {}
    virtual std::string GetName(const CodecSettings& /*codec*/) const { return {}; }
    virtual void ReadFromFile(File& /*file*/) {}
    virtual void ReadFromArchive(Archive& /*ar*/) {}
    virtual void WriteToFile(File& /*file*/) const {}
    virtual void WriteToArchive(Archive& /*ar*/) const {}
    virtual bool ClassifyKind() { return false; }
    virtual std::unique_ptr<CChannelRec> Clone() const { return nullptr; }
    virtual void WriteHexRow(File& /*file*/) const {}

    // The record's raw bytes (164 or 176 of them); empty for the base class.
    virtual std::span<std::uint8_t> raw() { return {}; }
    virtual std::span<const std::uint8_t> raw() const { return {}; }

    // Kind flags: exactly one is true in every record in use. Not part of the file.
    bool m_bTV = true;
    bool m_bFM = false;
    bool m_bDTV = false;
};

} // namespace kx
