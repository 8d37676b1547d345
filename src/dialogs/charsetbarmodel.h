#pragma once

#include "platform/profile.h"

namespace kx {

// The state and rules of the character-set bar: which row of the character-table list is chosen
// and the "Prefix" and "Unicode" switches with their enabling. Every change is written to the
// profile (section "LANG") at once; the bar's controls mirror this state and the profile is the
// only copy that outlives the run.
class CharsetBarModel
{
public:
    static constexpr int kNoSelection = -1;
    static constexpr int kRowCount = 13;

    explicit CharsetBarModel(Profile& profile) : m_profile(profile) {}

    // Reads "CHARACTER", "UNICODE" and "KEY" (each 0 when absent). A stored row outside 0 to 12
    // leaves no row chosen, which the rules treat like "None".
    void InitCharacterSetBar();

    // The user picked row (0 to 12; anything else counts as no selection): stores it, clears both
    // switches and stores them as 0.
    void OnCharacterSetChange(int row);
    // The user set "Prefix" to checked: stores "KEY", clears "Unicode" and stores it as 0.
    void OnPrefixClicked(bool checked);
    // The user set "Unicode" to checked: stores "UNICODE".
    void OnUnicodeClicked(bool checked);
    // Shows row (2 to 12) with "Prefix" checked for the open file without storing it: the
    // profile keeps the user's own choice until the user changes the bar, which then stores the
    // row shown as well.
    void showFileTable(int row);
    // Whether the bar shows a file's table rather than the stored choice.
    bool followsFile() const { return m_followsFile; }

    int selection() const { return m_selection; }
    bool prefixChecked() const { return m_prefixChecked; }
    bool unicodeChecked() const { return m_unicodeChecked; }
    bool prefixEnabled() const;
    bool unicodeEnabled() const;

private:
    // A change of the switches while the bar follows a file makes what it shows the choice.
    void storeFileTable();
    // The rows below 2 ("None", "User") have no table byte to prefix.
    bool rowHasPrefix() const { return m_selection >= 2; }

    Profile& m_profile;
    int m_selection = kNoSelection;
    bool m_prefixChecked = false;
    bool m_unicodeChecked = false;
    bool m_followsFile = false;
};

} // namespace kx
