#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace kx {

class Archive;
class File;

// One channel of a TLL file: the record's raw bytes exactly as they stand in the file, plus the
// three kind flags that say which list it belongs to. All knowledge of where a field lies is in
// the two layouts (CChannelRecV1, 164 bytes; CChannelRecV2, 176 bytes); the document, the list
// views and the Channel dialog use records only through these operations.
//
// Texts are UTF-8. The base class's defaults stand for operations a layout would not provide.
class CChannelRec
{
public:
    // Opens the raw field editor on the record's bytes; returns true when the user confirmed it.
    // The GUI installs it; without a hook Edit() returns false.
    using EditHook = std::function<bool(std::span<std::uint8_t> raw)>;

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
    virtual int GetNumber() const { return 0; }
    virtual void SetNumber(int /*number*/) {}
    virtual std::string GetSystemText() const { return {}; }
    virtual void SetName(std::string_view /*text*/) {}
    virtual std::string GetName() const { return {}; }
    virtual void ReadFromFile(File& /*file*/) {}
    virtual void ReadFromArchive(Archive& /*ar*/) {}
    virtual void WriteToFile(File& /*file*/) const {}
    virtual void WriteToArchive(Archive& /*ar*/) const {}
    virtual bool ClassifyKind() { return false; }
    virtual bool Edit() { return false; }
    virtual std::unique_ptr<CChannelRec> Clone() const { return nullptr; }
    virtual void WriteHexRow(File& /*file*/) const {}

    // The record's raw bytes (164 or 176 of them); empty for the base class.
    virtual std::span<std::uint8_t> raw() { return {}; }
    virtual std::span<const std::uint8_t> raw() const { return {}; }

    static void SetEditHook(EditHook hook);

    // Kind flags: exactly one is true in every record in use. Not part of the file.
    bool m_bTV = true;
    bool m_bFM = false;
    bool m_bDTV = false;

protected:
    // Runs the installed edit hook on bytes; false when none is installed.
    static bool runEditHook(std::span<std::uint8_t> bytes);
};

} // namespace kx
