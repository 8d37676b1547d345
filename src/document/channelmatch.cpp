#include "document/channelmatch.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/utf8.h"

namespace kx {

namespace {

// What identity matching compares; absent ids are -1.
struct IdentityKey
{
    SignalSource source = SignalSource::Unknown;
    long frequency = -1;
    int onid = -1;
    int tsid = -1;
    int sid = -1;
    std::string_view satellite;
    // Set only while occurrences of one identity pair by likeness first (see run()).
    std::string_view name;
    long tuning = -1;
    int channel = -1;
    int number = -1;

    bool operator==(const IdentityKey&) const = default;
};

struct IdentityKeyHash
{
    std::size_t operator()(const IdentityKey& key) const noexcept
    {
        std::size_t hash = std::hash<std::string_view>()(key.satellite) * 31U ^
                           std::hash<std::string_view>()(key.name);
        for (const long part :
             {static_cast<long>(key.source), key.frequency, static_cast<long>(key.onid),
              static_cast<long>(key.tsid), static_cast<long>(key.sid)}) {
            hash = hash * 1000003U ^ std::hash<long>()(part);
        }
        return hash;
    }
};

std::optional<IdentityKey> identityKey(const ChannelIdentity& id)
{
    IdentityKey key;
    key.source = id.source;
    if (id.analog) {
        if (!id.frequency) {
            return std::nullopt;
        }
        key.frequency = *id.frequency;
        return key;
    }
    if (!id.sid) {
        return std::nullopt;
    }
    key.sid = *id.sid;
    key.tsid = id.tsid.value_or(-1);
    key.onid = id.onid.value_or(-1);
    if (id.source == SignalSource::DvbS) {
        key.satellite = id.satellite;
    }
    return key;
}

bool isIgnoredInNames(char32_t c)
{
    return c == U' ' || c == U'\t' || c == 0xA0 || c < 0x20 || (c >= 0x7F && c <= 0x9F) ||
           (c >= 0x2000 && c <= 0x200B) || c == 0x3000;
}

// The name with case, blanks and control characters taken out.
std::string looseName(std::string_view name)
{
    std::string loose;
    loose.reserve(name.size());
    const bool ascii = std::all_of(name.begin(), name.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        for (char c : name) {
            if (!isIgnoredInNames(static_cast<unsigned char>(c))) {
                loose += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            }
        }
        return loose;
    }
    for (const char32_t c : utf8::foldCase(name)) {
        if (!isIgnoredInNames(c)) {
            utf8::appendCodePoint(loose, c);
        }
    }
    return loose;
}

// The channels of one kind on one side, in list order, then row order.
struct Pool
{
    std::vector<ChannelRef> refs;
    std::vector<std::string> looseNames;
};

class Matcher
{
public:
    Matcher(std::span<const ChannelList> first, std::span<const ChannelList> second)
        : m_lists{first, second}
    {
        for (int side = 0; side < 2; ++side) {
            auto& table = side == 0 ? m_result.first : m_result.second;
            table.resize(m_lists[side].size());
            for (std::size_t list = 0; list < m_lists[side].size(); ++list) {
                const std::vector<ListChannel>& channels = m_lists[side][list].channels;
                table[list].resize(channels.size());
                for (std::size_t index = 0; index < channels.size(); ++index) {
                    const auto kind = static_cast<std::size_t>(KindOf(channels[index].id));
                    m_pools[side][kind].refs.push_back(
                        {static_cast<int>(list), static_cast<int>(index)});
                }
            }
        }
        for (std::size_t kind = 0; kind < kChannelKindCount; ++kind) {
            m_result.secondHasKind[kind] = !m_pools[1][kind].refs.empty();
        }
    }

    ChannelMatch run()
    {
        for (std::size_t kind = 0; kind < kChannelKindCount; ++kind) {
            if (m_pools[0][kind].refs.empty() || m_pools[1][kind].refs.empty()) {
                continue;
            }
            matchSingleIdentities(kind);
            // A service held twice (under two names, from two transmitters or under two
            // numbers, as receivers' own lists hold some) pairs with the occurrence most like
            // it first: same name, place of reception and number; same name and place; same
            // name; then in order.
            for (const Likeness likeness : {Likeness::NamePlaceNumber, Likeness::NamePlace,
                                            Likeness::Name, Likeness::IdentityOnly}) {
                matchRepeatedIdentities(likeness);
            }
            matchNames(kind, false);
            matchNames(kind, true);
        }
        return std::move(m_result);
    }

private:
    const ListChannel& channel(int side, ChannelRef ref) const
    {
        return m_lists[side][static_cast<std::size_t>(ref.list)]
            .channels[static_cast<std::size_t>(ref.index)];
    }
    ChannelMatch::Entry& entry(int side, ChannelRef ref)
    {
        auto& table = side == 0 ? m_result.first : m_result.second;
        return table[static_cast<std::size_t>(ref.list)][static_cast<std::size_t>(ref.index)];
    }
    void pair(ChannelRef a, ChannelRef b, MatchKind how)
    {
        entry(0, a) = {how, b};
        entry(1, b) = {how, a};
    }

    // Pairs the identities that occur once on each side, and gathers (in order) the channels
    // whose identity occurs on both sides and more than once on one of them.
    void matchSingleIdentities(std::size_t kind)
    {
        struct Group
        {
            std::array<int, 2> count{};
            std::array<ChannelRef, 2> ref;
        };
        std::unordered_map<IdentityKey, Group, IdentityKeyHash> groups;
        groups.reserve(m_pools[0][kind].refs.size() + m_pools[1][kind].refs.size());
        std::array<std::vector<Group*>, 2> groupOf;
        for (int side = 0; side < 2; ++side) {
            for (const ChannelRef ref : m_pools[side][kind].refs) {
                Group* group = nullptr;
                if (const std::optional<IdentityKey> key = identityKey(channel(side, ref).id)) {
                    group = &groups[*key];
                    ++group->count[side];
                    group->ref[side] = ref;
                }
                groupOf[side].push_back(group);
            }
        }
        for (int side = 0; side < 2; ++side) {
            m_repeated[side].clear();
            const std::vector<ChannelRef>& refs = m_pools[side][kind].refs;
            for (std::size_t i = 0; i < refs.size(); ++i) {
                const Group* group = groupOf[side][i];
                if (group == nullptr || group->count[0] == 0 || group->count[1] == 0) {
                    continue;
                }
                if (group->count[0] > 1 || group->count[1] > 1) {
                    m_repeated[side].push_back(refs[i]);
                } else if (side == 0) {
                    pair(group->ref[0], group->ref[1], MatchKind::Identity);
                }
            }
        }
    }

    enum class Likeness
    {
        NamePlaceNumber,
        NamePlace,
        Name,
        IdentityOnly,
    };

    // Pairs the repeated identities left whose channels are alike as likeness asks.
    void matchRepeatedIdentities(Likeness likeness)
    {
        if (m_repeated[0].empty()) {
            return;
        }
        // The occurrences of each identity on the second side, and how many have paired.
        struct Occurrences
        {
            std::vector<ChannelRef> refs;
            std::size_t used = 0;
        };
        std::unordered_map<IdentityKey, Occurrences, IdentityKeyHash> bySecond;
        bySecond.reserve(m_repeated[1].size());
        const auto keyOf = [this, likeness](int side, ChannelRef ref) {
            const ListChannel& listed = channel(side, ref);
            std::optional<IdentityKey> key;
            if (entry(side, ref).how == MatchKind::None) {
                key = identityKey(listed.id);
            }
            if (key && likeness != Likeness::IdentityOnly) {
                key->name = listed.name;
            }
            if (key && (likeness == Likeness::NamePlaceNumber || likeness == Likeness::NamePlace)) {
                key->channel = listed.id.channel.value_or(-1);
                key->tuning = listed.id.analog ? -1 : listed.id.frequency.value_or(-1);
            }
            if (key && likeness == Likeness::NamePlaceNumber) {
                key->number = listed.number;
            }
            return key;
        };
        for (const ChannelRef ref : m_repeated[1]) {
            if (const std::optional<IdentityKey> key = keyOf(1, ref)) {
                bySecond[*key].refs.push_back(ref);
            }
        }
        for (const ChannelRef ref : m_repeated[0]) {
            const std::optional<IdentityKey> key = keyOf(0, ref);
            if (!key) {
                continue;
            }
            const auto found = bySecond.find(*key);
            if (found != bySecond.end() && found->second.used < found->second.refs.size()) {
                pair(ref, found->second.refs[found->second.used++], MatchKind::Identity);
            }
        }
    }

    // Pairs the channels left whose name (exact or loose) is unique on both sides.
    void matchNames(std::size_t kind, bool loose)
    {
        struct Occurrences
        {
            std::array<int, 2> count{};
            std::array<ChannelRef, 2> ref;
        };
        const auto unmatched = [this, kind](int side) {
            const std::vector<ChannelRef>& refs = m_pools[side][kind].refs;
            return std::any_of(refs.begin(), refs.end(), [this, side](ChannelRef ref) {
                return entry(side, ref).how == MatchKind::None;
            });
        };
        if (!unmatched(0) || !unmatched(1)) {
            return;
        }
        for (int side = 0; side < 2; ++side) {
            Pool& pool = m_pools[side][kind];
            if (loose && pool.looseNames.empty()) {
                pool.looseNames.reserve(pool.refs.size());
                for (const ChannelRef ref : pool.refs) {
                    pool.looseNames.push_back(looseName(channel(side, ref).name));
                }
            }
        }
        const auto nameAt = [this, kind, loose](int side, std::size_t i) -> std::string_view {
            const Pool& pool = m_pools[side][kind];
            return loose ? pool.looseNames[i] : channel(side, pool.refs[i]).name;
        };
        // The names of the channels left, then how often the paired channels hold them too.
        std::unordered_map<std::string_view, Occurrences> byName;
        for (const bool paired : {false, true}) {
            for (int side = 0; side < 2; ++side) {
                const std::vector<ChannelRef>& refs = m_pools[side][kind].refs;
                for (std::size_t i = 0; i < refs.size(); ++i) {
                    const std::string_view name = nameAt(side, i);
                    if (name.empty() || (entry(side, refs[i]).how != MatchKind::None) != paired) {
                        continue;
                    }
                    if (!paired) {
                        Occurrences& occurrences = byName[name];
                        ++occurrences.count[side];
                        occurrences.ref[side] = refs[i];
                    } else if (const auto found = byName.find(name); found != byName.end()) {
                        ++found->second.count[side];
                    }
                }
            }
        }
        for (const auto& [name, occurrences] : byName) {
            // A name held once on a side by a channel paired already names no channel left
            // there: its ref stays invalid.
            if (occurrences.count[0] == 1 && occurrences.count[1] == 1 &&
                occurrences.ref[0].valid() && occurrences.ref[1].valid() &&
                entry(0, occurrences.ref[0]).how == MatchKind::None &&
                entry(1, occurrences.ref[1]).how == MatchKind::None) {
                pair(occurrences.ref[0], occurrences.ref[1], MatchKind::Name);
            }
        }
    }

    std::array<std::span<const ChannelList>, 2> m_lists;
    std::array<std::array<Pool, kChannelKindCount>, 2> m_pools;
    // The channels of the kind being matched whose identity repeats, by side.
    std::array<std::vector<ChannelRef>, 2> m_repeated;
    ChannelMatch m_result;
};

} // namespace

ChannelMatch MatchChannels(std::span<const ChannelList> first, std::span<const ChannelList> second)
{
    return Matcher(first, second).run();
}

} // namespace kx
