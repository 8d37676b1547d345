#include "document/globalcloneitem.h"

#include <unordered_map>

#include "document/globalclonetext.h"

namespace kx {

namespace {

constexpr std::array<std::string_view, kGlobalCloneFieldCount> kFieldNames = {
    "prNum",         "minorNum",        "original_network_id",
    "transport_id",  "network_id",      "service_id",
    "physicalNum",   "sourceIndex",     "serviceType",
    "frequency",     "pllData",         "mapType",
    "mapAttr",       "favoriteIdxA",    "favoriteIdxB",
    "favoriteIdxC",  "favoriteIdxD",    "favoriteIdxE",
    "favoriteIdxF",  "favoriteIdxG",    "favoriteIdxH",
    "isInvisable",   "isBlocked",       "isSkipped",
    "isDeleted",     "isDisabled",      "isScrambled",
    "isNumUnSel",    "hexVchName",      "notConvertedLengthOfVchName",
    "vchName",       "lengthOfVchName", "usSatelliteHandle",
    "isUserSelCHNo",
};

std::size_t indexOf(GlobalCloneField field)
{
    return static_cast<std::size_t>(field);
}

} // namespace

std::string_view globalCloneFieldName(GlobalCloneField field)
{
    return kFieldNames.at(indexOf(field));
}

std::optional<GlobalCloneField> globalCloneFieldByName(std::string_view name)
{
    static const std::unordered_map<std::string_view, GlobalCloneField> byName = [] {
        std::unordered_map<std::string_view, GlobalCloneField> map;
        for (std::size_t i = 0; i < kFieldNames.size(); ++i) {
            map.emplace(kFieldNames[i], static_cast<GlobalCloneField>(i));
        }
        return map;
    }();
    const auto found = byName.find(name);
    if (found == byName.end()) {
        return std::nullopt;
    }
    return found->second;
}

void GlobalCloneItemState::rename(std::string nameBytes, std::string_view displayText)
{
    if (hexVchName) {
        if (notConvertedLengthOfVchName) {
            notConvertedLengthOfVchName = static_cast<std::int64_t>(nameBytes.size());
        }
        hexVchName = std::move(nameBytes);
    }
    vchName = globalclone::plainNameCopy(displayText);
    if (lengthOfVchName) {
        lengthOfVchName = static_cast<std::int64_t>(vchName->size());
    }
}

bool GlobalCloneItem::has(GlobalCloneField field) const
{
    return m_elementOf[indexOf(field)] >= 0;
}

const GlobalCloneElement* GlobalCloneItem::element(GlobalCloneField field) const
{
    const std::int32_t index = m_elementOf[indexOf(field)];
    return index < 0 ? nullptr : &m_elements[static_cast<std::size_t>(index)];
}

std::optional<std::int64_t> GlobalCloneItem::number(GlobalCloneField field) const
{
    if (!m_isNumber[indexOf(field)]) {
        return std::nullopt;
    }
    return m_values[indexOf(field)];
}

std::string GlobalCloneItem::nameBytes() const
{
    if (m_hexName) {
        return *m_hexName;
    }
    if (m_vchName) {
        return globalclone::legacyNameBytes(*m_vchName);
    }
    return {};
}

GlobalCloneItemState GlobalCloneItem::state() const
{
    using F = GlobalCloneField;
    GlobalCloneItemState state;
    state.prNum = number(F::PrNum);
    state.isUserSelCHNo = number(F::IsUserSelChNo);
    state.isBlocked = number(F::IsBlocked);
    state.isSkipped = number(F::IsSkipped);
    state.isInvisable = number(F::IsInvisable);
    state.isDeleted = number(F::IsDeleted);
    state.isDisabled = number(F::IsDisabled);
    state.mapType = number(F::MapType);
    for (std::size_t i = 0; i < state.favoriteIdx.size(); ++i) {
        state.favoriteIdx[i] = number(static_cast<F>(indexOf(F::FavoriteIdxA) + i));
    }
    state.hexVchName = m_hexName;
    state.vchName = m_vchName;
    state.notConvertedLengthOfVchName = number(F::NotConvertedLengthOfVchName);
    state.lengthOfVchName = number(F::LengthOfVchName);
    return state;
}

} // namespace kx
