#pragma once

#include <QDialog>

namespace kx {

// The About box: the program icon, the name and version, a notice line and OK.
class CAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutBox(QWidget* parent = nullptr);
};

} // namespace kx
