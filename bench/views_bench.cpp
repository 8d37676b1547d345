// The list commands on a full list (16,383 rows): Up with every second row selected, Delete of
// every row followed by Undo, and renumbering. Core only, no widget.
#include <benchmark/benchmark.h>

#include <string>

#include "document/kanalyxdoc.h"
#include "fulllist.h"
#include "model/namecodec.h"
#include "platform/archive.h"
#include "views/dtveditview.h"
#include "views/fmeditview.h"
#include "views/tveditview.h"

namespace {

constexpr int kRows = 16383;

// A document whose digital TV list holds 16,383 rows, shown by the three views.
struct Lists
{
    Lists()
    {
        kx::SetCodecSettings(kx::CodecSettings{});
        std::string bytes = kx::bench::fullListBytes(kRows, 20 * 1024);
        for (std::size_t i = 0; i < kRows; ++i) {
            bytes[kFirstRecord + i * 176 + 13] &= 0x3F;
        }
        kx::Archive in(std::move(bytes), "bench");
        doc.Serialize(in);
        dtv.OnInitialUpdate();
        fm.OnInitialUpdate();
        tv.OnInitialUpdate();
    }

    static constexpr std::size_t kFirstRecord = 4 + 8 + 4 + 20 * 1024 + 8;
    kx::CKanalyxDoc doc;
    kx::CTVEditView tv{doc};
    kx::CFMEditView fm{doc};
    kx::CDTVEditView dtv{doc};
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

void BM_DeleteAllThenUndo(benchmark::State& state)
{
    Lists lists;
    kx::ListCtrl& list = lists.dtv.GetListCtrl();
    for (auto _ : state) {
        state.PauseTiming();
        list.setAllItemStates(kx::lvis::kSelected, kx::lvis::kSelected);
        state.ResumeTiming();
        lists.dtv.OnDeleteRows();
        lists.dtv.OnEditUndo();
    }
    if (list.itemCount() != kRows) {
        state.SkipWithError("rows were lost");
    }
}
BENCHMARK(BM_DeleteAllThenUndo)->Unit(benchmark::kMillisecond);

void BM_RenumberRows(benchmark::State& state)
{
    Lists lists;
    for (auto _ : state) {
        lists.dtv.RenumberRows();
    }
}
BENCHMARK(BM_RenumberRows)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
