#include "dialogs/fixedsizedialog.h"

#include <QDialog>
#include <QLayout>

namespace kx {

void makeFixedSize(QDialog& dialog, QLayout& layout)
{
    layout.setSizeConstraint(QLayout::SetFixedSize);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

} // namespace kx
