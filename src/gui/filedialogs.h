#pragma once

#include <QString>

class QWidget;

namespace kx {

// The file choosers of the window's commands. The editor uses Qt's file dialogs; tests put in
// their own to answer without a dialog. An empty result means the user cancelled.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;

    virtual QString openFile(QWidget* parent, const QString& caption, const QString& filter);
    // defaultSuffix (without the dot) is added to a name typed without an extension.
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& filter,
                             const QString& defaultSuffix, const QString& proposedPath);
};

} // namespace kx
