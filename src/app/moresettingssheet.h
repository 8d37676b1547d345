#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "app/propertysheet.h"

namespace kx {

class CKanalyxDoc;
class CPorperyLang;
class CPropertyMore;

// The "More Settings" sheet: the "Country" page, then the "More" page, both editing a copy of the
// document's settings block. Every Apply (the button or OK) hands the copy to the document as
// one step of its history; Cancel drops what was not applied.
class MoreSettingsSheet : public PropertySheet
{
    Q_OBJECT

public:
    // folder: where the settings description files lie (the program's folder); systemCodePage:
    // the code page names of values are shown in. The document must have a file loaded and
    // must outlive the sheet.
    MoreSettingsSheet(CKanalyxDoc& doc, const std::filesystem::path& folder, int systemCodePage,
                      QWidget* parent = nullptr);

    CPorperyLang* countryPage() const { return m_country; }
    CPropertyMore* morePage() const { return m_more; }

    // Runs the sheet modally on the document; true when it ended with OK.
    static bool run(QWidget* parent, CKanalyxDoc& doc, const std::filesystem::path& folder,
                    int systemCodePage);

protected:
    void pagesApplied() override;

private:
    CKanalyxDoc& m_doc;
    std::vector<std::uint8_t> m_settings;
    CPorperyLang* m_country;
    CPropertyMore* m_more;
};

} // namespace kx
