#include <vector>

#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

#include "dialogs/hexgridwidget.h"

using kx::CHexGridWnd;
using kx::HexGridModel;

namespace {

// A point over the digits of byte column c of visible row r: inside both the button-down box
// (38 + 24c to 62 + 24c) and the move and release box (50 + 24c to 74 + 24c).
QPoint onDigits(int c, int r = 0)
{
    return {55 + 24 * c, 18 * r + 5};
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = {})
{
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(target, &event);
}

void sendWheel(QWidget* target, int delta)
{
    const QPoint at(100, 50);
    QWheelEvent event(at, target->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

QColor colourOf(kx::Rgb rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

} // namespace

class HexGridTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_bytes.assign(300, 0);
        for (std::size_t i = 0; i < m_bytes.size(); ++i) {
            m_bytes[i] = static_cast<std::uint8_t>(i);
        }
        m_model = std::make_unique<HexGridModel>(1252);
        QVERIFY(m_model->SetData(m_bytes));
        m_status = std::make_unique<QLineEdit>();
        m_grid = std::make_unique<CHexGridWnd>(*m_model);
        m_grid->setStatusWnd(m_status.get());
        m_grid->resize(670, 390);
        m_grid->show();
    }

    void cleanup()
    {
        m_grid.reset();
        m_status.reset();
        m_model.reset();
    }

    void clickAndShiftClick_selectFromTheAnchor()
    {
        QCOMPARE(m_status->text(), QStringLiteral("Address: -- Count: 0"));
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, onDigits(10));
        QTest::mouseClick(viewport(), Qt::LeftButton, Qt::ShiftModifier, onDigits(15));
        QCOMPARE(m_model->GetSelStart(), 10);
        QCOMPARE(m_model->selEnd(), 15);
        QCOMPARE(m_status->text(), QStringLiteral("Address: 000A  Count: 6"));
        QVERIFY(m_grid->hasFocus() || m_grid->window()->focusWidget() == m_grid.get());

        // Backwards, only the bytes strictly between the clicked byte and the anchor.
        QTest::mouseClick(viewport(), Qt::LeftButton, Qt::ShiftModifier, onDigits(5));
        QCOMPARE(m_model->GetSelStart(), 6);
        QCOMPARE(m_model->selEnd(), 9);
        QCOMPARE(m_status->text(), QStringLiteral("Address: 0006  Count: 4"));
    }

    void dragBackOneByte_givesTheEmptySelection()
    {
        sendMouse(viewport(), QEvent::MouseButtonPress, onDigits(10), Qt::LeftButton,
                  Qt::LeftButton);
        sendMouse(viewport(), QEvent::MouseMove, onDigits(9), Qt::NoButton, Qt::LeftButton);
        sendMouse(viewport(), QEvent::MouseButtonRelease, onDigits(9), Qt::LeftButton,
                  Qt::NoButton);
        QCOMPARE(m_model->GetSelStart(), 10);
        QCOMPARE(m_model->GetSelCount(), 0);
        QCOMPARE(m_status->text(), QStringLiteral("Address: 000A  Count: 0"));
    }

    void pointLeftOfADigitPair_buttonDownTakesTheRightByte_dragTheLeftOne()
    {
        // x = 112 lies in the button-down box of byte 3 (110 to 134) and in the move box of byte
        // 2 (98 to 122).
        const QPoint between(112, 5);
        sendMouse(viewport(), QEvent::MouseButtonPress, between, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(m_model->GetSelStart(), 3);
        QCOMPARE(m_model->GetSelCount(), 1);
        sendMouse(viewport(), QEvent::MouseMove, between, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(m_model->GetSelCount(), 0);
    }

    void dragOutsideTheWindow_isNotFollowed()
    {
        sendMouse(viewport(), QEvent::MouseButtonPress, onDigits(2), Qt::LeftButton,
                  Qt::LeftButton);
        sendMouse(viewport(), QEvent::MouseMove, QPoint(55 + 24 * 4, viewport()->height() + 40),
                  Qt::NoButton, Qt::LeftButton);
        QCOMPARE(m_model->selEnd(), 2);
    }

    void clickOutsideEveryCell_clearsTheSelection()
    {
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, onDigits(4));
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, QPoint(20, 5));
        QCOMPARE(m_model->GetSelStart(), -1);
        QCOMPARE(m_status->text(), QStringLiteral("Address: -- Count: 0"));
        // Typing with nothing selected changes no byte.
        QTest::keyClicks(m_grid.get(), "12");
        QCOMPARE(m_bytes[4], std::uint8_t{4});
    }

    void typedDigits_overwriteTheOwnersBytes()
    {
        // Byte 5 is on the character column too: 450 + 12 * 5.
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, QPoint(450 + 12 * 5 + 4, 5));
        QCOMPARE(m_model->GetSelStart(), 5);
        QTest::keyClicks(m_grid.get(), "12x34");
        QCOMPARE(m_bytes[5], std::uint8_t{0x12});
        QCOMPARE(m_bytes[6], std::uint8_t{0x34});
        QCOMPARE(m_bytes[7], std::uint8_t{7});
        QCOMPARE(m_model->GetSelStart(), 7);
        QCOMPARE(m_status->text(), QStringLiteral("Address: 0007  Count: 1"));

        // One digit leaves the low digit 0 until the second comes.
        m_bytes[7] = 0x5C;
        QTest::keyClicks(m_grid.get(), "a");
        QCOMPARE(m_bytes[7], std::uint8_t{0xA0});
    }

    void caretKeys_moveTheCaretAndScroll_typingGoesThere()
    {
        // Ten rows in view.
        m_grid->resize(670, 10 * 18 + 2 * m_grid->frameWidth());
        QTest::keyClick(m_grid.get(), Qt::Key_Right); // puts the caret on the first byte
        QTest::keyClick(m_grid.get(), Qt::Key_Right);
        QTest::keyClick(m_grid.get(), Qt::Key_Down);
        QCOMPARE(m_status->text(), QStringLiteral("Address: 0011  Count: 1"));
        QTest::keyClicks(m_grid.get(), "c3");
        QCOMPARE(m_bytes[17], std::uint8_t{0xC3});
        QTest::keyClick(m_grid.get(), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(m_model->caret(), 299);
        QCOMPARE(m_grid->verticalScrollBar()->value(), 9);
    }

    void typingPastTheLastByte_changesNothing()
    {
        // The last byte is 299 (0x12B): row 18, column 11; scroll it into view first.
        m_model->SetMark(288, 288);
        m_grid->refresh();
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, onDigits(11, 0));
        QCOMPARE(m_model->GetSelStart(), 299);
        QTest::keyClicks(m_grid.get(), "ABCD");
        QCOMPARE(m_bytes[299], std::uint8_t{0xAB});
        QCOMPARE(m_model->GetSelStart(), 300);
        QCOMPARE(m_bytes[0], std::uint8_t{0});
    }

    void wheel_scrollsSevenRowsANotchWithinTheRange()
    {
        QScrollBar* bar = m_grid->verticalScrollBar();
        QCOMPARE(bar->maximum(), 18);
        sendWheel(viewport(), 120);
        QCOMPARE(m_model->scrollPosition(), 0);
        sendWheel(viewport(), -120);
        QCOMPARE(m_model->scrollPosition(), 7);
        QCOMPARE(bar->value(), 7);
        sendWheel(viewport(), -120);
        sendWheel(viewport(), -120);
        QCOMPARE(m_model->scrollPosition(), 17);
        QCOMPARE(bar->value(), 17);
        // The top row shows byte 17 * 16 = 0x110.
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, onDigits(0));
        QCOMPARE(m_model->GetSelStart(), 0x110);
    }

    void scrollBar_movesByRowsAndPagesAndKeepsTheModelsClamp()
    {
        QScrollBar* bar = m_grid->verticalScrollBar();
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(m_model->scrollPosition(), 1);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(m_model->scrollPosition(), 17);
        QCOMPARE(bar->value(), 17);
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(m_model->scrollPosition(), 1);
        // Top and bottom move nothing.
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(m_model->scrollPosition(), 1);
        QCOMPARE(bar->value(), 1);
        // A value set on the bar directly counts as a drag of its thumb.
        bar->setValue(12);
        QCOMPARE(m_model->scrollPosition(), 12);
        bar->setValue(18);
        QCOMPARE(m_model->scrollPosition(), 17);
        QCOMPARE(bar->value(), 17);

        // The mark may put the top row one further than the bar's own actions reach.
        m_model->SetMark(290, 290);
        m_grid->refresh();
        QCOMPARE(bar->value(), 18);
    }

    void cells_arePaintedOnTheirSelectionAndMarkColours()
    {
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, onDigits(1));
        QTest::mouseClick(viewport(), Qt::LeftButton, Qt::ShiftModifier, onDigits(2));
        m_model->SetMark(2, 3);
        m_grid->refresh();
        const QImage image = viewport()->grab().toImage();
        // A pixel just inside the top-left corner of each byte's hex and character cell.
        auto hexCell = [&image](int c) { return image.pixelColor(50 + 24 * c + 1, 1); };
        auto charCell = [&image](int c) { return image.pixelColor(450 + 12 * c + 1, 1); };
        QCOMPARE(hexCell(0), colourOf(HexGridModel::kWhite));
        QCOMPARE(hexCell(1), colourOf(HexGridModel::kSelected));
        QCOMPARE(hexCell(2), colourOf(HexGridModel::kSelectedAndMarked));
        QCOMPARE(hexCell(3), colourOf(HexGridModel::kMarked));
        QCOMPARE(charCell(1), colourOf(HexGridModel::kSelected));
        QCOMPARE(charCell(3), colourOf(HexGridModel::kMarked));
        QCOMPARE(charCell(4), colourOf(HexGridModel::kWhite));
    }

    void cellFont_fitsTheCells()
    {
        const QFontMetrics metrics(CHexGridWnd::cellFont());
        QVERIFY(metrics.horizontalAdvance(QStringLiteral("FF")) <= 24);
        QVERIFY(metrics.horizontalAdvance(QStringLiteral("W")) <= 12);
        QVERIFY(metrics.height() <= 18);
    }

private:
    QWidget* viewport() const { return m_grid->viewport(); }

    std::vector<std::uint8_t> m_bytes;
    std::unique_ptr<HexGridModel> m_model;
    std::unique_ptr<QLineEdit> m_status;
    std::unique_ptr<CHexGridWnd> m_grid;
};

QTEST_MAIN(HexGridTest)
#include "hexgrid_test.moc"
