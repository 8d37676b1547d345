#include "app/listpanes.h"

#include <algorithm>

#include <QSplitter>

#include "app/windowmemory.h"
#include "document/kanalyxdoc.h"
#include "views/channellistwidget.h"
#include "views/documentviews.h"
#include "views/kanalyxview.h"
#include "views/listctrlitemmodel.h"

namespace kx {

namespace {

// Splitter sizes in these units stand for parts of the height.
constexpr int kHeightShare = 100;

// The lists every file of the binary layouts may have, in the order they are laid out.
constexpr ListKind kBinaryLists[] = {ListKind::Analog, ListKind::Radio, ListKind::DigitalTV,
                                     ListKind::SatTV, ListKind::SatRadio};

} // namespace

ListPanes::ListPanes(DocumentViews& views, std::function<bool(const QString&)> fits,
                     QWidget* parent)
    : QTabWidget(parent), m_views(views), m_fits(std::move(fits))
{
    setObjectName(QStringLiteral("listTabs"));
    setDocumentMode(true);
    // The analog and radio lists side by side above the digital TV list, which has the most rows
    // and the longest names and gets the whole width: so every column fits a window 1280 pixels
    // wide. The satellite lists on a tab of their own, side by side.
    m_tabs.push_back({ListGroup::CableAndAntenna,
                      tr("&Cable and antenna"),
                      new QSplitter(Qt::Vertical, this),
                      {}});
    m_tabs.push_back(
        {ListGroup::Satellite, tr("S&atellite"), new QSplitter(Qt::Horizontal, this), {}});
    m_tabs.at(0).splitter->setObjectName(QStringLiteral("lists"));
    m_tabs.at(1).splitter->setObjectName(QStringLiteral("satelliteLists"));
    auto* analogAndRadio = new QSplitter(Qt::Horizontal, m_tabs.at(0).splitter);
    analogAndRadio->setObjectName(QStringLiteral("analogAndRadio"));
    m_tabs.at(0).splitter->addWidget(analogAndRadio);
    for (const Tab& tab : m_tabs) {
        tab.splitter->setChildrenCollapsible(false);
        addTab(tab.splitter, tab.title);
    }
    analogAndRadio->setChildrenCollapsible(false);
    for (const ListKind kind : kBinaryLists) {
        makeList(kind);
    }
    // The analog and radio lists start as wide as their columns, the digital TV list with three
    // fifths of the height; the satellite TV list is the long one.
    analogAndRadio->setSizes({WindowMemory::widthForAllColumns(*listWidget(ListKind::Analog)),
                              WindowMemory::widthForAllColumns(*listWidget(ListKind::Radio))});
    splitter()->setSizes({2 * kHeightShare, 3 * kHeightShare});
    for (QSplitter* part : {splitter(), analogAndRadio}) {
        part->setStretchFactor(0, 1);
        part->setStretchFactor(1, 1);
    }
    satelliteSplitter()->setStretchFactor(0, 2);
    satelliteSplitter()->setStretchFactor(1, 1);
    connect(this, &QTabWidget::currentChanged, this, &ListPanes::OnTabChanged);
    followDocument();
}

ListPanes::~ListPanes() = default;

QSplitter* ListPanes::satelliteSplitter() const
{
    for (const Tab& tab : m_tabs) {
        if (tab.group == ListGroup::Satellite) {
            return tab.splitter;
        }
    }
    return nullptr;
}

ListPanes::Tab& ListPanes::tabOf(ListGroup group)
{
    const auto found = std::find_if(m_tabs.begin(), m_tabs.end(),
                                    [group](const Tab& tab) { return tab.group == group; });
    if (found != m_tabs.end()) {
        return *found;
    }
    // The lists of a GlobalClone file's other sources get a tab of their own, side by side.
    QString title;
    switch (group) {
    case ListGroup::Antenna:
        title = tr("A&ntenna");
        break;
    case ListGroup::Cable:
        title = tr("Ca&ble");
        break;
    default:
        title = tr("&Other sources");
        break;
    }
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    // Antenna and cable lists before the satellite lists, as on the binary files' first tab.
    const bool beforeSatellite = group == ListGroup::Antenna || group == ListGroup::Cable;
    auto place = m_tabs.end();
    if (beforeSatellite) {
        place = std::find_if(m_tabs.begin(), m_tabs.end(),
                             [](const Tab& tab) { return tab.group == ListGroup::Satellite; });
    }
    const auto index = static_cast<int>(place - m_tabs.begin());
    insertTab(index, splitter, title);
    return *m_tabs.insert(place, Tab{group, title, splitter, {}});
}

int ListPanes::tabIndexOf(ListKind kind) const
{
    for (std::size_t i = 0; i < m_tabs.size(); ++i) {
        const std::vector<ListKind>& lists = m_tabs[i].lists;
        if (std::find(lists.begin(), lists.end(), kind) != lists.end()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

ChannelListWidget* ListPanes::makeList(ListKind kind)
{
    CKanalyxView& view = m_views.view(kind);
    Tab& tab = tabOf(view.spec().group);
    QSplitter* place = tab.splitter;
    if (tab.group == ListGroup::CableAndAntenna && kind != ListKind::DigitalTV) {
        place = qobject_cast<QSplitter*>(tab.splitter->widget(0));
    }
    auto* list = new ChannelListWidget(view.GetListCtrl(), place);
    list->setObjectName(QStringLiteral("list%1").arg(static_cast<int>(kind)));
    list->listModel()->setBlueRows(
        [&view](int row) { return view.OnCustomDraw(row) == RowColour::Blue; });
    list->setFieldFits(m_fits);
    list->listModel()->setCheckHandler(
        [this, kind](int row, bool ticked) { emit checkBoxClicked(kind, row, ticked); });
    connect(list, &ChannelListWidget::cellDoubleClicked, this,
            [this, kind](int row, int column, Qt::MouseButton button) {
                emit cellDoubleClicked(kind, row, column, button);
            });
    connect(list, &ChannelListWidget::cellEditEnded, this,
            [this, kind](int row, int column, const QString& text, bool cancelled) {
                emit cellEditEnded(kind, row, column, text, cancelled);
            });
    connect(list, &ChannelListWidget::rowsDropped, this, [this, kind](int gap) {
        setActive(kind);
        emit rowsDropped(kind, gap);
    });
    connect(list, &ChannelListWidget::tickRequested, this, [this, kind] {
        setActive(kind);
        emit tickRequested(kind);
    });
    connect(list, &ChannelListWidget::contextMenuRequested, this, [this, kind](const QPoint& at) {
        setActive(kind);
        emit contextMenuRequested(kind, at);
    });
    connect(list, &ChannelListWidget::focusEntered, this, [this, kind] { setActive(kind); });
    connect(list, &ChannelListWidget::selectedRowsChanged, this, &ListPanes::selectionChanged);
    place->addWidget(list);
    // The TV list of a pair is the long one.
    if (place->orientation() == Qt::Horizontal && tab.group != ListGroup::CableAndAntenna) {
        place->setStretchFactor(place->indexOf(list), IsRadioList(kind) ? 1 : 2);
    }
    tab.lists.push_back(kind);
    m_widgets.push_back(list);
    m_kinds.push_back(kind);
    return list;
}

ChannelListWidget* ListPanes::listWidget(ListKind kind)
{
    const auto found = std::find(m_kinds.begin(), m_kinds.end(), kind);
    return found != m_kinds.end() ? m_widgets.at(static_cast<std::size_t>(found - m_kinds.begin()))
                                  : makeList(kind);
}

ChannelListWidget* ListPanes::activeList()
{
    return listWidget(m_active);
}

CKanalyxView& ListPanes::activeView() const
{
    return m_views.view(m_active);
}

void ListPanes::setActive(ListKind kind)
{
    m_active = kind;
    markActive();
    emit activeListChanged();
}

void ListPanes::markActive()
{
    for (std::size_t i = 0; i < m_widgets.size(); ++i) {
        m_widgets[i]->setMarkedActive(m_kinds[i] == m_active);
    }
}

void ListPanes::activate(ListKind kind)
{
    setCurrentIndex(std::max(0, tabIndexOf(kind)));
    setActive(kind);
    activeList()->setFocus(Qt::OtherFocusReason);
}

void ListPanes::nextPane(int step)
{
    // The lists of the tab on show, in turn.
    std::vector<ListKind> lists;
    for (const ListKind kind : m_tabs.at(static_cast<std::size_t>(currentIndex())).lists) {
        if (!listWidget(kind)->isHidden()) {
            lists.push_back(kind);
        }
    }
    if (lists.empty()) {
        return;
    }
    const auto found = std::find(lists.begin(), lists.end(), m_active);
    const int count = static_cast<int>(lists.size());
    const int current = found == lists.end() ? 0 : static_cast<int>(found - lists.begin());
    setActive(lists.at(static_cast<std::size_t>((current + step + count) % count)));
    activeList()->setFocus(Qt::OtherFocusReason);
}

void ListPanes::OnTabChanged(int tab)
{
    if (tab < 0 || tabIndexOf(m_active) == tab) {
        return;
    }
    for (const ListKind kind : m_tabs.at(static_cast<std::size_t>(tab)).lists) {
        if (!listWidget(kind)->isHidden()) {
            setActive(kind);
            return;
        }
    }
}

void ListPanes::followDocument()
{
    const CKanalyxDoc& doc = m_views.document();
    const bool globalClone = doc.Format() == FileFormat::GlobalClone;
    for (const ListKind kind : doc.Lists()) {
        listWidget(kind);
    }
    // The lists of the binary files stay in place, empty, for a binary file that lacks them;
    // a GlobalClone file shows only its own lists.
    const auto shows = [&](ListKind kind) {
        return m_views.has(kind) ||
               (!globalClone && std::find(std::begin(kListKinds), std::end(kListKinds), kind) !=
                                    std::end(kListKinds));
    };
    for (std::size_t i = 0; i < m_widgets.size(); ++i) {
        m_widgets[i]->setVisible(shows(m_kinds[i]));
    }
    int firstShown = -1;
    for (std::size_t i = 0; i < m_tabs.size(); ++i) {
        const Tab& tab = m_tabs[i];
        const int index = static_cast<int>(i);
        const bool enabled = std::any_of(tab.lists.begin(), tab.lists.end(),
                                         [this](ListKind kind) { return m_views.has(kind); });
        const bool binaryTab =
            tab.group == ListGroup::CableAndAntenna || tab.group == ListGroup::Satellite;
        setTabVisible(index, enabled || (binaryTab && !globalClone));
        setTabEnabled(index, enabled);
        if (enabled && firstShown < 0) {
            firstShown = index;
        }
        if (tab.group == ListGroup::Satellite) {
            setTabToolTip(index, enabled ? tr("The satellite TV and radio lists")
                                 : doc.HasSatelliteBlock()
                                     ? tr("The satellite block of this file holds no channels "
                                          "this editor can show; it is kept as it is")
                                     : tr("This file has no satellite channels"));
        }
    }
    if (!isTabEnabled(currentIndex())) {
        setCurrentIndex(std::max(firstShown, 0));
    }
    // Commands act on a list of the file.
    if (!m_views.has(m_active) && !doc.Lists().empty()) {
        const int tab = currentIndex();
        const std::vector<ListKind>& lists = m_tabs.at(static_cast<std::size_t>(tab)).lists;
        const auto first = std::find_if(lists.begin(), lists.end(),
                                        [this](ListKind kind) { return m_views.has(kind); });
        m_active = first != lists.end() ? *first : doc.Lists().front();
    }
    markActive();
}

void ListPanes::applyFilter(const std::string& filter)
{
    std::vector<int> matches(m_tabs.size(), 0);
    for (std::size_t i = 0; i < m_tabs.size(); ++i) {
        for (const ListKind kind : m_tabs[i].lists) {
            std::vector<char> shown;
            if (!filter.empty()) {
                shown = m_views.view(kind).MatchingRows(filter);
                matches[i] += static_cast<int>(std::count(shown.begin(), shown.end(), 1));
            }
            listWidget(kind)->showOnlyRows(shown);
        }
        setTabText(static_cast<int>(i), filter.empty()
                                            ? m_tabs[i].title
                                            : tr("%1 (%2)").arg(m_tabs[i].title).arg(matches[i]));
    }
    // A find whose matches all lie on another tab shows that tab.
    const auto current = static_cast<std::size_t>(std::max(0, currentIndex()));
    if (!filter.empty() && matches.at(current) == 0) {
        const auto other =
            std::find_if(matches.begin(), matches.end(), [](int n) { return n > 0; });
        if (other != matches.end()) {
            setCurrentIndex(static_cast<int>(other - matches.begin()));
        }
    }
}

void ListPanes::commitCellEdits()
{
    for (ChannelListWidget* list : m_widgets) {
        list->endCellEdit();
    }
}

} // namespace kx
