#include "views/kanalyxview.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "model/channelrec.h"
#include "model/namecontrolcodes.h"
#include "platform/strings.h"

namespace kx {

namespace {

// A rename keeps at most this many characters: the original kept 37 bytes of single-byte text,
// which with the prefix byte and the terminator fills the 40-byte name field.
constexpr std::size_t kMaxNameCharacters = 37;
// Columns narrower than this get no in-place editor.
constexpr int kMinEditableWidth = 5;
constexpr int kNameColumn = 1;
constexpr int kCharacterColumn = 2;
// Short names are narrow: a few letters of the name.
constexpr int kShortNameWidth = 80;

// The first maxCharacters characters of UTF-8 text, never splitting one.
std::string firstCharacters(const std::string& text, std::size_t maxCharacters)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) {
            if (characters == maxCharacters) {
                return text.substr(0, i);
            }
            ++characters;
        }
    }
    return text;
}

// The check-box picture index of a state: 0 none or unticked, 1 ticked.
int checkImage(unsigned state)
{
    return std::max(static_cast<int>((state & lvis::kStateImageMask) >> 12) - 1, 0);
}

} // namespace

CKanalyxView::CKanalyxView(CKanalyxDoc& doc, ListKind kind, const std::vector<ListColumn>& columns)
    : m_doc(doc), m_kind(kind), m_list(doc.list(kind))
{
    if (m_list.columnCount() == 0) {
        for (const ListColumn& column : columns) {
            m_list.insertColumn(m_list.columnCount(), column);
        }
        m_list.insertColumn(kShortNameColumn, {ids::kColumnShortName, kShortNameWidth});
    }
    m_list.addObserver(this);
    m_doc.addObserver(this);
}

CKanalyxView::~CKanalyxView()
{
    m_doc.removeObserver(this);
    m_list.removeObserver(this);
}

void CKanalyxView::UpdateCountPane()
{}

std::string CKanalyxView::CountPaneText() const
{
    return {};
}

void CKanalyxView::notifyCountPane(int pane, const std::string& text)
{
    m_observers.forEach([&](ViewObserver& o) { o.countPaneChanged(pane, text); });
}

void CKanalyxView::RenumberRows()
{
    ListCtrl::UpdateGuard update(m_list);
    for (int row = 0; row < m_list.itemCount(); ++row) {
        CChannelRec* rec = m_list.itemData(row);
        if (rec != nullptr) {
            rec->SetNumber(row + 1);
            FillRow(row, rec);
        }
    }
}

void CKanalyxView::FillRow(int /*row*/, CChannelRec* /*rec*/)
{}

void CKanalyxView::fillCommonCells(int row, const CChannelRec& rec)
{
    m_list.setItemText(row, 0, std::to_string(rec.GetNumber()));
    fillNameCells(row, rec);
    m_list.setItemText(row, kCharacterColumn, rec.GetCharacterText());
}

void CKanalyxView::fillNameCells(int row, const CChannelRec& rec)
{
    DisplayName shown = DisplayNameOf(rec);
    m_list.setItemText(row, kNameColumn, std::move(shown.name));
    m_list.setItemText(row, kShortNameColumn, std::move(shown.shortName));
}

void CKanalyxView::fillDigitalCells(int row, const CChannelRec& rec)
{
    m_list.setItemText(row, 3, rec.GetFrequencyText());
    m_list.setItemText(row, 4, rec.GetSymbolRateText());
    m_list.setItemText(row, 5, rec.GetModulationText());
}

void CKanalyxView::fillCheckBox(int row, const CChannelRec& rec)
{
    m_list.setItemState(row, rec.IsUnchecked() ? lvis::kImageUnticked : lvis::kImageTicked,
                        lvis::kStateImageMask);
}

void CKanalyxView::OnInitialUpdate()
{
    OnUpdate();
    // Filling the check boxes has set the flag for every ticked row.
    m_doc.SetModifiedFlag(false);
    dropUndoHistory();
}

void CKanalyxView::OnUpdate()
{
    {
        ListCtrl::UpdateGuard update(m_list);
        for (int row = 0; row < m_list.itemCount(); ++row) {
            if (CChannelRec* rec = m_list.itemData(row)) {
                FillRow(row, rec);
            }
        }
    }
    UpdateCountPane();
}

void CKanalyxView::OnMoveUp()
{
    if (m_list.selectedCount() == 0 || m_list.itemState(0, lvis::kSelected) != 0) {
        return;
    }
    {
        ListCtrl::UpdateGuard update(m_list);
        for (int row = 1; row < m_list.itemCount(); ++row) {
            if (m_list.itemState(row, lvis::kSelected) != 0) {
                m_list.swapItemData(row, row - 1);
                m_list.swapItemStates(row, row - 1, lvis::kSelectedFocused);
                m_list.ensureVisible(row - 1);
            }
        }
    }
    m_doc.SetModifiedFlag();
    RenumberRows();
}

void CKanalyxView::OnMoveDown()
{
    const int last = m_list.itemCount() - 1;
    if (m_list.selectedCount() == 0 || m_list.itemState(last, lvis::kSelected) != 0) {
        return;
    }
    {
        ListCtrl::UpdateGuard update(m_list);
        for (int row = last - 1; row >= 0; --row) {
            if (m_list.itemState(row, lvis::kSelected) != 0) {
                m_list.swapItemData(row, row + 1);
                m_list.swapItemStates(row, row + 1, lvis::kSelectedFocused);
                m_list.ensureVisible(row + 1);
            }
        }
    }
    RenumberRows();
    m_doc.SetModifiedFlag();
}

void CKanalyxView::OnDuplicate()
{
    if (m_list.selectedCount() == 0) {
        return;
    }
    {
        ListCtrl::UpdateGuard update(m_list);
        // Each copy goes right below its row; all copies are inserted in one pass.
        std::vector<int> places;
        std::vector<std::unique_ptr<CChannelRec>> copies;
        for (int row = 0; row < m_list.itemCount(); ++row) {
            const CChannelRec* rec = m_list.itemData(row);
            if (m_list.itemState(row, lvis::kSelected) == 0 || rec == nullptr) {
                continue;
            }
            if (auto copy = rec->Clone()) {
                places.push_back(row + 1 + static_cast<int>(copies.size()));
                copies.push_back(std::move(copy));
            }
        }
        m_list.insertItemsAt(places, std::move(copies));
        // Every copy selected; the focus ends on the last copy.
        for (const int row : places) {
            m_list.setItemState(row, lvis::kSelected, lvis::kSelected);
            FillRow(row, m_list.itemData(row));
        }
        if (!places.empty()) {
            m_list.setItemState(places.back(), lvis::kFocused, lvis::kFocused);
        }
    }
    RenumberRows();
    UpdateCountPane();
    m_doc.SetModifiedFlag();
}

void CKanalyxView::OnDeleteRows()
{
    if (m_list.selectedCount() == 0) {
        return;
    }
    // The records of the previous deletion, or the rename, can no longer be undone.
    dropUndoHistory();
    m_nUndoKind = UndoKind::Delete;
    m_undoDeleted = m_list.takeSelectedItems();
    RenumberRows();
    UpdateCountPane();
    m_bCanUndo = true;
    m_doc.SetModifiedFlag();
}

void CKanalyxView::OnEditUndo()
{
    if (!m_bCanUndo) {
        return;
    }
    ListCtrl::UpdateGuard update(m_list);
    m_list.setAllItemStates(0, lvis::kSelectedFocused);
    if (m_nUndoKind == UndoKind::Rename && m_undoRenamed != nullptr) {
        m_undoRenamed->SetName(m_strUndoName);
        for (int row = m_list.findItem(m_undoRenamed); row >= 0;
             row = m_list.findItem(m_undoRenamed, row + 1)) {
            selectAndFocus(row);
            m_list.ensureVisible(row);
        }
        m_undoRenamed = nullptr;
        m_strUndoName.clear();
        m_nUndoKind = UndoKind::None;
    } else if (m_nUndoKind == UndoKind::Delete) {
        // Every record goes in at the same index, below the rows that remained, so they come
        // back in reverse order: the lowest before the deletion is now the uppermost.
        const int first = m_list.itemCount();
        std::vector<std::unique_ptr<CChannelRec>> records = std::move(m_undoDeleted);
        m_undoDeleted.clear();
        std::reverse(records.begin(), records.end());
        std::vector<int> places(records.size());
        for (std::size_t k = 0; k < places.size(); ++k) {
            places[k] = first + static_cast<int>(k);
        }
        m_list.insertItemsAt(places, std::move(records));
        // All of them selected; the focus ends on the last one put in, the uppermost.
        for (const int row : places) {
            m_list.setItemState(row, lvis::kSelected, lvis::kSelected);
        }
        m_nUndoKind = UndoKind::None;
        if (!places.empty()) {
            m_list.setItemState(first, lvis::kFocused, lvis::kFocused);
            m_list.ensureVisible(first);
        }
    }
    // Every row is filled by the renumbering that follows.
    RenumberRows();
    UpdateCountPane();
    m_bCanUndo = false;
}

void CKanalyxView::OnEndLabelEdit(int row, int column, const std::optional<std::string>& text)
{
    if (!text.has_value()) {
        return;
    }
    if (row < 0 || row >= m_list.itemCount() || column < 0 || column >= m_list.columnCount()) {
        return;
    }
    CChannelRec* rec = m_list.itemData(row);
    if (rec == nullptr) {
        return;
    }
    dropUndoHistory();
    m_nUndoKind = UndoKind::Rename;
    m_undoRenamed = rec;
    m_strUndoName = rec->GetName();
    m_bCanUndo = true;

    rec->SetName(firstCharacters(*text, kMaxNameCharacters));
    fillNameCells(row, *rec);
    m_list.setItemText(row, kCharacterColumn, rec->GetCharacterText());
    m_doc.SetModifiedFlag();
}

void CKanalyxView::OnItemChanged(int row, unsigned oldState, unsigned newState)
{
    if (oldState == 0 && newState == 0) {
        return;
    }
    const int oldImage = checkImage(oldState);
    const int newImage = checkImage(newState);
    if (oldImage == newImage) {
        return;
    }
    if (CChannelRec* rec = m_list.itemData(row)) {
        rec->SetChecked(newImage != 0);
    }
    m_doc.SetModifiedFlag();
}

void CKanalyxView::OnDeleteItem(int /*row*/, const CChannelRec* rec)
{
    // The list destroys the record itself. A rename held for Undo must never reach a record
    // that is gone (a load or an import replaces every row).
    if (rec != nullptr && m_nUndoKind == UndoKind::Rename && rec == m_undoRenamed) {
        m_undoRenamed = nullptr;
        m_strUndoName.clear();
        m_nUndoKind = UndoKind::None;
        m_bCanUndo = false;
    }
}

RowColour CKanalyxView::OnCustomDraw(int row) const
{
    return m_list.itemState(row, lvis::kStateImageMask) == lvis::kImageUnticked ? RowColour::Blue
                                                                                : RowColour::Black;
}

void CKanalyxView::SetCheckBox(int row, bool ticked)
{
    m_list.setItemState(row, ticked ? lvis::kImageTicked : lvis::kImageUnticked,
                        lvis::kStateImageMask);
}

DoubleClickResult CKanalyxView::OnLButtonDblClk(int row, int column)
{
    if (row < 0 || row >= m_list.itemCount() || column < 0) {
        return DoubleClickResult::Nothing;
    }
    if (m_list.itemState(row, lvis::kFocused) != 0 && column >= 1) {
        return column == kNameColumn && BeginCellEdit(row, column).has_value()
                   ? DoubleClickResult::OpenNameEditor
                   : DoubleClickResult::Nothing;
    }
    selectAndFocus(row);
    return DoubleClickResult::Selected;
}

DoubleClickResult CKanalyxView::OnRButtonDblClk(int row, int column)
{
    if (row < 0 || row >= m_list.itemCount() || column < 0) {
        return DoubleClickResult::Nothing;
    }
    if (m_list.itemState(row, lvis::kFocused) != 0 && column >= 1) {
        CChannelRec* rec = m_list.itemData(row);
        if (rec != nullptr && rec->Edit()) {
            m_doc.SetModifiedFlag();
            return DoubleClickResult::ChannelConfirmed;
        }
        return DoubleClickResult::Nothing;
    }
    selectAndFocus(row);
    return DoubleClickResult::Selected;
}

std::optional<CellEditRequest> CKanalyxView::BeginCellEdit(int row, int column) const
{
    if (row < 0 || row >= m_list.itemCount() || column < 0 || column >= m_list.columnCount() ||
        m_list.column(column).width < kMinEditableWidth) {
        return std::nullopt;
    }
    return CellEditRequest{row, column, m_list.itemText(row, column), m_list.column(column).align};
}

void CKanalyxView::itemStateChanged(int row, unsigned oldState, unsigned newState)
{
    OnItemChanged(row, oldState, newState);
}

void CKanalyxView::itemDeleting(int row, const CChannelRec* record)
{
    OnDeleteItem(row, record);
}

void CKanalyxView::dropUndoHistory()
{
    m_undoDeleted.clear();
    m_undoRenamed = nullptr;
    m_strUndoName.clear();
    m_nUndoKind = UndoKind::None;
    m_bCanUndo = false;
}

void CKanalyxView::selectAndFocus(int row)
{
    m_list.setItemState(row, lvis::kSelectedFocused, lvis::kSelectedFocused);
}

} // namespace kx
