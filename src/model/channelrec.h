#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/signalsource.h"

namespace kx {

class Archive;
class File;
struct CodecSettings;

// One channel of a TLL file: the record's raw bytes exactly as they stand in the file, plus the
// three kind flags that say which list it belongs to and its place in its block. All knowledge
// of where a field lies is in the record layouts (model/recordlayout.h); the document, the list
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

    // Favourites and flags (channelflags bits) as far as the layout keeps them; SetFlags changes
    // only the bits of mask.
    virtual unsigned GetFlags() const { return 0; }
    virtual void SetFlags(unsigned /*flags*/, unsigned /*mask*/) {}
    // Whether the record carries the receiver's mark for a deleted channel; MarkDeleted sets it
    // and gives the record number 0. Only layouts whose records keep their place use the mark.
    virtual bool IsDeleted() const { return false; }
    virtual void MarkDeleted() {}
    // Service id and service type as decimal text; empty where the layout has none.
    virtual std::string GetServiceIdText() const { return {}; }
    virtual std::string GetServiceTypeText() const { return {}; }
    // The source byte (antenna or cable, analog or digital), or -1 where the layout has none.
    virtual int GetSource() const { return -1; }

    // What identifies the service, as reference lists match channels; nullopt (or empty) where
    // the record does not say. ONID, TSID and service id belong to digital channels only.
    virtual SignalSource GetSignalSource() const { return SignalSource::Unknown; }
    virtual std::optional<int> GetOnid() const { return std::nullopt; }
    virtual std::optional<int> GetTsid() const { return std::nullopt; }
    virtual std::optional<int> GetServiceId() const { return std::nullopt; }
    // The receiver's channel for the frequency of a digital cable or antenna channel: the RF
    // channel of antenna reception, an entry of the receiver's own table for cable.
    virtual std::optional<int> GetTunerChannel() const { return std::nullopt; }
    // The frequency in kHz: the picture carrier of analog channels, the transponder of
    // satellite channels.
    virtual std::optional<std::int64_t> GetFrequencyKHz() const { return std::nullopt; }
    // A satellite channel's satellite: its orbital position as "19.2E" or "0.8W", and the name
    // the receiver keeps for it.
    virtual std::string GetSatelliteText() const { return {}; }
    virtual std::string GetSatelliteName() const { return {}; }
    // 'H' or 'V': the polarisation of a satellite channel's transponder.
    virtual std::optional<char> GetPolarisation() const { return std::nullopt; }
    virtual std::optional<bool> IsEncrypted() const { return std::nullopt; }

    // The record's raw bytes (as many as its layout has); empty for the base class.
    virtual std::span<std::uint8_t> raw() { return {}; }
    virtual std::span<const std::uint8_t> raw() const { return {}; }

    // Kind flags: exactly one is true in every record in use. Not part of the file.
    bool m_bTV = true;
    bool m_bFM = false;
    bool m_bDTV = false;
    // The record's place in its block of the file, for layouts whose records keep their place.
    // Not part of the record.
    std::uint32_t m_slot = 0;
};

} // namespace kx
