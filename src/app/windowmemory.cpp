#include "app/windowmemory.h"

#include <algorithm>

#include <QDebug>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>

#include "app/settingsprofile.h"
#include "views/channellistwidget.h"

namespace kx {

namespace {

constexpr const char* kSection = "Window";
constexpr const char* kGeometryValue = "Geometry";
// The window's height when nothing is stored: room for about 30 rows in the digital TV list.
constexpr int kDefaultHeight = 760;
// Room the window manager's frame and title take around the window, in pixels.
constexpr QSize kWindowFrame{8, 48};

std::string splitterKey(const QSplitter& splitter)
{
    return "Splitter-" + splitter.objectName().toStdString();
}

std::string columnsKey(const ChannelListWidget& list)
{
    return "Columns-" + list.objectName().toStdString();
}

// Column widths as stored: decimal numbers separated by commas.
QByteArray widthsOf(const QHeaderView& header)
{
    QByteArrayList widths;
    for (int column = 0; column < header.count(); ++column) {
        widths << QByteArray::number(header.sectionSize(column));
    }
    return widths.join(',');
}

void applyWidths(QHeaderView& header, const QByteArray& stored)
{
    const QByteArrayList widths = stored.split(',');
    for (int column = 0; column < std::min<int>(header.count(), widths.size()); ++column) {
        bool ok = false;
        const int width = widths.at(column).toInt(&ok);
        // A value edited by hand into something else keeps the column as it is.
        if (ok && width >= 0) {
            header.resizeSection(column, width);
        }
    }
}

} // namespace

void WindowMemory::fitNameColumns(QWidget& widget, int width)
{
    if (auto* tabs = qobject_cast<QTabWidget*>(&widget)) {
        for (int page = 0; page < tabs->count(); ++page) {
            fitNameColumns(*tabs->widget(page), width);
        }
        return;
    }
    const int missing = widthForAllColumns(widget) - width;
    if (missing == 0) {
        return;
    }
    if (auto* list = qobject_cast<ChannelListWidget*>(&widget)) {
        list->resizeNameColumns(-missing);
        return;
    }
    auto* splitter = qobject_cast<QSplitter*>(&widget);
    if (splitter == nullptr || splitter->count() == 0) {
        return;
    }
    const bool sideBySide = splitter->orientation() == Qt::Horizontal;
    const int share = missing > 0 ? (missing + splitter->count() - 1) / splitter->count()
                                  : missing / splitter->count();
    QList<int> widths;
    for (int i = 0; i < splitter->count(); ++i) {
        QWidget& part = *splitter->widget(i);
        fitNameColumns(part, sideBySide ? widthForAllColumns(part) - share : width);
        widths << widthForAllColumns(part);
    }
    if (sideBySide) {
        splitter->setSizes(widths);
    }
}

void WindowMemory::restore(QMainWindow& window, const SettingsProfile& profile)
{
    for (ChannelListWidget* list : window.findChildren<ChannelListWidget*>()) {
        const QByteArray widths = profile.getBytes(kSection, columnsKey(*list));
        if (!list->objectName().isEmpty() && !widths.isEmpty()) {
            applyWidths(*list->horizontalHeader(), widths);
        }
    }
    for (QSplitter* splitter : window.findChildren<QSplitter*>()) {
        if (!splitter->objectName().isEmpty()) {
            splitter->restoreState(profile.getBytes(kSection, splitterKey(*splitter)));
        }
    }
    if (!window.restoreGeometry(profile.getBytes(kSection, kGeometryValue))) {
        const QSize size = defaultSize(window);
        // On a small screen the names give up room first, so that the other columns stay in view;
        // on a large one they take the room that is left.
        if (QWidget* central = window.centralWidget()) {
            fitNameColumns(*central, size.width());
        }
        window.resize(size);
    }
}

void WindowMemory::save(const QMainWindow& window, SettingsProfile& profile)
{
    profile.setBytes(kSection, kGeometryValue, window.saveGeometry());
    for (const QSplitter* splitter : window.findChildren<QSplitter*>()) {
        if (!splitter->objectName().isEmpty()) {
            profile.setBytes(kSection, splitterKey(*splitter), splitter->saveState());
        }
    }
    for (const ChannelListWidget* list : window.findChildren<ChannelListWidget*>()) {
        if (!list->objectName().isEmpty()) {
            profile.setBytes(kSection, columnsKey(*list), widthsOf(*list->horizontalHeader()));
        }
    }
}

QSize WindowMemory::defaultSize(const QMainWindow& window)
{
    // The lists span the window's whole width.
    const QWidget* central = window.centralWidget();
    QSize wanted(central != nullptr ? widthForAllColumns(*central) : 0, kDefaultHeight);
    if (const QScreen* screen =
            window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen()) {
        wanted = wanted.boundedTo(screen->availableGeometry().size() - kWindowFrame);
    }
    return wanted;
}

int WindowMemory::widthForAllColumns(const QWidget& widget)
{
    if (const auto* list = qobject_cast<const ChannelListWidget*>(&widget)) {
        const int header =
            list->verticalHeader()->isVisible() ? list->verticalHeader()->width() : 0;
        return list->horizontalHeader()->length() + header +
               list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth();
    }
    // Tabs need the room of their widest page.
    if (const auto* tabs = qobject_cast<const QTabWidget*>(&widget)) {
        int widest = 0;
        for (int page = 0; page < tabs->count(); ++page) {
            widest = std::max(widest, widthForAllColumns(*tabs->widget(page)));
        }
        return widest;
    }
    const auto* splitter = qobject_cast<const QSplitter*>(&widget);
    if (splitter == nullptr) {
        return widget.sizeHint().width();
    }
    int width = 0;
    for (int i = 0; i < splitter->count(); ++i) {
        const int part = widthForAllColumns(*splitter->widget(i));
        width = splitter->orientation() == Qt::Horizontal ? width + part : std::max(width, part);
    }
    if (splitter->orientation() == Qt::Horizontal && splitter->count() > 1) {
        width += (splitter->count() - 1) * splitter->handleWidth();
    }
    return width;
}

} // namespace kx
