#include "document/referencelist.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "platform/error.h"
#include "platform/file.h"
#include "platform/utf8.h"

namespace kx {

namespace {

constexpr int kMaxDvbId = 0xFFFF;
constexpr std::size_t kFieldCount = 7;

// A list code's source and TV or radio.
struct ListCode
{
    SignalSource source;
    bool radio;
};

std::optional<ListCode> parseListCode(std::string_view code)
{
    if (code.size() != 4 || code[3] != '0') {
        return std::nullopt;
    }
    const bool radio = code[2] == 'R';
    if (!radio && code[2] != 'T') {
        return std::nullopt;
    }
    if (code[0] == 'A' && !radio) {
        if (code[1] == 'A') {
            return ListCode{SignalSource::AnalogAntenna, false};
        }
        if (code[1] == 'C') {
            return ListCode{SignalSource::AnalogCable, false};
        }
    } else if (code[0] == 'D') {
        switch (code[1]) {
        case 'A':
            return ListCode{SignalSource::DvbT, radio};
        case 'C':
            return ListCode{SignalSource::DvbC, radio};
        case 'S':
            return ListCode{SignalSource::DvbS, radio};
        default:
            break;
        }
    }
    return std::nullopt;
}

// A decimal number of 1 to 9 digits, nothing else.
std::optional<int> parseDecimal(std::string_view text)
{
    if (text.empty() || text.size() > 9 || text[0] < '0' || text[0] > '9') {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (fault != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The fields of a UID between its dashes.
std::vector<std::string_view> splitDashes(std::string_view uid)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t dash = uid.find('-', start);
        parts.push_back(uid.substr(start, dash == std::string_view::npos ? dash : dash - start));
        if (dash == std::string_view::npos) {
            return parts;
        }
        start = dash + 1;
    }
}

// "19.2E" as tenths of a degree east, in canonical text.
std::optional<std::string> parseSatellite(std::string_view text)
{
    const std::size_t dot = text.find('.');
    if (dot == std::string_view::npos || text.size() != dot + 3) {
        return std::nullopt;
    }
    const std::optional<int> degrees = parseDecimal(text.substr(0, dot));
    const char tenth = text[dot + 1];
    const char side = text[dot + 2];
    if (!degrees || *degrees > 180 || tenth < '0' || tenth > '9' || (side != 'E' && side != 'W')) {
        return std::nullopt;
    }
    const int tenths = *degrees * 10 + (tenth - '0');
    return SatellitePositionText(side == 'W' ? -tenths : tenths);
}

bool isValidFlags(std::string_view flags)
{
    for (const char c : flags) {
        if ((c < '0' || c > '9') && (c < 'A' || c > 'Z')) {
            return false;
        }
    }
    return true;
}

bool isUtf8(std::string_view text)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char* const end = p + text.size();
    while (p != end) {
        char32_t c = 0;
        if (!utf8::nextCodePoint(p, end, c)) {
            return false;
        }
    }
    return true;
}

// Splits the text into records of fields, the way the format quotes them, and checks what the
// quoting alone decides; the caller checks the fields.
class RecordReader
{
public:
    RecordReader(std::string_view text, const std::string& sourceName)
        : m_text(text), m_sourceName(sourceName)
    {}

    bool atEnd() const noexcept { return m_position == m_text.size(); }
    int line() const noexcept { return m_recordLine; }

    // Reads the next record; only while !atEnd().
    const std::array<std::string, kFieldCount>& next()
    {
        m_recordLine = m_line;
        std::size_t count = 0;
        while (true) {
            if (count == kFieldCount) {
                fail("more than " + std::to_string(kFieldCount) + " fields");
            }
            std::string& field = m_fields[count++];
            field.clear();
            readField(field);
            if (atEnd()) {
                break;
            }
            const char c = m_text[m_position++];
            if (c == ',') {
                continue;
            }
            if (c == '\r' && (atEnd() || m_text[m_position] != '\n')) {
                fail("a carriage return without a line feed");
            }
            if (c == '\r') {
                ++m_position;
            }
            ++m_line;
            break;
        }
        if (count == 1 && m_fields[0].empty()) {
            fail("the line is empty");
        }
        if (count != kFieldCount) {
            fail(std::to_string(count) + " fields instead of " + std::to_string(kFieldCount));
        }
        return m_fields;
    }

    [[noreturn]] void fail(const std::string& what) const
    {
        throw Error(ErrorCode::Format,
                    m_sourceName + ", line " + std::to_string(m_recordLine) + ": " + what);
    }

private:
    // Reads one field up to (not past) the comma or line end that follows it.
    void readField(std::string& field)
    {
        if (atEnd() || m_text[m_position] != '"') {
            while (!atEnd()) {
                const char c = m_text[m_position];
                if (c == ',' || c == '\n' || c == '\r') {
                    return;
                }
                if (c == '"') {
                    fail("a quote inside a field that does not start with one");
                }
                field += c;
                ++m_position;
            }
            return;
        }
        ++m_position;
        while (true) {
            if (atEnd()) {
                fail("the quotes are not closed");
            }
            const char c = m_text[m_position++];
            if (c == '"') {
                if (atEnd() || m_text[m_position] != '"') {
                    break;
                }
                ++m_position;
            } else if (c == '\n') {
                ++m_line;
            }
            field += c;
        }
        if (!atEnd() && m_text[m_position] != ',' && m_text[m_position] != '\n' &&
            m_text[m_position] != '\r') {
            fail("text after the closing quote");
        }
    }

    std::string_view m_text;
    const std::string& m_sourceName;
    std::size_t m_position = 0;
    int m_line = 1;
    int m_recordLine = 1;
    std::array<std::string, kFieldCount> m_fields;
};

[[noreturn]] void failWrite(ErrorCode code, const ChannelList& list, const ListChannel& channel,
                            const std::string& what)
{
    throw Error(code, "channel " + std::to_string(channel.number) + " \"" + channel.name +
                          "\" of list " + list.name + ": " + what);
}

} // namespace

std::optional<ChannelIdentity> ParseReferenceUid(std::string_view uid, std::string_view listCode)
{
    const std::optional<ListCode> code = parseListCode(listCode);
    if (!code || uid.empty()) {
        return std::nullopt;
    }
    const std::vector<std::string_view> parts = splitDashes(uid);
    std::vector<int> numbers;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::optional<int> number = parseDecimal(parts[i]);
        if (!number) {
            return std::nullopt;
        }
        numbers.push_back(*number);
    }
    ChannelIdentity id;
    id.source = code->source;
    id.radio = code->radio;
    const bool analog =
        code->source == SignalSource::AnalogAntenna || code->source == SignalSource::AnalogCable;
    const auto setDvbIds = [&id, &numbers]() {
        for (int i = 0; i < 3; ++i) {
            if (numbers[i] > kMaxDvbId) {
                return false;
            }
        }
        id.onid = numbers[0];
        id.tsid = numbers[1];
        id.sid = numbers[2];
        return true;
    };
    if (parts[0] == "A") {
        // The fields around the frequency are 0 in every export known; anything else would be
        // lost on writing, so it is refused.
        if (!analog || numbers.size() != 3 || numbers[0] != 0 || numbers[2] != 0) {
            return std::nullopt;
        }
        id.analog = true;
        id.frequency = numbers[1];
        return id;
    }
    if (parts[0] == "C") {
        if (analog || code->source == SignalSource::DvbS || numbers.size() != 4 ||
            parts[4].size() < 2 || !setDvbIds()) {
            return std::nullopt;
        }
        id.channel = numbers[3];
        return id;
    }
    if (parts[0].starts_with('S')) {
        std::optional<std::string> satellite = parseSatellite(parts[0].substr(1));
        if (code->source != SignalSource::DvbS || !satellite || numbers.size() != 3 ||
            !setDvbIds()) {
            return std::nullopt;
        }
        id.satellite = std::move(*satellite);
        return id;
    }
    return std::nullopt;
}

std::optional<std::string> ReferenceListCode(const ChannelIdentity& id)
{
    const char kind = id.radio ? 'R' : 'T';
    switch (id.source) {
    case SignalSource::AnalogAntenna:
        return id.radio ? std::nullopt : std::optional<std::string>("AAT0");
    case SignalSource::AnalogCable:
        return id.radio ? std::nullopt : std::optional<std::string>("ACT0");
    case SignalSource::DvbT:
        return std::string{'D', 'A', kind, '0'};
    case SignalSource::DvbC:
        return std::string{'D', 'C', kind, '0'};
    case SignalSource::DvbS:
        return std::string{'D', 'S', kind, '0'};
    case SignalSource::Unknown:
        break;
    }
    return std::nullopt;
}

std::optional<std::string> ReferenceUid(const ChannelIdentity& id)
{
    if (id.analog) {
        if (!id.frequency || *id.frequency < 0) {
            return std::nullopt;
        }
        return "A-0-" + std::to_string(*id.frequency) + "-0";
    }
    if (!id.onid || !id.tsid || !id.sid) {
        return std::nullopt;
    }
    const std::string ids =
        std::to_string(*id.onid) + '-' + std::to_string(*id.tsid) + '-' + std::to_string(*id.sid);
    if (id.source == SignalSource::DvbS) {
        if (id.satellite.empty()) {
            return std::nullopt;
        }
        return 'S' + id.satellite + '-' + ids;
    }
    std::array<char, 16> channel{};
    std::snprintf(channel.data(), channel.size(), "%02d", id.channel.value_or(0));
    return "C-" + ids + '-' + channel.data();
}

std::vector<ChannelList> ReadReferenceList(std::string_view text, const std::string& sourceName)
{
    if (text.size() > kMaxReferenceListBytes) {
        throw Error(ErrorCode::Format, sourceName + ": " + std::to_string(text.size()) +
                                           " bytes, more than a reference list can hold (" +
                                           std::to_string(kMaxReferenceListBytes) + ")");
    }
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::vector<ChannelList> lists;
    RecordReader reader(text, sourceName);
    while (!reader.atEnd()) {
        const std::array<std::string, kFieldCount>& fields = reader.next();
        if (!fields[0].empty() || !fields[2].empty()) {
            reader.fail("the first and third fields must be empty");
        }
        const std::optional<int> number = parseDecimal(fields[1]);
        if (!number) {
            reader.fail("the programme number \"" + fields[1] + "\" is not a number");
        }
        const std::string& code = fields[5];
        if (!parseListCode(code)) {
            reader.fail("unknown list code \"" + code + "\"");
        }
        std::optional<ChannelIdentity> id = ParseReferenceUid(fields[3], code);
        if (!id) {
            reader.fail("the UID \"" + fields[3] + "\" is malformed or does not belong to list " +
                        code);
        }
        if (!isUtf8(fields[4])) {
            reader.fail("the name is not UTF-8");
        }
        if (!isValidFlags(fields[6])) {
            reader.fail("the flags \"" + fields[6] + "\" hold more than digits and letters");
        }
        if (lists.empty() || lists.back().name != code) {
            lists.push_back({code, {}});
        }
        std::vector<ListChannel>& channels = lists.back().channels;
        channels.push_back(
            {std::move(*id), *number, fields[4], fields[6], static_cast<int>(channels.size())});
    }
    return lists;
}

std::vector<ChannelList> ReadReferenceListFile(const std::filesystem::path& path)
{
    return ReadReferenceList(File::readAll(path), path.string());
}

std::string WriteReferenceList(std::span<const ChannelList> lists)
{
    std::string text;
    for (const ChannelList& list : lists) {
        for (const ListChannel& channel : list.channels) {
            const std::optional<std::string> code = ReferenceListCode(channel.id);
            const std::optional<std::string> uid = ReferenceUid(channel.id);
            if (!code || !uid) {
                failWrite(ErrorCode::Unsupported, list, channel,
                          "a reference list cannot name its source or its service");
            }
            if (channel.number < 0) {
                failWrite(ErrorCode::Internal, list, channel, "a negative programme number");
            }
            if (!isValidFlags(channel.flags) || !isUtf8(channel.name)) {
                failWrite(ErrorCode::Internal, list, channel, "flags or name not as written");
            }
            text += ',';
            text += std::to_string(channel.number);
            text += ",,";
            text += *uid;
            text += ",\"";
            for (const char c : channel.name) {
                text += c;
                if (c == '"') {
                    text += '"';
                }
            }
            text += "\",";
            text += *code;
            text += ',';
            text += channel.flags;
            text += '\n';
        }
    }
    return text;
}

void WriteReferenceListFile(const std::filesystem::path& path, std::span<const ChannelList> lists)
{
    const std::string text = WriteReferenceList(lists);
    File::writeAtomically(path, [&text](File& file) { file.write(text); });
}

} // namespace kx
