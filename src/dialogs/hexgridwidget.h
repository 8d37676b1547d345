#pragma once

#include <QAbstractScrollArea>
#include <QPointer>

#include "dialogs/hexgridmodel.h"

class QLineEdit;

namespace kx {

// The hex data grid on screen: paints the rows of a HexGridModel at its pixel positions (address,
// sixteen hex cells, sixteen character cells) on their selection and mark colours, scrolls by
// rows with its scroll bar and the wheel, and forwards mouse buttons, mouse moves and typed
// characters to the model. Typed digits change the owner's buffer at once. After every action the
// status box shows the model's status line. The arrow keys, Page Up/Down and Home/End (with Ctrl:
// the first and last byte) move the caret, drawn as a box round its byte.
class CHexGridWnd : public QAbstractScrollArea
{
    Q_OBJECT

public:
    // model: the grid's rules and data; it must outlive the widget.
    explicit CHexGridWnd(HexGridModel& model, QWidget* parent = nullptr);

    HexGridModel& model() const { return m_model; }

    // The box that shows the status line (may be null).
    void setStatusWnd(QLineEdit* status);

    // Makes the widget show the model again after the owner changed it (data, mark, scrolling):
    // scroll bar, cells and status line.
    void refresh();

    // The font cells are drawn in: fixed pitch, two hex digits within a hex cell and one
    // character within a character cell.
    static QFont cellFont();
    // The status line shown in the status box.
    QString statusText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void OnScrollAction(int action);
    // Whole rows the window shows: a page for the caret keys.
    int visibleRows() const;
    // Scroll bar and status line from the model, cells repainted.
    void showModel();

    HexGridModel& m_model;
    QPointer<QLineEdit> m_pStatusWnd;
    bool m_syncingBar = false;
};

} // namespace kx
