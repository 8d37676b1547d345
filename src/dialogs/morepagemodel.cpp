#include "dialogs/morepagemodel.h"

#include "dialogs/settingcodes.h"
#include "document/descriptionfile.h"
#include "platform/sidefiles.h"

namespace kx {

namespace {

// The bytes a value of kind occupies from its address.
std::size_t widthOf(SettingKind kind)
{
    switch (kind) {
    case SettingKind::Country:
        return 2;
    case SettingKind::Language:
        return 3;
    default:
        return 1;
    }
}

bool isUpperHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

// Two upper-case hexadecimal digits, blanks around them ignored.
std::optional<std::uint8_t> parseByteText(std::string_view text)
{
    text = trimBlanks(text);
    if (text.size() != 2 || !isUpperHex(text[0]) || !isUpperHex(text[1])) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(ParseHex(text));
}

std::string textAt(const std::vector<std::string>& texts, int index)
{
    return index < 0 ? std::string() : texts[static_cast<std::size_t>(index)];
}

} // namespace

MorePageModel::MorePageModel(std::span<std::uint8_t> settings, int variant)
    : m_settings(settings), m_nVariant(variant)
{}

void MorePageModel::OnInitDialog(const SideFiles& sideFiles)
{
    for (const std::string& line :
         DescriptionFile::read(sideFiles.toRead(DescriptionFile::fileName(m_nVariant)))) {
        AddSettingRow(line);
    }
}

void MorePageModel::AddSettingRow(std::string_view line)
{
    if (line.empty() || line.front() == '#') {
        return;
    }
    const DescriptionLine fields(line);
    m_rows.push_back(
        Row{std::string(line), std::string(fields.name()), std::string(fields.address()), {}});
    m_states.push_back(RowState{fields.kind(), fields.byteOffset(), {}});
    const std::size_t row = m_rows.size() - 1;
    m_states[row].stored = dataFromBlock(row);
    m_rows[row].data = m_states[row].stored;
}

std::optional<std::size_t> MorePageModel::findRow(std::string_view name) const
{
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].name == name) {
            return row;
        }
    }
    return std::nullopt;
}

bool MorePageModel::fitsInBlock(std::size_t row) const
{
    const RowState& state = m_states[row];
    const std::size_t width = widthOf(state.kind);
    return state.byteOffset < m_settings.size() && m_settings.size() - state.byteOffset >= width;
}

std::string MorePageModel::dataFromBlock(std::size_t row) const
{
    const RowState& state = m_states[row];
    if (!fitsInBlock(row)) {
        return {};
    }
    const std::uint8_t byte = m_settings[state.byteOffset];
    switch (state.kind) {
    case SettingKind::RawByte:
        return formatByte(byte);
    case SettingKind::NamedValues:
        for (const NamedValue& value : DescriptionLine(m_rows[row].line).namedValues()) {
            if (value.value == byte) {
                return value.label;
            }
        }
        return {};
    case SettingKind::Country:
        // Variant-2 receivers keep a country in three bytes this program does not interpret.
        if (m_nVariant != 1) {
            return {};
        }
        return textAt(countryNames(),
                      findExact(CountryCodes, *readCountryCode(m_settings, state.byteOffset)));
    case SettingKind::Language:
        return textAt(languageNames(),
                      findExact(LanguageCodes, *readLanguageCode(m_settings, state.byteOffset)));
    case SettingKind::MenuItem:
        // A byte past the eight menu items has no text of its own.
        return byte < ids::kMenuItemCount ? textAt(menuItemNames(), byte) : std::string();
    case SettingKind::NoValue:
        return {};
    }
    return {};
}

MorePageModel::Editor MorePageModel::editorFor(std::size_t row) const
{
    if (row >= m_rows.size() || !fitsInBlock(row)) {
        return Editor::None;
    }
    switch (m_states[row].kind) {
    case SettingKind::RawByte:
        return Editor::HexByte;
    case SettingKind::Country:
        return m_nVariant == 1 ? Editor::Choices : Editor::None;
    case SettingKind::NamedValues:
        return choices(row).empty() ? Editor::None : Editor::Choices;
    case SettingKind::Language:
    case SettingKind::MenuItem:
        return Editor::Choices;
    case SettingKind::NoValue:
        return Editor::None;
    }
    return Editor::None;
}

std::vector<std::string> MorePageModel::choices(std::size_t row) const
{
    return CellComboChoices(m_rows.at(row).line);
}

int MorePageModel::initialChoice(std::size_t row) const
{
    return findExact(choices(row), m_rows.at(row).data);
}

bool MorePageModel::OnEndLabelEdit(std::size_t row, std::string_view text)
{
    switch (editorFor(row)) {
    case Editor::None:
        return false;
    case Editor::HexByte: {
        const auto byte = parseByteText(text);
        if (!byte) {
            return false;
        }
        m_rows[row].data = formatByte(*byte);
        return true;
    }
    case Editor::Choices:
        if (text.empty() || findExact(choices(row), text) < 0) {
            return false;
        }
        m_rows[row].data = std::string(text);
        return true;
    }
    return false;
}

bool MorePageModel::writeRow(std::size_t row)
{
    const RowState& state = m_states[row];
    const std::string& data = m_rows[row].data;
    switch (state.kind) {
    case SettingKind::RawByte: {
        const auto byte = parseByteText(data);
        return byte && writeByte(m_settings, state.byteOffset, *byte);
    }
    case SettingKind::NamedValues:
        for (const NamedValue& value : DescriptionLine(m_rows[row].line).namedValues()) {
            if (value.label == data) {
                return writeByte(m_settings, state.byteOffset,
                                 static_cast<std::uint8_t>(value.value & 0xFF));
            }
        }
        return false;
    case SettingKind::Country: {
        const int index = findExact(countryNames(), data);
        return m_nVariant == 1 && index >= 0 &&
               writeCountryCode(m_settings, state.byteOffset,
                                CountryCodes[static_cast<std::size_t>(index)]);
    }
    case SettingKind::Language: {
        const int index = findExact(languageNames(), data);
        return index >= 0 && writeLanguageCode(m_settings, state.byteOffset,
                                               LanguageCodes[static_cast<std::size_t>(index)]);
    }
    case SettingKind::MenuItem: {
        const int index = findExact(menuItemNames(), data);
        return index >= 0 &&
               writeByte(m_settings, state.byteOffset, static_cast<std::uint8_t>(index));
    }
    case SettingKind::NoValue:
        return false;
    }
    return false;
}

void MorePageModel::OnApply()
{
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (!m_rows[row].data.empty() && m_rows[row].data != m_states[row].stored) {
            writeRow(row);
        }
    }
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        m_states[row].stored = dataFromBlock(row);
        m_rows[row].data = m_states[row].stored;
    }
}

void MorePageModel::refresh()
{
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        const bool edited = m_rows[row].data != m_states[row].stored;
        m_states[row].stored = dataFromBlock(row);
        if (!edited) {
            m_rows[row].data = m_states[row].stored;
        }
    }
}

std::vector<std::string> MorePageModel::CellComboChoices(std::string_view line)
{
    const DescriptionLine fields(line);
    switch (fields.kind()) {
    case SettingKind::NamedValues: {
        std::vector<std::string> labels;
        for (NamedValue& value : fields.namedValues()) {
            labels.push_back(std::move(value.label));
        }
        return labels;
    }
    case SettingKind::Country:
        return countryNames();
    case SettingKind::Language:
        return languageNames();
    case SettingKind::MenuItem:
        return menuItemNames();
    default:
        return {};
    }
}

} // namespace kx
