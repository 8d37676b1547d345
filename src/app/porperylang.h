#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "app/propertypage.h"
#include "dialogs/countrypagemodel.h"

class QComboBox;
class QLabel;

namespace kx {

// The "Country" page of the More Settings sheet: country, languages, menu item, time zone and
// digital audio output as ten labelled drop-down lists over the document's settings block (the
// rules are CountryPageModel's). Closing any list's drop-down, or choosing from it with the
// keyboard, marks the page modified.
class CPorperyLang : public PropertyPage
{
    Q_OBJECT

public:
    // settings: the document's settings block, edited in place on Apply; it must outlive the
    // page. variant: the document's file variant.
    CPorperyLang(std::span<std::uint8_t> settings, int variant, QWidget* parent = nullptr);

    QString caption() const override;
    bool OnApply() override;
    void OnSheetApplied() override;

    // The drop-down list of a setting, in the page's order.
    QComboBox* list(CountrySetting setting) const;
    QLabel* label(CountrySetting setting) const;
    const CountryPageModel& model() const { return m_model; }

protected:
    void OnInitDialog() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows every list's items and selection from the model.
    void fillLists();
    void OnListClosed();

    CountryPageModel m_model;
    std::array<QComboBox*, CountryPageModel::kListCount> m_lists{};
    std::array<QLabel*, CountryPageModel::kListCount> m_labels{};
};

} // namespace kx
