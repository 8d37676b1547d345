#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QMimeData>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/kanalyxapp.h"
#include "app/mainframe.h"
#include "app/windowmemory.h"
#include "document/kanalyxdoc.h"
#include "guitestsupport.h"
#include "model/channelflags.h"
#include "model/channelrec.h"
#include "support/tllbuilder.h"
#include "views/channellistwidget.h"

using kx::CMainFrame;
using Command = CMainFrame::Command;
using kx::guitest::ScriptedFileDialogs;
using kx::test::RecordBytes;
using kx::test::TllBuilder;

namespace {

// A variant-2 file with the given numbers of analog, radio and digital TV channels; digital
// records alternate between radio and TV where both remain.
QByteArray channelFile(int analog, int radio, int tv)
{
    TllBuilder file(2);
    for (int i = 0; i < analog; ++i) {
        file.analog(RecordBytes(2).numberWord(i + 1).name("Analog " + std::to_string(i)));
    }
    int radioLeft = radio;
    int tvLeft = tv;
    for (int i = 0; radioLeft + tvLeft > 0; ++i) {
        if (radioLeft > 0 && (i % 2 == 0 || tvLeft == 0)) {
            file.digital(RecordBytes(2).numberWord(16384 + radio - radioLeft + 1).name("Radio"));
            --radioLeft;
        } else {
            file.digital(RecordBytes(2).numberWord(tv - tvLeft + 1).name("TV"));
            --tvLeft;
        }
    }
    file.settings(std::string(64, '\0')).trailing(std::string(1, '\0'));
    const std::string bytes = file.build();
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

int rowsOf(const CMainFrame& frame, kx::ListKind kind)
{
    return frame.listWidget(kind)->model()->rowCount();
}

} // namespace

class MainFrameTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        kx::guitest::clearSettings();
        m_folder = std::make_unique<QTemporaryDir>();
        m_answers = std::make_unique<kx::guitest::ModalAnswers>();
    }

    void cleanup()
    {
        // Closing the window of a modified document would ask whether to save.
        if (m_app != nullptr && m_app->document() != nullptr) {
            m_app->document()->SetModifiedFlag(false);
        }
        m_app.reset();
        QVERIFY2(m_answers->unexpected.isEmpty(), qPrintable(m_answers->unexpected.join("; ")));
        m_answers.reset();
    }

    void noFile_fileAndListCommandsAreDisabled()
    {
        start({});
        for (const Command command :
             {Command::FileSave, Command::FileSaveAs, Command::FileImport, Command::FileExport,
              Command::MoreSettings, Command::DataBlock, Command::EditUp, Command::EditDown,
              Command::EditDuplicate, Command::EditDelete, Command::EditUndo}) {
            QVERIFY2(!frame().action(command)->isEnabled(),
                     qPrintable(frame().action(command)->text()));
        }
        QVERIFY(frame().action(Command::FileOpen)->isEnabled());
        QVERIFY(frame().action(Command::AppAbout)->isEnabled());
        QCOMPARE(frame().windowTitle(), QStringLiteral("Untitled[*] - Kanalyx"));
        // Without a file the keyboard's Save does nothing either.
        QTest::keySequence(&frame(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QVERIFY(m_answers->seen.isEmpty());
    }

    void commandLineFile_fillsTheThreeListsAndEnablesFileCommands()
    {
        const QString path = write("list.tll", channelFile(2, 1, 3));
        start({path});
        QCOMPARE(doc().GetVariant(), 2);
        QCOMPARE(rowsOf(frame(), kx::ListKind::Analog), 2);
        QCOMPARE(rowsOf(frame(), kx::ListKind::Radio), 1);
        QCOMPARE(rowsOf(frame(), kx::ListKind::DigitalTV), 3);
        QVERIFY(frame().action(Command::FileSave)->isEnabled());
        QVERIFY(frame().action(Command::FileExport)->isEnabled());
        QVERIFY(frame().action(Command::DataBlock)->isEnabled());
        QCOMPARE(frame().windowTitle(), QStringLiteral("list.tll[*] - Kanalyx"));
        QCOMPARE(kx::SettingsProfile().recentFiles(), QStringList({path}));
    }

    void commandLineFileRefused_showsTheReasonAndTheEmptyWindowStays()
    {
        const QString path = write("broken.tll", channelFile(2, 0, 0).left(30));
        m_answers->expectButton("OK");
        m_app = std::make_unique<kx::CKanalyxApp>(kx::guitest::programFolder());
        QVERIFY(m_app->InitInstance({path}, {false}));
        QCOMPARE(m_answers->seen.size(), 1);
        QVERIFY2(m_answers->seen.first().contains("broken.tll"),
                 qPrintable(m_answers->seen.first()));
        QCOMPARE(doc().GetVariant(), 0);
    }

    void satelliteFile_opensTheSatelliteTabAndNamesTheLayout()
    {
        const std::string bytes = kx::test::newerList(true);
        start({write("xxLM620S-ZE00001.TLL",
                     QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())))});
        QTabWidget* tabs = frame().listTabs();
        QVERIFY(tabs->isTabEnabled(1));
        QCOMPARE(frame().layoutPaneText(), QStringLiteral("192-byte records: LM, LS, PM"));
        QCOMPARE(frame().countPaneText(CMainFrame::CountPane::SatTV), QStringLiteral("S-TV-2"));
        QCOMPARE(rowsOf(frame(), kx::ListKind::SatTV), 2);

        // The lock flag of a selected satellite channel, through the Edit menu's action.
        frame().view(kx::ListKind::SatTV).SelectRows({{1}, 1});
        tabs->setCurrentIndex(1);
        frame().listWidget(kx::ListKind::SatTV)->setFocus();
        frame().updateCommands();
        QVERIFY(!frame().action(Command::EditDuplicate)->isEnabled());
        QAction* lock = frame().action(Command::FlagLock);
        QVERIFY(lock->isEnabled());
        QVERIFY(!lock->isChecked());
        lock->trigger();
        QCOMPARE(doc().Channel(kx::ListKind::SatTV, 1).GetFlags(), kx::channelflags::kLock);
        QVERIFY(lock->isChecked());

        // A file without satellite channels closes the tab again.
        frame().openDocumentFile(write("list.tll", channelFile(1, 1, 1)));
        QVERIFY(!tabs->isTabEnabled(1));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(frame().layoutPaneText(),
                 QStringLiteral("176-byte records: LD, LE, LX, LK450, LW4500"));
    }

    void lists_analogAndRadioAboveDigital_everyColumnInA1280Window()
    {
        start({});
        QSplitter* lists = frame().splitter();
        QCOMPARE(lists->orientation(), Qt::Vertical);
        auto* top = qobject_cast<QSplitter*>(lists->widget(0));
        QVERIFY(top != nullptr && top->orientation() == Qt::Horizontal);
        QCOMPARE(top->widget(1), frame().listWidget(kx::ListKind::Radio));
        QCOMPARE(lists->widget(1), frame().listWidget(kx::ListKind::DigitalTV));

        kx::WindowMemory::fitNameColumns(*frame().centralWidget(), 1272);
        frame().resize(1272, 700);
        frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
        for (const auto kind :
             {kx::ListKind::Analog, kx::ListKind::Radio, kx::ListKind::DigitalTV}) {
            kx::ChannelListWidget* list = frame().listWidget(kind);
            QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
            QVERIFY(list->columnWidth(1) >= kx::ChannelListWidget::kNarrowestNameColumn);
        }
        // The digital TV list has three fifths of the height.
        QVERIFY(std::abs(lists->sizes()[1] * 2 - lists->sizes()[0] * 3) <= 5);
    }

    void layout_isRememberedForTheNextRun()
    {
        start({});
        frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
        frame().resize(900, 600);
        frame().splitter()->setSizes({150, 350});
        frame().listWidget(kx::ListKind::Radio)->setColumnWidth(1, 171);
        QVERIFY(frame().close());
        const QList<int> heights = frame().splitter()->sizes();

        start({});
        QCOMPARE(frame().size(), QSize(900, 600));
        QCOMPARE(frame().listWidget(kx::ListKind::Radio)->columnWidth(1), 171);
        frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
        QCOMPARE(frame().splitter()->sizes(), heights);
    }

    void open_asksToSaveAModifiedDocumentFirst()
    {
        const QString first = write("first.tll", channelFile(1, 0, 0));
        const QString second = write("second.tll", channelFile(3, 0, 0));
        start({first});
        ScriptedFileDialogs* dialogs = scriptDialogs();

        doc().SetModifiedFlag(true);
        m_answers->expectButton("Cancel");
        frame().action(Command::FileOpen)->trigger();
        QCOMPARE(m_answers->seen.size(), 1);
        QCOMPARE(m_answers->seen.first(), QStringLiteral("Save changes to first.tll?"));
        QCOMPARE(rowsOf(frame(), kx::ListKind::Analog), 1);
        QVERIFY(doc().IsModified());

        dialogs->answers = {second};
        m_answers->expectButton("Discard");
        frame().action(Command::FileOpen)->trigger();
        QCOMPARE(rowsOf(frame(), kx::ListKind::Analog), 3);
        QVERIFY(!doc().IsModified());
        QCOMPARE(
            dialogs->filters.last(),
            QStringLiteral("Channel lists (*.tll *.TLL);;GlobalClone files (GlobalClone*.TLL);;"
                           "All Files (*)"));
    }

    void saveInThePrompt_writesTheFileBeforeReplacingIt()
    {
        const QString first = write("first.tll", channelFile(1, 1, 1));
        const QString second = write("second.tll", channelFile(3, 0, 0));
        const QByteArray before = read(first);
        start({first});
        scriptDialogs()->answers = {second};
        // Change a byte of the settings block through the document, then open another file.
        std::vector<std::uint8_t> settings(doc().Settings().begin(), doc().Settings().end());
        settings[0] = 0x42;
        doc().SetSettings(settings, kx::StepKind::DataBlock);
        m_answers->expectButton("Save");
        frame().action(Command::FileOpen)->trigger();
        const QByteArray after = read(first);
        QCOMPARE(after.size(), before.size());
        QVERIFY(after != before);
        QCOMPARE(rowsOf(frame(), kx::ListKind::Analog), 3);
    }

    void closing_aModifiedDocumentCanBeCancelled()
    {
        start({write("list.tll", channelFile(1, 0, 0))});
        frame().show();
        doc().SetModifiedFlag(true);
        m_answers->expectButton("Cancel");
        QVERIFY(!frame().close());
        QVERIFY(frame().isVisible());
        m_answers->expectButton("Discard");
        QVERIFY(frame().close());
    }

    void saveAs_writesTheNewFileAndRenamesTheWindow()
    {
        // Radio channels are saved after the TV ones; a file without radio keeps its byte order.
        const QString original = write("list.tll", channelFile(2, 0, 2));
        start({original});
        const QString copy = m_folder->filePath("copy.tll");
        scriptDialogs()->answers = {copy};
        doc().SetModifiedFlag(true);
        frame().action(Command::FileSaveAs)->trigger();
        QCOMPARE(read(copy), read(original));
        QVERIFY(!doc().IsModified());
        QCOMPARE(frame().windowTitle(), QStringLiteral("copy.tll[*] - Kanalyx"));
        QCOMPARE(kx::SettingsProfile().recentFiles(), QStringList({copy, original}));
    }

    void save_asksBeforeOverwritingAFileAnotherProgramChanged()
    {
        const QString list = write("list.tll", channelFile(2, 0, 0));
        start({list});
        doc().MoveDown(kx::ListKind::Analog, std::vector<int>{0});
        // Another window deletes a channel and saves first.
        kx::CKanalyxDoc other;
        other.OnOpenDocument(list.toStdString());
        other.Delete(kx::ListKind::Analog, std::vector<int>{0});
        other.OnSaveDocument(list.toStdString());
        const QByteArray theirs = read(list);

        m_answers->expectButton("Cancel");
        frame().action(Command::FileSave)->trigger();
        QCOMPARE(m_answers->seen.size(), 1);
        QVERIFY2(m_answers->seen.first().startsWith("list.tll was changed by another program"),
                 qPrintable(m_answers->seen.first()));
        QCOMPARE(read(list), theirs);
        QVERIFY(doc().IsModified());

        m_answers->expectButton("Overwrite");
        frame().action(Command::FileSave)->trigger();
        QVERIFY(read(list) != theirs);
        QVERIFY(!doc().IsModified());
        // Nothing changed it since: no question.
        doc().SetModifiedFlag(true);
        frame().action(Command::FileSave)->trigger();
        QCOMPARE(m_answers->seen.size(), 2);
    }

    void failedSave_showsTheReasonAndKeepsTheDocumentModified()
    {
        start({write("list.tll", channelFile(1, 0, 0))});
        scriptDialogs()->answers = {m_folder->filePath("no such folder/list.tll")};
        doc().SetModifiedFlag(true);
        m_answers->expectButton("OK");
        frame().action(Command::FileSaveAs)->trigger();
        QCOMPARE(m_answers->seen.size(), 1);
        QVERIFY2(m_answers->seen.first().startsWith("The file could not be saved."),
                 qPrintable(m_answers->seen.first()));
        QVERIFY(doc().IsModified());
    }

    void import_replacesOnlyTheTickedLists()
    {
        start({write("list.tll", channelFile(1, 1, 1))});
        scriptDialogs()->answers = {write("other.tll", channelFile(4, 5, 6))};
        m_answers->expect([](QWidget* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Import"));
            auto* fm = dialog->findChild<QCheckBox*>("fm");
            QVERIFY(fm->isChecked());
            fm->setChecked(false);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        frame().action(Command::FileImport)->trigger();
        QCOMPARE(rowsOf(frame(), kx::ListKind::Analog), 4);
        QCOMPARE(rowsOf(frame(), kx::ListKind::Radio), 1);
        QCOMPARE(rowsOf(frame(), kx::ListKind::DigitalTV), 6);
    }

    void import_ofTheOtherVariantChangesNothingAndSaysWhy()
    {
        start({write("list.tll", channelFile(1, 1, 1))});
        TllBuilder variant1(1);
        variant1.analog(RecordBytes(1).numberWord(1)).settings(std::string(8, '\0'));
        const std::string bytes = variant1.build();
        scriptDialogs()->answers = {
            write("v1.tll", QByteArray(bytes.data(), qsizetype(bytes.size())))};
        m_answers->expect([](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "accept"); });
        m_answers->expectButton("OK");
        frame().action(Command::FileImport)->trigger();
        QCOMPARE(m_answers->seen.size(), 2);
        QVERIFY(m_answers->seen.at(1).startsWith("Nothing was imported."));
        QCOMPARE(rowsOf(frame(), kx::ListKind::Analog), 1);
    }

    void export_writesTheHexTextUnderTheChosenName()
    {
        start({write("list.tll", channelFile(1, 1, 1))});
        scriptDialogs()->answers = {m_folder->filePath("table")};
        frame().action(Command::FileExport)->trigger();
        const QByteArray text = read(m_folder->filePath("table.xls"));
        // Three records of 176 bytes: "XX\t" per byte and CR LF per line.
        QCOMPARE(text.size(), 3 * (3 * 176 + 2));
        QVERIFY(text.endsWith("\t\r\n"));
    }

    void recentFiles_offerTheLastFourAndDropMissingOnes()
    {
        QStringList paths;
        for (int i = 0; i < 5; ++i) {
            paths << write(QStringLiteral("f%1.tll").arg(i), channelFile(i + 1, 0, 0));
        }
        start({});
        QCOMPARE(frame().recentFileActions().size(), 1);
        QVERIFY(!frame().recentFileActions().first()->isEnabled());
        for (const QString& path : paths) {
            QVERIFY(frame().openDocumentFile(path));
        }
        const QList<QAction*> recent = frame().recentFileActions();
        QCOMPARE(recent.size(), 4);
        QVERIFY(recent.first()->text().startsWith("&1 "));
        QVERIFY(recent.first()->text().endsWith("f4.tll"));
        QVERIFY(recent.last()->text().endsWith("f1.tll"));

        recent.at(2)->trigger();
        QCOMPARE(rowsOf(frame(), kx::ListKind::Analog), 3);
        QVERIFY(frame().recentFileActions().first()->text().endsWith("f2.tll"));

        // Now f2, f4, f3, f1.
        QFile::remove(paths.at(3));
        m_answers->expectButton("OK");
        frame().recentFileActions().at(2)->trigger();
        QCOMPARE(frame().recentFileActions().size(), 3);
        for (const QAction* action : frame().recentFileActions()) {
            QVERIFY(!action->text().endsWith("f3.tll"));
        }
    }

    void droppedFile_isOpened()
    {
        const QString path = write("dropped.tll", channelFile(2, 2, 2));
        start({});
        frame().show();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&frame(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&frame(), &drop);
        QCOMPARE(rowsOf(frame(), kx::ListKind::Radio), 2);
        QCOMPARE(frame().windowTitle(), QStringLiteral("dropped.tll[*] - Kanalyx"));
    }

    void f6_movesTheFocusThroughTheLists()
    {
        start({});
        frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
        QCOMPARE(frame().activeList(), frame().listWidget(kx::ListKind::Analog));
        QVERIFY(frame().listWidget(kx::ListKind::Analog)->isMarkedActive());
        frame().action(Command::NextPane)->trigger();
        QCOMPARE(frame().activeList(), frame().listWidget(kx::ListKind::Radio));
        QVERIFY(frame().listWidget(kx::ListKind::Radio)->isMarkedActive());
        QVERIFY(!frame().listWidget(kx::ListKind::Analog)->isMarkedActive());
        frame().action(Command::NextPane)->trigger();
        frame().action(Command::NextPane)->trigger();
        QCOMPARE(frame().activeList(), frame().listWidget(kx::ListKind::Analog));
        frame().action(Command::PrevPane)->trigger();
        QCOMPARE(frame().activeList(), frame().listWidget(kx::ListKind::DigitalTV));
        QCOMPARE(frame().action(Command::NextPane)->shortcut(), QKeySequence(Qt::Key_F6));
        QCOMPARE(frame().action(Command::PrevPane)->shortcut(),
                 QKeySequence(Qt::SHIFT | Qt::Key_F6));
    }

    void suppliedDialogs_areOfferedWithAFile()
    {
        start({write("list.tll", channelFile(1, 0, 0))});
        int sheetRuns = 0;
        kx::FrameDialogs dialogs;
        dialogs.moreSettings = [&](QWidget*, kx::CKanalyxDoc&, const kx::CodecSettings&) {
            ++sheetRuns;
            return true;
        };
        frame().setDialogs(dialogs);
        QVERIFY(frame().action(Command::MoreSettings)->isEnabled());
        QVERIFY(!frame().action(Command::DataBlock)->isEnabled());
        frame().action(Command::MoreSettings)->trigger();
        QCOMPARE(sheetRuns, 1);
        QVERIFY2(!doc().IsModified(), "an OK that changed nothing is no change");
    }

private:
    void start(const QStringList& arguments)
    {
        m_app = std::make_unique<kx::CKanalyxApp>(kx::guitest::programFolder());
        QVERIFY(m_app->InitInstance(arguments, {false}));
    }

    CMainFrame& frame() { return *m_app->mainFrame(); }
    kx::CKanalyxDoc& doc() { return *m_app->document(); }

    ScriptedFileDialogs* scriptDialogs()
    {
        auto dialogs = std::make_unique<ScriptedFileDialogs>();
        ScriptedFileDialogs* raw = dialogs.get();
        frame().setFileDialogs(std::move(dialogs));
        return raw;
    }

    QString write(const QString& name, const QByteArray& bytes)
    {
        QString path = m_folder->filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
        return path;
    }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<kx::guitest::ModalAnswers> m_answers;
    std::unique_ptr<kx::CKanalyxApp> m_app;
};

QTEST_MAIN(MainFrameTest)
#include "mainframe_test.moc"
