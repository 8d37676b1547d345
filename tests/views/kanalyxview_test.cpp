#include "views/kanalyxview.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "model/channelrec.h"
#include "model/namecodec.h"
#include "platform/error.h"
#include "platform/strings.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"
#include "views/documentviews.h"

namespace kx {
namespace {

// A short row name: a letter and a number ("r2").
std::string tag(char letter, int number)
{
    std::string name(1, letter);
    name += std::to_string(number);
    return name;
}

using test::RecordBytes;
using test::TllBuilder;
using test::u16At;

// Counts what the views tell the status bar.
class PaneWatcher : public ViewObserver
{
public:
    void countPaneChanged(int pane, const std::string& text) override { panes[pane] = text; }
    std::map<int, std::string> panes;
};

// A variant-2 list. Analog: "r0" to "r3" numbered 10, 20, 30, 40 (so renumbering shows), "r1"
// unticked. Digital TV: "d0", "d1". Radio: "f0" to "f2", numbered 5 to 7.
std::string fourRows()
{
    TllBuilder file(2);
    for (int i = 0; i < 4; ++i) {
        file.analog(RecordBytes(2)
                        .numberWord(static_cast<std::uint16_t>(10 * (i + 1)))
                        .name(tag('r', i))
                        .unchecked(i == 1));
    }
    file.settings("S");
    file.digital(RecordBytes(2).numberWord(1).name("d0"));
    file.digital(RecordBytes(2).numberWord(2).name("d1"));
    for (int i = 0; i < 3; ++i) {
        file.digital(
            RecordBytes(2).numberWord(static_cast<std::uint16_t>(16384 + 5 + i)).name(tag('f', i)));
    }
    return file.trailing("T").build();
}

class Views : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tv.addObserver(&panes);
        fm.addObserver(&panes);
        dtv.addObserver(&panes);
        open(fourRows());
    }
    void TearDown() override
    {
        tv.removeObserver(&panes);
        fm.removeObserver(&panes);
        dtv.removeObserver(&panes);
    }

    void open(const std::string& bytes) { doc.OnOpenDocument(dir.write("list.tll", bytes)); }

    // The names of a view's rows, top to bottom, as the records hold them.
    std::vector<std::string> names(const CKanalyxView& view) const
    {
        std::vector<std::string> result;
        const ListCtrl& list = view.GetListCtrl();
        for (int row = 0; row < list.itemCount(); ++row) {
            result.push_back(list.itemData(row)->GetName(codec));
        }
        return result;
    }
    // The number column texts.
    static std::vector<std::string> numberCells(const CKanalyxView& view)
    {
        std::vector<std::string> result;
        const ListCtrl& list = view.GetListCtrl();
        for (int row = 0; row < list.itemCount(); ++row) {
            result.push_back(list.itemText(row, 0));
        }
        return result;
    }
    static std::vector<int> selectedRows(const CKanalyxView& view)
    {
        std::vector<int> result;
        const ListCtrl& list = view.GetListCtrl();
        for (int row = 0; row < list.itemCount(); ++row) {
            if (list.itemState(row, lvis::kSelected) != 0) {
                result.push_back(row);
            }
        }
        return result;
    }
    static void select(CKanalyxView& view, std::initializer_list<int> rows)
    {
        ListCtrl& list = view.GetListCtrl();
        list.setAllItemStates(0, lvis::kSelectedFocused);
        for (const int row : rows) {
            list.setItemState(row, lvis::kSelectedFocused, lvis::kSelectedFocused);
        }
    }
    // The saved file's bytes.
    std::string saved()
    {
        const auto path = dir.file("saved.tll");
        doc.OnSaveDocument(path);
        return test::readFile(path);
    }

    test::TempDir dir;
    CodecSettings codec;
    CKanalyxDoc doc;
    DocumentViews views{doc, codec};
    CKanalyxView& tv = views.view(ListKind::Analog);
    CKanalyxView& fm = views.view(ListKind::Radio);
    CKanalyxView& dtv = views.view(ListKind::DigitalTV);
    PaneWatcher panes;
};

TEST_F(Views, InitialUpdate_FillsCellsAndChecksThenClearsTheFlag)
{
    EXPECT_FALSE(doc.IsModified()) << "ticking the boxes while filling must not count";
    const ListCtrl& list = tv.GetListCtrl();
    EXPECT_EQ(list.itemText(0, 0), "10");
    EXPECT_EQ(list.itemText(0, 1), "r0");
    EXPECT_EQ(list.itemText(0, 2), "None");
    EXPECT_EQ(list.itemText(0, 3), "BG");
    EXPECT_EQ(list.itemText(0, 4), "Cable");
    EXPECT_EQ(list.itemText(0, 5), "0");
    EXPECT_EQ(list.itemState(0, lvis::kStateImageMask), lvis::kImageTicked);
    EXPECT_EQ(list.itemState(1, lvis::kStateImageMask), lvis::kImageUnticked);
    EXPECT_EQ(tv.OnCustomDraw(0), RowColour::Black);
    EXPECT_EQ(tv.OnCustomDraw(1), RowColour::Blue);
    EXPECT_EQ(numberCells(fm), (std::vector<std::string>{"5", "6", "7"}))
        << "the radio offset is not shown";
    EXPECT_EQ(panes.panes, (std::map<int, std::string>{{1, "TV-4"}, {2, "FM-3"}, {3, "DTV-2"}}));
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(tv.OnUpdateNeedSelection());
}

TEST_F(Views, NamesShowWithoutControlCodes_RenameClearsTheShortName)
{
    open(TllBuilder(2).analog(RecordBytes(2).name("\x86Tagesschau\x87 HD")).trailing("T").build());
    const ListCtrl& list = tv.GetListCtrl();
    const int shortName = tv.ColumnOf(ColumnId::ShortName);
    EXPECT_EQ(list.itemText(0, 1), "Tagesschau HD");
    EXPECT_EQ(list.itemText(0, shortName), "Tagesschau");
    tv.OnEndLabelEdit(0, 1, std::string("Tagesschau 24"));
    EXPECT_EQ(list.itemText(0, 1), "Tagesschau 24");
    EXPECT_EQ(list.itemText(0, shortName), "") << "a rename stores the name without marks";
    doc.Undo();
    EXPECT_EQ(list.itemText(0, shortName), "Tagesschau");
}

TEST_F(Views, Columns_AreTheListsHeadersAndWidths)
{
    const auto& analog = tv.GetListCtrl().columns();
    ASSERT_EQ(analog.size(), 7u);
    EXPECT_EQ(analog[0].headerId, 61208);
    EXPECT_EQ(analog[3].headerId, 61210);
    EXPECT_EQ(analog[5].headerId, 61212);
    EXPECT_EQ(analog[0].width, 35);
    EXPECT_EQ(analog[5].width, 50);
    const auto& digital = dtv.GetListCtrl().columns();
    ASSERT_EQ(digital.size(), 7u);
    EXPECT_EQ(digital[0].width, 40);
    EXPECT_EQ(digital[3].headerId, 61214);
    EXPECT_EQ(digital[5].headerId, 61216);
    EXPECT_EQ(digital[5].width, 70);
    EXPECT_EQ(Strings::text(digital[4].headerId), "Symbol rate");
    EXPECT_EQ(Strings::text(digital[6].headerId), "Short name");
    EXPECT_EQ(analog[6].headerId, digital[6].headerId);
}

TEST_F(Views, MoveUp_MovesABlockKeepsItSelectedAndRenumbers)
{
    select(tv, {1, 2});
    panes.panes.clear();
    tv.OnMoveUp();
    EXPECT_EQ(names(tv), (std::vector<std::string>{"r1", "r2", "r0", "r3"}));
    EXPECT_EQ(selectedRows(tv), (std::vector<int>{0, 1}));
    EXPECT_EQ(tv.GetListCtrl().focusedItem(), 1) << "the focus moves with its row";
    EXPECT_EQ(numberCells(tv), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(tv.GetListCtrl().itemState(0, lvis::kStateImageMask), lvis::kImageUnticked)
        << "r1 is unticked wherever it goes";
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(panes.panes.empty()) << "the count does not change";

    const std::string bytes = saved();
    // Analog records start at 12; the number word is at 12 of each 176-byte record.
    EXPECT_EQ(u16At(bytes, 12 + 12), 1);
    EXPECT_EQ(bytes.substr(12 + 30, 2), "r1");
    EXPECT_EQ(u16At(bytes, 12 + 2 * 176 + 12), 3);
    EXPECT_EQ(bytes.substr(12 + 2 * 176 + 30, 2), "r0");
}

TEST_F(Views, MoveUpAndDown_DoNothingAtTheEdgesOrWithoutSelection)
{
    tv.OnMoveUp();
    tv.OnMoveDown();
    select(tv, {0, 3});
    tv.OnMoveUp();
    tv.OnMoveDown();
    EXPECT_EQ(names(tv), (std::vector<std::string>{"r0", "r1", "r2", "r3"}));
    EXPECT_EQ(numberCells(tv), (std::vector<std::string>{"10", "20", "30", "40"}));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(tv.OnUpdateNeedSelection()) << "enabled: it counts selected rows only";
}

TEST_F(Views, MoveDown_IsTheMirrorOfUp)
{
    select(tv, {0, 1});
    tv.OnMoveDown();
    EXPECT_EQ(names(tv), (std::vector<std::string>{"r2", "r0", "r1", "r3"}));
    EXPECT_EQ(selectedRows(tv), (std::vector<int>{1, 2}));
    EXPECT_EQ(tv.GetListCtrl().focusedItem(), 2);
    EXPECT_EQ(numberCells(tv), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(Views, Duplicate_PutsEachCopyBelowItsRow)
{
    select(tv, {1, 2});
    tv.OnDuplicate();
    EXPECT_EQ(names(tv), (std::vector<std::string>{"r0", "r1", "r1", "r2", "r2", "r3"}));
    EXPECT_EQ(selectedRows(tv), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(tv.GetListCtrl().focusedItem(), 4);
    EXPECT_EQ(numberCells(tv), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(tv.GetListCtrl().itemState(2, lvis::kStateImageMask), lvis::kImageUnticked)
        << "the copy of an unticked row is unticked";
    EXPECT_EQ(panes.panes[1], "TV-6");
    EXPECT_TRUE(doc.IsModified());

    select(tv, {5});
    tv.OnDuplicate();
    EXPECT_EQ(names(tv).back(), "r3");
    EXPECT_EQ(tv.GetListCtrl().itemCount(), 7);
    EXPECT_NE(tv.GetListCtrl().itemData(5), tv.GetListCtrl().itemData(6));
}

TEST_F(Views, DeleteThenUndo_PutsTheRowsBackInTheirPlaces)
{
    select(tv, {0, 1, 3});
    tv.OnDeleteRows();
    EXPECT_EQ(names(tv), (std::vector<std::string>{"r2"}));
    EXPECT_EQ(numberCells(tv), (std::vector<std::string>{"1"}));
    EXPECT_TRUE(selectedRows(tv).empty());
    EXPECT_EQ(panes.panes[1], "TV-1");

    const auto touched = doc.Undo();
    ASSERT_EQ(touched.first, ListKind::Analog);
    tv.SelectRows(touched.second);
    EXPECT_EQ(names(tv), (std::vector<std::string>{"r0", "r1", "r2", "r3"}));
    EXPECT_EQ(numberCells(tv), (std::vector<std::string>{"10", "20", "30", "40"}));
    EXPECT_EQ(selectedRows(tv), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(tv.GetListCtrl().itemState(1, lvis::kStateImageMask), lvis::kImageUnticked);
    EXPECT_EQ(panes.panes[1], "TV-4");
    EXPECT_FALSE(doc.IsModified());
}

// Whatever runs, undone or redone, every list shows the document's records in the document's
// order, with cells written from them.
TEST_F(Views, RowsMirrorTheDocumentThroughEveryCommandAndUndo)
{
    unsigned seed = 7;
    const auto next = [&seed](unsigned bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % bound;
    };
    CKanalyxView* views[] = {&tv, &fm, &dtv};
    for (int step = 0; step < 400; ++step) {
        CKanalyxView& view = *views[next(3)];
        ListCtrl& list = view.GetListCtrl();
        list.setAllItemStates(0, lvis::kSelectedFocused);
        for (int row = 0; row < list.itemCount(); ++row) {
            if (next(3) == 0) {
                list.setItemState(row, lvis::kSelected, lvis::kSelected);
            }
        }
        switch (next(11)) {
        case 8:
            view.OnMoveTo(static_cast<int>(next(6)) + 1);
            break;
        case 9:
            view.OnDropRows(static_cast<int>(next(static_cast<unsigned>(list.itemCount()) + 1)));
            break;
        case 10:
            view.OnSort(static_cast<int>(next(3)));
            break;
        case 0:
            view.OnMoveUp();
            break;
        case 1:
            view.OnMoveDown();
            break;
        case 2:
            if (list.itemCount() < 40) {
                view.OnDuplicate();
            }
            break;
        case 3:
            view.OnDeleteRows();
            break;
        case 4:
            if (list.itemCount() > 0) {
                view.SetCheckBox(static_cast<int>(next(static_cast<unsigned>(list.itemCount()))),
                                 next(2) == 0);
            }
            break;
        case 5:
        case 6:
            doc.Undo();
            break;
        default:
            doc.Redo();
            break;
        }
        for (CKanalyxView* shown : views) {
            const ListCtrl& rows = shown->GetListCtrl();
            ASSERT_EQ(rows.itemCount(), doc.ChannelCount(shown->kind())) << "step " << step;
            for (int row = 0; row < rows.itemCount(); ++row) {
                const CChannelRec& record = doc.Channel(shown->kind(), row);
                ASSERT_EQ(rows.itemData(row), &record) << "step " << step << " row " << row;
                ASSERT_EQ(rows.itemText(row, 0), std::to_string(record.GetNumber()));
                ASSERT_EQ(rows.itemState(row, lvis::kStateImageMask),
                          record.IsUnchecked() ? lvis::kImageUnticked : lvis::kImageTicked);
            }
        }
    }
}

// Move to a number, a drop between rows and sorting: each one step that places the rows and
// renumbers the list 1 to n; the moved rows stay selected.
TEST_F(Views, MoveToDropAndSort_PlaceTheRowsAsAsked)
{
    struct Case
    {
        const char* what;
        std::initializer_list<int> selected;
        std::function<void(CKanalyxView&)> run;
        std::vector<std::string> names;
        std::vector<int> selectedAfter;
    };
    const Case cases[] = {
        {"move to 1",
         {2, 3},
         [](CKanalyxView& v) { v.OnMoveTo(1); },
         {"r2", "r3", "r0", "r1"},
         {0, 1}},
        {"move to 2 gathers a scattered block",
         {0, 3},
         [](CKanalyxView& v) { v.OnMoveTo(2); },
         {"r1", "r0", "r3", "r2"},
         {1, 2}},
        {"move beyond the end",
         {0},
         [](CKanalyxView& v) { v.OnMoveTo(99); },
         {"r1", "r2", "r3", "r0"},
         {3}},
        {"drop before row 3",
         {0, 1},
         [](CKanalyxView& v) { v.OnDropRows(3); },
         {"r2", "r0", "r1", "r3"},
         {1, 2}},
        {"drop after the last row",
         {1},
         [](CKanalyxView& v) { v.OnDropRows(4); },
         {"r0", "r2", "r3", "r1"},
         {3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open(fourRows());
        select(tv, c.selected);
        c.run(tv);
        EXPECT_EQ(names(tv), c.names);
        EXPECT_EQ(numberCells(tv), (std::vector<std::string>{"1", "2", "3", "4"}));
        EXPECT_EQ(selectedRows(tv), c.selectedAfter);
    }
    // Sorting by name puts r0 back on top; the number column sorts by value, not as text.
    open(fourRows());
    select(tv, {0});
    tv.OnMoveTo(4);
    tv.OnSort(1);
    EXPECT_EQ(names(tv), (std::vector<std::string>{"r0", "r1", "r2", "r3"}));
    tv.OnEndLabelEdit(3, 1, std::string("a"));
    tv.OnSort(0);
    EXPECT_EQ(names(tv), (std::vector<std::string>{"r0", "r1", "r2", "a"}))
        << "numbered 1 to 4 already: the order stays";
}

TEST_F(Views, MatchingRows_NamesWithoutRegardToCaseOrNumbersThatBeginWithTheText)
{
    codec.characterTable = 12;
    codec.prefix = true;
    tv.OnEndLabelEdit(0, 1, std::string("Первый Канал"));
    tv.OnEndLabelEdit(2, 1, std::string("ORF eins"));
    EXPECT_EQ(tv.MatchingRows("канал"), (std::vector<char>{1, 0, 0, 0}));
    EXPECT_EQ(tv.MatchingRows("orf"), (std::vector<char>{0, 0, 1, 0}));
    EXPECT_EQ(tv.MatchingRows("4"), (std::vector<char>{0, 0, 0, 1})) << "number 40";
    EXPECT_EQ(tv.MatchingRows(""), (std::vector<char>{1, 1, 1, 1}));
    EXPECT_EQ(tv.MatchingRows("zzz"), (std::vector<char>{0, 0, 0, 0}));
}

TEST_F(Views, SetCheckBoxes_TicksEverySelectedRowAsOneStep)
{
    select(tv, {0, 1, 2});
    tv.SetCheckBoxes(false);
    EXPECT_EQ(tv.OnCustomDraw(0), RowColour::Blue);
    EXPECT_EQ(tv.OnCustomDraw(2), RowColour::Blue);
    EXPECT_EQ(tv.OnCustomDraw(3), RowColour::Black);
    doc.Undo();
    EXPECT_EQ(tv.OnCustomDraw(0), RowColour::Black);
    EXPECT_EQ(tv.OnCustomDraw(1), RowColour::Blue) << "r1 was unticked before";
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(Views, Rename_CutsTo37CharactersAndUndoSetsTheOldNameAgain)
{
    const std::string forty = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
    ASSERT_EQ(forty.size(), 40u);
    tv.OnEndLabelEdit(2, 1, forty);
    EXPECT_EQ(names(tv)[2], forty.substr(0, 37));
    EXPECT_EQ(tv.GetListCtrl().itemText(2, 1), forty.substr(0, 37));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.CanUndo());

    // Multi-byte characters are never split: 40 Cyrillic letters keep 37 of them, which the
    // Cyrillic table stores as 37 bytes behind its prefix byte.
    codec.characterTable = 2;
    codec.prefix = true;
    std::string cyrillic;
    for (int i = 0; i < 40; ++i) {
        cyrillic += "\xD0\x96";
    }
    tv.OnEndLabelEdit(1, 1, cyrillic);
    EXPECT_EQ(names(tv)[1], cyrillic.substr(0, 2 * 37));
    doc.Undo();
    EXPECT_EQ(names(tv)[1], "r1");

    // The undo gives the old bytes back, whatever the settings are now.
    const std::string before = saved();
    tv.OnEndLabelEdit(0, 1, std::string("new"));
    codec = CodecSettings{};
    codec.unicode = true;
    doc.Undo();
    EXPECT_EQ(saved(), before);
}

TEST_F(Views, Rename_WithCharactersTheTableLacks_IsRefusedAndChangesNothing)
{
    codec.systemCodePage = 1252; // "User" under a Western code page
    const std::string before = saved();
    EXPECT_THROW(tv.OnEndLabelEdit(0, 1, std::string("Первый HD")), Error);
    EXPECT_EQ(saved(), before);
    EXPECT_EQ(tv.GetListCtrl().itemText(0, 1), "r0");
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(Views, Rename_RefreshesTheNameAndCharacterCells)
{
    CodecSettings greek;
    greek.characterTable = 4;
    greek.prefix = true;
    codec = greek;
    tv.OnEndLabelEdit(0, 1, std::string("\xCE\x91\xCE\xB8"));
    EXPECT_EQ(tv.GetListCtrl().itemText(0, 1), "\xCE\x91\xCE\xB8");
    EXPECT_EQ(tv.GetListCtrl().itemText(0, 2), "Greek");
    EXPECT_EQ(tv.GetListCtrl().itemText(0, 0), "10") << "a rename does not renumber";
}

TEST_F(Views, EscapeRecordsNothing)
{
    tv.OnEndLabelEdit(0, 1, std::nullopt);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(Views, CheckBox_TickingAndUntickingMarkTheDocumentAndTheRecord)
{
    tv.SetCheckBox(1, true);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(tv.GetListCtrl().itemData(1)->IsUnchecked());
    EXPECT_EQ(tv.OnCustomDraw(1), RowColour::Black);
    doc.SetModifiedFlag(false);
    tv.SetCheckBox(0, false);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(tv.OnCustomDraw(0), RowColour::Blue);

    // The check bit of the 176-byte layout: bit 1 of byte 123.
    const std::string bytes = saved();
    EXPECT_EQ(static_cast<unsigned char>(bytes[12 + 123]) & 0x02, 0x02);
    EXPECT_EQ(static_cast<unsigned char>(bytes[12 + 176 + 123]) & 0x02, 0);

    doc.SetModifiedFlag(false);
    select(tv, {2});
    EXPECT_FALSE(doc.IsModified()) << "selection changes are no edit";
}

TEST_F(Views, RadioRows_KeepTheirOffsetWhenRenumbered)
{
    select(fm, {2});
    fm.OnMoveUp();
    fm.OnMoveUp();
    EXPECT_EQ(names(fm), (std::vector<std::string>{"f2", "f0", "f1"}));
    EXPECT_EQ(numberCells(fm), (std::vector<std::string>{"1", "2", "3"}));
    const std::string bytes = saved();
    // Digital block: after 4 analog records, the settings block (4 + 1 bytes) and 8 bytes of
    // size and count; two digital TV records, then the radio records.
    const std::size_t radio = 12 + 4 * 176 + 5 + 8 + 2 * 176;
    EXPECT_EQ(u16At(bytes, radio + 12), 16384 + 1);
    EXPECT_EQ(bytes.substr(radio + 30, 2), "f2");
    EXPECT_EQ(u16At(bytes, radio + 176 + 12), 16384 + 2);
    EXPECT_EQ(test::u32At(bytes, radio + 116), 4 * 1 + 0x10001u);
}

TEST_F(Views, DeletingEveryDigitalTVRow_SavesTheRadioRowsOnly)
{
    select(dtv, {0, 1});
    dtv.OnDeleteRows();
    EXPECT_EQ(panes.panes[3], "DTV-0");
    const std::string bytes = saved();
    const std::size_t block = 12 + 4 * 176 + 5;
    EXPECT_EQ(test::u32At(bytes, block), 4 + 3 * 176u);
    EXPECT_EQ(test::u32At(bytes, block + 4), 3u);
    EXPECT_EQ(bytes.substr(block + 8 + 30, 2), "f0");
}

TEST_F(Views, DoubleClicks_SelectOrEditTheFocusedRow)
{
    EXPECT_EQ(tv.OnLButtonDblClk(-1, 0), DoubleClickResult::Nothing);
    EXPECT_EQ(tv.OnLButtonDblClk(2, 1), DoubleClickResult::Selected) << "row 2 has no focus yet";
    EXPECT_EQ(tv.GetListCtrl().focusedItem(), 2);
    EXPECT_EQ(tv.OnLButtonDblClk(2, 1), DoubleClickResult::OpenNameEditor);
    const auto edit = tv.BeginCellEdit(2, 1);
    ASSERT_TRUE(edit.has_value());
    EXPECT_EQ(edit->text, "r2");
    EXPECT_EQ(tv.OnLButtonDblClk(2, 3), DoubleClickResult::Nothing);
    EXPECT_EQ(tv.OnLButtonDblClk(2, 0), DoubleClickResult::Selected);

    EXPECT_EQ(tv.OnRButtonDblClk(2, 0), DoubleClickResult::Selected)
        << "the number column only selects";
    EXPECT_EQ(tv.OnRButtonDblClk(2, 4), DoubleClickResult::OpenChannelDialog);
    EXPECT_FALSE(doc.IsModified()) << "the dialog's OK is the main window's command";
    EXPECT_EQ(tv.OnRButtonDblClk(0, 4), DoubleClickResult::Selected);
}

TEST_F(Views, BeginCellEdit_RefusesMissingAndNarrowColumns)
{
    EXPECT_FALSE(tv.BeginCellEdit(0, 7).has_value());
    EXPECT_FALSE(tv.BeginCellEdit(4, 1).has_value());
    // The user narrowed the name column to 4 pixels.
    tv.GetListCtrl().setColumnWidth(1, 4);
    EXPECT_FALSE(tv.BeginCellEdit(0, 1).has_value());
    select(tv, {0});
    EXPECT_EQ(tv.OnLButtonDblClk(0, 1), DoubleClickResult::Nothing);
    tv.GetListCtrl().setColumnWidth(1, 5);
    EXPECT_EQ(tv.OnLButtonDblClk(0, 1), DoubleClickResult::OpenNameEditor);
}

TEST_F(Views, Load_EmptiesTheHistoryAndRefillsTheRows)
{
    select(tv, {0});
    tv.OnDeleteRows();
    fm.OnEndLabelEdit(0, 1, std::string("Welle"));
    open(fourRows());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(names(tv), (std::vector<std::string>{"r0", "r1", "r2", "r3"}));
    EXPECT_EQ(names(fm)[0], "f0");
}

} // namespace
} // namespace kx
