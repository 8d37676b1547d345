#include "dialogs/datablockmodel.h"

#include <algorithm>
#include <limits>

#include "dialogs/settingscompare.h"
#include "document/descriptionfile.h"
#include "document/descriptionline.h"

namespace kx {
namespace {

int clampedToInt(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

} // namespace

DataBlockModel::DataBlockModel(std::vector<std::uint8_t> block, int variant,
                               std::string descriptionText, int systemCodePage)
    : m_block(std::move(block)), m_nVariant(variant), m_grid(systemCodePage),
      m_descriptionText(std::move(descriptionText)),
      m_openingEntries(DescriptionFile::parse(m_descriptionText)), m_entries(m_openingEntries)
{
    m_grid.SetData(m_block);
}

std::string DataBlockModel::readDescriptionText(const std::filesystem::path& folder, int variant)
{
    return DescriptionFile::readText(DescriptionFile::pathFor(folder, variant));
}

bool DataBlockModel::entriesChanged() const
{
    return m_entries != m_openingEntries;
}

void DataBlockModel::save(const std::filesystem::path& folder) const
{
    if (entriesChanged()) {
        DescriptionFile::write(DescriptionFile::pathFor(folder, m_nVariant), m_descriptionText,
                               m_entries);
    }
}

std::string DataBlockModel::entryName(std::size_t index) const
{
    return std::string(DescriptionLine(m_entries.at(index)).name());
}

MarkRange DataBlockModel::markForLine(std::string_view line)
{
    const DescriptionLine fields(line);
    if (fields.separatorCount() == 0 || line.front() == ';') {
        return {};
    }
    const std::int64_t address = ParseHex(fields.field(1));
    const std::int64_t length = fields.separatorCount() == 1 ? 1 : parseDecimal(fields.field(2));
    return {clampedToInt(address), clampedToInt(address + length - 1)};
}

void DataBlockModel::OnSelectEntry(std::size_t index)
{
    if (index < m_entries.size()) {
        const MarkRange mark = markForLine(m_entries[index]);
        m_grid.SetMark(mark.first, mark.last);
    }
}

std::optional<std::string> DataBlockModel::addLine(std::string_view name) const
{
    if (name.empty() || m_grid.GetSelStart() < 0 || m_grid.GetSelCount() < 1) {
        return std::nullopt;
    }
    return std::string(name) + ";" +
           formatAddress(static_cast<std::uint32_t>(m_grid.GetSelStart())) + ";" +
           std::to_string(m_grid.GetSelCount());
}

void DataBlockModel::addEntry(std::string line)
{
    m_entries.push_back(std::move(line));
}

std::size_t DataBlockModel::replaceEntry(std::size_t index, std::string line)
{
    if (index < m_entries.size()) {
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    }
    m_entries.push_back(std::move(line));
    return m_entries.size() - 1;
}

void DataBlockModel::OnDeleteEntry(std::size_t index)
{
    if (index < m_entries.size()) {
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    }
    m_grid.SetMark(-1, -1);
}

void DataBlockModel::startCompare()
{
    m_differences.clear();
    m_grid.SetMark(-1, -1);
}

bool DataBlockModel::compareWith(const std::filesystem::path& otherFile)
{
    m_differences.clear();
    auto result = SettingsCompare::compareWithFile(m_block, m_nVariant, otherFile);
    m_differences = std::move(result.lines);
    return result.sameVariant;
}

void DataBlockModel::OnSelectDifference(std::size_t index)
{
    if (index < m_differences.size()) {
        const int offset = clampedToInt(SettingsCompare::offsetOfLine(m_differences[index]));
        m_grid.SetMark(offset, offset);
    }
}

} // namespace kx
