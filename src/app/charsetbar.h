#pragma once

#include <QToolBar>

#include "dialogs/charsetbarmodel.h"

class QCheckBox;
class QComboBox;

namespace kx {

// The character-set bar: "Character set" (the 13 rows of the character-table list), "Prefix" and
// "Unicode". Shows a CharsetBarModel and forwards the user's clicks to it; the profile writes and
// enabling rules are the model's.
class CharsetBar : public QToolBar
{
    Q_OBJECT

public:
    CharsetBar(Profile& profile, QWidget* parent = nullptr);

    // Fills the combo box and sets every control from the profile.
    void InitCharacterSetBar();
    // Shows the table of the open file with "Prefix" checked, without storing it.
    void showFileCharacterTable(int row);
    // Shows the stored choice again after a file's table.
    void showStoredCharacterTable();

    const CharsetBarModel& model() const { return m_model; }
    QComboBox* characterSetCombo() const { return m_combo; }
    QCheckBox* prefixBox() const { return m_prefix; }
    QCheckBox* unicodeBox() const { return m_unicode; }

signals:
    // The chosen table changed: names must be decoded again.
    void characterSetChanged();
    // "Prefix" or "Unicode" changed: only the encoding of names typed from now on changes.
    void encodingSwitchChanged();

private:
    void OnCharacterSetChange(int row);
    void OnPrefixClicked(bool checked);
    void OnUnicodeClicked(bool checked);
    // Makes the controls show the model.
    void showModel();

    CharsetBarModel m_model;
    QComboBox* m_combo;
    QCheckBox* m_prefix;
    QCheckBox* m_unicode;
};

} // namespace kx
