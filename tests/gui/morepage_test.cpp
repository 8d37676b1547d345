#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QVBoxLayout>
#include <QtTest>

#include "app/morepageitemmodel.h"
#include "app/propertymore.h"
#include "app/settingslistview.h"
#include "dialogs/morepagemodel.h"
#include "guitestsupport.h"
#include "support/tempdir.h"
#include "views/cellcombo.h"
#include "views/celledit.h"

using kx::CCellCombo;
using kx::CCellEdit;
using kx::CPropertyMore;

namespace {

// Rows: Volume (raw byte at 0x1A), Mode (named values at 0x20), Lang (language at 0x10), Tuner
// (raw byte beyond the 64-byte block).
constexpr const char* kDescription = "# settings of the test receiver\r\n"
                                     "\r\n"
                                     "Volume;1A\r\n"
                                     "Mode;20;1;1;Off,0;On,1;\r\n"
                                     "Lang;10;3;3\r\n"
                                     "Tuner;01A2\r\n";

enum Row
{
    Volume,
    Mode,
    Lang,
    Tuner,
};

} // namespace

class MorePageTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_block.assign(64, 0);
        m_block[0x1A] = 0x0A;
        m_block[0x20] = 1;
        m_block[0x10] = 'g';
        m_block[0x11] = 'n';
        m_block[0x12] = 'e';
        m_dir = std::make_unique<kx::test::TempDir>();
        m_dir->write("more.txt", kDescription);
        m_answers = std::make_unique<kx::guitest::ModalAnswers>();

        m_window = std::make_unique<QMainWindow>();
        auto* centre = new QWidget;
        auto* layout = new QVBoxLayout(centre);
        m_page = new CPropertyMore(m_block, 1, m_dir->path(), 1252);
        m_other = new QLineEdit;
        layout->addWidget(m_page);
        layout->addWidget(m_other);
        m_window->setCentralWidget(centre);
        // A window shortcut on Delete, as the editor's main window has.
        m_delete = new QAction(m_window.get());
        m_delete->setShortcut(QKeySequence(Qt::Key_Delete));
        m_window->addAction(m_delete);
        m_window->resize(420, 400);
        m_page->initialize();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_page->list()->setFocus();
    }

    void cleanup()
    {
        m_window.reset();
        QVERIFY2(m_answers->unexpected.isEmpty(), qPrintable(m_answers->unexpected.join("; ")));
        m_answers.reset();
        m_dir.reset();
    }

    void rows_showTheDescriptionFileOverTheBlock()
    {
        QAbstractItemModelTester tester(list()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(list()->model()->rowCount(), 4);
        const QStringList expected = {"Volume|1A|0A", "Mode|20|On", "Lang|10|English",
                                      "Tuner|01A2|"};
        for (int row = 0; row < 4; ++row) {
            QCOMPARE(cell(row, 0) + '|' + cell(row, 1) + '|' + cell(row, 2), expected.at(row));
        }
        QCOMPARE(list()->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Data"));
        QVERIFY(!m_page->isModified());
    }

    void doubleClick_firstPicksTheRowThenTheDataCellOpensItsEditor()
    {
        list()->setCurrentIndex(list()->model()->index(Volume, 0));

        doubleClick(Mode, 2);
        QCOMPARE(list()->currentIndex().row(), int(Mode));
        QVERIFY(list()->selectionModel()->isRowSelected(Mode, {}));
        QVERIFY(list()->cellEditor() == nullptr);

        // The Address cell of the picked row never opens an editor, nor does the Name cell.
        doubleClick(Mode, 1);
        QVERIFY(list()->cellEditor() == nullptr);
        doubleClick(Mode, 0);
        QVERIFY(list()->cellEditor() == nullptr);

        doubleClick(Mode, 2);
        auto* combo = qobject_cast<CCellCombo*>(list()->cellEditor());
        QVERIFY(combo != nullptr);
        QTRY_VERIFY(combo->hasFocus());
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentText(), QStringLiteral("On"));
        QVERIFY(list()
                    ->visualRect(list()->model()->index(Mode, 2))
                    .contains(combo->geometry().center()));

        // A raw byte beyond the block has nothing to edit.
        combo->finish(true);
        doubleClick(Tuner, 2);
        doubleClick(Tuner, 2);
        QVERIFY(list()->cellEditor() == nullptr);
        // Below the last row: nothing.
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, QPoint(10, 380));
        QVERIFY(list()->cellEditor() == nullptr);
    }

    void dropDown_enterCommitsAndApplyWritesTheValue()
    {
        CCellCombo* combo = openCombo(Mode);
        QVERIFY(combo != nullptr);
        QTest::keyClick(combo, Qt::Key_Up);
        QCOMPARE(combo->currentText(), QStringLiteral("Off"));
        QTest::keyClick(combo, Qt::Key_Return);
        QTRY_VERIFY(list()->findChild<CCellCombo*>() == nullptr);
        QCOMPARE(cell(Mode, 2), QStringLiteral("Off"));
        QVERIFY(m_page->isModified());
        QCOMPARE(m_block[0x20], 1);

        QVERIFY(m_page->OnApply());
        QCOMPARE(m_block[0x20], 0);
        QCOMPARE(cell(Mode, 2), QStringLiteral("Off"));
    }

    void dropDown_escapeLeavesCellAndApplyAsTheyWere()
    {
        CCellCombo* combo = openCombo(Lang);
        QVERIFY(combo != nullptr);
        QCOMPARE(combo->currentText(), QStringLiteral("English"));
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Escape);
        QTRY_VERIFY(list()->findChild<CCellCombo*>() == nullptr);
        QCOMPARE(cell(Lang, 2), QStringLiteral("English"));
        QVERIFY(!m_page->isModified());
        QVERIFY(list()->hasFocus());
    }

    void dropDown_choosingFromItsListAndLosingTheFocusCommits()
    {
        CCellCombo* combo = openCombo(Lang);
        QVERIFY(combo != nullptr);
        // Opening the drop-down takes the focus into it; the edit goes on.
        combo->showPopup();
        QTRY_VERIFY(combo->view()->isVisible());
        QVERIFY(list()->cellEditor() == combo);
        combo->view()->setCurrentIndex(combo->model()->index(11, 0));
        QTest::keyClick(combo->view(), Qt::Key_Return);
        QTRY_VERIFY(!combo->view()->isVisible());
        QCOMPARE(combo->currentText(), QStringLiteral("German"));
        QVERIFY(list()->cellEditor() == combo);

        m_other->setFocus();
        QTRY_VERIFY(list()->findChild<CCellCombo*>() == nullptr);
        QCOMPARE(cell(Lang, 2), QStringLiteral("German"));
        QVERIFY(m_page->isModified());
        QVERIFY(m_page->OnApply());
        QCOMPARE(std::string(m_block.begin() + 0x10, m_block.begin() + 0x13), "reg");
    }

    void hexByte_digitsOverwriteInPairsAndEnterCommits()
    {
        CCellEdit* edit = openHexEdit(Volume);
        QVERIFY(edit != nullptr);
        QCOMPARE(edit->text(), QStringLiteral("0A"));
        QTest::keyClick(edit, Qt::Key_F);
        QCOMPARE(edit->text(), QStringLiteral("FA "));
        QCOMPARE(edit->cursorPosition(), 1);
        QTest::keyClick(edit, Qt::Key_3);
        QCOMPARE(edit->text(), QStringLiteral("F3 "));
        QCOMPARE(edit->cursorPosition(), 0);
        // Lower-case digits count as upper case; anything else changes nothing.
        QTest::keyClicks(edit, "c");
        QCOMPARE(edit->text(), QStringLiteral("C3 "));
        for (const Qt::Key key : {Qt::Key_X, Qt::Key_Backspace, Qt::Key_Space, Qt::Key_Delete}) {
            QTest::keyClick(edit, key);
        }
        QApplication::clipboard()->setText(QStringLiteral("ZZZ"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("C3 "));

        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_VERIFY(list()->findChild<CCellEdit*>() == nullptr);
        QCOMPARE(cell(Volume, 2), QStringLiteral("C3"));
        QVERIFY(m_page->isModified());
        QVERIFY(m_page->OnApply());
        QCOMPARE(m_block[0x1A], 0xC3);
    }

    void hexByte_escapeCancelsAndFocusLossCommits()
    {
        CCellEdit* edit = openHexEdit(Volume);
        QVERIFY(edit != nullptr);
        QTest::keyClicks(edit, "77");
        QTest::keyClick(edit, Qt::Key_Escape);
        QTRY_VERIFY(list()->findChild<CCellEdit*>() == nullptr);
        QCOMPARE(cell(Volume, 2), QStringLiteral("0A"));
        QVERIFY(!m_page->isModified());

        edit = openHexEdit(Volume);
        QVERIFY(edit != nullptr);
        QTest::keyClicks(edit, "5");
        m_other->setFocus();
        QTRY_VERIFY(list()->findChild<CCellEdit*>() == nullptr);
        QCOMPARE(cell(Volume, 2), QStringLiteral("5A"));
        QVERIFY(m_page->isModified());
        QCOMPARE(m_block[0x1A], 0x0A);
    }

    void openEditor_keepsTheWindowsDeleteShortcutAway()
    {
        QSignalSpy deleted(m_delete, &QAction::triggered);
        CCellEdit* edit = openHexEdit(Volume);
        QVERIFY(edit != nullptr);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(deleted.count(), 0);
        edit->finish(true);
        QTRY_VERIFY(list()->findChild<CCellEdit*>() == nullptr);
        CCellCombo* combo = openCombo(Mode);
        QVERIFY(combo != nullptr);
        QTest::keyClick(combo, Qt::Key_Delete);
        QCOMPARE(deleted.count(), 0);
        QVERIFY(list()->cellEditor() == combo);
    }

    void f2_opensTheFocusedRowsDataEditor()
    {
        list()->setCurrentIndex(list()->model()->index(Lang, 0));
        QTest::keyClick(list(), Qt::Key_F2);
        auto* combo = qobject_cast<CCellCombo*>(list()->cellEditor());
        QVERIFY(combo != nullptr);
        QCOMPARE(combo->subItem(), 2);
        QCOMPARE(combo->count(), 32);
    }

    void applyingOnce_endsAnOpenEditFirst()
    {
        CCellEdit* edit = openHexEdit(Volume);
        QVERIFY(edit != nullptr);
        QTest::keyClicks(edit, "9");
        QVERIFY(m_page->OnApply());
        QCOMPARE(m_block[0x1A], 0x9A);
    }

    void unreadableDescription_isReportedAndThePageStaysEmpty()
    {
        const kx::test::TempDir folder;
        std::filesystem::create_directory(folder.file("more.txt"));
        m_answers->expect([](QWidget*) {});
        CPropertyMore page(m_block, 1, folder.path(), 1252);
        page.initialize();
        QCOMPARE(m_answers->seen.size(), 1);
        QVERIFY2(m_answers->seen.first().contains("more.txt"), qPrintable(m_answers->seen.first()));
        QCOMPARE(page.list()->model()->rowCount(), 0);
        QVERIFY(page.OnApply());
    }

private:
    kx::SettingsListView* list() const { return m_page->list(); }

    QString cell(int row, int column) const
    {
        return list()->model()->index(row, column).data().toString();
    }

    // A double-click as the user makes it: a click, then the second click of the pair.
    void doubleClick(int row, int column)
    {
        const QPoint at = list()->visualRect(list()->model()->index(row, column)).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
    }

    QWidget* openEditor(int row)
    {
        list()->setCurrentIndex(list()->model()->index(row, 0));
        doubleClick(row, 2);
        return list()->cellEditor();
    }

    // The drop-down editor of a row's Data cell, once it has the focus; null when none opened.
    CCellCombo* openCombo(int row)
    {
        auto* combo = qobject_cast<CCellCombo*>(openEditor(row));
        return combo != nullptr && QTest::qWaitFor([combo] { return combo->hasFocus(); }) ? combo
                                                                                          : nullptr;
    }

    // The one-byte hex editor of a row's Data cell, once it has the focus; null when none opened.
    CCellEdit* openHexEdit(int row)
    {
        auto* edit = qobject_cast<CCellEdit*>(openEditor(row));
        return edit != nullptr && edit->isHexBytes() &&
                       QTest::qWaitFor([edit] { return edit->hasFocus(); })
                   ? edit
                   : nullptr;
    }

    std::vector<std::uint8_t> m_block;
    std::unique_ptr<kx::test::TempDir> m_dir;
    std::unique_ptr<kx::guitest::ModalAnswers> m_answers;
    std::unique_ptr<QMainWindow> m_window;
    CPropertyMore* m_page = nullptr;
    QLineEdit* m_other = nullptr;
    QAction* m_delete = nullptr;
};

QTEST_MAIN(MorePageTest)
#include "morepage_test.moc"
