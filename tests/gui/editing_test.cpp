#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include "app/charsetbar.h"
#include "app/kanalyxapp.h"
#include "app/mainframe.h"
#include "document/kanalyxdoc.h"
#include "guitestsupport.h"
#include "model/channelrec.h"
#include "support/tllbuilder.h"
#include "views/celledit.h"
#include "views/channellistwidget.h"

using kx::ChannelListWidget;
using kx::CMainFrame;
using kx::ListKind;
using Command = CMainFrame::Command;
using Pane = CMainFrame::CountPane;
using kx::test::RecordBytes;
using kx::test::TllBuilder;

namespace {

// Two analog channels, one radio channel and three digital TV channels of the 164-byte layout.
// The second digital TV channel is unticked; the third has its name in ISO 8859-5 without a
// prefix byte ("Первый").
QByteArray sampleFile()
{
    TllBuilder file(1);
    file.analog(RecordBytes(1).numberWord(1).name("Analog 0"));
    file.analog(RecordBytes(1).numberWord(2).name("Analog 1"));
    file.digital(RecordBytes(1).numberWord(1).name("News"));
    file.digital(RecordBytes(1).numberWord(16384 + 1).name("Radio"));
    file.digital(RecordBytes(1).numberWord(2).name("Sport").unchecked(true));
    file.digital(RecordBytes(1).numberWord(3).name("\xBF\xD5\xE0\xD2\xEB\xD9"));
    file.settings(std::string(32, '\0'));
    const std::string bytes = file.build();
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString cell(const ChannelListWidget& list, int row, int column)
{
    return list.model()->index(row, column).data().toString();
}

QPoint cellCentre(const ChannelListWidget& list, int row, int column)
{
    return list.visualRect(list.model()->index(row, column)).center();
}

void doubleClick(ChannelListWidget& list, int row, int column, Qt::MouseButton button)
{
    const QPoint at = cellCentre(list, row, column);
    QTest::mouseClick(list.viewport(), button, {}, at);
    QTest::mouseDClick(list.viewport(), button, {}, at);
}

} // namespace

class EditingTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        kx::guitest::clearSettings();
        m_answers = std::make_unique<kx::guitest::ModalAnswers>();
        m_folder = std::make_unique<QTemporaryDir>();
        m_path = m_folder->filePath("sample.tll");
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(sampleFile());
        file.close();
        m_app = std::make_unique<kx::CKanalyxApp>(kx::guitest::programFolder());
        QVERIFY(m_app->InitInstance({m_path}, {true}));
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
        QApplication::setActiveWindow(&frame());
        list(ListKind::Analog).setFocus();
    }

    void cleanup()
    {
        m_app->document()->SetModifiedFlag(false);
        m_app.reset();
        QVERIFY2(m_answers->unexpected.isEmpty(), qPrintable(m_answers->unexpected.join("; ")));
    }

    void openedFile_showsTheThreeListsAndTheirCounts()
    {
        QCOMPARE(frame().countPaneText(Pane::TV), QStringLiteral("TV-2"));
        QCOMPARE(frame().countPaneText(Pane::FM), QStringLiteral("FM-1"));
        QCOMPARE(frame().countPaneText(Pane::DTV), QStringLiteral("DTV-3"));
        QCOMPARE(cell(list(ListKind::Analog), 1, 1), QStringLiteral("Analog 1"));
        QCOMPARE(cell(list(ListKind::Radio), 0, 0), QStringLiteral("1"));
        QCOMPARE(cell(list(ListKind::Radio), 0, 1), QStringLiteral("Radio"));
        QCOMPARE(cell(list(ListKind::DigitalTV), 1, 1), QStringLiteral("Sport"));
        QCOMPARE(list(ListKind::Analog).model()->headerData(3, Qt::Horizontal).toString(),
                 QStringLiteral("System"));
        QCOMPARE(list(ListKind::DigitalTV).model()->headerData(3, Qt::Horizontal).toString(),
                 QStringLiteral("Frequency"));
        // The unticked channel: empty box, blue text; loading it left the document unmodified.
        const QModelIndex sport = list(ListKind::DigitalTV).model()->index(1, 0);
        QCOMPARE(sport.data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
        QCOMPARE(sport.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 255));
        QVERIFY(!doc().IsModified());
    }

    void renameWithEnter_storesTheNameAndUndoRevertsIt()
    {
        ChannelListWidget& analog = list(ListKind::Analog);
        doubleClick(analog, 1, 1, Qt::LeftButton);
        kx::CCellEdit* editor = analog.cellEdit();
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->text(), QStringLiteral("Analog 1"));
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClicks(editor, "BBC One");
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(cell(analog, 1, 1), QStringLiteral("BBC One"));
        QVERIFY(doc().IsModified());
        QVERIFY(frame().action(Command::EditUndo)->isEnabled());

        QTest::keyClick(&analog, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(cell(analog, 1, 1), QStringLiteral("Analog 1"));
        QVERIFY(!frame().action(Command::EditUndo)->isEnabled());
    }

    void renameWithEscape_changesNothing()
    {
        ChannelListWidget& analog = list(ListKind::Analog);
        doubleClick(analog, 0, 1, Qt::LeftButton);
        kx::CCellEdit* editor = analog.cellEdit();
        QVERIFY(editor != nullptr);
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClicks(editor, "Gone");
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(cell(analog, 0, 1), QStringLiteral("Analog 0"));
        QVERIFY(!doc().IsModified());
        QVERIFY(!frame().action(Command::EditUndo)->isEnabled());
    }

    void renameEndsWhenAnotherListTakesTheFocus()
    {
        ChannelListWidget& tv = list(ListKind::DigitalTV);
        tv.setFocus();
        doubleClick(tv, 0, 1, Qt::LeftButton);
        kx::CCellEdit* editor = tv.cellEdit();
        QVERIFY(editor != nullptr);
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClicks(editor, "Das Erste");
        QTest::mouseClick(list(ListKind::Radio).viewport(), Qt::LeftButton, {},
                          cellCentre(list(ListKind::Radio), 0, 1));
        QTRY_COMPARE(cell(tv, 0, 1), QStringLiteral("Das Erste"));
        QVERIFY(doc().IsModified());
        QCOMPARE(frame().activeList(), &list(ListKind::Radio));
    }

    void doubleClickOnTheNumber_selectsWithoutEditing()
    {
        ChannelListWidget& analog = list(ListKind::Analog);
        doubleClick(analog, 1, 0, Qt::LeftButton);
        QVERIFY(analog.cellEdit() == nullptr);
        QCOMPARE(analog.list().focusedItem(), 1);
    }

    // Rows dragged and dropped between rows move there as one step.
    void droppedRows_moveToTheGapAsOneStep()
    {
        ChannelListWidget& tv = list(ListKind::DigitalTV);
        QTest::mouseClick(tv.viewport(), Qt::LeftButton, {}, cellCentre(tv, 0, 1));
        QMimeData* data = tv.model()->mimeData({tv.model()->index(0, 0)});
        const QPoint below = tv.visualRect(tv.model()->index(2, 1)).bottomLeft() + QPoint(4, -2);
        QDragEnterEvent enter(below, Qt::MoveAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(tv.viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(below, Qt::MoveAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(tv.viewport(), &drop);
        QCOMPARE(cell(tv, 2, 1), QStringLiteral("News"));
        QCOMPARE(cell(tv, 2, 0), QStringLiteral("3"));
        QCOMPARE(tv.list().selectedItems(), std::vector<int>({2}));
        QCOMPARE(doc().UndoLabel()->kind, kx::StepKind::Drag);

        // Rows of another list are not taken.
        ChannelListWidget& analog = list(ListKind::Analog);
        QDragEnterEvent foreign(cellCentre(analog, 0, 1), Qt::MoveAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(analog.viewport(), &foreign);
        QVERIFY(!foreign.isAccepted());
        QCOMPARE(doc().UndoLabel()->kind, kx::StepKind::Drag);
        delete data;
    }

    // The keys and the row menu reach the list commands: Ctrl+M, Space over the selection,
    // Ctrl+F with Escape, and Alt+Enter.
    void keysAndRowMenu_reachTheListCommands()
    {
        ChannelListWidget& tv = list(ListKind::DigitalTV);
        tv.setFocus();
        QTest::mouseClick(tv.viewport(), Qt::LeftButton, {}, cellCentre(tv, 0, 1));
        QTest::mouseClick(tv.viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(tv, 1, 1));
        m_answers->expect([](QWidget* modal) {
            auto* input = qobject_cast<QInputDialog*>(modal);
            QVERIFY(input != nullptr);
            input->setIntValue(2);
            input->accept();
        });
        QTest::keyClick(&tv, Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(cell(tv, 0, 1), QStringLiteral("\u00BF\u00D5\u00E0\u00D2\u00EB\u00D9"));
        QCOMPARE(cell(tv, 1, 1), QStringLiteral("News"));
        QCOMPARE(tv.list().selectedItems(), std::vector<int>({1, 2}));

        QTest::keyClick(&tv, Qt::Key_Space);
        QCOMPARE(doc().UndoLabel()->kind, kx::StepKind::Untick);
        QCOMPARE(doc().UndoLabel()->count, 2);

        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, cellCentre(tv, 1, 1),
                                  tv.viewport()->mapToGlobal(cellCentre(tv, 1, 1)));
        QApplication::sendEvent(&tv, &menuKey);
        QTRY_VERIFY(frame().rowMenu()->isVisible());
        QVERIFY(frame().rowMenu()->actions().contains(frame().action(Command::ChannelProperties)));
        frame().rowMenu()->hide();
        QApplication::setActiveWindow(&frame());

        QTest::keyClick(&tv, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), frame().filterBox());
        QTest::keyClicks(frame().filterBox(), "new");
        QVERIFY(!tv.isRowHidden(1));
        QVERIFY(tv.isRowHidden(0));
        QVERIFY(list(ListKind::Analog).isRowHidden(0));
        QCOMPARE(tv.list().selectedItems(), std::vector<int>({1})); // hidden rows leave
        QTest::keyClick(frame().filterBox(), Qt::Key_Escape);
        QVERIFY(frame().filterBox()->text().isEmpty());
        QVERIFY(!tv.isRowHidden(0));
    }

    void deleteKey_removesTheSelectedRowsAndUndoBringsThemBack()
    {
        ChannelListWidget& tv = list(ListKind::DigitalTV);
        tv.setFocus();
        QVERIFY(!frame().action(Command::EditDelete)->isEnabled());
        QTest::mouseClick(tv.viewport(), Qt::LeftButton, {}, cellCentre(tv, 0, 1));
        QVERIFY(frame().action(Command::EditDelete)->isEnabled());
        QTest::keyClick(&tv, Qt::Key_Delete);
        QCOMPARE(tv.model()->rowCount(), 2);
        QCOMPARE(frame().countPaneText(Pane::DTV), QStringLiteral("DTV-2"));
        QCOMPARE(cell(tv, 0, 1), QStringLiteral("Sport"));
        QCOMPARE(cell(tv, 0, 0), QStringLiteral("1"));
        QVERIFY(doc().IsModified());
        // The row that took the deleted row's place, ready for another Delete.
        QCOMPARE(tv.list().selectedItems(), std::vector<int>({0}));

        QCOMPARE(frame().action(Command::EditUndo)->text(),
                 QStringLiteral("&Undo Delete 1 channel"));
        QTest::keyClick(&tv, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(tv.model()->rowCount(), 3);
        QCOMPARE(frame().countPaneText(Pane::DTV), QStringLiteral("DTV-3"));
        // Back in its place with its number, and selected.
        QCOMPARE(cell(tv, 0, 1), QStringLiteral("News"));
        QCOMPARE(cell(tv, 0, 0), QStringLiteral("1"));
        QCOMPARE(tv.list().selectedCount(), 1);
        QCOMPARE(tv.list().itemState(0, kx::lvis::kSelected), kx::lvis::kSelected);
        QVERIFY(!doc().IsModified());

        QTest::keyClick(&tv, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(tv.model()->rowCount(), 2);
        QTest::keyClick(&tv, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tv.model()->rowCount(), 2); // nothing more to redo
    }

    void deleteKeyInTheEditor_deletesACharacterNotARow()
    {
        ChannelListWidget& analog = list(ListKind::Analog);
        doubleClick(analog, 0, 1, Qt::LeftButton);
        kx::CCellEdit* editor = analog.cellEdit();
        QVERIFY(editor != nullptr);
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClick(editor, Qt::Key_Home);
        QTest::keyClick(editor, Qt::Key_Delete);
        QCOMPARE(analog.model()->rowCount(), 2);
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(cell(analog, 0, 1), QStringLiteral("nalog 0"));
    }

    void upAndDown_followTheActiveListsSelection()
    {
        ChannelListWidget& analog = list(ListKind::Analog);
        QTest::mouseClick(analog.viewport(), Qt::LeftButton, {}, cellCentre(analog, 1, 1));
        QVERIFY(frame().action(Command::EditUp)->isEnabled());
        frame().action(Command::EditUp)->trigger();
        QCOMPARE(cell(analog, 0, 1), QStringLiteral("Analog 1"));
        QCOMPARE(cell(analog, 0, 0), QStringLiteral("1"));
        QCOMPARE(analog.list().selectedCount(), 1);
        QCOMPARE(analog.list().itemState(0, kx::lvis::kSelected), kx::lvis::kSelected);

        // The radio list has nothing selected: with it active, the commands are off.
        list(ListKind::Radio).setFocus();
        QVERIFY(!frame().action(Command::EditUp)->isEnabled());
        QVERIFY(!frame().action(Command::EditDelete)->isEnabled());
    }

    void checkBoxClick_marksTheDocumentModified()
    {
        ChannelListWidget& tv = list(ListKind::DigitalTV);
        const QModelIndex sport = tv.model()->index(1, 0);
        QStyleOptionViewItem option;
        option.initFrom(&tv);
        option.rect = tv.visualRect(sport);
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        const QRect box =
            tv.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &tv);
        QTest::mouseClick(tv.viewport(), Qt::LeftButton, {}, box.center());
        QVERIFY(doc().IsModified());
        QVERIFY(!tv.list().itemData(1)->IsUnchecked());
        QCOMPARE(sport.data(Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 0, 0));
    }

    void rightDoubleClick_opensTheChannelDialogOfTheFocusedRow()
    {
        int opened = 0;
        kx::FrameDialogs dialogs;
        dialogs.channel = [&](QWidget*, std::span<std::uint8_t> raw, const kx::RecordLayout&,
                              const kx::CodecSettings&) {
            ++opened;
            raw[0] ^= 0xFF;
            return raw.size() == 164;
        };
        frame().setDialogs(dialogs);
        ChannelListWidget& analog = list(ListKind::Analog);
        doubleClick(analog, 1, 0, Qt::RightButton);
        QCOMPARE(opened, 0);
        QVERIFY(!doc().IsModified());
        doubleClick(analog, 1, 2, Qt::RightButton);
        QCOMPARE(opened, 1);
        QVERIFY(doc().IsModified());
        QVERIFY(frame().action(kx::CMainFrame::Command::EditUndo)->isEnabled());
    }

    void characterTableChange_showsTheNamesAgain()
    {
        kx::CharsetBar* bar = frame().charsetBar();
        QComboBox* combo = bar->characterSetCombo();
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentIndex(), 2);
        QCOMPARE(cell(list(ListKind::DigitalTV), 2, 1), QStringLiteral("Первый"));
        QCOMPARE(cell(list(ListKind::DigitalTV), 2, 2), QStringLiteral("None"));
        // The focus went back to the list.
        QTRY_COMPARE(QApplication::focusWidget(), frame().activeList());
    }

    void commandKeys_moveAndDuplicateTheSelection()
    {
        ChannelListWidget& analog = list(ListKind::Analog);
        QTest::mouseClick(analog.viewport(), Qt::LeftButton, {}, cellCentre(analog, 0, 1));
        QTest::keyClick(&analog, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(cell(analog, 1, 1), QStringLiteral("Analog 0"));
        QTest::keyClick(&analog, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(cell(analog, 0, 1), QStringLiteral("Analog 0"));
        QTest::keyClick(&analog, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(analog.model()->rowCount(), 3);
        QCOMPARE(cell(analog, 1, 1), QStringLiteral("Analog 0"));
    }

    void noSelection_commandKeysDoNothing()
    {
        QTest::keyClick(&list(ListKind::Analog), Qt::Key_Delete);
        QCOMPARE(list(ListKind::Analog).model()->rowCount(), 2);
        QVERIFY(!doc().IsModified());
    }

private:
    CMainFrame& frame() { return *m_app->mainFrame(); }
    kx::CKanalyxDoc& doc() { return *m_app->document(); }
    ChannelListWidget& list(ListKind kind) { return *frame().listWidget(kind); }

    std::unique_ptr<kx::guitest::ModalAnswers> m_answers;
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_path;
    std::unique_ptr<kx::CKanalyxApp> m_app;
};

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
