// The File menu's commands on reference lists, comparing and backups, as the user runs them:
// the preview and its choice, one step that Undo takes back, the compare pane, the backup on the
// first save and its preference, Revert to Saved and Open Backup.
#include <QAction>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

#include "app/comparedock.h"
#include "app/kanalyxapp.h"
#include "app/mainframe.h"
#include "document/kanalyxdoc.h"
#include "guitestsupport.h"
#include "model/channelrec.h"
#include "support/tllbuilder.h"

using Command = kx::CMainFrame::Command;
using kx::guitest::readFile;
using kx::test::RecordBytes;
using kx::test::TllBuilder;

namespace {

// A 176-byte file of digital cable TV channels (source byte 3, network 1, stream 1), each given
// by its service id and name, numbered 1 to n.
QByteArray cableFile(const std::vector<std::pair<std::uint16_t, const char*>>& channels)
{
    TllBuilder file(2);
    std::uint16_t number = 0;
    for (const auto& [sid, name] : channels) {
        file.digital(
            RecordBytes(2).numberWord(++number).name(name).u8(8, 3).u16(72, sid).u16(94, 1).u16(96,
                                                                                                1));
    }
    return kx::guitest::bytesOf(
        file.settings(std::string(64, '\0')).trailing(std::string(1, '\0')).build());
}

const QByteArray kFour = cableFile({{101, "Alpha"}, {102, "Beta"}, {103, "Gamma"}, {104, "Delta"}});

// Beta and Alpha by their services, Gamma by its name only; Delta is not there.
constexpr const char* kReference = ",1,,C-1-1-102-00,\"Beta\",DCT0,\n"
                                   ",2,,C-1-1-101-00,\"Alpha\",DCT0,\n"
                                   ",3,,C-1-1-999-00,\"GAMMA\",DCT0,\n";

QStringList rowTexts(const QTableWidget* table, int row)
{
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column) {
        texts << table->item(row, column)->text();
    }
    return texts;
}

} // namespace

class FileCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        kx::guitest::clearSettings();
        m_folder = std::make_unique<QTemporaryDir>();
        m_answers = std::make_unique<kx::guitest::ModalAnswers>();
        m_list = write("list.tll", kFour);
    }

    void cleanup()
    {
        if (m_app != nullptr) {
            doc().SetModifiedFlag(false);
        }
        m_app.reset();
        QVERIFY2(m_answers->unexpected.isEmpty(), qPrintable(m_answers->unexpected.join("; ")));
    }

    void apply_previewShowsCountsAndChoice_oneStepUndoTakesBack_data()
    {
        QTest::addColumn<bool>("deleting");
        QTest::addColumn<QString>("fate");
        QTest::addColumn<int>("count");
        QTest::newRow("keep") << false << "Kept as number 4" << 4;
        QTest::newRow("delete") << true << "Deleted" << 3;
    }

    void apply_previewShowsCountsAndChoice_oneStepUndoTakesBack()
    {
        QFETCH(bool, deleting);
        QFETCH(QString, fate);
        QFETCH(int, count);
        start();
        const std::string before = kx::test::documentBytes(doc());
        m_files->answers = {write("reference.csv", kReference)};
        m_answers->expect([&](QWidget* dialog) {
            // List, channels, by identity, by name, not in the reference.
            const auto* lists = dialog->findChild<QTableWidget*>("lists");
            QCOMPARE(rowTexts(lists, 2), QStringList({"Digital TV", "4", "2", "1", "1"}));
            if (deleting) {
                dialog->findChild<QRadioButton*>("delete")->click();
            }
            const auto* unmatched = dialog->findChild<QTableWidget*>("unmatched");
            QCOMPARE(unmatched->rowCount(), 1);
            QCOMPARE(rowTexts(unmatched, 0), QStringList({"Digital TV", "4", "Delta", fate}));
            dialog->findChild<QPushButton*>("apply")->click();
        });
        frame().action(Command::FileApplyReference)->trigger();
        QCOMPARE(m_answers->pending(), 0);
        QCOMPARE(doc().ChannelCount(kx::ListKind::DigitalTV), count);
        QCOMPARE(name(kx::ListKind::DigitalTV, 0), QStringLiteral("Beta"));
        QCOMPARE(frame().action(Command::EditUndo)->text(), "&Undo Apply reference list");
        frame().action(Command::EditUndo)->trigger();
        QVERIFY(kx::test::documentBytes(doc()) == before);
        QVERIFY(!doc().CanUndo() && !doc().IsModified());

        // Cancel changes nothing; a file that is no reference is reported.
        m_files->answers = {write("reference.csv", kReference), write("bad.csv", ",1,,X,\"\",,\n")};
        m_answers->expect([](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "reject"); });
        frame().action(Command::FileApplyReference)->trigger();
        m_answers->expectButton("OK");
        frame().action(Command::FileApplyReference)->trigger();
        QVERIFY2(m_answers->seen.last().startsWith("The reference list was not applied.\n"),
                 qPrintable(m_answers->seen.last()));
        QVERIFY(!doc().CanUndo() && !doc().IsModified());
    }

    void export_thenApplyingTheExportChangesNothing()
    {
        start();
        const QString csv = m_folder->filePath("list.csv");
        m_files->answers = {csv, csv};
        frame().action(Command::FileExportReference)->trigger();
        QCOMPARE(m_files->proposed.first(), csv);
        QVERIFY(readFile(csv).startsWith(",1,,C-1-1-101-00,\"Alpha\",DCT0,\n"));
        m_answers->expect([](QWidget* dialog) {
            QVERIFY(dialog->findChild<QLabel*>("note")->text().contains("changes nothing"));
            dialog->findChild<QPushButton*>("apply")->click();
        });
        frame().action(Command::FileApplyReference)->trigger();
        QCOMPARE(m_answers->pending(), 0);
        QVERIFY(!doc().CanUndo() && !doc().IsModified());
    }

    void compare_linesOfTheRenamedAndMoved_aClickSelects_editsFollow()
    {
        start();
        m_files->answers = {
            write("other.tll",
                  cableFile({{101, "Alpha"}, {102, "Beta HD"}, {104, "Delta"}, {103, "Gamma"}}))};
        frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
        frame().action(Command::FileCompare)->trigger();
        QTreeWidget* tree = frame().compareDock()->tree();
        QTreeWidgetItem* dtv = tree->topLevelItem(0);
        QCOMPARE(dtv->text(0), QStringLiteral("Digital TV: 2 moved, 1 renamed"));
        QCOMPARE(dtv->child(0)->text(2), QStringLiteral("renamed → Beta HD"));
        QCOMPARE(dtv->child(1)->text(2), QStringLiteral("moved → 4"));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(dtv->child(1)).center());
        QCOMPARE(frame().activeList(), frame().listWidget(kx::ListKind::DigitalTV));
        QCOMPARE(frame().view(kx::ListKind::DigitalTV).GetListCtrl().selectedItems(),
                 std::vector<int>{2});

        doc().Rename(kx::ListKind::DigitalTV, 1, "Beta HD", frame().codec());
        QTRY_COMPARE(tree->topLevelItem(0)->childCount(), 2);
    }

    void firstSave_keepsTheOpenedFileOnce_unlessThePreferenceIsOff_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::newRow("on, as at first") << true;
        QTest::newRow("turned off") << false;
    }

    void firstSave_keepsTheOpenedFileOnce_unlessThePreferenceIsOff()
    {
        QFETCH(bool, keep);
        start();
        QVERIFY(frame().action(Command::FileKeepBackup)->isChecked());
        if (!keep) {
            frame().action(Command::FileKeepBackup)->trigger();
        }
        for (int save = 0; save < 2; ++save) {
            moveFirstDown();
            frame().action(Command::FileSave)->trigger();
            QCOMPARE(QFile::exists(m_list + ".bak"), keep);
            QVERIFY(!keep || readFile(m_list + ".bak") == kFour);
        }
        start();
        QCOMPARE(frame().action(Command::FileKeepBackup)->isChecked(), keep);
    }

    void revert_asksOnlyWhenThereAreChanges_thenReadsTheFileAgain()
    {
        start();
        moveFirstDown();
        m_answers->expectButton("Cancel");
        frame().action(Command::FileRevert)->trigger();
        QCOMPARE(m_answers->seen.value(0).section('\n', 0, 0),
                 QStringLiteral("Revert list.tll to the saved file?"));
        QVERIFY(doc().IsModified());
        m_answers->expectButton("Revert");
        frame().action(Command::FileRevert)->trigger();
        QVERIFY(!doc().IsModified() && !doc().CanUndo());
        QCOMPARE(name(kx::ListKind::DigitalTV, 0), QStringLiteral("Alpha"));

        kx::guitest::writeFile(m_list, cableFile({{101, "Alpha"}}));
        frame().action(Command::FileRevert)->trigger();
        QCOMPARE(m_answers->seen.size(), 2);
        QCOMPARE(doc().ChannelCount(kx::ListKind::DigitalTV), 1);
    }

    void openBackup_disabledAndSaysWhyUntilThereIsOne_thenAsksToSaveFirst()
    {
        start();
        QAction* openBackup = frame().action(Command::FileOpenBackup);
        QVERIFY(!openBackup->isEnabled());
        // The File menu shows why when the pointer rests on the entry.
        auto* file = qobject_cast<QMenu*>(openBackup->associatedObjects().value(0));
        QVERIFY(file != nullptr);
        file->popup(QPoint(0, 0));
        const QPoint at = file->actionGeometry(openBackup).center();
        QHelpEvent help(QEvent::ToolTip, at, file->mapToGlobal(at));
        QApplication::sendEvent(file, &help);
        QVERIFY2(QToolTip::text().startsWith("There is no backup of this file"),
                 qPrintable(QToolTip::text()));
        file->hide();

        moveFirstDown();
        frame().action(Command::FileSave)->trigger();
        QVERIFY(openBackup->isEnabled());
        moveFirstDown();
        m_answers->expectButton("Discard");
        openBackup->trigger();
        QCOMPARE(m_answers->seen.value(0), QStringLiteral("Save changes to list.tll?"));
        QCOMPARE(frame().windowTitle(), QStringLiteral("list.tll.bak[*] - Kanalyx"));
        QCOMPARE(name(kx::ListKind::DigitalTV, 0), QStringLiteral("Alpha"));
    }

private:
    void start()
    {
        m_app.reset();
        m_app = std::make_unique<kx::CKanalyxApp>(kx::guitest::programFolder());
        QVERIFY(m_app->InitInstance({m_list}, {false}));
        auto dialogs = std::make_unique<kx::guitest::ScriptedFileDialogs>();
        m_files = dialogs.get();
        frame().setFileDialogs(std::move(dialogs));
    }

    kx::CMainFrame& frame() { return *m_app->mainFrame(); }
    kx::CKanalyxDoc& doc() { return *m_app->document(); }

    QString name(kx::ListKind list, int row)
    {
        return QString::fromStdString(doc().Channel(list, row).GetName(frame().codec()));
    }

    void moveFirstDown()
    {
        kx::CKanalyxView& dtv = frame().view(kx::ListKind::DigitalTV);
        dtv.SelectRows({{0}, 0});
        dtv.OnMoveDown();
    }

    QString write(const QString& fileName, const QByteArray& bytes)
    {
        QString path = m_folder->filePath(fileName);
        kx::guitest::writeFile(path, bytes);
        return path;
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<kx::guitest::ModalAnswers> m_answers;
    std::unique_ptr<kx::CKanalyxApp> m_app;
    kx::guitest::ScriptedFileDialogs* m_files = nullptr;
    QString m_list;
};

QTEST_MAIN(FileCommandsTest)
#include "filecommands_test.moc"
