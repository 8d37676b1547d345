#pragma once

#include <QPointer>
#include <QTableView>

namespace kx {

// A table of whole rows that opens in-place editors (CCellEdit or CCellCombo) over its cells,
// with its rows' height fixed and its columns free to shrink to nothing. At most one
// editor is open; it stays the open one until it reports the end of its edit. Rows never move
// under an open editor: scrolling by wheel, bar or keys first takes the focus back, which ends the
// edit and commits it.
class CellEditorTable : public QTableView
{
    Q_OBJECT

public:
    // Columns narrower than this many pixels get no editor.
    static constexpr int kNarrowestEditableColumn = 5;

    explicit CellEditorTable(QWidget* parent = nullptr);
    ~CellEditorTable() override;

    // The open in-place editor, or null.
    QWidget* cellEditor() const { return m_editor; }
    // Ends an open in-place edit as losing the focus would (committing), or cancels it.
    void endCellEdit(bool cancel = false);

protected:
    // Lays editor (made on viewport()) over the cell at index, which is in view, shows it and
    // gives it the focus; it becomes the open editor.
    void showCellEditor(QWidget* editor, const QModelIndex& index);

    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    // Taking the focus ends an open editor, which then commits.
    void takeFocusBeforeScrolling();

    QPointer<QWidget> m_editor;
};

} // namespace kx
