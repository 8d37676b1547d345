#include <QAbstractItemModelTester>
#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QScrollBar>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include "support/fakerecord.h"
#include "views/celledit.h"
#include "views/channellistwidget.h"
#include "views/listctrl.h"
#include "views/listctrlitemmodel.h"

using kx::ChannelListWidget;
using kx::ListCtrl;
namespace lvis = kx::lvis;

namespace {

// Records for the lists of the tests to show; a list owns none of its records.
kx::CChannelRec* fake(int id)
{
    static std::vector<std::unique_ptr<kx::CChannelRec>> records;
    records.push_back(kx::test::FakeRec::make(id));
    return records.back().get();
}

// Puts a row showing a new record at row (the end when row is the count).
int insertRow(ListCtrl& list, int row, int id)
{
    kx::CChannelRec* const records[] = {fake(id)};
    const int places[] = {row};
    list.insertItemsAt(places, records);
    return row;
}

void removeRows(ListCtrl& list, std::vector<int> rows)
{
    list.removeItems(rows);
}

// A list of rows named "Channel 0", "Channel 1", ... with the analog list's columns; rows with
// an odd index are unticked.
void fill(ListCtrl& list, int rows)
{
    const std::array<std::pair<int, int>, 6> columns = {
        std::pair{61208, 35}, {61209, 200}, {61213, 70}, {61210, 55}, {61211, 65}, {61212, 50}};
    if (list.columnCount() == 0) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            list.insertColumn(static_cast<int>(i), {columns[i].first, columns[i].second});
        }
    }
    for (int row = 0; row < rows; ++row) {
        const int at = insertRow(list, list.itemCount(), row);
        list.setItemText(at, 0, std::to_string(row + 1));
        list.setItemText(at, 1, "Channel " + std::to_string(row));
        list.setItemState(at, row % 2 == 1 ? lvis::kImageUnticked : lvis::kImageTicked,
                          lvis::kStateImageMask);
    }
}

QList<int> selectedRowsOf(const ListCtrl& list)
{
    QList<int> rows;
    for (int row = 0; row < list.itemCount(); ++row) {
        if (list.itemState(row, lvis::kSelected) != 0) {
            rows << row;
        }
    }
    return rows;
}

// The rows the widget draws as selected, among the rows in sight: a selected row's empty cells
// are filled with the highlight colour.
QList<int> selectedRowsOf(ChannelListWidget& widget)
{
    widget.viewport()->update();
    QCoreApplication::processEvents();
    const QImage image = widget.viewport()->grab().toImage();
    const QColor highlight = widget.palette().color(QPalette::Active, QPalette::Highlight);
    QList<int> rows;
    for (int row = 0; row < widget.model()->rowCount(); ++row) {
        // Column 3 holds no text in these rows.
        const QRect cell = widget.visualRect(widget.model()->index(row, 3));
        if (!cell.isValid() || cell.bottom() >= image.height() || cell.left() >= image.width()) {
            continue;
        }
        const QPoint probe(std::min(cell.center().x(), image.width() - 1), cell.center().y());
        // The current row's highlight is drawn a shade lighter.
        const QColor drawn = image.pixelColor(probe);
        if (std::abs(drawn.red() - highlight.red()) + std::abs(drawn.green() - highlight.green()) +
                std::abs(drawn.blue() - highlight.blue()) <
            24) {
            rows << row;
        }
    }
    return rows;
}

QPoint cellCentre(const ChannelListWidget& widget, int row, int column)
{
    return widget.visualRect(widget.model()->index(row, column)).center();
}

// Records the state-image changes the list reports.
struct StateSpy : kx::ListCtrlObserver
{
    QList<std::tuple<int, unsigned, unsigned>> images;
    void itemStateChanged(int row, unsigned oldState, unsigned newState) override
    {
        if (((oldState ^ newState) & lvis::kStateImageMask) != 0) {
            images.append(
                {row, oldState & lvis::kStateImageMask, newState & lvis::kStateImageMask});
        }
    }
};

} // namespace

class ListWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_list = std::make_unique<ListCtrl>();
        fill(*m_list, 30);
        m_window = std::make_unique<QMainWindow>();
        auto* centre = new QWidget;
        auto* layout = new QVBoxLayout(centre);
        m_widget = new ChannelListWidget(*m_list);
        m_other = new QLineEdit;
        layout->addWidget(m_widget);
        layout->addWidget(m_other);
        m_window->setCentralWidget(centre);
        // A window shortcut like the editor's Delete and Undo commands.
        m_delete = new QAction(m_window.get());
        m_delete->setShortcut(QKeySequence(Qt::Key_Delete));
        m_undo = new QAction(m_window.get());
        m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
        m_window->addAction(m_delete);
        m_window->addAction(m_undo);
        m_window->resize(560, 400);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_widget->setFocus();
    }

    void cleanup()
    {
        m_window.reset();
        m_list.reset();
    }

    void model_staysConsistentThroughEveryListChange()
    {
        QAbstractItemModelTester tester(m_widget->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        insertRow(*m_list, 0, 100);
        removeRows(*m_list, {5});
        const std::pair<int, int> swap[] = {{0, 1}, {1, 0}};
        m_list->moveItems(swap);
        m_list->setItemState(3, lvis::kSelected, lvis::kSelected);
        m_list->setItemState(7, lvis::kSelected, lvis::kSelected);
        removeRows(*m_list, m_list->selectedItems());
        {
            ListCtrl::UpdateGuard update(*m_list);
            for (int row = 0; row < m_list->itemCount(); ++row) {
                m_list->setItemText(row, 0, std::to_string(row + 1));
            }
            insertRow(*m_list, m_list->itemCount(), 101);
        }
        m_list->setItems({});
        fill(*m_list, 3);
        QCOMPARE(m_widget->model()->rowCount(), 3);
    }

    void textChanges_areAnnouncedOnceForManyRows()
    {
        QSignalSpy changes(m_widget->model(), &QAbstractItemModel::dataChanged);
        {
            ListCtrl::UpdateGuard update(*m_list);
            for (int row = 0; row < m_list->itemCount(); ++row) {
                m_list->setItemText(row, 0, std::to_string(row + 10));
            }
            QCOMPARE(changes.count(), 0);
        }
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().at(0).toModelIndex().row(), 0);
        QCOMPARE(changes.first().at(1).toModelIndex().row(), 29);

        // Outside an update the changes wait for the event loop, then come as one.
        m_list->setItemText(7, 1, "Seven");
        m_list->setItemText(3, 1, "Three");
        QCOMPARE(m_widget->model()->index(7, 1).data().toString(), QStringLiteral("Seven"));
        QCOMPARE(changes.count(), 1);
        QTRY_COMPARE(changes.count(), 2);
        QCOMPARE(changes.last().at(0).toModelIndex().row(), 3);
        QCOMPARE(changes.last().at(1).toModelIndex().row(), 7);
    }

    void modulationColumn_showsOnlyModulations()
    {
        ListCtrl list;
        list.insertColumn(0, {61216, 70});
        for (const char* text : {"QAM64", "QAM17179869184"}) {
            const int row = insertRow(list, list.itemCount(), 0);
            list.setItemText(row, 0, text);
        }
        kx::ListCtrlItemModel model(list);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("QAM64"));
        QCOMPARE(model.index(1, 0).data().toString(), QString());
        // The cell keeps its text for the command-line tool.
        QCOMPARE(list.itemText(1, 0), std::string("QAM17179869184"));
    }

    void rows_showTextsHeadersWidthsAndColours()
    {
        const QAbstractItemModel& model = *m_widget->model();
        QCOMPARE(model.columnCount(), 6);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name"));
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Character"));
        // The number column also holds the check box, which gets room of its own beside five
        // digits; the character column fits every table's name, the names keep their width.
        const QFontMetrics metrics = m_widget->fontMetrics();
        QVERIFY(m_widget->columnWidth(0) >= metrics.horizontalAdvance("16383") + 20);
        QVERIFY(m_widget->columnWidth(2) > metrics.horizontalAdvance("Hebrew (ISO-Visual)"));
        QCOMPARE(m_widget->columnWidth(1), 200);
        QVERIFY(m_widget->columnWidth(5) >= m_widget->horizontalHeader()->sectionSizeHint(5));
        QCOMPARE(model.index(2, 1).data().toString(), QStringLiteral("Channel 2"));
        QCOMPARE(model.index(0, 0).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
        QCOMPARE(model.index(1, 0).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
        QCOMPARE(model.index(1, 3).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(0, 0, 255));
        QCOMPARE(model.index(0, 3).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(0, 0, 0));
        // Only the first column carries the check box.
        QVERIFY(!model.index(0, 1).data(Qt::CheckStateRole).isValid());
    }

    void checkBoxClick_changesTheListsStateImage()
    {
        StateSpy spy;
        m_list->addObserver(&spy);
        const QModelIndex index = m_widget->model()->index(1, 0);
        QStyleOptionViewItem option;
        option.initFrom(m_widget);
        option.rect = m_widget->visualRect(index);
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        const QRect box = m_widget->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator,
                                                            &option, m_widget);
        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, {}, box.center());
        m_list->removeObserver(&spy);

        QCOMPARE(spy.images.size(), 1);
        QCOMPARE(spy.images.first(), std::make_tuple(1, lvis::kImageUnticked, lvis::kImageTicked));
        QCOMPARE(m_widget->model()->index(1, 3).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(0, 0, 0));
    }

    void keys_tickWithSpaceAndRenameWithF2()
    {
        QSignalSpy ticks(m_widget, &ChannelListWidget::tickRequested);
        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, {}, cellCentre(*m_widget, 3, 4));
        QTest::keyClick(m_widget, Qt::Key_Space);
        QTest::keyClick(m_widget, Qt::Key_Space);
        QCOMPARE(ticks.count(), 2);
        // Space does not change the selection.
        QCOMPARE(selectedRowsOf(*m_list), QList<int>({3}));

        QTest::keyClick(m_widget, Qt::Key_F2);
        QVERIFY(m_widget->cellEdit() != nullptr);
        QCOMPARE(m_widget->cellEdit()->item(), 3);
        QCOMPARE(m_widget->cellEdit()->subItem(), 1);
    }

    void userSelection_isWrittenIntoTheList()
    {
        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, {}, cellCentre(*m_widget, 2, 3));
        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          cellCentre(*m_widget, 4, 3));
        QCOMPARE(selectedRowsOf(*m_list), QList<int>({2, 3, 4}));
        QCOMPARE(m_list->focusedItem(), 4);

        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          cellCentre(*m_widget, 3, 3));
        QCOMPARE(selectedRowsOf(*m_list), QList<int>({2, 4}));
        QCOMPARE(m_list->focusedItem(), 3);

        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, {}, cellCentre(*m_widget, 0, 3));
        QCOMPARE(selectedRowsOf(*m_list), QList<int>({0}));
        QCOMPARE(m_list->focusedItem(), 0);
        QCOMPARE(selectedRowsOf(*m_widget), QList<int>({0}));
    }

    void shiftClicks_replaceTheExtentAndCtrlAddsToIt()
    {
        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, {}, cellCentre(*m_widget, 2, 3));
        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          cellCentre(*m_widget, 8, 3));
        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          cellCentre(*m_widget, 10, 3));
        QCOMPARE(selectedRowsOf(*m_list), QList<int>({2, 8, 9, 10}));
        // A second Shift+click moves the end of the extent from the same anchor.
        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          cellCentre(*m_widget, 6, 3));
        QCOMPARE(selectedRowsOf(*m_list), QList<int>({2, 6, 7, 8}));
        QCOMPARE(selectedRowsOf(*m_widget), QList<int>({2, 6, 7, 8}));
        // Ctrl+click on a selected row takes it out.
        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          cellCentre(*m_widget, 7, 3));
        QCOMPARE(selectedRowsOf(*m_list), QList<int>({2, 6, 8}));

        QTest::keyClick(m_widget, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(m_list->selectedCount(), 30);
        QTest::keyClick(m_widget, Qt::Key_Down);
        QCOMPARE(m_list->selectedCount(), 1);
        QCOMPARE(m_list->focusedItem(), 8);

        // A click beside the columns, away from every cell, selects nothing.
        m_widget->setColumnWidth(1, 40);
        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, {},
                          QPoint(m_widget->viewport()->width() - 2, 5));
        QCOMPARE(m_list->selectedCount(), 0);
    }

    void rowsTakenOut_leaveTheListsBitsAlone()
    {
        // Rows 2 and 3 selected by the user, then taken out by a command: the table must not
        // write its own clean-up of the selection back into the list while that happens.
        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, {}, cellCentre(*m_widget, 2, 3));
        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          cellCentre(*m_widget, 3, 3));
        QCOMPARE(m_list->selectedCount(), 2);
        removeRows(*m_list, m_list->selectedItems());
        QCOMPARE(m_list->itemCount(), 28);
        QCOMPARE(m_widget->model()->rowCount(), 28);
        QVERIFY(selectedRowsOf(*m_widget).isEmpty());

        // Scattered rows go as a reset of the table; the rows stay selected in the list until
        // they are taken.
        m_list->setItemState(1, lvis::kSelected, lvis::kSelected);
        m_list->setItemState(5, lvis::kSelected, lvis::kSelected);
        QCOMPARE(selectedRowsOf(*m_widget), QList<int>({1, 5}));
        removeRows(*m_list, m_list->selectedItems());
        QCOMPARE(m_widget->model()->rowCount(), 26);
        QVERIFY(selectedRowsOf(*m_widget).isEmpty());
    }

    void listSelection_isShownByTheWidget()
    {
        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, {}, cellCentre(*m_widget, 2, 3));
        {
            // What Move Up does to rows 1 and 2.
            ListCtrl::UpdateGuard update(*m_list);
            const std::pair<int, int> up[] = {{2, 1}, {1, 2}};
            m_list->moveItems(up);
        }
        QCOMPARE(selectedRowsOf(*m_widget), QList<int>({1}));
        QCOMPARE(m_widget->currentIndex().row(), 1);

        m_list->setItemState(5, lvis::kSelectedFocused, lvis::kSelectedFocused);
        QCOMPARE(selectedRowsOf(*m_widget), QList<int>({1, 5}));
        QCOMPARE(m_widget->currentIndex().row(), 5);

        m_list->setAllItemStates(0, lvis::kSelectedFocused);
        QVERIFY(selectedRowsOf(*m_widget).isEmpty());
        QVERIFY(!m_widget->currentIndex().isValid());
    }

    void editor_startsWithTheCellTextAndCommitsOnEnter()
    {
        QSignalSpy ended(m_widget, &ChannelListWidget::cellEditEnded);
        kx::CCellEdit* editor = m_widget->BeginCellEdit(3, 1);
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->text(), QStringLiteral("Channel 3"));
        QCOMPARE(editor->selectedText(), QStringLiteral("Channel 3"));
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClicks(editor, "BBC");
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(ended.first(), QVariantList({3, 1, QStringLiteral("BBC"), false}));
        QVERIFY(m_widget->hasFocus());
        QVERIFY(m_widget->cellEdit() == nullptr);
        QTRY_VERIFY(m_widget->findChild<kx::CCellEdit*>() == nullptr);
    }

    void editor_escapeCancels()
    {
        QSignalSpy ended(m_widget, &ChannelListWidget::cellEditEnded);
        kx::CCellEdit* editor = m_widget->BeginCellEdit(0, 1);
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClicks(editor, "x");
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(ended.first().at(3).toBool(), true);
        QCOMPARE(ended.first().at(2).toString(), QString());
    }

    void editor_commitsWhenTheFocusGoesElsewhere()
    {
        QSignalSpy ended(m_widget, &ChannelListWidget::cellEditEnded);
        kx::CCellEdit* editor = m_widget->BeginCellEdit(2, 1);
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClicks(editor, "ZDF");
        QTest::mouseClick(m_other, Qt::LeftButton);
        m_other->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(ended.count(), 1);
        QCOMPARE(ended.first(), QVariantList({2, 1, QStringLiteral("ZDF"), false}));
    }

    void editor_keepsDeleteAndControlKeysFromTheWindow()
    {
        QSignalSpy deletes(m_delete, &QAction::triggered);
        QSignalSpy undos(m_undo, &QAction::triggered);
        kx::CCellEdit* editor = m_widget->BeginCellEdit(2, 1);
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClick(editor, Qt::Key_Home);
        QTest::keyClick(editor, Qt::Key_Delete);
        QCOMPARE(editor->text(), QStringLiteral("hannel 2"));
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor->text(), QStringLiteral("Channel 2"));
        QCOMPARE(deletes.count(), 0);
        QCOMPARE(undos.count(), 0);

        // Without an editor the same keys reach the window.
        QTest::keyClick(editor, Qt::Key_Escape);
        QTest::keyClick(m_widget, Qt::Key_Delete);
        QCOMPARE(deletes.count(), 1);
    }

    void editor_widensWithTheTextUpToTheListsEdge()
    {
        kx::CCellEdit* editor = m_widget->BeginCellEdit(1, 1);
        QTRY_VERIFY(editor->hasFocus());
        const int startWidth = editor->width();
        QVERIFY(startWidth <= 200);
        QTest::keyClick(editor, Qt::Key_End);
        QTest::keyClicks(editor, QString(8, 'W'));
        QVERIFY(editor->width() >= startWidth);
        QTest::keyClicks(editor, QString(80, 'W'));
        QVERIFY(editor->width() > startWidth);
        QCOMPARE(editor->geometry().right() + 1, m_widget->viewport()->width());
        // Deleting text never narrows it.
        const int widest = editor->width();
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QCOMPARE(editor->width(), widest);
    }

    void editor_notOpenedOverMissingOrNarrowColumns()
    {
        QVERIFY(m_widget->BeginCellEdit(0, 6) == nullptr);
        QVERIFY(m_widget->BeginCellEdit(30, 1) == nullptr);
        m_widget->setColumnWidth(2, 4);
        QVERIFY(m_widget->BeginCellEdit(0, 2) == nullptr);
        m_widget->setColumnWidth(2, 5);
        QVERIFY(m_widget->BeginCellEdit(0, 2) != nullptr);
    }

    void scrolling_commitsAnOpenEditorFirst()
    {
        QSignalSpy ended(m_widget, &ChannelListWidget::cellEditEnded);
        kx::CCellEdit* editor = m_widget->BeginCellEdit(0, 1);
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClicks(editor, "ARD");
        QWheelEvent wheel(QPointF(50, 50), m_widget->viewport()->mapToGlobal(QPointF(50, 50)),
                          QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_widget->viewport(), &wheel);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(ended.first(), QVariantList({0, 1, QStringLiteral("ARD"), false}));
        QVERIFY(m_widget->verticalScrollBar()->value() > 0);
    }

    void clicksAndKeys_moveThroughRowsWithoutScrollingSideways()
    {
        m_widget->resize(150, 200);
        QCoreApplication::processEvents();
        QCOMPARE(m_widget->horizontalScrollBar()->value(), 0);
        const QRect cell = m_widget->visualRect(m_widget->model()->index(3, 2));
        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, {},
                          QPoint(m_widget->viewport()->width() - 5, cell.center().y()));
        QCOMPARE(m_list->focusedItem(), 3);
        QCOMPARE(m_widget->horizontalScrollBar()->value(), 0);
        QTest::keyClick(m_widget, Qt::Key_End);
        QCOMPARE(m_list->focusedItem(), 29);
        QCOMPARE(selectedRowsOf(*m_list), QList<int>({29}));
        QVERIFY(m_widget->verticalScrollBar()->value() > 0);
        QCOMPARE(m_widget->horizontalScrollBar()->value(), 0);
        QTest::keyClick(m_widget, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(selectedRowsOf(*m_list), QList<int>({28, 29}));
    }

    void scrollRequestsInsideAnUpdate_scrollOnceToTheLast()
    {
        m_widget->resize(300, 150);
        QCoreApplication::processEvents();
        QSignalSpy scrolls(m_widget->verticalScrollBar(), &QScrollBar::valueChanged);
        {
            ListCtrl::UpdateGuard update(*m_list);
            for (int row = 0; row < 29; ++row) {
                m_list->ensureVisible(row);
            }
            m_list->ensureVisible(25);
            QCOMPARE(scrolls.count(), 0);
        }
        QCOMPARE(scrolls.count(), 1);
        QVERIFY(m_widget->viewport()->rect().contains(
            m_widget->visualRect(m_widget->model()->index(25, 1)).center()));
        // Outside an update a request scrolls at once.
        m_list->ensureVisible(0);
        QCOMPARE(scrolls.count(), 2);
        QCOMPARE(m_widget->verticalScrollBar()->value(), 0);
    }

    void doubleClicks_reportCellAndButton()
    {
        QSignalSpy clicks(m_widget, &ChannelListWidget::cellDoubleClicked);
        const QPoint name = cellCentre(*m_widget, 2, 1);
        QTest::mouseClick(m_widget->viewport(), Qt::LeftButton, {}, name);
        QTest::mouseDClick(m_widget->viewport(), Qt::LeftButton, {}, name);
        const QPoint number = cellCentre(*m_widget, 4, 0);
        QTest::mouseClick(m_widget->viewport(), Qt::RightButton, {}, number);
        QTest::mouseDClick(m_widget->viewport(), Qt::RightButton, {}, number);
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(clicks.at(0), QVariantList({2, 1, QVariant::fromValue(Qt::LeftButton)}));
        QCOMPARE(clicks.at(1), QVariantList({4, 0, QVariant::fromValue(Qt::RightButton)}));
        // The right click selected and focused its row like the left one.
        QCOMPARE(m_list->focusedItem(), 4);
    }

private:
    std::unique_ptr<ListCtrl> m_list;
    std::unique_ptr<QMainWindow> m_window;
    ChannelListWidget* m_widget = nullptr;
    QLineEdit* m_other = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_undo = nullptr;
};

QTEST_MAIN(ListWidgetTest)
#include "listwidget_test.moc"
