#include "document/globalclonefile.h"

#include <algorithm>
#include <array>

#include "document/globalclonereader.h"
#include "document/globalclonetext.h"
#include "platform/error.h"

namespace kx {

namespace {

using F = GlobalCloneField;

// The fields a state holds, in the order missing ones are inserted.
constexpr std::array<F, 20> kEditableFields = {
    F::PrNum,
    F::MapType,
    F::FavoriteIdxA,
    F::FavoriteIdxB,
    F::FavoriteIdxC,
    F::FavoriteIdxD,
    F::FavoriteIdxE,
    F::FavoriteIdxF,
    F::FavoriteIdxG,
    F::FavoriteIdxH,
    F::IsInvisable,
    F::IsBlocked,
    F::IsSkipped,
    F::IsDeleted,
    F::IsDisabled,
    F::HexVchName,
    F::NotConvertedLengthOfVchName,
    F::VchName,
    F::LengthOfVchName,
    F::IsUserSelChNo,
};

// The state's number for a field, or null for the two text fields.
const std::optional<std::int64_t>* numberOf(const GlobalCloneItemState& state, F field)
{
    switch (field) {
    case F::PrNum:
        return &state.prNum;
    case F::MapType:
        return &state.mapType;
    case F::IsInvisable:
        return &state.isInvisable;
    case F::IsBlocked:
        return &state.isBlocked;
    case F::IsSkipped:
        return &state.isSkipped;
    case F::IsDeleted:
        return &state.isDeleted;
    case F::IsDisabled:
        return &state.isDisabled;
    case F::NotConvertedLengthOfVchName:
        return &state.notConvertedLengthOfVchName;
    case F::LengthOfVchName:
        return &state.lengthOfVchName;
    case F::IsUserSelChNo:
        return &state.isUserSelCHNo;
    case F::HexVchName:
    case F::VchName:
        return nullptr;
    default:
        return &state.favoriteIdx.at(static_cast<std::size_t>(field) -
                                     static_cast<std::size_t>(F::FavoriteIdxA));
    }
}

bool isBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}

} // namespace

bool GlobalCloneFile::looksLikeXml(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    return bytes.starts_with("<?xml");
}

GlobalCloneFile GlobalCloneFile::read(std::string bytes, const std::string& fileName)
{
    GlobalCloneFile file;
    file.m_bytes = std::move(bytes);
    GlobalCloneReader(file, fileName).read();
    return file;
}

std::string_view GlobalCloneFile::elementName(const GlobalCloneElement& element) const
{
    return std::string_view(m_bytes).substr(element.nameOffset, element.nameLength);
}

std::string_view GlobalCloneFile::elementText(const GlobalCloneElement& element) const
{
    return std::string_view(m_bytes).substr(element.textOffset, element.textLength);
}

std::string GlobalCloneSatellite::position() const
{
    if (!angle) {
        return {};
    }
    std::string text = std::to_string(*angle);
    if (anglePrecision) {
        text += '.' + std::to_string(*anglePrecision);
    }
    if (eastWest) {
        text += *eastWest == 0 ? 'W' : 'E';
    }
    return text;
}

std::string GlobalCloneSatellite::label() const
{
    return name.empty() ? position() : name;
}

const GlobalCloneSatellite* GlobalCloneFile::satellite(std::int64_t handle) const
{
    const auto found = std::lower_bound(m_satellites.begin(), m_satellites.end(), handle,
                                        [](const GlobalCloneSatellite& satellite,
                                           std::int64_t index) { return satellite.index < index; });
    return found != m_satellites.end() && found->index == handle ? &*found : nullptr;
}

const GlobalCloneSatellite* GlobalCloneFile::satelliteOf(const GlobalCloneItem& item) const
{
    const auto handle = item.number(F::UsSatelliteHandle);
    if (!handle ||
        item.number(F::SourceIndex) != static_cast<std::int64_t>(GlobalCloneSource::Satellite)) {
        return nullptr;
    }
    return satellite(*handle);
}

std::optional<char> GlobalCloneFile::polarisationOf(const GlobalCloneItem& item) const
{
    const auto handle = item.number(F::UsSatelliteHandle);
    const auto transponder = item.number(F::PhysicalNum);
    const auto frequency = item.number(F::Frequency);
    if (!handle || !transponder ||
        item.number(F::SourceIndex) != static_cast<std::int64_t>(GlobalCloneSource::Satellite)) {
        return std::nullopt;
    }
    for (const GlobalCloneTransponder& record : m_transponders) {
        if (record.satelliteHandle == *handle && record.transponderId == *transponder &&
            record.frequency == frequency) {
            if (record.polarisation == 0) {
                return 'V';
            }
            if (record.polarisation == 1) {
                return 'H';
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::vector<GlobalCloneItemState> GlobalCloneFile::states() const
{
    std::vector<GlobalCloneItemState> states;
    states.reserve(m_items.size());
    for (const GlobalCloneItem& item : m_items) {
        states.push_back(item.state());
    }
    return states;
}

std::vector<GlobalClonePatch>
GlobalCloneFile::patches(std::span<const GlobalCloneItemState> states) const
{
    if (states.size() != m_items.size()) {
        throw Error(ErrorCode::Internal, "GlobalClone write: " + std::to_string(states.size()) +
                                             " states for " + std::to_string(m_items.size()) +
                                             " items");
    }
    std::vector<GlobalClonePatch> patches;
    for (std::size_t row = 0; row < m_items.size(); ++row) {
        const GlobalCloneItem& item = m_items[row];
        const GlobalCloneItemState& wanted = states[row];
        const GlobalCloneItemState loaded = item.state();
        if (wanted == loaded) {
            continue;
        }
        std::string inserted;
        for (const F field : kEditableFields) {
            const std::optional<std::int64_t>* newNumber = numberOf(wanted, field);
            const std::optional<std::int64_t>* oldNumber = numberOf(loaded, field);
            std::string text;
            bool trimmed = true;
            if (newNumber != nullptr) {
                if (!*newNumber || *newNumber == *oldNumber) {
                    continue;
                }
                text = std::to_string(**newNumber);
            } else {
                const bool hex = field == F::HexVchName;
                const std::optional<std::string>& newText =
                    hex ? wanted.hexVchName : wanted.vchName;
                if (!newText || newText == (hex ? loaded.hexVchName : loaded.vchName)) {
                    continue;
                }
                if (hex) {
                    text = globalclone::encodeHex(*newText, m_upperCaseHex);
                } else {
                    text = globalclone::escapeXmlText(*newText);
                    trimmed = false; // the blanks of a name are its own
                }
            }
            const std::string_view name = globalCloneFieldName(field);
            if (!item.has(field)) {
                inserted += item.insertSeparator();
                inserted += '<';
                inserted += name;
                inserted += '>';
                inserted += text;
                inserted += "</";
                inserted += name;
                inserted += '>';
                continue;
            }
            for (const GlobalCloneElement& element : item.elements()) {
                if (elementName(element) != name) {
                    continue;
                }
                if (element.selfClosing) {
                    patches.push_back(
                        {element.textOffset, 2, '>' + text + "</" + std::string(name) + '>'});
                    continue;
                }
                std::uint32_t begin = element.textOffset;
                std::uint32_t end = element.textOffset + element.textLength;
                while (trimmed && begin < end && isBlank(m_bytes[begin])) {
                    ++begin;
                }
                while (trimmed && end > begin && isBlank(m_bytes[end - 1])) {
                    --end;
                }
                patches.push_back({begin, end - begin, text});
            }
        }
        if (!inserted.empty()) {
            if (item.selfClosing()) {
                throw Error(ErrorCode::Unsupported,
                            "channel " + std::to_string(row + 1) +
                                " is an empty <ITEM/>, which has no place for a new field");
            }
            patches.push_back({item.insertOffset(), 0, std::move(inserted)});
        }
    }
    std::stable_sort(
        patches.begin(), patches.end(),
        [](const GlobalClonePatch& a, const GlobalClonePatch& b) { return a.offset < b.offset; });
    return patches;
}

std::string GlobalCloneFile::write(std::span<const GlobalCloneItemState> states) const
{
    const std::vector<GlobalClonePatch> changes = patches(states);
    std::size_t size = m_bytes.size();
    for (const GlobalClonePatch& patch : changes) {
        size = size - patch.length + patch.text.size();
    }
    std::string out;
    out.reserve(size);
    std::size_t at = 0;
    for (const GlobalClonePatch& patch : changes) {
        out.append(m_bytes, at, patch.offset - at);
        out += patch.text;
        at = patch.offset + patch.length;
    }
    out.append(m_bytes, at, std::string::npos);
    return out;
}

} // namespace kx
