#pragma once

#include <QDialog>

class QTextBrowser;

namespace kx {

// Help > Manual: a short guide to the lists, the commands and the dialogs, in the language of
// the interface. It stays open beside the main window while the user works.
class ManualDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ManualDialog(QWidget* parent = nullptr);

    QTextBrowser* browser() const { return m_browser; }
    // The guide as HTML, each text in the active language.
    static QString manualHtml();

private:
    QTextBrowser* m_browser;
};

} // namespace kx
