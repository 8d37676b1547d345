#include "dialogs/charsetbarmodel.h"

namespace kx {

namespace {

constexpr const char* kSection = "LANG";
constexpr const char* kCharacter = "CHARACTER";
constexpr const char* kKey = "KEY";
constexpr const char* kUnicode = "UNICODE";

int validRow(int row)
{
    return row >= 0 && row < CharsetBarModel::kRowCount ? row : CharsetBarModel::kNoSelection;
}

} // namespace

void CharsetBarModel::InitCharacterSetBar()
{
    m_selection = validRow(m_profile.getInt(kSection, kCharacter, 0));
    m_unicodeChecked = m_profile.getInt(kSection, kUnicode, 0) != 0;
    m_prefixChecked = m_profile.getInt(kSection, kKey, 0) != 0;
    m_followsFile = false;
}

void CharsetBarModel::showFileTable(int row)
{
    m_selection = validRow(row);
    m_prefixChecked = true;
    m_unicodeChecked = false;
    m_followsFile = true;
}

void CharsetBarModel::OnCharacterSetChange(int row)
{
    m_followsFile = false;
    m_selection = validRow(row);
    m_profile.setInt(kSection, kCharacter, m_selection);
    m_prefixChecked = false;
    m_unicodeChecked = false;
    m_profile.setInt(kSection, kKey, 0);
    m_profile.setInt(kSection, kUnicode, 0);
}

void CharsetBarModel::OnPrefixClicked(bool checked)
{
    storeFileTable();
    m_prefixChecked = checked;
    m_profile.setInt(kSection, kKey, checked ? 1 : 0);
    m_unicodeChecked = false;
    m_profile.setInt(kSection, kUnicode, 0);
}

void CharsetBarModel::OnUnicodeClicked(bool checked)
{
    storeFileTable();
    m_unicodeChecked = checked;
    m_profile.setInt(kSection, kUnicode, checked ? 1 : 0);
}

void CharsetBarModel::storeFileTable()
{
    if (m_followsFile) {
        m_followsFile = false;
        m_profile.setInt(kSection, kCharacter, m_selection);
        m_profile.setInt(kSection, kKey, m_prefixChecked ? 1 : 0);
        m_profile.setInt(kSection, kUnicode, m_unicodeChecked ? 1 : 0);
    }
}

bool CharsetBarModel::prefixEnabled() const
{
    return rowHasPrefix();
}

bool CharsetBarModel::unicodeEnabled() const
{
    return !rowHasPrefix() || m_prefixChecked;
}

} // namespace kx
