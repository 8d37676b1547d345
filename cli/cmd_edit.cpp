#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "commands.h"
#include "listviews.h"
#include "model/channelflags.h"
#include "platform/error.h"

namespace kx::cli {

namespace {

std::vector<OptionSpec> options()
{
    return withCodecOptions({{"--list", 1},
                             {"--select", 1},
                             {"--up", 0},
                             {"--down", 0},
                             {"--duplicate", 0},
                             {"--delete", 0},
                             {"--undo", 0},
                             {"--redo", 0},
                             {"--rename", 2},
                             {"--tick", 1},
                             {"--untick", 1},
                             {"--flags", 2},
                             {"--move-to", 1},
                             {"--sort", 1},
                             {"-o", 1},
                             {"--output", 1},
                             kBackupSpec});
}

// The columns --sort takes, by the names the help text gives them.
constexpr std::array<std::pair<std::string_view, ColumnId>, 19> kSortColumns{{
    {"number", ColumnId::Number},
    {"name", ColumnId::Name},
    {"short-name", ColumnId::ShortName},
    {"character", ColumnId::Character},
    {"system", ColumnId::System},
    {"band", ColumnId::Band},
    {"channel", ColumnId::Channel},
    {"frequency", ColumnId::Frequency},
    {"symbol-rate", ColumnId::SymbolRate},
    {"modulation", ColumnId::Modulation},
    {"service-id", ColumnId::ServiceId},
    {"service-type", ColumnId::ServiceType},
    {"flags", ColumnId::Flags},
    {"onid", ColumnId::Onid},
    {"tsid", ColumnId::Tsid},
    {"mhz", ColumnId::FrequencyMHz},
    {"satellite", ColumnId::Satellite},
    {"polarisation", ColumnId::Polarisation},
    {"encrypted", ColumnId::Encrypted},
}};

ColumnId parseSortColumn(std::string_view text)
{
    std::string names;
    for (const auto& [name, id] : kSortColumns) {
        if (name == text) {
            return id;
        }
        names += (names.empty() ? "" : ", ") + std::string(name);
    }
    throwUsage("--sort: the column must be one of " + names + ", not '" + std::string(text) + "'");
}

std::string_view sortColumnName(ColumnId id)
{
    for (const auto& [name, column] : kSortColumns) {
        if (column == id) {
            return name;
        }
    }
    return {};
}

// Carries out the operations on one document, keeping the list they act on.
class Editor
{
public:
    explicit Editor(ListViews& views) : m_views(views)
    {
        // A GlobalClone file's operations act on its first list unless told otherwise.
        if (views.doc.Format() == FileFormat::GlobalClone && !views.doc.Lists().empty()) {
            m_kind = views.doc.Lists().front();
        }
    }

    void run(const Option& op)
    {
        const std::string& name = op.name;
        if (name == "--list") {
            m_kind = parseListKind(op.values[0], &m_views.doc);
        } else if (name == "--select") {
            select(op);
        } else if (name == "--up" || name == "--down" || name == "--duplicate" ||
                   name == "--delete") {
            needSelection(op);
            if (name == "--up") {
                view().OnMoveUp();
            } else if (name == "--down") {
                view().OnMoveDown();
            } else if (name == "--duplicate") {
                if (!view().OnUpdateDuplicate()) {
                    fail(op, "the receiver of the " + listName(m_kind) +
                                 " list keeps every channel in its place in the file, so a "
                                 "channel cannot be duplicated");
                }
                view().OnDuplicate();
            } else {
                view().OnDeleteRows();
            }
        } else if (name == "--undo" || name == "--redo") {
            CKanalyxDoc& doc = m_views.doc;
            const bool undo = name == "--undo";
            if (undo ? !doc.CanUndo() : !doc.CanRedo()) {
                fail(op, undo ? "there is nothing to undo" : "there is nothing to redo");
            }
            if (undo) {
                doc.Undo();
            } else {
                doc.Redo();
            }
            // The next list command names its rows afresh.
            for (const ListKind kind : m_views.views.lists()) {
                m_views.view(kind).SelectRows({});
            }
        } else if (name == "--rename") {
            const int renamed = row(op, op.values[0]);
            try {
                view().OnEndLabelEdit(renamed, 1, op.values[1]);
            } catch (const Error& error) {
                if (error.code() != ErrorCode::Usage) {
                    throw;
                }
                fail(op, error.what());
            }
        } else if (name == "--move-to") {
            needSelection(op);
            const int count = view().GetListCtrl().itemCount();
            int number = 0;
            try {
                number = parseInt(op.values[0], "the number", 1, count);
            } catch (const Error& error) {
                fail(op, std::string(error.what()) + " (the " + listName(m_kind) + " list has " +
                             std::to_string(count) + " rows)");
            }
            view().OnMoveTo(number);
        } else if (name == "--sort") {
            sort(op);
        } else if (name == "--tick" || name == "--untick") {
            view().SetCheckBox(row(op, op.values[0]), name == "--tick");
        } else if (name == "--flags") {
            const int flagged = row(op, op.values[0]);
            if (!view().ShowsFlags()) {
                fail(op,
                     "the " + listName(m_kind) + " list of this file has no favourites and flags");
            }
            const auto flags = ParseChannelFlags(op.values[1]);
            const unsigned kept = m_views.doc.FlagsKept(m_kind);
            if (!flags || (*flags & ~kept) != 0) {
                const bool eight = (kept & channelflags::kFavourites) == channelflags::kFavourites;
                fail(op, std::string(eight ? "flags are favourites 1 to 8 (A to H)"
                                           : "flags are favourites 1 to 4") +
                             " and the letters L (lock), S (skip) and H (hide), or - for none, "
                             "not '" +
                             op.values[1] + "'");
            }
            view().SetRowFlags(flagged, *flags);
        }
    }

private:
    CKanalyxView& view() { return m_views.view(m_kind); }

    [[noreturn]] static void fail(const Option& op, const std::string& why)
    {
        throwUsage(op.name + ": " + why);
    }

    void needSelection(const Option& op)
    {
        if (!view().OnUpdateNeedSelection()) {
            fail(op, "no row of the " + listName(m_kind) + " list is selected");
        }
    }

    // As the window's Sort menu: only by a column the list shows.
    void sort(const Option& op)
    {
        const int column = view().ColumnOf(parseSortColumn(op.values[0]));
        if (column < 0 || !view().columns()[static_cast<std::size_t>(column)].sortable) {
            std::string names;
            for (const ColumnSpec& shown : view().columns()) {
                if (shown.sortable) {
                    names += (names.empty() ? "" : ", ") + std::string(sortColumnName(shown.id));
                }
            }
            fail(op, "the " + listName(m_kind) + " list of this file has no column " +
                         op.values[0] + "; it has " + names);
        }
        view().OnSort(column);
    }

    int row(const Option& op, const std::string& text)
    {
        const int count = view().GetListCtrl().itemCount();
        if (count == 0) {
            fail(op, "the " + listName(m_kind) + " list has no rows");
        }
        try {
            return parseInt(text, "the row", 0, count - 1);
        } catch (const Error& error) {
            fail(op, std::string(error.what()) + " (the " + listName(m_kind) + " list has " +
                         std::to_string(count) + " rows)");
        }
    }

    // "0,2,5-7": every row named, the last one named gets the focus.
    void select(const Option& op)
    {
        std::vector<int> rows;
        const std::string& text = op.values[0];
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t comma = std::min(text.find(',', start), text.size());
            const std::string part = text.substr(start, comma - start);
            const std::size_t dash = part.find('-');
            if (dash == std::string::npos) {
                rows.push_back(row(op, part));
            } else {
                const int first = row(op, part.substr(0, dash));
                const int last = row(op, part.substr(dash + 1));
                if (last < first) {
                    fail(op, "the range " + part + " runs backwards");
                }
                for (int r = first; r <= last; ++r) {
                    rows.push_back(r);
                }
            }
            start = comma + 1;
        }
        ListCtrl& list = view().GetListCtrl();
        list.setAllItemStates(0, lvis::kSelectedFocused);
        for (const int r : rows) {
            list.setItemState(r, lvis::kSelected, lvis::kSelected);
        }
        list.setItemState(rows.back(), lvis::kFocused, lvis::kFocused);
    }

    ListViews& m_views;
    ListKind m_kind = ListKind::Analog;
};

int run(const Args& args)
{
    args.expectPositionals({"FILE"});
    const std::string& out = outputOf(args);
    // What can be checked before the file is read.
    for (const Option& option : args.options()) {
        if (option.name == "--list") {
            parseListKind(option.values[0]);
        } else if (option.name == "--sort") {
            parseSortColumn(option.values[0]);
        }
    }
    ListViews views(codecFromOptions(args));
    const FileLock lock = lockOutput(out);
    openDocument(views.doc, args.positionals()[0]);
    Editor editor(views);
    for (const Option& option : args.options()) {
        editor.run(option);
    }
    saveDocument(views.doc, out, args.has("--backup"));
    return 0;
}

} // namespace

const Command kEditCommand{
    "edit", "move, sort, duplicate, delete, rename and tick channels, then save",
    "Usage: kanalyx-cli edit FILE -o OUT [--backup] [name options] OPERATIONS...\n"
    "Runs the operations in order, as the editor's list commands run them, then saves to OUT:\n"
    "  --list LIST              the list the following operations act on: of a binary file\n"
    "                           analog (the default), radio, dtv, and sat-tv and sat-radio for\n"
    "                           the satellite lists of files that have them; of a GlobalClone\n"
    "                           file the lists it has (default its first): analog, dvbt-tv,\n"
    "                           dvbt-radio, dvbc-tv, dvbc-radio, dvbs-tv, dvbs-radio, and\n"
    "                           source-N-tv, source-N-radio for a source N of no known kind\n"
    "  --select ROWS            select rows: 0-based numbers and ranges a-b, comma-separated;\n"
    "                           the last row named gets the focus\n"
    "  --up, --down             move the selected rows one place\n"
    "  --move-to NUMBER         move the selected rows as one block to place NUMBER of the list\n"
    "                           (1 to its row count) and the places after it, as Move to does\n"
    "  --sort COLUMN            order the whole list by a column, as the Sort menu does: numbers\n"
    "                           by value before texts, texts without regard to case, equal ones\n"
    "                           in their order. COLUMN: number, name, short-name, character,\n"
    "                           system, band, channel, frequency, symbol-rate, modulation,\n"
    "                           service-id, service-type, flags, onid, tsid, mhz, satellite,\n"
    "                           polarisation, encrypted; only a column the list shows (onid,\n"
    "                           tsid, mhz, satellite, polarisation and encrypted where the\n"
    "                           file has them)\n"
    "  --duplicate              put a copy below every selected row\n"
    "  --delete                 delete the selected rows\n"
    "  --undo                   undo the last step of the document, whatever list it was in;\n"
    "                           no row is selected afterwards\n"
    "  --redo                   redo the last undone step; no row is selected afterwards\n"
    "  --rename ROW TEXT        rename a channel, as an edit of its name cell (UTF-8)\n"
    "  --tick ROW, --untick ROW click the row's check box to tick or untick it\n"
    "  --flags ROW FLAGS        set a channel's favourites 1 to 4 (GlobalClone files: 1 to 8,\n"
    "                           their lists A to H) and flags L (lock), S (skip), H (hide),\n"
    "                           e.g. 13L, or - for none (lists of the newer layouts and of\n"
    "                           GlobalClone files)\n"
    "An operation the editor would not run (nothing selected, nothing to undo or redo, a row\n"
    "that does not exist, a name the character table cannot store) stops with exit code 2,\n"
    "and no output file is written. An operation that changes nothing adds no step to undo.\n"
    "With --backup, a save over FILE keeps FILE's bytes as FILE.bak first (a FILE.bak that is\n"
    "there already is left as it is).\n"
    "In GlobalClone files and the newer layouts every channel keeps its place: a move changes\n"
    "numbers only (a moved channel is marked as numbered by the user), a deleted channel stays\n"
    "in the file marked deleted, and --duplicate is refused.\n\n",
    &options, &run};

} // namespace kx::cli
