#include "views/listspec.h"

#include <algorithm>
#include <map>
#include <optional>

#include "model/channelflags.h"
#include "model/channelrec.h"
#include "model/namecontrolcodes.h"
#include "platform/error.h"
#include "platform/strings.h"

namespace kx {

namespace {

ColumnSpec column(ColumnId id, int headerId, int width, bool extra = false)
{
    return {id, {headerId, width, ColumnAlign::Left}, id == ColumnId::Name, true, extra};
}

// Short names are narrow: a few letters of the name.
ColumnSpec shortName()
{
    return column(ColumnId::ShortName, ids::kColumnShortName, 80);
}

// What tells two channels of one name apart, shown where the file has it.
void addIdentity(std::vector<ColumnSpec>& columns, bool satellite, bool frequency)
{
    columns.push_back(column(ColumnId::Onid, ids::kColumnOnid, 50, true));
    columns.push_back(column(ColumnId::Tsid, ids::kColumnTsid, 50, true));
    if (frequency) {
        columns.push_back(column(ColumnId::FrequencyMHz, ids::kColumnFrequencyMHz, 60, true));
    }
    if (satellite) {
        columns.push_back(column(ColumnId::Satellite, ids::kColumnSatellite, 60, true));
        columns.push_back(column(ColumnId::Polarisation, ids::kColumnPolarisation, 35, true));
    }
    columns.push_back(column(ColumnId::Encrypted, ids::kColumnEncrypted, 40, true));
}

std::vector<ColumnSpec> analogColumns(bool flags)
{
    std::vector<ColumnSpec> columns = {
        column(ColumnId::Number, ids::kColumnNumber, 35),
        column(ColumnId::Name, ids::kColumnName, 200),
        column(ColumnId::Character, ids::kColumnCharacter, 70),
        column(ColumnId::System, ids::kColumnSystem, 55),
        column(ColumnId::Band, ids::kColumnBand, 65),
        column(ColumnId::Channel, ids::kColumnChannel, 50),
        shortName(),
    };
    if (flags) {
        columns.push_back(column(ColumnId::Flags, ids::kColumnFlags, 60));
    }
    columns.push_back(column(ColumnId::FrequencyMHz, ids::kColumnFrequencyMHz, 60, true));
    return columns;
}

// The digital lists: tuning data for the two oldest layouts, the service and flags elsewhere.
std::vector<ColumnSpec> digitalColumns(bool flags, bool satellite = false)
{
    std::vector<ColumnSpec> columns = {
        column(ColumnId::Number, ids::kColumnNumber, 40),
        column(ColumnId::Name, ids::kColumnName, 200),
        column(ColumnId::Character, ids::kColumnCharacter, 70),
    };
    if (flags) {
        columns.push_back(column(ColumnId::ServiceId, ids::kColumnServiceId, 65));
        columns.push_back(column(ColumnId::ServiceType, ids::kColumnServiceType, 40));
        columns.push_back(column(ColumnId::Flags, ids::kColumnFlags, 60));
    } else {
        columns.push_back(column(ColumnId::Frequency, ids::kColumnFrequency, 65));
        columns.push_back(column(ColumnId::SymbolRate, ids::kColumnSymbolRate, 65));
        columns.push_back(column(ColumnId::Modulation, ids::kColumnModulation, 70));
    }
    columns.push_back(shortName());
    addIdentity(columns, satellite, flags);
    return columns;
}

ListSpec digitalList(ListKind kind, std::string prefix, ListGroup group)
{
    const bool satellite = IsSatelliteList(kind);
    return {kind,
            ListName(kind),
            static_cast<int>(kind) + 1,
            std::move(prefix),
            IsRadioList(kind),
            group,
            digitalColumns(satellite, satellite),
            digitalColumns(true, satellite)};
}

const std::vector<ListSpec>& table()
{
    using G = ListGroup;
    static const std::vector<ListSpec> specs = {
        {ListKind::Analog, "analog", 1, "TV-", false, G::CableAndAntenna, analogColumns(false),
         analogColumns(true)},
        digitalList(ListKind::Radio, "FM-", G::CableAndAntenna),
        digitalList(ListKind::DigitalTV, "DTV-", G::CableAndAntenna),
        digitalList(ListKind::SatTV, "S-TV-", G::Satellite),
        digitalList(ListKind::SatRadio, "S-FM-", G::Satellite),
        digitalList(ListKind::AntennaTV, "T-TV-", G::Antenna),
        digitalList(ListKind::AntennaRadio, "T-FM-", G::Antenna),
        digitalList(ListKind::CableTV, "C-TV-", G::Cable),
        digitalList(ListKind::CableRadio, "C-FM-", G::Cable),
        digitalList(ListKind::DvbSTV, "S-TV-", G::Satellite),
        digitalList(ListKind::DvbSRadio, "S-FM-", G::Satellite),
    };
    return specs;
}

} // namespace

std::span<const ListSpec> ListSpecs()
{
    return table();
}

const ListSpec& ListSpecOf(ListKind kind)
{
    for (const ListSpec& spec : table()) {
        if (spec.kind == kind) {
            return spec;
        }
    }
    const int source = OtherSourceOf(kind);
    if (source < 0) {
        throw Error(ErrorCode::Internal,
                    "no list of kind " + std::to_string(static_cast<int>(kind)) + " is known");
    }
    // The lists of sources no table names, made once each; the program runs on one thread.
    static std::map<ListKind, ListSpec> others;
    auto found = others.find(kind);
    if (found == others.end()) {
        const std::string prefix = std::to_string(source) + (IsRadioList(kind) ? "-FM-" : "-TV-");
        found = others.emplace(kind, digitalList(kind, prefix, ListGroup::Other)).first;
    }
    return found->second;
}

const ListSpec* FindListSpec(std::string_view name, std::span<const ListKind> lists)
{
    for (const ListKind kind : lists) {
        const ListSpec& spec = ListSpecOf(kind);
        if (spec.name == name) {
            return &spec;
        }
    }
    return nullptr;
}

namespace {

// A network or stream id; 0, which no broadcaster gives a network and which records of files
// without these ids hold, shows as nothing, so that the column stays hidden for such files.
std::string idText(std::optional<int> value)
{
    return value && *value != 0 ? std::to_string(*value) : std::string();
}

// kHz as MHz, with as many decimals as it needs: "498", "113.25", "10729".
std::string megahertzText(std::optional<std::int64_t> kilohertz)
{
    if (!kilohertz || *kilohertz <= 0) {
        return {};
    }
    std::string text = std::to_string(*kilohertz / 1000);
    std::int64_t fraction = *kilohertz % 1000;
    if (fraction != 0) {
        std::string decimals = std::to_string(1000 + fraction).substr(1);
        while (decimals.back() == '0') {
            decimals.pop_back();
        }
        text += "." + decimals;
    }
    return text;
}

} // namespace

std::string CellText(ColumnId column, const CChannelRec& rec, const CodecSettings& codec)
{
    switch (column) {
    case ColumnId::Number:
        return std::to_string(rec.GetNumber());
    case ColumnId::Name:
        return DisplayNameOf(rec, codec).name;
    case ColumnId::ShortName:
        return DisplayNameOf(rec, codec).shortName;
    case ColumnId::Character:
        return rec.GetCharacterText();
    case ColumnId::System:
        return rec.GetSystemText();
    case ColumnId::Band:
        return rec.GetBandText();
    case ColumnId::Channel:
        return rec.GetChannelText();
    case ColumnId::Frequency:
        return rec.GetFrequencyText();
    case ColumnId::SymbolRate:
        return rec.GetSymbolRateText();
    case ColumnId::Modulation:
        return rec.GetModulationText();
    case ColumnId::ServiceId:
        return rec.GetServiceIdText();
    case ColumnId::ServiceType:
        return rec.GetServiceTypeText();
    case ColumnId::Flags:
        return ChannelFlagsText(rec.GetFlags());
    case ColumnId::Onid:
        return idText(rec.GetOnid());
    case ColumnId::Tsid:
        return idText(rec.GetTsid());
    case ColumnId::FrequencyMHz:
        return megahertzText(rec.GetFrequencyKHz());
    case ColumnId::Satellite:
        return rec.GetSatelliteText();
    case ColumnId::Polarisation: {
        const std::optional<char> polarisation = rec.GetPolarisation();
        return polarisation ? std::string(1, *polarisation) : std::string();
    }
    case ColumnId::Encrypted:
        // A mark for the scrambled channels only, where the record tells.
        return rec.IsEncrypted().value_or(false) ? "\u2713" : "";
    }
    return {};
}

} // namespace kx
