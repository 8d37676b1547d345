#pragma once

#include "views/celleditortable.h"

namespace kx {

// The list of the "More" page: whole rows selected, one at a time, and in-place editors placed
// over a cell. It reports double-clicks with whether the row already had the focus before the
// click began, so the page can tell a double-click that only picks a row from one that edits it.
class SettingsListView : public CellEditorTable
{
    Q_OBJECT

public:
    explicit SettingsListView(QWidget* parent = nullptr);

    // Lays editor (a CCellEdit or CCellCombo made on viewport()) over a cell, shows it and gives
    // it the focus. Returns false, and deletes the editor, when the cell does not exist or its
    // column is narrower than 5 pixels.
    bool placeEditor(QWidget* editor, int row, int column);

signals:
    // A left double-click on a cell; rowHadFocus tells whether the row was the focused one
    // before the first click of the double-click.
    void cellDoubleClicked(int row, int column, bool rowHadFocus);
    // F2 on the focused row.
    void editRequested(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The row under the last press and the row that had the focus just before it.
    int m_pressedRow = -1;
    int m_focusedBeforePress = -1;
};

} // namespace kx
