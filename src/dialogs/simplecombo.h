#pragma once

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;

namespace kx {

// A combo box whose edit field and list are always shown, one above the other. Choosing an item
// puts its text into the edit field; Up and Down in the edit field move through the list. The
// list keeps the order items are given in.
class SimpleCombo : public QWidget
{
    Q_OBJECT

public:
    explicit SimpleCombo(QWidget* parent = nullptr);

    QLineEdit* lineEdit() const { return m_edit; }
    QListWidget* list() const { return m_list; }

    // Replaces the items and selects the one at selected (none for -1) without reporting it.
    void setItems(const QStringList& items, int selected = -1);
    QStringList items() const;
    // The selected item, or -1.
    int currentRow() const;
    QString editText() const;

signals:
    // The user chose another item (-1 when the selection went away).
    void selectionChanged(int row);
    // An item was double-clicked.
    void itemDoubleClicked(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_edit;
    QListWidget* m_list;
    bool m_filling = false;
};

} // namespace kx
