#include "app/charsetbar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "gui/coretext.h"
#include "model/charactertable.h"

namespace kx {

CharsetBar::CharsetBar(Profile& profile, QWidget* parent)
    : QToolBar(tr("Character set"), parent), m_model(profile), m_combo(new QComboBox(this)),
      m_prefix(new QCheckBox(tr("Prefix"), this)), m_unicode(new QCheckBox(tr("Unicode"), this))
{
    setObjectName(QStringLiteral("CharsetBar"));
    auto* label = new QLabel(tr("Character set"), this);
    label->setBuddy(m_combo);
    label->setContentsMargins(4, 0, 4, 0);
    m_combo->setObjectName(QStringLiteral("characterSet"));
    m_combo->setMaxVisibleItems(kCharacterTableCount);
    m_combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_prefix->setObjectName(QStringLiteral("prefix"));
    m_unicode->setObjectName(QStringLiteral("unicode"));
    m_prefix->setEnabled(false);
    m_unicode->setEnabled(false);

    addWidget(label);
    addWidget(m_combo);
    addSeparator();
    addWidget(m_prefix);
    addWidget(m_unicode);

    connect(m_combo, &QComboBox::activated, this, &CharsetBar::OnCharacterSetChange);
    connect(m_prefix, &QCheckBox::clicked, this, &CharsetBar::OnPrefixClicked);
    connect(m_unicode, &QCheckBox::clicked, this, &CharsetBar::OnUnicodeClicked);
}

void CharsetBar::InitCharacterSetBar()
{
    const QSignalBlocker blocker(m_combo);
    m_combo->clear();
    for (int row = 0; row < kCharacterTableCount; ++row) {
        m_combo->addItem(translatedCoreText(CharacterTableText(row)));
    }
    m_model.InitCharacterSetBar();
    showModel();
}

void CharsetBar::showFileCharacterTable(int row)
{
    m_model.showFileTable(row);
    showModel();
}

void CharsetBar::showStoredCharacterTable()
{
    m_model.InitCharacterSetBar();
    showModel();
}

void CharsetBar::OnCharacterSetChange(int row)
{
    m_model.OnCharacterSetChange(row);
    showModel();
    emit characterSetChanged();
}

void CharsetBar::OnPrefixClicked(bool checked)
{
    m_model.OnPrefixClicked(checked);
    showModel();
    emit encodingSwitchChanged();
}

void CharsetBar::OnUnicodeClicked(bool checked)
{
    m_model.OnUnicodeClicked(checked);
    showModel();
    emit encodingSwitchChanged();
}

void CharsetBar::showModel()
{
    const QSignalBlocker comboBlocker(m_combo);
    m_combo->setCurrentIndex(m_model.selection());
    m_prefix->setChecked(m_model.prefixChecked());
    m_unicode->setChecked(m_model.unicodeChecked());
    m_prefix->setEnabled(m_model.prefixEnabled());
    m_unicode->setEnabled(m_model.unicodeEnabled());
}

} // namespace kx
