#include <vector>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "app/aboutbox.h"
#include "app/kanalyxapp.h"
#include "app/mainframe.h"
#include "dialogs/channeldlg.h"
#include "dialogs/datablockdlg.h"
#include "dialogs/hexgridwidget.h"
#include "dialogs/importdlg.h"
#include "dialogs/paramdlg.h"
#include "dialogs/simplecombo.h"
#include "document/kanalyxdoc.h"
#include "gui/filedialogs.h"
#include "guitestsupport.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"

using kx::CDataBlockDlg;
using kx::CParamDlg;
using kx::test::RecordBytes;
using kx::test::TllBuilder;

namespace {

// Answers Compare's file chooser with one path and remembers the filter it was given.
class OneFileDialog : public kx::FileDialogs
{
public:
    explicit OneFileDialog(QString answer, QString* filter)
        : m_answer(std::move(answer)), m_filter(filter)
    {}

    QString openFile(QWidget*, const QString&, const QString& filter) override
    {
        *m_filter = filter;
        return m_answer;
    }

private:
    QString m_answer;
    QString* m_filter;
};

// A point over the hex digits of byte column c in visible row r of the grid.
QPoint onDigits(int c, int r)
{
    return {55 + 24 * c, 18 * r + 5};
}

QPushButton* button(QWidget* dialog, const char* name)
{
    return dialog->findChild<QPushButton*>(QLatin1String(name));
}

std::string fileOf(const kx::test::TempDir& folder, const std::string& name)
{
    return kx::test::readFile(folder.file(name));
}

// A TLL file of the variant with the given settings block.
std::string tllWithSettings(int variant, const std::string& settings)
{
    TllBuilder file(variant);
    file.digital(RecordBytes(variant).numberWord(1).name("TV")).settings(settings);
    if (variant == 2) {
        file.trailing(std::string(1, '\0'));
    }
    return file.build();
}

} // namespace

class DataBlockDlgTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<kx::test::TempDir>();
        m_folder->write("more10.txt", "First;0002;2\r\nSecond;0040;3\r\nThird;0041\r\n");
        m_block.assign(300, 0);
        m_answers = std::make_unique<kx::guitest::ModalAnswers>();
    }

    void cleanup()
    {
        QVERIFY2(m_answers->unexpected.isEmpty(), qPrintable(m_answers->unexpected.join("; ")));
        m_answers.reset();
    }

    void entries_standInFileOrder_andSelectingOneMarksAndScrolls()
    {
        CDataBlockDlg dialog(m_block, 2, kx::test::sideFilesIn(m_folder->path()), 1252);
        dialog.show();
        QCOMPARE(dialog.entryBox()->items(), QStringList({"First", "Second", "Third"}));
        QCOMPARE(dialog.statusBox()->text(), QStringLiteral("Address: -- Count: 0"));

        QTest::mouseClick(list(dialog)->viewport(), Qt::LeftButton, {}, itemCentre(dialog, 1));
        QCOMPARE(dialog.model().grid().markStart(), 0x40);
        QCOMPARE(dialog.model().grid().markEnd(), 0x42);
        QCOMPARE(dialog.grid()->verticalScrollBar()->value(), 4);
        QCOMPARE(dialog.entryBox()->editText(), QStringLiteral("Second"));

        QTest::mouseClick(list(dialog)->viewport(), Qt::LeftButton, {}, itemCentre(dialog, 2));
        QCOMPARE(dialog.model().grid().markStart(), 0x41);
        QCOMPARE(dialog.model().grid().markEnd(), 0x41);
    }

    void ok_writesTheDescriptionFileAndTheBytes_cancelNeither()
    {
        {
            CDataBlockDlg dialog(m_block, 2, kx::test::sideFilesIn(m_folder->path()), 1252);
            dialog.show();
            QTest::mouseClick(dialog.grid()->viewport(), Qt::LeftButton, {}, onDigits(3, 0));
            QTest::keyClicks(dialog.grid(), "AB");
            QTest::mouseClick(list(dialog)->viewport(), Qt::LeftButton, {}, itemCentre(dialog, 0));
            QTest::mouseClick(button(&dialog, "delete"), Qt::LeftButton);
            QTest::mouseClick(button(&dialog, "cancel"), Qt::LeftButton);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        QCOMPARE(m_block[3], std::uint8_t{0});
        QCOMPARE(fileOf(*m_folder, "more10.txt"),
                 std::string("First;0002;2\r\nSecond;0040;3\r\nThird;0041\r\n"));

        CDataBlockDlg dialog(m_block, 2, kx::test::sideFilesIn(m_folder->path()), 1252);
        dialog.show();
        QTest::mouseClick(dialog.grid()->viewport(), Qt::LeftButton, {}, onDigits(4, 0));
        QTest::keyClicks(dialog.grid(), "cd");
        QTest::mouseClick(list(dialog)->viewport(), Qt::LeftButton, {}, itemCentre(dialog, 0));
        QTest::mouseClick(button(&dialog, "delete"), Qt::LeftButton);
        QCOMPARE(dialog.entryBox()->items(), QStringList({"Second", "Third"}));
        // Delete clears the mark, which scrolls back to the top.
        QCOMPARE(dialog.model().grid().markStart(), -1);
        QTest::mouseClick(button(&dialog, "ok"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.model().block()[4], std::uint8_t{0xCD});
        QCOMPARE(fileOf(*m_folder, "more10.txt"), std::string("Second;0040;3\r\nThird;0041\r\n"));
    }

    void add_runsTheParameterDialogOnTheSelectedBytes()
    {
        CDataBlockDlg dialog(m_block, 2, kx::test::sideFilesIn(m_folder->path()), 1252);
        dialog.show();
        // No name, then a name but no bytes: no dialog opens.
        QTest::mouseClick(button(&dialog, "add"), Qt::LeftButton);
        QTest::keyClicks(dialog.entryBox()->lineEdit(), "Volume");
        QTest::mouseClick(button(&dialog, "add"), Qt::LeftButton);
        QCOMPARE(m_answers->seen.size(), 0);

        // Bytes 0x12 and 0x13 in the second row.
        QTest::mouseClick(dialog.grid()->viewport(), Qt::LeftButton, {}, onDigits(2, 1));
        QTest::mouseClick(dialog.grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          onDigits(3, 1));
        QString opened;
        m_answers->expect([&opened](QWidget* modal) {
            auto* param = qobject_cast<CParamDlg*>(modal);
            QVERIFY(param != nullptr);
            opened = param->model().m_strName.c_str() + QStringLiteral(";") +
                     param->model().m_strAddress.c_str();
            param->typeBox()->setCurrentIndex(3);
            QTest::mouseClick(button(param, "ok"), Qt::LeftButton);
        });
        QTest::mouseClick(button(&dialog, "add"), Qt::LeftButton);
        QCOMPARE(opened, QStringLiteral("Volume;0012"));
        QCOMPARE(dialog.model().entries().back(), std::string("Volume;0012;3;3"));
        QCOMPARE(dialog.entryBox()->items().back(), QStringLiteral("Volume"));
        QCOMPARE(dialog.entryBox()->currentRow(), -1);

        // Cancel in the parameter dialog adds nothing.
        m_answers->expect([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        QTest::mouseClick(button(&dialog, "add"), Qt::LeftButton);
        QCOMPARE(dialog.model().entries().size(), std::size_t{4});
    }

    void doubleClickedEntry_isEditedAndMovesToTheEnd()
    {
        CDataBlockDlg dialog(m_block, 2, kx::test::sideFilesIn(m_folder->path()), 1252);
        dialog.show();
        m_answers->expect([](QWidget* modal) {
            auto* param = qobject_cast<CParamDlg*>(modal);
            QVERIFY(param != nullptr);
            param->nameBox()->setText("Renamed");
            QTest::mouseClick(button(param, "ok"), Qt::LeftButton);
        });
        QWidget* viewport = list(dialog)->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, itemCentre(dialog, 0));
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, itemCentre(dialog, 0));
        QTRY_COMPARE(m_answers->seen.size(), 1);
        QCOMPARE(dialog.entryBox()->items(), QStringList({"Second", "Third", "Renamed"}));
        QCOMPARE(dialog.entryBox()->currentRow(), 2);
        QCOMPARE(dialog.model().entries().back(), std::string("Renamed;0002"));
    }

    void compare_listsTheOtherFilesBytesAndOffsets()
    {
        std::string other(300, '\0');
        other[0x1A] = 0x05;
        other[0x120] = static_cast<char>(0xFF);
        const auto path = m_folder->write("other.tll", tllWithSettings(2, other));
        CDataBlockDlg dialog(m_block, 2, kx::test::sideFilesIn(m_folder->path()), 1252);
        dialog.show();
        QCOMPARE(compareWith(dialog, path), QStringList({"05 : 001A", "FF : 0120"}));
        QCOMPARE(m_filter, QStringLiteral("TLL file( *.tll)"));
        QCOMPARE(dialog.differenceCount()->text(), QStringLiteral("Differences: 2"));

        // Choosing a line marks the offset of its second part and scrolls to it.
        QListWidget* differences = dialog.differenceList();
        QTest::mouseClick(differences->viewport(), Qt::LeftButton, {},
                          differences->visualItemRect(differences->item(1)).center());
        QCOMPARE(dialog.model().grid().markStart(), 0x120);
        QCOMPARE(dialog.model().grid().markEnd(), 0x120);
        QCOMPARE(dialog.grid()->verticalScrollBar()->value(), 0x12);
    }

    void compare_withAFileOfTheOtherVariantOrNone_listsNothingSilently()
    {
        std::string other(300, '\x07');
        const auto path = m_folder->write("old.tll", tllWithSettings(1, other));
        CDataBlockDlg dialog(m_block, 2, kx::test::sideFilesIn(m_folder->path()), 1252);
        dialog.show();
        QCOMPARE(compareWith(dialog, path), QStringList());
        QCOMPARE(m_answers->seen.size(), 0);
        QCOMPARE(dialog.differenceCount()->text(), QString());
        // A dismissed file chooser leaves the list of an earlier comparison empty too.
        other[3] = 0;
        const auto same = m_folder->write("same.tll", tllWithSettings(2, other));
        QCOMPARE(compareWith(dialog, same).size(), 299);
        QCOMPARE(compareWith(dialog, {}), QStringList());
    }

    void compare_withABrokenFile_saysWhy()
    {
        const auto path = m_folder->write("broken.tll", tllWithSettings(2, "abc").substr(0, 10));
        CDataBlockDlg dialog(m_block, 2, kx::test::sideFilesIn(m_folder->path()), 1252);
        dialog.show();
        m_answers->expectButton(QStringLiteral("OK"));
        QCOMPARE(compareWith(dialog, path), QStringList());
        QCOMPARE(m_answers->seen.size(), 1);
        QVERIFY2(m_answers->seen.first().contains("broken.tll"), qPrintable(m_answers->seen[0]));
    }

    void unreadableDescriptionFile_isReportedAndNotOverwritten()
    {
        kx::test::TempDir folder;
        std::filesystem::create_directory(folder.file("more.txt"));
        m_answers->expectButton(QStringLiteral("OK"));
        CDataBlockDlg dialog(m_block, 1, kx::test::sideFilesIn(folder.path()), 1252);
        dialog.show();
        QTRY_COMPARE(m_answers->seen.size(), 1);
        QCOMPARE(dialog.entryBox()->items(), QStringList());
        QTest::mouseClick(button(&dialog, "ok"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(std::filesystem::is_directory(folder.file("more.txt")));
    }

    void descriptionFileThatCannotBeWritten_isReportedAndTheDialogStays()
    {
        // The user's data folder cannot be made under a file.
        const auto blocked = m_folder->write("file", "") / "data";
        CDataBlockDlg dialog(m_block, 2, kx::SideFiles(blocked, {m_folder->path()}), 1252);
        dialog.show();
        // An entry added, so that OK has something to write.
        QTest::keyClicks(dialog.entryBox()->lineEdit(), "Volume");
        QTest::mouseClick(dialog.grid()->viewport(), Qt::LeftButton, {}, onDigits(2, 1));
        QTest::mouseClick(dialog.grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          onDigits(3, 1));
        m_answers->expect([](QWidget* modal) {
            QTest::mouseClick(button(qobject_cast<QDialog*>(modal), "ok"), Qt::LeftButton);
        });
        QTest::mouseClick(button(&dialog, "add"), Qt::LeftButton);
        m_answers->expectButton(QStringLiteral("OK"));
        QTest::mouseClick(button(&dialog, "ok"), Qt::LeftButton);
        QCOMPARE(m_answers->seen.size(), 2);
        QVERIFY(dialog.isVisible());
        dialog.reject();
    }

    void dataBlockCommand_okIsOneStepCancelChangesNothing()
    {
        kx::guitest::clearSettings();
        const auto path = m_folder->write("list.tll", tllWithSettings(2, std::string(40, '\0')));
        kx::CKanalyxApp app(QString::fromStdString(m_folder->path().string()));
        QVERIFY(app.InitInstance({QString::fromStdString(path.string())}, {false}));
        QAction* command = app.mainFrame()->action(kx::CMainFrame::Command::DataBlock);
        QVERIFY(command->isEnabled());
        m_answers->expect([](QWidget* modal) {
            auto* dialog = qobject_cast<CDataBlockDlg*>(modal);
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->entryBox()->items(), QStringList({"First", "Second", "Third"}));
            QTest::mouseClick(dialog->grid()->viewport(), Qt::LeftButton, {}, onDigits(1, 2));
            QTest::keyClicks(dialog->grid(), "7E");
            QTest::mouseClick(button(dialog, "cancel"), Qt::LeftButton);
        });
        command->trigger();
        QCOMPARE(m_answers->seen.size(), 1);
        QCOMPARE(app.document()->Settings()[33], std::uint8_t{0});
        QVERIFY(!app.document()->IsModified());

        // Typed bytes and OK: one step, which Undo takes back.
        m_answers->expect([](QWidget* modal) {
            auto* dialog = qobject_cast<CDataBlockDlg*>(modal);
            QVERIFY(dialog != nullptr);
            QTest::mouseClick(dialog->grid()->viewport(), Qt::LeftButton, {}, onDigits(1, 2));
            QTest::keyClicks(dialog->grid(), "7E");
            QTest::mouseClick(button(dialog, "ok"), Qt::LeftButton);
        });
        command->trigger();
        QCOMPARE(m_answers->seen.size(), 2);
        QCOMPARE(app.document()->Settings()[33], std::uint8_t{0x7E});
        QVERIFY(app.document()->IsModified());
        QCOMPARE(app.document()->UndoLabel()->kind, kx::StepKind::DataBlock);
        app.document()->Undo();
        QCOMPARE(app.document()->Settings()[33], std::uint8_t{0});
        QVERIFY(!app.document()->IsModified());
    }

    // The dialogs that keep the size of their contents offer no maximize button.
    void fixedSizeDialogs_haveOnlyACloseButton()
    {
        std::string line = "Volume;01A2;2";
        std::vector<std::uint8_t> record(176, 0);
        kx::CAboutBox about;
        CParamDlg parameter(line, 1);
        kx::CImportDlg import;
        kx::CChannelDlg channel(record, 1252);
        CDataBlockDlg dataBlock(m_block, 1, kx::test::sideFilesIn(m_folder->path()), 1252);
        for (QDialog* dialog :
             std::initializer_list<QDialog*>{&about, &parameter, &import, &channel, &dataBlock}) {
            dialog->show();
            const Qt::WindowFlags flags = dialog->windowFlags();
            QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
            QVERIFY(
                !flags.testAnyFlags(Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
            QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        }
    }

private:
    // Runs Compare with file chosen (none: the chooser dismissed); returns the listed lines.
    QStringList compareWith(CDataBlockDlg& dialog, const std::filesystem::path& file)
    {
        dialog.setFileDialogs(std::make_unique<OneFileDialog>(
            file.empty() ? QString() : QString::fromStdString(file.string()), &m_filter));
        QTest::mouseClick(button(&dialog, "compare"), Qt::LeftButton);
        return lines(dialog.differenceList());
    }

    static QListWidget* list(const CDataBlockDlg& dialog) { return dialog.entryBox()->list(); }

    static QPoint itemCentre(const CDataBlockDlg& dialog, int row)
    {
        return list(dialog)->visualItemRect(list(dialog)->item(row)).center();
    }

    static QStringList lines(const QListWidget* list)
    {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row) {
            texts << list->item(row)->text();
        }
        return texts;
    }

    std::unique_ptr<kx::test::TempDir> m_folder;
    std::vector<std::uint8_t> m_block;
    std::unique_ptr<kx::guitest::ModalAnswers> m_answers;
    QString m_filter;
};

QTEST_MAIN(DataBlockDlgTest)
#include "datablockdlg_test.moc"
