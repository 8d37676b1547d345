#include "app/porperylang.h"

#include "gui/coretext.h"
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kx {

namespace {

// The model's English labels and the "Auto"/"PCM" items are translated in this context.
constexpr const char* kTextContext = "CountryPage";

QString pageText(const char* english)
{
    return QCoreApplication::translate(kTextContext, english);
}

} // namespace

CPorperyLang::CPorperyLang(std::span<std::uint8_t> settings, int variant, QWidget* parent)
    : PropertyPage(parent), m_model(settings, variant)
{
    setObjectName(QStringLiteral("CPorperyLang"));
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (std::size_t i = 0; i < CountryPageModel::kListCount; ++i) {
        const CountryPageModel::List& shown = m_model.lists().at(i);
        auto* list = new QComboBox(this);
        list->setObjectName(
            QString::fromUtf8(shown.key.data(), static_cast<int>(shown.key.size())));
        list->setMaxVisibleItems(16);
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        auto* label = new QLabel(pageText(shown.label), this);
        label->setBuddy(list);
        form->addRow(label, list);
        m_lists.at(i) = list;
        m_labels.at(i) = label;

        const auto setting = shown.setting;
        connect(list, &QComboBox::activated, this, [this, setting](int index) {
            m_model.choose(setting, index);
            // A choice made with the keyboard, without opening the list, counts as well.
            SetModified(true);
        });
        // The drop-down is a window of its own; it hides whenever the list closes up.
        list->view()->window()->installEventFilter(this);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
}

QString CPorperyLang::caption() const
{
    return tr("Country");
}

QComboBox* CPorperyLang::list(CountrySetting setting) const
{
    return m_lists.at(static_cast<std::size_t>(setting));
}

QLabel* CPorperyLang::label(CountrySetting setting) const
{
    return m_labels.at(static_cast<std::size_t>(setting));
}

void CPorperyLang::OnInitDialog()
{
    m_model.OnInitDialog();
    fillLists();
}

void CPorperyLang::fillLists()
{
    for (std::size_t i = 0; i < CountryPageModel::kListCount; ++i) {
        const CountryPageModel::List& shown = m_model.lists().at(i);
        QComboBox* list = m_lists.at(i);
        const QSignalBlocker quiet(list);
        list->clear();
        for (const std::string& item : shown.items) {
            const QString text = translatedCoreText(item);
            // The country, language and menu names come translated; "Auto" and "PCM" do not.
            list->addItem(shown.setting == CountrySetting::DigitalAudioOut ? pageText(item.c_str())
                                                                           : text);
        }
        list->setCurrentIndex(shown.selected);
        // A list the file variant does not have stays visible but cannot be opened, and says why.
        const bool known = !shown.items.empty();
        list->setEnabled(known);
        m_labels.at(i)->setEnabled(known);
        list->setToolTip(known ? QString()
                               : tr("Where the receiver of this file keeps this setting is not "
                                    "known, so it cannot be changed here."));
    }
}

bool CPorperyLang::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide) {
        OnListClosed();
    }
    return PropertyPage::eventFilter(watched, event);
}

void CPorperyLang::OnListClosed()
{
    SetModified(true);
}

bool CPorperyLang::OnApply()
{
    m_model.OnApply();
    return true;
}

void CPorperyLang::OnSheetApplied()
{
    // Another page may have written the same bytes: show them as they now stand.
    m_model.OnInitDialog();
    fillLists();
}

} // namespace kx
