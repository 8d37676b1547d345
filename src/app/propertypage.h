#pragma once

#include <QWidget>

namespace kx {

// One page of a PropertySheet. The sheet calls OnInitDialog once, when the page is first shown
// (a page the user never opens is never initialised and never applied), OnApply on Apply and
// OK, and OnSheetApplied after every initialised page has applied. SetModified(true) tells the
// sheet that the page has changes to apply, which enables its Apply button.
class PropertyPage : public QWidget
{
    Q_OBJECT

public:
    explicit PropertyPage(QWidget* parent = nullptr);

    // The page's tab caption.
    virtual QString caption() const = 0;

    bool isInitialized() const { return m_initialized; }
    bool isModified() const { return m_modified; }
    void SetModified(bool modified = true);

    // Runs OnInitDialog the first time; later calls do nothing.
    void initialize();

    // Writes the page's values. Returning false keeps the sheet open (the page has shown why).
    virtual bool OnApply() = 0;
    // Every page has applied: show the values as they now stand.
    virtual void OnSheetApplied() {}

signals:
    void modifiedChanged(bool modified);

protected:
    virtual void OnInitDialog() = 0;

private:
    bool m_initialized = false;
    bool m_modified = false;
};

} // namespace kx
