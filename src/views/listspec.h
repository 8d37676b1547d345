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
};

// The groups the window shows lists in, each on a tab of its own.
enum class ListGroup
{
    CableAndAntenna,
    Satellite,
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
};

// One channel list as the views show it: the document's list it mirrors, its names, the status
// bar pane that counts its rows, and its columns for records without and with favourites and
// flags. The table of these (ListSpecs) is the one place that says what each list shows; one
// view class reads it.
struct ListSpec
{
    ListKind kind;
    // The list's name on the command line ("analog", "dtv", "sat-tv").
    std::string_view name;
    // The status bar's count pane (1 analog ... 5 satellite radio) and the text in front of the
    // count ("TV-" for "TV-12").
    int pane;
    std::string_view countPrefix;
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

// Every list a document may have, in the document's order.
std::span<const ListSpec> ListSpecs();
// The spec of a list (Error(ErrorCode::Internal) for a kind the table does not have).
const ListSpec& ListSpecOf(ListKind kind);
// The list a command-line name names, or null.
const ListSpec* FindListSpec(std::string_view name);

// The text a column shows for a record. Name and ShortName are the display name and its short
// part (without the broadcasters' control codes) under codec.
std::string CellText(ColumnId column, const CChannelRec& rec, const CodecSettings& codec);

} // namespace kx
