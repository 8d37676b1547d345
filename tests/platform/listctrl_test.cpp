#include "platform/listctrl.h"

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
    void itemDeleting(int row, const CChannelRec* record) override
    {
        // The record must still be alive here: read it.
        log.push_back("deleting " + std::to_string(row) + " id " + std::to_string(idOf(record)) +
                      " live " + std::to_string(FakeRec::live()));
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

// A list of `count` rows holding FakeRec ids 0 to count - 1.
void fill(ListCtrl& list, int count)
{
    std::vector<std::unique_ptr<CChannelRec>> records;
    for (int id = 0; id < count; ++id) {
        records.push_back(FakeRec::make(id));
    }
    list.appendItems(std::move(records));
}

std::vector<int> ids(const ListCtrl& list)
{
    std::vector<int> result;
    for (int row = 0; row < list.itemCount(); ++row) {
        result.push_back(idOf(list.itemData(row)));
    }
    return result;
}

TEST(ListCtrl, DeleteItem_ReportsLiveRecordThenDestroysIt)
{
    const int before = FakeRec::live();
    {
        ListCtrl list;
        fill(list, 3);
        Recorder recorder(list);
        list.deleteItem(1);
        EXPECT_EQ(recorder.take(),
                  (std::vector<std::string>{
                      "-? 1-1", "deleting 1 id 1 live " + std::to_string(before + 3), "- 1-1"}));
        EXPECT_EQ(FakeRec::live(), before + 2);
        EXPECT_EQ(ids(list), (std::vector<int>{0, 2}));
    }
    EXPECT_EQ(FakeRec::live(), before) << "the list destroys its records when it goes";
}

TEST(ListCtrl, DeleteAllItems_ReportsEveryRowBeforeAnyGoes)
{
    const int before = FakeRec::live();
    ListCtrl list;
    fill(list, 3);
    list.setItemState(2, lvis::kSelectedFocused, lvis::kSelectedFocused);
    Recorder recorder(list);
    list.deleteAllItems();
    const std::string live = " live " + std::to_string(before + 3);
    EXPECT_EQ(recorder.take(), (std::vector<std::string>{"-? 0-2", "deleting 0 id 0" + live,
                                                         "deleting 1 id 1" + live,
                                                         "deleting 2 id 2" + live, "- 0-2"}));
    EXPECT_EQ(FakeRec::live(), before);
    EXPECT_EQ(list.selectedCount(), 0);
    EXPECT_EQ(list.focusedItem(), -1);
    list.deleteAllItems();
    EXPECT_TRUE(recorder.take().empty()) << "emptying an empty list tells nobody";
}

TEST(ListCtrl, InsertItem_BeyondEndAppendsAndShiftsFocus)
{
    ListCtrl list;
    fill(list, 2);
    list.setItemState(1, lvis::kFocused, lvis::kFocused);
    EXPECT_EQ(list.insertItem(7, FakeRec::make(10)), 2);
    EXPECT_EQ(list.insertItem(0, FakeRec::make(11)), 0);
    EXPECT_EQ(ids(list), (std::vector<int>{11, 0, 1, 10}));
    EXPECT_EQ(list.focusedItem(), 2) << "the focus stays with its row";
    EXPECT_EQ(list.itemState(0, 0xFFFF), 0u) << "a new row has no state and no check box";
    EXPECT_THROW(list.insertItem(-1, FakeRec::make(12)), Error);
}

TEST(ListCtrl, SetItemState_ReportsOldAndNewStateAndKeepsOneFocus)
{
    ListCtrl list;
    fill(list, 3);
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
    EXPECT_EQ(list.focusedItem(), 2);
    EXPECT_EQ(list.itemState(0, lvis::kStateImageMask), lvis::kImageUnticked);

    list.setAllItemStates(0, lvis::kSelectedFocused);
    EXPECT_EQ(list.selectedCount(), 0);
    EXPECT_EQ(list.focusedItem(), -1);
    EXPECT_EQ(list.itemState(0, lvis::kStateImageMask), lvis::kImageUnticked)
        << "clearing the selection leaves the check box alone";
}

TEST(ListCtrl, SwapItemStates_MovesSelectionAndFocusWithoutTwoFocusedRows)
{
    ListCtrl list;
    fill(list, 3);
    list.setItemState(1, lvis::kSelectedFocused, lvis::kSelectedFocused);
    list.setItemState(1, lvis::kImageTicked, lvis::kStateImageMask);
    list.swapItemStates(1, 0, lvis::kSelectedFocused);
    EXPECT_EQ(list.itemState(0, 0xFFFF), lvis::kSelectedFocused);
    EXPECT_EQ(list.itemState(1, 0xFFFF), lvis::kImageTicked) << "the state image stays";
    EXPECT_EQ(list.focusedItem(), 0);
    EXPECT_EQ(list.selectedCount(), 1);
    list.swapItemStates(0, 2, lvis::kSelectedFocused);
    EXPECT_EQ(list.focusedItem(), 2);
    EXPECT_EQ(list.itemState(0, lvis::kSelectedFocused), 0u);
}

TEST(ListCtrl, TakeSelectedItems_ContiguousRunIsOneRemoval)
{
    const int before = FakeRec::live();
    ListCtrl list;
    fill(list, 5);
    list.setItemState(1, lvis::kSelected, lvis::kSelected);
    list.setItemState(2, lvis::kSelectedFocused, lvis::kSelectedFocused);
    list.setItemState(4, lvis::kImageTicked, lvis::kStateImageMask);
    Recorder recorder(list);
    auto taken = list.takeSelectedItems();
    EXPECT_EQ(
        recorder.take(),
        (std::vector<std::string>{"-? 1-2", "deleting 1 id -1 live " + std::to_string(before + 5),
                                  "deleting 1 id -1 live " + std::to_string(before + 5), "- 1-2"}));
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(idOf(taken[0].get()), 1);
    EXPECT_EQ(idOf(taken[1].get()), 2);
    EXPECT_EQ(ids(list), (std::vector<int>{0, 3, 4}));
    EXPECT_EQ(list.itemState(2, lvis::kStateImageMask), lvis::kImageTicked);
    EXPECT_EQ(list.selectedCount(), 0);
    EXPECT_EQ(list.focusedItem(), -1);
    EXPECT_EQ(FakeRec::live(), before + 5) << "taken records are not destroyed";
}

TEST(ListCtrl, TakeSelectedItems_ScatteredRowsAreAReset)
{
    ListCtrl list;
    fill(list, 6);
    for (int row : {0, 2, 5}) {
        list.setItemState(row, lvis::kSelected, lvis::kSelected);
    }
    list.setItemState(3, lvis::kFocused, lvis::kFocused);
    Recorder recorder(list);
    auto taken = list.takeSelectedItems();
    const auto log = recorder.take();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log.front(), "reset?");
    EXPECT_EQ(log[1].substr(0, 10), "deleting 0");
    EXPECT_EQ(log[2].substr(0, 10), "deleting 1") << "row 2 has moved up to 1 when it goes";
    EXPECT_EQ(log[3].substr(0, 10), "deleting 3");
    EXPECT_EQ(log.back(), "reset");
    EXPECT_EQ(ids(list), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(list.focusedItem(), 1);
    ASSERT_EQ(taken.size(), 3u);
    EXPECT_EQ(idOf(taken[2].get()), 5);
}

TEST(ListCtrl, InsertItemsAt_MergesInOnePassAndChecksPlaces)
{
    ListCtrl list;
    fill(list, 3); // 0 1 2
    list.setItemState(2, lvis::kSelectedFocused, lvis::kSelectedFocused);
    Recorder recorder(list);
    std::vector<std::unique_ptr<CChannelRec>> copies;
    copies.push_back(FakeRec::make(10));
    copies.push_back(FakeRec::make(12));
    const int places[] = {1, 4};
    list.insertItemsAt(places, std::move(copies));
    EXPECT_EQ(ids(list), (std::vector<int>{0, 10, 1, 2, 12}));
    EXPECT_EQ(recorder.take(), (std::vector<std::string>{"reset?", "reset"}));
    EXPECT_EQ(list.focusedItem(), 3);
    EXPECT_EQ(list.selectedCount(), 1);

    std::vector<std::unique_ptr<CChannelRec>> tail;
    tail.push_back(FakeRec::make(20));
    tail.push_back(FakeRec::make(21));
    const int end[] = {5, 6};
    list.insertItemsAt(end, std::move(tail));
    EXPECT_EQ(recorder.take(), (std::vector<std::string>{"+? 5-6", "+ 5-6"}));

    std::vector<std::unique_ptr<CChannelRec>> bad;
    bad.push_back(FakeRec::make(30));
    bad.push_back(FakeRec::make(31));
    const int unordered[] = {3, 3};
    EXPECT_THROW(list.insertItemsAt(unordered, std::move(bad)), Error);
    EXPECT_EQ(list.itemCount(), 7) << "a refused insertion changes nothing";
}

TEST(ListCtrl, ItemText_ChangesAreReportedOnceAndSurviveAColumnInsert)
{
    ListCtrl list;
    list.insertColumn(0, {1, 35, ColumnAlign::Left});
    list.insertColumn(1, {2, 200, ColumnAlign::Left});
    fill(list, 2);
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
}

TEST(ListCtrl, ItemData_SwapTakeAndFind)
{
    const int before = FakeRec::live();
    ListCtrl list;
    fill(list, 3);
    list.swapItemData(0, 2);
    EXPECT_EQ(ids(list), (std::vector<int>{2, 1, 0}));
    CChannelRec* middle = list.itemData(1);
    EXPECT_EQ(list.findItem(middle), 1);
    auto taken = list.takeItemData(1);
    EXPECT_EQ(list.itemData(1), nullptr);
    EXPECT_EQ(list.findItem(middle), -1);
    list.deleteItem(1); // a row without a record goes without destroying anything
    EXPECT_EQ(FakeRec::live(), before + 3);
    list.setItemData(0, std::move(taken));
    EXPECT_EQ(FakeRec::live(), before + 2) << "the replaced record is destroyed";
    EXPECT_EQ(ids(list), (std::vector<int>{1, 0}));
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
