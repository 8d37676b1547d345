#include "app/listcommands.h"

#include <vector>

#include <QAction>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>

#include "app/errorbox.h"
#include "app/frameactions.h"
#include "app/listpanes.h"
#include "app/mainframe.h"
#include "document/kanalyxdoc.h"
#include "document/satelliteblock.h"
#include "gui/coretext.h"
#include "model/channelrec.h"
#include "model/charactertable.h"
#include "model/namecodec.h"
#include "platform/strings.h"
#include "views/celledit.h"
#include "views/channellistwidget.h"
#include "views/documentviews.h"

namespace kx {

ListCommands::ListCommands(DocumentViews& views, ListPanes& panes, FrameActions& actions,
                           const CodecSettings& codec, const FrameDialogs& dialogs, QWidget& window)
    : QObject(&window), m_views(views), m_panes(panes), m_actions(actions), m_codec(codec),
      m_dialogs(dialogs), m_window(window)
{
    using C = CommandId;
    const auto on = [this](C command, auto handler) {
        connect(m_actions.action(command), &QAction::triggered, this, handler);
    };
    on(C::EditUp, [this] { runOnActive([](CKanalyxView& v) { v.OnMoveUp(); }); });
    on(C::EditDown, [this] { runOnActive([](CKanalyxView& v) { v.OnMoveDown(); }); });
    on(C::EditDuplicate, [this] { runOnActive([](CKanalyxView& v) { v.OnDuplicate(); }); });
    // After Delete the row that took the first deleted row's place is selected, so that Delete
    // can be pressed again.
    on(C::EditDelete,
       [this] { runOnActive([](CKanalyxView& v) { v.SelectRows(v.OnDeleteRows()); }); });
    on(C::EditMoveTo, [this] { OnMoveTo(); });
    on(C::EditTick, [this] { runOnActive([](CKanalyxView& v) { v.SetCheckBoxes(true); }); });
    on(C::EditUntick, [this] { runOnActive([](CKanalyxView& v) { v.SetCheckBoxes(false); }); });
    on(C::EditRename, [this] { OnRenameFocused(); });
    on(C::ChannelProperties, [this] {
        const int focused = m_panes.activeList()->list().focusedItem();
        if (focused >= 0) {
            const ListKind kind = m_panes.activeKind();
            run([this, kind, focused] { OnChannelProperties(kind, focused); });
        }
    });
    for (const auto& [command, flag] : kFlagCommands) {
        connect(
            m_actions.action(command), &QAction::triggered, this, [this, flag = flag](bool set) {
                runOnActive([flag, set](CKanalyxView& v) { v.OnSetFlags(set ? flag : 0U, flag); });
            });
    }
    connect(m_actions.sortMenu(), &QMenu::aboutToShow, this, &ListCommands::fillSortMenu);

    connect(&m_panes, &ListPanes::cellDoubleClicked, this, &ListCommands::OnCellDoubleClicked);
    connect(&m_panes, &ListPanes::cellEditEnded, this, &ListCommands::OnCellEditEnded);
    connect(&m_panes, &ListPanes::rowsDropped, this, [this](ListKind, int gap) {
        runOnActive([gap](CKanalyxView& v) { v.OnDropRows(gap); });
    });
    connect(&m_panes, &ListPanes::tickRequested, this, &ListCommands::OnSpaceInList);
    connect(&m_panes, &ListPanes::checkBoxClicked, this,
            [this](ListKind kind, int row, bool ticked) {
                run([this, kind, row, ticked] { m_views.view(kind).SetCheckBox(row, ticked); });
            });
}

void ListCommands::run(const std::function<void()>& command)
{
    m_panes.commitCellEdits();
    try {
        command();
    } catch (const std::exception& error) {
        ShowError(&m_window, tr("The command could not be carried out."), error);
    }
    emit commandRan();
}

void ListCommands::runOnActive(const std::function<void(CKanalyxView&)>& command)
{
    run([this, &command] { command(m_panes.activeView()); });
}

void ListCommands::OnMoveTo()
{
    m_panes.commitCellEdits();
    const ListCtrl& rows = m_panes.activeView().GetListCtrl();
    const std::vector<int> selected = rows.selectedItems();
    if (selected.empty()) {
        return;
    }
    bool ok = false;
    const int number = QInputDialog::getInt(&m_window, tr("Move to"),
                                            tr("Number for the first of the %1 selected channels:")
                                                .arg(static_cast<int>(selected.size())),
                                            selected.front() + 1, 1, rows.itemCount(), 1, &ok);
    if (ok) {
        runOnActive([number](CKanalyxView& v) { v.OnMoveTo(number); });
    }
}

void ListCommands::OnSpaceInList()
{
    const ListCtrl& rows = m_panes.activeView().GetListCtrl();
    const int focused = rows.focusedItem();
    if (rows.selectedCount() == 0 || focused < 0) {
        return;
    }
    // Like a click on the focused row's box, for every selected row.
    const bool ticked = rows.itemState(focused, lvis::kStateImageMask) == lvis::kImageTicked;
    runOnActive([ticked](CKanalyxView& v) { v.SetCheckBoxes(!ticked); });
}

void ListCommands::OnRenameFocused()
{
    ChannelListWidget* widget = m_panes.activeList();
    const int focused = widget->list().focusedItem();
    const int name = m_panes.activeView().ColumnOf(ColumnId::Name);
    if (focused >= 0 && name >= 0) {
        widget->BeginCellEdit(focused, name);
    }
}

void ListCommands::fillSortMenu()
{
    QMenu* menu = m_actions.sortMenu();
    menu->clear();
    const CKanalyxView& active = m_panes.activeView();
    const ListCtrl& rows = active.GetListCtrl();
    for (int column = 0; column < rows.columnCount(); ++column) {
        if (!active.columns().at(static_cast<std::size_t>(column)).sortable) {
            continue;
        }
        QAction* sort = menu->addAction(tr("By %1").arg(coreText(rows.column(column).headerId)));
        sort->setEnabled(rows.itemCount() > 1);
        connect(sort, &QAction::triggered, this,
                [this, column] { runOnActive([column](CKanalyxView& v) { v.OnSort(column); }); });
    }
}

void ListCommands::OnCellDoubleClicked(ListKind list, int row, int column, Qt::MouseButton button)
{
    run([=, this] {
        CKanalyxView& target = m_views.view(list);
        if (button == Qt::LeftButton) {
            if (target.OnLButtonDblClk(row, column) == DoubleClickResult::OpenNameEditor) {
                if (const std::optional<CellEditRequest> edit = target.BeginCellEdit(row, column)) {
                    m_panes.listWidget(list)->BeginCellEdit(edit->row, edit->column);
                }
            }
        } else if (button == Qt::RightButton &&
                   target.OnRButtonDblClk(row, column) == DoubleClickResult::OpenChannelDialog) {
            OnChannelProperties(list, row);
        }
    });
}

void ListCommands::OnCellEditEnded(ListKind list, int row, int column, const QString& text,
                                   bool cancelled)
{
    const std::string name = text.toStdString();
    if (!cancelled) {
        const std::string missing = UnstorableCharacters(name, m_codec);
        if (!missing.empty()) {
            // Nothing is lost: the editor opens again on what was typed.
            QMessageBox::warning(
                &m_window, coreText(ids::kAppTitle),
                tr("The character table %1 cannot store these characters: %2\nChoose another "
                   "character table on the bar, or change the name.")
                    .arg(translatedCoreText(CharacterTableText(m_codec.characterTable)),
                         QString::fromStdString(missing)));
            if (CCellEdit* editor = m_panes.listWidget(list)->BeginCellEdit(row, column)) {
                editor->setText(text);
            }
            return;
        }
    }
    try {
        m_views.view(list).OnEndLabelEdit(row, column,
                                          cancelled ? std::nullopt : std::optional(name));
    } catch (const std::exception& error) {
        ShowError(&m_window, tr("The channel could not be renamed."), error);
    }
    emit commandRan();
}

void ListCommands::OnChannelProperties(ListKind list, int row)
{
    // The dialog edits records of bytes, which GlobalClone files do not have.
    if (!m_dialogs.channel || !m_views.document().HasRawRecords()) {
        return;
    }
    const SatelliteLayout* satellite = m_views.document().GetSatelliteLayout();
    if (IsSatelliteList(list) && satellite == nullptr) {
        return;
    }
    const RecordLayout* layout =
        IsSatelliteList(list) ? satellite->record : m_views.document().Layout();
    if (layout == nullptr) {
        return;
    }
    const std::span<const std::uint8_t> bytes = m_views.document().Channel(list, row).raw();
    std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
    if (m_dialogs.channel(&m_window, copy, *layout, m_codec)) {
        m_views.document().SetChannelBytes(list, row, copy);
    }
}

} // namespace kx
