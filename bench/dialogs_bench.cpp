// The dialogs on the largest data they take: the hex grid over a block of 0xFFFFF bytes (opening
// the Data Block dialog, a full redraw, a drag step that redraws every visible cell, a wheel
// notch), and opening the Channel dialog on a record. Runs on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QTemporaryDir>

#include "dialogs/channeldlg.h"
#include "dialogs/datablockdlg.h"
#include "dialogs/hexgridwidget.h"

namespace {

constexpr int kLargestBlock = 0xFFFFF;

std::vector<std::uint8_t> largestBlock()
{
    std::vector<std::uint8_t> block(kLargestBlock);
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<std::uint8_t>(i * 7);
    }
    return block;
}

// The hex grid shown over the largest block, at the size the dialog gives it.
struct LargestGrid
{
    LargestGrid() : block(largestBlock()), grid(model)
    {
        model.SetData(block);
        grid.resize(670, 390);
        grid.show();
    }

    std::vector<std::uint8_t> block;
    kx::HexGridModel model{1252};
    kx::CHexGridWnd grid;
};

void BM_OpenDataBlockDialog(benchmark::State& state)
{
    std::vector<std::uint8_t> block = largestBlock();
    const QTemporaryDir folder;
    for (auto _ : state) {
        kx::CDataBlockDlg dialog(block, 2, folder.path().toStdString(), 1252);
        dialog.show();
        QPixmap shown = dialog.grab();
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(BM_OpenDataBlockDialog)->Unit(benchmark::kMillisecond);

// One frame of the grid: every visible row drawn.
void BM_GridRedraw(benchmark::State& state)
{
    LargestGrid shown;
    for (auto _ : state) {
        QPixmap frame = shown.grid.viewport()->grab();
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(BM_GridRedraw)->Unit(benchmark::kMillisecond);

// A mouse move with the button held over the last rows, and the redraw it causes.
void BM_GridDragStep(benchmark::State& state)
{
    LargestGrid shown;
    shown.model.SetMark(kLargestBlock - 200, kLargestBlock - 100);
    QWidget* viewport = shown.grid.viewport();
    const QPoint down(60, 5);
    QMouseEvent press(QEvent::MouseButtonPress, down, viewport->mapToGlobal(down), Qt::LeftButton,
                      Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &press);
    int column = 0;
    for (auto _ : state) {
        const QPoint at(60 + 24 * column, 300);
        QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &move);
        QPixmap frame = viewport->grab();
        benchmark::DoNotOptimize(frame);
        column = (column + 1) % 16;
    }
}
BENCHMARK(BM_GridDragStep)->Unit(benchmark::kMillisecond);

// A wheel notch down (7 rows) and the redraw; back to the top when the end is reached.
void BM_GridWheelNotch(benchmark::State& state)
{
    LargestGrid shown;
    const kx::HexGridModel& model = shown.model;
    QWidget* viewport = shown.grid.viewport();
    const QPoint at(100, 100);
    for (auto _ : state) {
        const int delta = model.scrollPosition() + 8 >= model.scrollMaximum() ? 120000 : -120;
        QWheelEvent wheel(at, viewport->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
        QPixmap frame = viewport->grab();
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(BM_GridWheelNotch)->Unit(benchmark::kMillisecond);

void BM_OpenChannelDialog(benchmark::State& state)
{
    std::vector<std::uint8_t> record(176, 0x41);
    record[30] = 0;
    record[128] = 0;
    for (auto _ : state) {
        kx::CChannelDlg dialog(record, 1252);
        dialog.show();
        QPixmap shown = dialog.grab();
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(BM_OpenChannelDialog)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
