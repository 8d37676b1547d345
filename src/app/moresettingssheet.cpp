#include "app/moresettingssheet.h"

#include "app/porperylang.h"
#include "app/propertymore.h"
#include "document/kanalyxdoc.h"
#include "platform/strings.h"

namespace kx {

MoreSettingsSheet::MoreSettingsSheet(CKanalyxDoc& doc, const SideFiles& sideFiles, QWidget* parent)
    : PropertySheet(QString::fromStdString(Strings::text(ids::kMoreSettingsCaption)), parent),
      m_country(new CPorperyLang(doc.Settings(), doc.GetVariant())),
      m_more(new CPropertyMore(doc.Settings(), doc.GetVariant(), sideFiles))
{
    setObjectName(QStringLiteral("MoreSettingsSheet"));
    AddPage(m_country);
    AddPage(m_more);
}

bool MoreSettingsSheet::run(QWidget* parent, CKanalyxDoc& doc, const SideFiles& sideFiles)
{
    MoreSettingsSheet sheet(doc, sideFiles, parent);
    return sheet.exec() == QDialog::Accepted;
}

} // namespace kx
