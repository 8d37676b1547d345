// The list commands on a full list (16,383 rows), through the document's history and the view
// that mirrors the list: Up with every second row selected, Delete of every row, its Undo and
// Redo, refilling every row, and what a history of 1,000 Up steps holds. Core only, no widget.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "document/kanalyxdoc.h"
#include "fulllist.h"
#include "model/namecodec.h"
#include "platform/archive.h"
#include "views/documentviews.h"

namespace {

constexpr int kRows = 16383;

// A document whose digital TV list holds 16,383 rows, shown by the three views.
struct Lists
{
    Lists()
    {
        std::string bytes = kx::bench::fullListBytes(kRows, 20 * 1024);
        for (std::size_t i = 0; i < kRows; ++i) {
            bytes[kFirstRecord + i * 176 + 13] &= 0x3F;
        }
        kx::Archive in(std::move(bytes), "bench");
        doc.Serialize(in);
    }

    void selectAll()
    {
        dtv.GetListCtrl().setAllItemStates(kx::lvis::kSelected, kx::lvis::kSelected);
    }

    static constexpr std::size_t kFirstRecord = 4 + 8 + 4 + 20 * 1024 + 8;
    kx::CodecSettings codec;
    kx::CKanalyxDoc doc;
    kx::DocumentViews views{doc, codec};
    kx::CKanalyxView& tv = views.view(kx::ListKind::Analog);
    kx::CKanalyxView& fm = views.view(kx::ListKind::Radio);
    kx::CKanalyxView& dtv = views.view(kx::ListKind::DigitalTV);
};

void BM_MoveUpEverySecondRow(benchmark::State& state)
{
    Lists lists;
    kx::ListCtrl& list = lists.dtv.GetListCtrl();
    if (list.itemCount() != kRows) {
        state.SkipWithError("the list was not filled");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        list.setAllItemStates(0, kx::lvis::kSelectedFocused);
        for (int row = 1; row < kRows; row += 2) {
            list.setItemState(row, kx::lvis::kSelected, kx::lvis::kSelected);
        }
        state.ResumeTiming();
        lists.dtv.OnMoveUp();
    }
}
BENCHMARK(BM_MoveUpEverySecondRow)->Unit(benchmark::kMillisecond);

void BM_DeleteAllRows(benchmark::State& state)
{
    Lists lists;
    for (auto _ : state) {
        state.PauseTiming();
        lists.selectAll();
        state.ResumeTiming();
        lists.dtv.OnDeleteRows();
        state.PauseTiming();
        lists.doc.Undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteAllRows)->Unit(benchmark::kMillisecond);

void BM_UndoDeleteAllRows(benchmark::State& state)
{
    Lists lists;
    for (auto _ : state) {
        state.PauseTiming();
        lists.selectAll();
        lists.dtv.OnDeleteRows();
        state.ResumeTiming();
        lists.doc.Undo();
    }
    if (lists.dtv.GetListCtrl().itemCount() != kRows) {
        state.SkipWithError("rows were lost");
    }
}
BENCHMARK(BM_UndoDeleteAllRows)->Unit(benchmark::kMillisecond);

void BM_RedoDeleteAllRows(benchmark::State& state)
{
    Lists lists;
    lists.selectAll();
    lists.dtv.OnDeleteRows();
    lists.doc.Undo();
    for (auto _ : state) {
        lists.doc.Redo();
        state.PauseTiming();
        lists.doc.Undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RedoDeleteAllRows)->Unit(benchmark::kMillisecond);

void BM_RefillRows(benchmark::State& state)
{
    Lists lists;
    for (auto _ : state) {
        lists.dtv.RefillRows();
    }
}
BENCHMARK(BM_RefillRows)->Unit(benchmark::kMillisecond);

// Selects the block of 1,000 rows from row 5,000 on.
void selectBlock(kx::ListCtrl& list)
{
    list.setAllItemStates(0, kx::lvis::kSelectedFocused);
    for (int row = 5000; row < 6000; ++row) {
        list.setItemState(row, kx::lvis::kSelected, kx::lvis::kSelected);
    }
}

// A step of the workflow on the block of 1,000 rows (or the whole list); Undo untimed.
template <typename Step> void runOnBlock(benchmark::State& state, Step step)
{
    Lists lists;
    for (auto _ : state) {
        state.PauseTiming();
        selectBlock(lists.dtv.GetListCtrl());
        state.ResumeTiming();
        step(lists.dtv);
        state.PauseTiming();
        lists.doc.Undo();
        state.ResumeTiming();
    }
}

void BM_DropBlockOf1000(benchmark::State& state)
{
    runOnBlock(state, [](kx::CKanalyxView& view) { view.OnDropRows(100); });
}
BENCHMARK(BM_DropBlockOf1000)->Unit(benchmark::kMillisecond);

void BM_MoveBlockTo(benchmark::State& state)
{
    runOnBlock(state, [](kx::CKanalyxView& view) { view.OnMoveTo(1); });
}
BENCHMARK(BM_MoveBlockTo)->Unit(benchmark::kMillisecond);

void BM_SortByName(benchmark::State& state)
{
    runOnBlock(state, [](kx::CKanalyxView& view) { view.OnSort(1); });
}
BENCHMARK(BM_SortByName)->Unit(benchmark::kMillisecond);

// One keystroke of Find: which rows of the list match the text.
void BM_FilterKeystroke(benchmark::State& state)
{
    Lists lists;
    bool longer = false;
    for (auto _ : state) {
        longer = !longer;
        benchmark::DoNotOptimize(lists.dtv.MatchingRows(longer ? "12" : "1"));
    }
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond);

// 1,000 steps of Up on a single row (the first renumbering of the list counts in the first
// step); the counter says how many bytes the history holds for them.
void BM_ThousandUpSteps(benchmark::State& state)
{
    Lists lists;
    for (auto _ : state) {
        for (int step = 0; step < 1000; ++step) {
            const int moving[] = {kRows - 1 - step};
            lists.doc.MoveUp(kx::ListKind::DigitalTV, moving);
        }
    }
    state.counters["history_bytes"] = static_cast<double>(lists.doc.history().memoryBytes());
    state.counters["steps"] = static_cast<double>(lists.doc.history().stepCount());
}
BENCHMARK(BM_ThousandUpSteps)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
