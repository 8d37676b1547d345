#pragma once

#include "app/propertysheet.h"

namespace kx {

class CKanalyxDoc;
class CPorperyLang;
class CPropertyMore;
class SideFiles;

// The "More Settings" sheet: the "Country" page, then the "More" page, both editing the
// document's settings block in place. Every Apply (the button or OK) writes into the block at
// once; marking the document modified on OK is the caller's part.
class MoreSettingsSheet : public PropertySheet
{
    Q_OBJECT

public:
    // sideFiles: where the settings description files are read from. The document must have a
    // file loaded and must outlive the sheet.
    MoreSettingsSheet(CKanalyxDoc& doc, const SideFiles& sideFiles, QWidget* parent = nullptr);

    CPorperyLang* countryPage() const { return m_country; }
    CPropertyMore* morePage() const { return m_more; }

    // Runs the sheet modally on the document; true when it ended with OK.
    static bool run(QWidget* parent, CKanalyxDoc& doc, const SideFiles& sideFiles);

private:
    CPorperyLang* m_country;
    CPropertyMore* m_more;
};

} // namespace kx
