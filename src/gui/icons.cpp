#include "gui/icons.h"

namespace kx {

namespace {

QIcon ownIcon(const QString& name, std::initializer_list<int> sizes)
{
    QIcon icon;
    for (const int size : sizes) {
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace

QIcon commandIcon(const QString& themeName)
{
    return QIcon::fromTheme(themeName, ownIcon(themeName, {16, 32}));
}

QIcon programIcon()
{
    static const QIcon icon = ownIcon(QStringLiteral("kanalyx"), {16, 32, 48, 64});
    return icon;
}

const QPixmap& checkBoxPixmap(bool ticked)
{
    static const QPixmap unticked(QStringLiteral(":/icons/checkbox-unticked-16.png"));
    static const QPixmap tickedBox(QStringLiteral(":/icons/checkbox-ticked-16.png"));
    return ticked ? tickedBox : unticked;
}

} // namespace kx
