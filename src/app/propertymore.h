#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

#include "app/propertypage.h"

namespace kx {

class MorePageItemModel;
class MorePageModel;
class SettingsListView;

// The "More" page of the More Settings sheet: the named settings of the description file beside
// the program (Name, Address, Data) with their values in the document's settings block, edited
// in place (the rules are MorePageModel's). The file is read when the page is first shown. A
// double-click on a row picks it; a double-click on the picked row's Data cell (or F2) opens a
// drop-down list for typed settings and a two-digit hexadecimal field for raw bytes.
class CPropertyMore : public PropertyPage
{
    Q_OBJECT

public:
    // settings: the settings block the sheet edits, written on Apply; it must outlive the
    // page. variant: the document's file variant; folder: where the description file lies;
    // systemCodePage: the code page of named values.
    CPropertyMore(std::span<std::uint8_t> settings, int variant, std::filesystem::path folder,
                  int systemCodePage, QWidget* parent = nullptr);
    ~CPropertyMore() override;

    QString caption() const override;
    bool OnApply() override;
    void OnSheetApplied() override;

    SettingsListView* list() const { return m_list; }
    // The page's rules; null until the page was first shown.
    const MorePageModel* model() const { return m_model.get(); }

    // The double-click rules: nothing without a row; on the row that had the focus, the Data
    // cell opens its editor and the Address cell nothing; any other double-click only picks the
    // row (the list has done that already).
    void OnDblClkList(int row, int column, bool rowHadFocus);
    // Opens the in-place editor of a row's Data cell, if the row has one.
    void EditDataCell(int row, int column);

protected:
    void OnInitDialog() override;

private:
    void OnEndLabelEditList(int row, int column, const QString& text, bool cancelled);

    std::span<std::uint8_t> m_pSettings;
    int m_nVariant;
    std::filesystem::path m_folder;
    std::unique_ptr<MorePageModel> m_model;
    MorePageItemModel* m_items;
    SettingsListView* m_list;
};

} // namespace kx
