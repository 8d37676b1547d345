#include "app/moresettingssheet.h"

#include "app/porperylang.h"
#include "app/propertymore.h"
#include "document/kanalyxdoc.h"
#include "gui/coretext.h"
#include "platform/strings.h"

namespace kx {

MoreSettingsSheet::MoreSettingsSheet(CKanalyxDoc& doc, const SideFiles& sideFiles,
                                     int systemCodePage, QWidget* parent)
    : PropertySheet(coreText(ids::kMoreSettingsCaption), parent), m_doc(doc),
      m_settings(doc.Settings().begin(), doc.Settings().end()),
      m_country(new CPorperyLang(m_settings, doc.GetVariant())),
      m_more(new CPropertyMore(m_settings, doc.GetVariant(), sideFiles, systemCodePage))
{
    setObjectName(QStringLiteral("MoreSettingsSheet"));
    AddPage(m_country);
    AddPage(m_more);
}

bool MoreSettingsSheet::run(QWidget* parent, CKanalyxDoc& doc, const SideFiles& sideFiles,
                            int systemCodePage)
{
    MoreSettingsSheet sheet(doc, sideFiles, systemCodePage, parent);
    return sheet.exec() == QDialog::Accepted;
}

void MoreSettingsSheet::pagesApplied()
{
    m_doc.SetSettings(m_settings, StepKind::Settings);
}

} // namespace kx
