#include "views/listctrl.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/error.h"
#include "support/fakerecord.h"

namespace kx {
namespace {

using test::FakeRec;
using test::idOf;

// Writes every notification as a short line, so a test can compare the whole sequence.
class Recorder : public ListCtrlObserver
{
public:
    explicit Recorder(ListCtrl& list) : m_list(list) { m_list.addObserver(this); }
    ~Recorder() override { m_list.removeObserver(this); }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    void rowsAboutToBeInserted(int first, int last) override { add("+?", first, last); }
    void rowsInserted(int first, int last) override { add("+", first, last); }
    void rowsAboutToBeRemoved(int first, int last) override { add("-?", first, last); }
    void rowsRemoved(int first, int last) override { add("-", first, last); }
    void listAboutToBeReset() override { log.emplace_back("reset?"); }
    void listReset() override { log.emplace_back("reset"); }
    void rowsChanged(int first, int last) override { add("changed", first, last); }
    void itemStateChanged(int row, unsigned oldState, unsigned newState) override
    {
        char text[64];
        std::snprintf(text, sizeof text, "state %d %04X>%04X", row, oldState, newState);
        log.emplace_back(text);
    }

    std::vector<std::string> take() { return std::exchange(log, {}); }
    std::vector<std::string> log;

private:
    void add(const char* what, int first, int last)
    {
        log.push_back(std::string(what) + " " + std::to_string(first) + "-" + std::to_string(last));
    }
    ListCtrl& m_list;
};

// Records with ids 0 to 39 that the lists of a test show (the list owns none of them).
class ListCtrlTest : public ::testing::Test
{
protected:
    ListCtrlTest()
    {
        for (int id = 0; id < 40; ++id) {
            m_records.push_back(FakeRec::make(id));
        }
    }

    CChannelRec* record(int id) { return m_records.at(static_cast<std::size_t>(id)).get(); }
    // Shows records 0 to count - 1.
    void fill(int count)
    {
        std::vector<CChannelRec*> shown;
        for (int id = 0; id < count; ++id) {
            shown.push_back(record(id));
        }
        list.setItems(shown);
    }
    std::vector<int> ids() const
    {
        std::vector<int> result;
        for (int row = 0; row < list.itemCount(); ++row) {
            result.push_back(idOf(list.itemData(row)));
        }
        return result;
    }

    std::vector<std::unique_ptr<CChannelRec>> m_records;
    ListCtrl list;
};

TEST_F(ListCtrlTest, SetItems_IsAResetThatForgetsStatesAndDestroysNothing)
{
    const int before = FakeRec::live();
    fill(3);
    list.setItemState(2, lvis::kSelectedFocused, lvis::kSelectedFocused);
    Recorder recorder(list);
    list.setItems({});
    EXPECT_EQ(recorder.take(), (std::vector<std::string>{"reset?", "reset"}));
    EXPECT_EQ(list.selectedCount(), 0);
    EXPECT_EQ(list.focusedItem(), -1);
    EXPECT_EQ(FakeRec::live(), before) << "the records belong to the document";
    list.setItems({});
    EXPECT_TRUE(recorder.take().empty()) << "emptying an empty list tells nobody";
}

TEST_F(ListCtrlTest, SetItemState_ReportsOldAndNewStateAndKeepsOneFocus)
{
    fill(3);
    Recorder recorder(list);
    list.setItemState(0, lvis::kImageTicked, lvis::kStateImageMask);
    list.setItemState(0, lvis::kImageUnticked, lvis::kStateImageMask);
    list.setItemState(0, lvis::kImageUnticked, lvis::kStateImageMask); // no change, no report
    list.setItemState(1, lvis::kSelectedFocused, lvis::kSelectedFocused);
    list.setItemState(2, lvis::kSelectedFocused, lvis::kSelectedFocused);
    EXPECT_EQ(recorder.take(), (std::vector<std::string>{"state 0 0000>2000", "state 0 2000>1000",
                                                         "state 1 0000>0003", "state 1 0003>0002",
                                                         "state 2 0000>0003"}));
    EXPECT_EQ(list.selectedCount(), 2);
    EXPECT_EQ(list.selectedItems(), (std::vector<int>{1, 2}));
    EXPECT_EQ(list.focusedItem(), 2);
    EXPECT_EQ(list.itemState(0, lvis::kStateImageMask), lvis::kImageUnticked);

    list.setAllItemStates(0, lvis::kSelectedFocused);
    EXPECT_EQ(list.selectedCount(), 0);
    EXPECT_EQ(list.focusedItem(), -1);
    EXPECT_EQ(list.itemState(0, lvis::kStateImageMask), lvis::kImageUnticked)
        << "clearing the selection leaves the check box alone";
}

// Rows that go take their states along; a run of rows is one removal, scattered rows a reset.
TEST_F(ListCtrlTest, RemoveItems_OneRemovalForARunAndAResetOtherwise)
{
    fill(6);
    list.setItemState(4, lvis::kImageTicked, lvis::kStateImageMask);
    list.setItemState(5, lvis::kSelectedFocused, lvis::kSelectedFocused);
    Recorder recorder(list);
    const int run[] = {1, 2};
    list.removeItems(run);
    EXPECT_EQ(recorder.take(), (std::vector<std::string>{"-? 1-2", "- 1-2"}));
    EXPECT_EQ(ids(), (std::vector<int>{0, 3, 4, 5}));
    EXPECT_EQ(list.itemState(2, lvis::kStateImageMask), lvis::kImageTicked);
    EXPECT_EQ(list.focusedItem(), 3);

    const int scattered[] = {0, 3};
    list.removeItems(scattered);
    EXPECT_EQ(recorder.take(), (std::vector<std::string>{"reset?", "reset"}));
    EXPECT_EQ(ids(), (std::vector<int>{3, 4}));
    EXPECT_EQ(list.focusedItem(), -1);
    EXPECT_EQ(list.selectedCount(), 0);

    const int unordered[] = {1, 0};
    EXPECT_THROW(list.removeItems(unordered), Error);
    EXPECT_EQ(list.itemCount(), 2) << "a refused removal changes nothing";
}

TEST_F(ListCtrlTest, InsertItemsAt_MergesInOnePassAndChecksPlaces)
{
    fill(3); // 0 1 2
    list.setItemState(2, lvis::kSelectedFocused, lvis::kSelectedFocused);
    Recorder recorder(list);
    CChannelRec* const copies[] = {record(10), record(12)};
    const int places[] = {1, 4};
    list.insertItemsAt(places, copies);
    EXPECT_EQ(ids(), (std::vector<int>{0, 10, 1, 2, 12}));
    EXPECT_EQ(recorder.take(), (std::vector<std::string>{"reset?", "reset"}));
    EXPECT_EQ(list.focusedItem(), 3);
    EXPECT_EQ(list.selectedCount(), 1);
    EXPECT_EQ(list.itemState(1, 0xFFFF), 0u) << "a new row has no state and no check box";

    CChannelRec* const tail[] = {record(20), record(21)};
    const int end[] = {5, 6};
    list.insertItemsAt(end, tail);
    EXPECT_EQ(recorder.take(), (std::vector<std::string>{"+? 5-6", "+ 5-6"}));

    const int unordered[] = {3, 3};
    EXPECT_THROW(list.insertItemsAt(unordered, tail), Error);
    EXPECT_EQ(list.itemCount(), 7) << "a refused insertion changes nothing";
}

// Whole rows move: record, texts and state; the observers hear the span and where selection
// and focus went.
TEST_F(ListCtrlTest, MoveItems_TakesTextsAndStatesAlong)
{
    list.insertColumn(0, {1, 35, ColumnAlign::Left});
    fill(4);
    for (int row = 0; row < 4; ++row) {
        list.setItemText(row, 0, std::to_string(row));
    }
    list.setItemState(1, lvis::kSelectedFocused, lvis::kSelectedFocused);
    Recorder recorder(list);
    const std::pair<int, int> moves[] = {{0, 1}, {1, 0}};
    list.moveItems(moves);
    EXPECT_EQ(ids(), (std::vector<int>{1, 0, 2, 3}));
    EXPECT_EQ(list.itemText(0, 0), "1");
    EXPECT_EQ(list.itemText(1, 0), "0");
    EXPECT_EQ(list.focusedItem(), 0);
    EXPECT_EQ(list.selectedItems(), (std::vector<int>{0}));
    EXPECT_EQ(recorder.take(),
              (std::vector<std::string>{"changed 0-1", "state 1 0003>0000", "state 0 0000>0003"}));
}

TEST_F(ListCtrlTest, ItemText_ChangesAreReportedOnceAndSurviveAColumnInsert)
{
    list.insertColumn(0, {1, 35, ColumnAlign::Left});
    list.insertColumn(1, {2, 200, ColumnAlign::Left});
    fill(2);
    Recorder recorder(list);
    list.setItemText(1, 1, "Arte");
    list.setItemText(1, 1, "Arte");
    EXPECT_EQ(recorder.take(), (std::vector<std::string>{"changed 1-1"}));
    EXPECT_EQ(list.itemText(1, 1), "Arte");
    EXPECT_EQ(list.itemText(0, 1), "");
    list.insertColumn(0, {3, 10, ColumnAlign::Right});
    EXPECT_EQ(list.itemText(1, 2), "Arte");
    EXPECT_EQ(list.itemText(1, 0), "");
    EXPECT_THROW(list.setItemText(1, 3, "x"), Error);
    EXPECT_THROW(list.itemText(2, 0), Error);
    EXPECT_THROW(list.itemData(2), Error);
}

TEST(ListCtrl, UpdateBrackets_NestAndReachObserversOnce)
{
    ListCtrl list;
    struct Counter : ListCtrlObserver
    {
        int begun = 0;
        int ended = 0;
        void updateBegun() override { ++begun; }
        void updateEnded() override { ++ended; }
    } counter;
    list.addObserver(&counter);
    {
        ListCtrl::UpdateGuard outer(list);
        ListCtrl::UpdateGuard inner(list);
        EXPECT_EQ(counter.begun, 1);
        EXPECT_EQ(counter.ended, 0);
    }
    EXPECT_EQ(counter.ended, 1);
    list.removeObserver(&counter);
}

} // namespace
} // namespace kx
