#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/listkind.h"
#include "views/listctrl.h"

namespace kx {

class CChannelRec;
struct CodecSettings;

// What a column of a channel list shows.
enum class ColumnId
{
    Number,
    Name,
    Character,
    System,
    Band,
    Channel,
    Frequency,
    SymbolRate,
    Modulation,
    ServiceId,
    ServiceType,
    Flags,
    ShortName,
    Onid,
    Tsid,
    FrequencyMHz,
    Satellite,
    Polarisation,
    Encrypted,
};

// The groups the window shows lists in, each on a tab of its own.
enum class ListGroup
{
    CableAndAntenna, // the binary files' analog, radio and digital TV lists
    Satellite,
    Antenna, // the DVB-T lists of GlobalClone files
    Cable,   // their DVB-C lists
    Other,   // lists of a source this program does not know
};

// One column of a list: what it shows, its header and width, and what the user may do with it.
struct ColumnSpec
{
    ColumnId id;
    ListColumn column;
    // Typing over a cell renames the channel (only the name is edited in place).
    bool editable = false;
    // The Sort menu offers it.
    bool sortable = true;
    // Shown by the window only, where some channel of the list has data for it; the command
    // line's list prints the other columns only, as it always has.
    bool extra = false;
};

// One channel list as the views show it: the document's list it mirrors, its names, the status
// bar pane that counts its rows, and its columns for records without and with favourites and
// flags. The table of these (ListSpecs) is the one place that says what each list shows; one
// view class reads it.
struct ListSpec
{
    ListKind kind;
    // The list's name on the command line ("analog", "dtv", "sat-tv", "dvbs-radio").
    std::string name;
    // The status bar's count pane (1 analog ... 5 satellite radio, then the other lists) and the
    // text in front of the count ("TV-" for "TV-12").
    int pane;
    std::string countPrefix;
    // Whether its channels carry radio numbers (16384 + n in the number word).
    bool radio;
    // The tab the window shows it on.
    ListGroup group;
    // The columns for records without favourites and flags (the two oldest layouts), and with.
    std::vector<ColumnSpec> plainColumns;
    std::vector<ColumnSpec> flagColumns;

    const std::vector<ColumnSpec>& columns(bool flags) const
    {
        return flags ? flagColumns : plainColumns;
    }
};

// The lists of known sources, in the document's order: those of the binary files, then those of
// the GlobalClone files.
std::span<const ListSpec> ListSpecs();
// The spec of a list; a list of a source this program does not know gets one made for it
// ("source-5-tv").
const ListSpec& ListSpecOf(ListKind kind);
// The list a command-line name names among lists, or null.
const ListSpec* FindListSpec(std::string_view name, std::span<const ListKind> lists);

// The text a column shows for a record. Name and ShortName are the display name and its short
// part (without the broadcasters' control codes) under codec.
std::string CellText(ColumnId column, const CChannelRec& rec, const CodecSettings& codec);

} // namespace kx
