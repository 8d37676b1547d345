#include "app/propertypage.h"

namespace kx {

PropertyPage::PropertyPage(QWidget* parent) : QWidget(parent)
{}

void PropertyPage::SetModified(bool modified)
{
    if (m_modified != modified) {
        m_modified = modified;
        emit modifiedChanged(modified);
    }
}

void PropertyPage::initialize()
{
    if (!m_initialized) {
        m_initialized = true;
        OnInitDialog();
    }
}

} // namespace kx
