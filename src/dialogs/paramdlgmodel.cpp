#include "dialogs/paramdlgmodel.h"

#include "document/descriptionline.h"

namespace kx {
namespace {

std::string_view dropLeadingBlanks(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

int typeItemFor(std::string_view field)
{
    const int type = parseDecimal(field);
    return type >= 0 && type < static_cast<int>(ParamDlgModel::kTypeItems.size())
               ? type
               : ParamDlgModel::kNoType;
}

} // namespace

ParamDlgModel::ParamDlgModel(std::string_view line, int variant) : m_nVariant(variant)
{
    const DescriptionLine fields(line);
    m_strName = dropLeadingBlanks(fields.name());
    // A line without any ';' keeps its text in the address, so that OK does not lose it.
    m_strAddress = dropLeadingBlanks(fields.separatorCount() == 0 ? line : fields.field(1));
    if (fields.separatorCount() < 3) {
        return; // name;address or name;address;length: no type
    }
    m_typeIndex = typeItemFor(dropLeadingBlanks(fields.field(3)));
    if (fields.separatorCount() == 3) {
        return; // the type is the last field: no values follow
    }
    m_valuesEnabled = parseDecimal(fields.field(3)) == 1;
    for (std::size_t index = 4; fields.hasField(index); ++index) {
        const std::string_view item = dropLeadingBlanks(fields.field(index));
        // The empty text after a final ';' ends the list; it is not an item.
        if (!fields.hasField(index + 1) && item.empty()) {
            break;
        }
        m_values.emplace_back(item);
    }
}

void ParamDlgModel::selectType(int index)
{
    m_typeIndex = index >= 0 && index < static_cast<int>(kTypeItems.size()) ? index : kNoType;
    m_valuesEnabled = m_typeIndex == 1;
}

bool ParamDlgModel::addValue(std::string text)
{
    if (text.empty() || !m_valuesEnabled) {
        return false;
    }
    m_values.push_back(std::move(text));
    return true;
}

void ParamDlgModel::deleteValue(int index)
{
    if (index >= 0 && index < static_cast<int>(m_values.size())) {
        m_values.erase(m_values.begin() + index);
    }
}

std::string ParamDlgModel::line() const
{
    std::string out = m_strName + ";" + m_strAddress;
    switch (m_typeIndex) {
    case 1:
        out += ";1;1;";
        for (const std::string& value : m_values) {
            out += value;
            out += ';';
        }
        break;
    case 2:
        // Codes are two letters in the 164-byte receivers' blocks, three in all later ones.
        out += m_nVariant >= 2 ? ";3;2" : ";2;2";
        break;
    case 3:
        out += ";3;3";
        break;
    case 4:
        out += ";1;4";
        break;
    default: // type 0 drops the former length field; no type adds nothing
        break;
    }
    return out;
}

} // namespace kx
