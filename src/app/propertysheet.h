#pragma once

#include <QDialog>
#include <QList>

class QDialogButtonBox;
class QPushButton;
class QTabWidget;

namespace kx {

class PropertyPage;

// A modal dialog of pages on tabs with OK, Cancel and Apply. A page is initialised when it is
// first shown. Apply is enabled while a page reports changes; Apply and OK apply every
// initialised page in tab order, then let each show the values as they now stand; OK then
// closes the dialog as accepted. Cancel closes it and applies nothing more (what an earlier
// Apply wrote stays written).
class PropertySheet : public QDialog
{
    Q_OBJECT

public:
    explicit PropertySheet(const QString& caption, QWidget* parent = nullptr);

    // Adds a page as the last tab; the sheet takes ownership.
    void AddPage(PropertyPage* page);

    QTabWidget* tabs() const { return m_tabs; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* applyButton() const { return m_apply; }

    // Applies every initialised page, as the Apply button does. False when a page refused.
    bool applyPages();

    // Initialises the current page before the sheet first takes its size from the pages.
    void setVisible(bool visible) override;

protected:
    // Every initialised page has applied its values; before the pages show them again.
    virtual void pagesApplied() {}

private:
    void initializeCurrentPage();
    void updateApplyButton();
    void OnOK();

    QTabWidget* m_tabs;
    QList<PropertyPage*> m_pages;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_apply;
};

} // namespace kx
