#include "dialogs/hexgridwidget.h"

#include <optional>

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>

#include "document/descriptionline.h"

namespace kx {
namespace {

QColor toQColor(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

// The model's mouse flags for an event: the buttons held and Shift and Control.
unsigned mouseFlags(const QMouseEvent* event)
{
    unsigned flags = 0;
    const Qt::MouseButtons buttons = event->buttons();
    if (buttons.testFlag(Qt::LeftButton)) {
        flags |= HexGridModel::kLeftButton;
    }
    if (buttons.testFlag(Qt::RightButton)) {
        flags |= HexGridModel::kRightButton;
    }
    if (buttons.testFlag(Qt::MiddleButton)) {
        flags |= HexGridModel::kMiddleButton;
    }
    if (event->modifiers().testFlag(Qt::ShiftModifier)) {
        flags |= HexGridModel::kShift;
    }
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        flags |= HexGridModel::kControl;
    }
    return flags;
}

// Draws text opaque on its background box, the box's top-left corner being the text's.
void drawCell(QPainter& painter, int ascent, const QRect& box, const QString& text,
              const QColor& back)
{
    painter.fillRect(box, back);
    painter.drawText(box.left(), box.top() + ascent, text);
}

// The caret keys of the grid, or none for any other key.
std::optional<HexGridModel::CaretKey> caretKey(const QKeyEvent* event)
{
    using Key = HexGridModel::CaretKey;
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    switch (event->key()) {
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_PageUp:
        return Key::PageUp;
    case Qt::Key_PageDown:
        return Key::PageDown;
    case Qt::Key_Home:
        return control ? Key::First : Key::Home;
    case Qt::Key_End:
        return control ? Key::Last : Key::End;
    default:
        return std::nullopt;
    }
}

} // namespace

CHexGridWnd::CHexGridWnd(HexGridModel& model, QWidget* parent)
    : QAbstractScrollArea(parent), m_model(model)
{
    setObjectName(QStringLiteral("CHexGridWnd"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setFont(cellFont());
    viewport()->setCursor(Qt::ArrowCursor);
    QPalette colours = viewport()->palette();
    colours.setColor(QPalette::Base, Qt::white);
    viewport()->setPalette(colours);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setPageStep(HexGridModel::kBytesPerRow);
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, &CHexGridWnd::OnScrollAction);
    showModel();
}

QFont CHexGridWnd::cellFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int pixels = 14; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(QStringLiteral("00")) < HexGridModel::kHexPitch - 2 &&
            metrics.horizontalAdvance(QLatin1Char('W')) < HexGridModel::kCharPitch &&
            metrics.height() <= HexGridModel::kRowHeight) {
            break;
        }
    }
    return font;
}

void CHexGridWnd::setStatusWnd(QLineEdit* status)
{
    m_pStatusWnd = status;
    showModel();
}

void CHexGridWnd::refresh()
{
    showModel();
}

void CHexGridWnd::showModel()
{
    m_syncingBar = true;
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, m_model.scrollMaximum());
    bar->setValue(m_model.scrollPosition());
    m_syncingBar = false;
    if (m_pStatusWnd != nullptr) {
        m_pStatusWnd->setText(statusText());
    }
    viewport()->update();
}

QString CHexGridWnd::statusText() const
{
    // The model's status line, in the user's language.
    if (m_model.GetSelStart() < 0) {
        return tr("Address: -- Count: 0");
    }
    return tr("Address: %1  Count: %2")
        .arg(QString::fromStdString(
            formatAddress(static_cast<std::uint32_t>(m_model.GetSelStart()))))
        .arg(m_model.GetSelCount());
}

void CHexGridWnd::OnScrollAction(int action)
{
    using Action = HexGridModel::ScrollAction;
    Action mapped = Action::Other;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        mapped = Action::LineUp;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        mapped = Action::LineDown;
        break;
    case QAbstractSlider::SliderPageStepSub:
        mapped = Action::PageUp;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        mapped = Action::PageDown;
        break;
    case QAbstractSlider::SliderMove:
        mapped = Action::ThumbTrack;
        break;
    default:
        break;
    }
    m_model.scrollBar(mapped, verticalScrollBar()->sliderPosition());
    // The bar shows where the model's clamps left the top row, whatever the action asked for.
    verticalScrollBar()->setSliderPosition(m_model.scrollPosition());
    viewport()->update();
}

void CHexGridWnd::scrollContentsBy(int /*dx*/, int /*dy*/)
{
    // Every scroll goes through the model; a value set on the bar by other means is taken as a
    // drag of its thumb.
    if (!m_syncingBar && verticalScrollBar()->value() != m_model.scrollPosition()) {
        m_model.scrollBar(HexGridModel::ScrollAction::ThumbTrack, verticalScrollBar()->value());
        m_syncingBar = true;
        verticalScrollBar()->setValue(m_model.scrollPosition());
        m_syncingBar = false;
    }
    viewport()->update();
}

void CHexGridWnd::wheelEvent(QWheelEvent* event)
{
    if (m_model.scrollWheel(event->angleDelta().y()) != 0) {
        showModel();
    }
    event->accept();
}

void CHexGridWnd::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(viewport());
    painter.setPen(Qt::black);
    const QColor white = toQColor(HexGridModel::kWhite);
    // The text boxes of the fixed-pitch font, within their cells.
    const QFontMetrics metrics = painter.fontMetrics();
    const int height = metrics.height();
    const int addressWidth =
        std::min(metrics.horizontalAdvance(QStringLiteral("0000")), HexGridModel::kHexX);
    const int hexWidth =
        std::min(metrics.horizontalAdvance(QStringLiteral("00")), HexGridModel::kHexPitch);
    const int charWidth =
        std::min(metrics.horizontalAdvance(QLatin1Char('0')), HexGridModel::kCharPitch);
    for (const HexGridModel::Row& row : m_model.paintPlan(viewport()->height())) {
        drawCell(painter, metrics.ascent(), QRect(0, row.y, addressWidth, height),
                 QString::fromStdString(row.address), white);
        for (const HexGridModel::Cell& cell : row.cells) {
            const QColor back = toQColor(cell.background);
            drawCell(painter, metrics.ascent(), QRect(cell.hexX, row.y, hexWidth, height),
                     QString::fromLatin1(cell.hex.data(), static_cast<qsizetype>(cell.hex.size())),
                     back);
            drawCell(painter, metrics.ascent(), QRect(cell.charX, row.y, charWidth, height),
                     QString::fromStdString(cell.character), back);
            if (cell.caret) {
                // A box round the byte's two cells and a bar under the digit typed next.
                painter.drawRect(cell.hexX - 1, row.y, hexWidth + 1, height - 1);
                painter.drawRect(cell.charX - 1, row.y, charWidth + 1, height - 1);
                const int digitWidth = hexWidth / 2;
                painter.fillRect(cell.hexX + m_model.caretDigit() * digitWidth, row.y + height - 3,
                                 digitWidth, 2, Qt::black);
            }
        }
    }
}

void CHexGridWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QPoint at = event->position().toPoint();
    m_model.OnLButtonDown(at.x(), at.y(), mouseFlags(event));
    showModel();
}

void CHexGridWnd::mouseMoveEvent(QMouseEvent* event)
{
    // Qt keeps sending moves while a button is held outside the window; the grid follows the
    // mouse only within it.
    const QPoint at = event->position().toPoint();
    if (viewport()->rect().contains(at)) {
        m_model.OnMouseMove(at.x(), at.y(), mouseFlags(event));
        showModel();
    }
}

void CHexGridWnd::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && viewport()->rect().contains(at)) {
        m_model.OnLButtonUp(at.x(), at.y());
        showModel();
    }
}

int CHexGridWnd::visibleRows() const
{
    return std::max(viewport()->height() / HexGridModel::kRowHeight, 1);
}

void CHexGridWnd::keyPressEvent(QKeyEvent* event)
{
    if (const auto key = caretKey(event)) {
        m_model.OnKey(*key, visibleRows());
        showModel();
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.at(0).isPrint() &&
                       !event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier);
    if (!typed) {
        // Enter, Escape and Tab belong to the dialog.
        event->ignore();
        return;
    }
    for (const char32_t ch : text.toUcs4()) {
        m_model.OnChar(ch);
    }
    // Typing moves the caret on; its row stays in view.
    m_model.scrollToCaret(visibleRows());
    showModel();
    event->accept();
}

} // namespace kx
