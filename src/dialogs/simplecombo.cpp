#include "dialogs/simplecombo.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace kx {

SimpleCombo::SimpleCombo(QWidget* parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_list(new QListWidget(this))
{
    m_edit->setObjectName(QStringLiteral("edit"));
    m_list->setObjectName(QStringLiteral("list"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusProxy(m_edit);
    m_edit->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_edit);
    layout->addWidget(m_list, 1);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_filling) {
            return;
        }
        if (row >= 0) {
            m_edit->setText(m_list->item(row)->text());
        }
        emit selectionChanged(row);
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit itemDoubleClicked(m_list->row(item)); });
}

void SimpleCombo::setItems(const QStringList& items, int selected)
{
    m_filling = true;
    m_list->clear();
    m_list->addItems(items);
    m_list->setCurrentRow(selected);
    if (selected < 0) {
        m_list->clearSelection();
    }
    m_filling = false;
}

QStringList SimpleCombo::items() const
{
    QStringList texts;
    for (int row = 0; row < m_list->count(); ++row) {
        texts << m_list->item(row)->text();
    }
    return texts;
}

int SimpleCombo::currentRow() const
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.constFirst());
}

QString SimpleCombo::editText() const
{
    return m_edit->text();
}

bool SimpleCombo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && m_list->count() > 0) {
            const int row = currentRow();
            const int next =
                key == Qt::Key_Up ? std::max(row - 1, 0) : std::min(row + 1, m_list->count() - 1);
            m_list->setCurrentRow(next);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kx
