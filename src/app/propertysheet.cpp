#include "app/propertysheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/propertypage.h"

namespace kx {

PropertySheet::PropertySheet(const QString& caption, QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget(this))
{
    setWindowTitle(caption);
    m_tabs->setObjectName(QStringLiteral("pages"));

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_apply = buttons->addButton(tr("&Apply"), QDialogButtonBox::ApplyRole);
    m_apply->setObjectName(QStringLiteral("apply"));
    m_apply->setEnabled(false);
    connect(m_ok, &QPushButton::clicked, this, &PropertySheet::OnOK);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_apply, &QPushButton::clicked, this, &PropertySheet::applyPages);
    connect(m_tabs, &QTabWidget::currentChanged, this, &PropertySheet::initializeCurrentPage);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

void PropertySheet::AddPage(PropertyPage* page)
{
    m_pages.append(page);
    connect(page, &PropertyPage::modifiedChanged, this, &PropertySheet::updateApplyButton);
    // Adding the first tab makes it current; it is initialised only when the sheet shows.
    const QSignalBlocker noInitYet(m_tabs);
    m_tabs->addTab(page, page->caption());
}

void PropertySheet::setVisible(bool visible)
{
    if (visible) {
        initializeCurrentPage();
    }
    QDialog::setVisible(visible);
}

void PropertySheet::initializeCurrentPage()
{
    if (auto* page = qobject_cast<PropertyPage*>(m_tabs->currentWidget())) {
        page->initialize();
    }
}

void PropertySheet::updateApplyButton()
{
    bool modified = false;
    for (const PropertyPage* page : m_pages) {
        modified = modified || page->isModified();
    }
    m_apply->setEnabled(modified);
}

bool PropertySheet::applyPages()
{
    for (PropertyPage* page : m_pages) {
        if (page->isInitialized() && !page->OnApply()) {
            m_tabs->setCurrentWidget(page);
            return false;
        }
    }
    pagesApplied();
    for (PropertyPage* page : m_pages) {
        if (page->isInitialized()) {
            page->SetModified(false);
            page->OnSheetApplied();
        }
    }
    return true;
}

void PropertySheet::OnOK()
{
    if (applyPages()) {
        accept();
    }
}

} // namespace kx
