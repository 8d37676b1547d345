#pragma once

#include <QPointer>
#include <QTableView>

namespace kx {

// The list of the "More" page: whole rows selected, one at a time, and in-place editors placed
// over a cell. It reports double-clicks with whether the row already had the focus before the
// click began, so the page can tell a double-click that only picks a row from one that edits it.
// An open editor commits before the rows scroll under it.
class SettingsListView : public QTableView
{
    Q_OBJECT

public:
    explicit SettingsListView(QWidget* parent = nullptr);
    ~SettingsListView() override;

    // Lays editor (a CCellEdit or CCellCombo made on viewport()) over a cell, shows it and gives
    // it the focus. Returns false, and deletes the editor, when the cell does not exist or its
    // column is narrower than 5 pixels.
    bool placeEditor(QWidget* editor, int row, int column);
    // The open in-place editor, or null.
    QWidget* cellEditor() const { return m_editor; }
    // Ends an open in-place edit as losing the focus would (committing), or cancels it.
    void endCellEdit(bool cancel = false);

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
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // Taking the focus ends an open editor, which then commits.
    void takeFocusBeforeScrolling();

    QPointer<QWidget> m_editor;
    // The row under the last press and the row that had the focus just before it.
    int m_pressedRow = -1;
    int m_focusedBeforePress = -1;
};

} // namespace kx
