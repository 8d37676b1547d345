#include "views/listspec.h"

#include <algorithm>

#include "model/channelflags.h"
#include "model/channelrec.h"
#include "model/namecontrolcodes.h"
#include "platform/error.h"
#include "platform/strings.h"

namespace kx {

namespace {

ColumnSpec column(ColumnId id, int headerId, int width)
{
    return {id, {headerId, width, ColumnAlign::Left}, id == ColumnId::Name, true};
}

// Short names are narrow: a few letters of the name.
ColumnSpec shortName()
{
    return column(ColumnId::ShortName, ids::kColumnShortName, 80);
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
    return columns;
}

// The digital lists: tuning data for the two oldest layouts, the service and flags elsewhere.
std::vector<ColumnSpec> digitalColumns(bool flags)
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
    return columns;
}

const std::vector<ListSpec>& table()
{
    static const std::vector<ListSpec> specs = {
        {ListKind::Analog, "analog", 1, "TV-", false, ListGroup::CableAndAntenna,
         analogColumns(false), analogColumns(true)},
        {ListKind::Radio, "radio", 2, "FM-", true, ListGroup::CableAndAntenna,
         digitalColumns(false), digitalColumns(true)},
        {ListKind::DigitalTV, "dtv", 3, "DTV-", false, ListGroup::CableAndAntenna,
         digitalColumns(false), digitalColumns(true)},
        {ListKind::SatTV, "sat-tv", 4, "S-TV-", false, ListGroup::Satellite, digitalColumns(true),
         digitalColumns(true)},
        {ListKind::SatRadio, "sat-radio", 5, "S-FM-", true, ListGroup::Satellite,
         digitalColumns(true), digitalColumns(true)},
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
    throw Error(ErrorCode::Internal,
                "no list of kind " + std::to_string(static_cast<int>(kind)) + " is known");
}

const ListSpec* FindListSpec(std::string_view name)
{
    const auto& specs = table();
    const auto found = std::find_if(specs.begin(), specs.end(),
                                    [name](const ListSpec& spec) { return spec.name == name; });
    return found == specs.end() ? nullptr : &*found;
}

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
    }
    return {};
}

} // namespace kx
