// The editor on a full channel list: opening a file of 16,383 channels and drawing the window,
// list commands on the 13,107 rows of its digital TV list followed by the redraw of the list, the
// compare pane and the reference preview on it, and the resident memory of the editor holding
// that file. Runs on Qt's offscreen platform, so it
// needs no display.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "app/comparedock.h"
#include "app/kanalyxapp.h"
#include "app/mainframe.h"
#include "dialogs/referencedlg.h"
#include "dialogs/referencedlgmodel.h"
#include "document/documentlists.h"
#include "document/kanalyxdoc.h"
#include "fulllist.h"
#include "views/channellistwidget.h"
#include "views/listctrl.h"

namespace {

// 16,383 digital channels, every fifth a radio channel: 13,107 rows in the digital TV list.
constexpr int kChannels = 16383;
constexpr std::uint32_t kSettingsSize = 20 * 1024;

struct Editor
{
    QTemporaryDir folder;
    QString path;
    std::unique_ptr<kx::CKanalyxApp> app;

    Editor()
    {
        path = folder.filePath("full.tll");
        std::ofstream(path.toStdString(), std::ios::binary)
            << kx::bench::fullListBytes(kChannels, kSettingsSize);
        app = std::make_unique<kx::CKanalyxApp>(QCoreApplication::applicationDirPath());
        app->InitInstance({}, {true});
        frame().resize(1200, 700);
        QCoreApplication::processEvents();
    }
    ~Editor() { app->document()->SetModifiedFlag(false); }

    kx::CMainFrame& frame() const { return *app->mainFrame(); }
    kx::ChannelListWidget& list(kx::ListKind kind) const { return *frame().listWidget(kind); }
};

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

// Opening the file (load, fill the three lists) and drawing the whole window once.
void BM_OpenAndShow(benchmark::State& state)
{
    Editor editor;
    for (auto _ : state) {
        editor.frame().openDocumentFile(editor.path);
        editor.frame().repaint();
    }
    state.counters["channels"] = editor.list(kx::ListKind::DigitalTV).model()->rowCount() +
                                 editor.list(kx::ListKind::Radio).model()->rowCount();
    state.counters["rss_MB"] = static_cast<double>(residentKilobytes()) / 1024.0;
}
BENCHMARK(BM_OpenAndShow)->Unit(benchmark::kMillisecond)->Iterations(5);

// Opening a real file and drawing the window: LA691S, the 1 MB list of a newer receiver with a
// DVB-S block, and the 2.7 MB GlobalClone XML file of a 2019 receiver.
void BM_OpenAndShowReal(benchmark::State& state, const char* name)
{
    const QString path =
        QDir(QStringLiteral(KANALYX_REALDATA_DIR)).filePath(QString::fromUtf8(name));
    if (!QFile::exists(path)) {
        state.SkipWithError("the real-data folder is not there");
        return;
    }
    Editor editor;
    for (auto _ : state) {
        editor.frame().openDocumentFile(path);
        editor.frame().repaint();
    }
}
BENCHMARK_CAPTURE(BM_OpenAndShowReal, LA691S, "xxLA691S-ZA00004.TLL.in")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(BM_OpenAndShowReal, GlobalClone, "GlobalClone-65UM7100PLA.TLL")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// Selects every second row of the digital TV list, as the user would with the keyboard.
void selectEverySecondRow(kx::ChannelListWidget& list)
{
    kx::ListCtrl& rows = list.list();
    kx::ListCtrl::UpdateGuard update(rows);
    for (int row = 0; row < rows.itemCount(); ++row) {
        rows.setItemState(row, row % 2 == 1 ? kx::lvis::kSelected : 0, kx::lvis::kSelected);
    }
}

// Opens the file and gives the digital TV list the focus, so the commands go to it.
kx::ChannelListWidget& openDigitalList(Editor& editor)
{
    editor.frame().openDocumentFile(editor.path);
    kx::ChannelListWidget& list = editor.list(kx::ListKind::DigitalTV);
    list.setFocus();
    QCoreApplication::processEvents();
    return list;
}

using Command = kx::CMainFrame::Command;

// One list command on the 13,107-row digital TV list with every second row selected, then the
// list drawn again. before and after run untimed around it to set up and restore the list.
void runCommand(benchmark::State& state, Command command, std::optional<Command> before,
                std::optional<Command> after)
{
    Editor editor;
    kx::ChannelListWidget& list = openDigitalList(editor);
    for (auto _ : state) {
        state.PauseTiming();
        selectEverySecondRow(list);
        if (before) {
            editor.frame().action(*before)->trigger();
        }
        state.ResumeTiming();
        editor.frame().action(command)->trigger();
        list.viewport()->repaint();
        state.PauseTiming();
        if (after) {
            editor.frame().action(*after)->trigger();
        }
        state.ResumeTiming();
    }
    state.counters["rows"] = list.model()->rowCount();
}

void BM_MoveUp(benchmark::State& state)
{
    runCommand(state, Command::EditUp, std::nullopt, std::nullopt);
}
BENCHMARK(BM_MoveUp)->Unit(benchmark::kMillisecond);

void BM_MoveDown(benchmark::State& state)
{
    runCommand(state, Command::EditDown, std::nullopt, std::nullopt);
}
BENCHMARK(BM_MoveDown)->Unit(benchmark::kMillisecond);

void BM_Duplicate(benchmark::State& state)
{
    Editor editor;
    kx::ChannelListWidget& list = openDigitalList(editor);
    kx::ListCtrl& rows = list.list();
    const int rowsBefore = rows.itemCount();
    for (auto _ : state) {
        state.PauseTiming();
        selectEverySecondRow(list);
        state.ResumeTiming();
        editor.frame().action(Command::EditDuplicate)->trigger();
        list.viewport()->repaint();
        state.PauseTiming();
        // The k-th selected row (row 2k + 1) now stands at 3k + 1 and its copy at 3k + 2: select
        // the copies alone and delete them to give the list back.
        {
            kx::ListCtrl::UpdateGuard update(rows);
            rows.setAllItemStates(0, kx::lvis::kSelected);
            for (int k = 0; 2 * k + 1 < rowsBefore; ++k) {
                rows.setItemState(3 * k + 2, kx::lvis::kSelected, kx::lvis::kSelected);
            }
        }
        editor.frame().action(Command::EditDelete)->trigger();
        state.ResumeTiming();
    }
    state.counters["rows"] = list.model()->rowCount();
}
BENCHMARK(BM_Duplicate)->Unit(benchmark::kMillisecond);

void BM_Delete(benchmark::State& state)
{
    runCommand(state, Command::EditDelete, std::nullopt, Command::EditUndo);
}
BENCHMARK(BM_Delete)->Unit(benchmark::kMillisecond);

void BM_Undo(benchmark::State& state)
{
    runCommand(state, Command::EditUndo, Command::EditDelete, std::nullopt);
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMillisecond);

// Ctrl+A in the digital TV list: every row's selected bit set, the list drawn again.
void BM_SelectAll(benchmark::State& state)
{
    Editor editor;
    kx::ChannelListWidget& list = openDigitalList(editor);
    for (auto _ : state) {
        state.PauseTiming();
        list.selectionModel()->select(QItemSelection(), QItemSelectionModel::Clear);
        state.ResumeTiming();
        list.selectAll();
        list.viewport()->repaint();
    }
    state.counters["selected"] = list.list().selectedCount();
}
BENCHMARK(BM_SelectAll)->Unit(benchmark::kMillisecond);

// Selects the block of 1,000 rows from row 5,000 on.
void selectBlock(kx::ChannelListWidget& list)
{
    kx::ListCtrl& rows = list.list();
    kx::ListCtrl::UpdateGuard update(rows);
    rows.setAllItemStates(0, kx::lvis::kSelectedFocused);
    for (int row = 5000; row < 6000; ++row) {
        rows.setItemState(row, kx::lvis::kSelected, kx::lvis::kSelected);
    }
}

// One step of the workflow on the block (or the whole list), then the list drawn again; Undo
// puts the list back untimed.
void runOnBlock(benchmark::State& state, const std::function<void(Editor&)>& step)
{
    Editor editor;
    kx::ChannelListWidget& list = openDigitalList(editor);
    for (auto _ : state) {
        state.PauseTiming();
        selectBlock(list);
        state.ResumeTiming();
        step(editor);
        list.viewport()->repaint();
        state.PauseTiming();
        editor.frame().action(Command::EditUndo)->trigger();
        state.ResumeTiming();
    }
}

// The block dragged and dropped near the top.
void BM_DragBlockOf1000(benchmark::State& state)
{
    runOnBlock(state,
               [](Editor& editor) { emit editor.list(kx::ListKind::DigitalTV).rowsDropped(100); });
}
BENCHMARK(BM_DragBlockOf1000)->Unit(benchmark::kMillisecond);

void BM_MoveBlockTo(benchmark::State& state)
{
    runOnBlock(state,
               [](Editor& editor) { editor.frame().view(kx::ListKind::DigitalTV).OnMoveTo(1); });
}
BENCHMARK(BM_MoveBlockTo)->Unit(benchmark::kMillisecond);

void BM_SortByName(benchmark::State& state)
{
    runOnBlock(state,
               [](Editor& editor) { editor.frame().view(kx::ListKind::DigitalTV).OnSort(1); });
}
BENCHMARK(BM_SortByName)->Unit(benchmark::kMillisecond);

// One keystroke in the Find box: every list matched again and the digital TV list drawn.
void BM_FilterKeystroke(benchmark::State& state)
{
    Editor editor;
    kx::ChannelListWidget& list = openDigitalList(editor);
    QLineEdit* filter = editor.frame().filterBox();
    bool longer = false;
    for (auto _ : state) {
        longer = !longer;
        filter->setText(longer ? QStringLiteral("12") : QStringLiteral("1"));
        list.viewport()->repaint();
    }
    filter->clear();
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond);

// The compare pane against the same list numbered backwards, so that nearly every channel
// moved: worked out again and filled, as after every edit, then drawn.
void BM_CompareRefresh(benchmark::State& state)
{
    Editor editor;
    openDigitalList(editor);
    std::vector<kx::ChannelList> other =
        kx::ChannelListsOf(*editor.app->document(), editor.frame().codec());
    for (kx::ChannelList& list : other) {
        const int count = static_cast<int>(list.channels.size());
        for (kx::ListChannel& channel : list.channels) {
            channel.number = count + 1 - channel.number;
        }
    }
    kx::CompareDock& dock = *editor.frame().compareDock();
    dock.compareWith(std::move(other), QStringLiteral("other.tll"));
    for (auto _ : state) {
        dock.refresh();
        dock.repaint();
    }
    state.counters["lines"] = static_cast<double>(dock.tree()->topLevelItem(0)->childCount());
}
BENCHMARK(BM_CompareRefresh)->Unit(benchmark::kMillisecond);

// The preview of a reference that holds every second channel: planned, and the dialog filled
// with the other half as channels the reference does not hold.
void BM_ReferencePreview(benchmark::State& state)
{
    Editor editor;
    openDigitalList(editor);
    const kx::CKanalyxDoc& doc = *editor.app->document();
    std::vector<kx::ChannelList> reference = kx::ChannelListsOf(doc, editor.frame().codec());
    for (kx::ChannelList& list : reference) {
        std::erase_if(list.channels, [](const kx::ListChannel& c) { return c.row % 2 == 1; });
    }
    int unmatched = 0;
    for (auto _ : state) {
        kx::ReferenceDlgModel model(kx::ChannelListsOf(doc, editor.frame().codec()), reference);
        const kx::CReferenceDlg dialog(model, QStringLiteral("full.tll"),
                                       QStringLiteral("reference.csv"));
        unmatched = model.unmatchedCount();
    }
    state.counters["unmatched"] = unmatched;
}
BENCHMARK(BM_ReferencePreview)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The editor's settings (recent files) go to a folder of the benchmark's own.
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
