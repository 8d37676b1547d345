#include "model/namecontrolcodes.h"

#include <algorithm>

#include "model/charactertable.h"
#include "model/layoutchannelrec.h"

namespace kx {

namespace {

constexpr std::uint8_t kFirstControl = 0x80;
constexpr std::uint8_t kLastControl = 0x9F;
constexpr std::uint8_t kEmphasisOn = 0x86;
constexpr std::uint8_t kEmphasisOff = 0x87;
constexpr std::uint8_t kLineBreak = 0x8A;
constexpr std::uint8_t kBlank = 0x20;
// The lead byte of the UTF-8 forms of U+0080 to U+00BF.
constexpr std::uint8_t kUtf8ControlLead = 0xC2;
// Prefix bytes: below 0x10 one byte names a single-byte table; 0x10 is followed by two bytes
// that name one; 0x11 to 0x1F name two-byte codings, of which UTF-8 (0x15) is read here.
constexpr std::uint8_t kThreeBytePrefix = 0x10;
constexpr std::uint8_t kFirstPrefix = 0x01;
constexpr std::uint8_t kLastPrefix = 0x1F;

bool isControl(std::uint8_t byte)
{
    return byte >= kFirstControl && byte <= kLastControl;
}

// Collects the bytes of one rewritten field.
class FieldWriter
{
public:
    explicit FieldWriter(NameBytes& out) : m_out(out) {}
    void put(std::uint8_t byte) { m_out.field[m_size++] = byte; }
    std::size_t size() const { return m_size; }
    std::uint8_t last() const { return m_out.field[m_size - 1]; }
    void dropLast() { m_out.field[--m_size] = 0; }

private:
    NameBytes& m_out;
    std::size_t m_size = 0;
};

// A name that is UTF-8 text already (of a record without a byte layout) as a list shows it:
// the code points U+0080 to U+009F left out (U+008A, a line break, as a blank), and the parts
// between emphasis on and off as its short name, as SplitControlCodes makes them of stored bytes.
DisplayName splitUtf8ControlCodes(const std::string& name)
{
    DisplayName out;
    out.name.reserve(name.size());
    bool emphasis = false;
    bool partStarts = false;
    bool blankBetweenParts = false;
    const auto putText = [&](char c) {
        out.name += c;
        if (!emphasis) {
            blankBetweenParts = blankBetweenParts || c == ' ';
            return;
        }
        if (partStarts && !out.shortName.empty() && blankBetweenParts &&
            out.shortName.back() != ' ' && c != ' ') {
            out.shortName += ' ';
        }
        partStarts = false;
        if (c != ' ' || !out.shortName.empty()) {
            out.shortName += c;
        }
    };
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(name[i]);
        if (byte != kUtf8ControlLead || i + 1 >= name.size() ||
            !isControl(static_cast<std::uint8_t>(name[i + 1]))) {
            putText(name[i]);
            continue;
        }
        const auto code = static_cast<std::uint8_t>(name[++i]);
        if (code == kEmphasisOn && !emphasis) {
            emphasis = true;
            partStarts = true;
        } else if (code == kEmphasisOff && emphasis) {
            emphasis = false;
            blankBetweenParts = false;
        } else if (code == kLineBreak) {
            putText(' ');
        }
    }
    while (!out.shortName.empty() && out.shortName.back() == ' ') {
        out.shortName.pop_back();
    }
    return out;
}

} // namespace

NameWithoutControlCodes SplitControlCodes(ConstNameField field, int storedLength,
                                          UnprefixedCoding unprefixed)
{
    NameWithoutControlCodes out;
    const auto length = static_cast<std::size_t>(std::clamp(storedLength, 0, int{kNameFieldSize}));
    const std::uint8_t first = field[0];
    const bool prefixed = first >= kFirstPrefix && first <= kLastPrefix;
    const bool utf8 = prefixed ? first == kUnicodePrefix : unprefixed == UnprefixedCoding::Utf8;
    if (prefixed && first > kThreeBytePrefix && !utf8) {
        std::copy(field.begin(), field.end(), out.full.field.begin());
        out.full.length = static_cast<int>(length);
        return out;
    }
    const std::size_t prefixSize = !prefixed ? 0 : first == kThreeBytePrefix ? 3 : 1;
    const auto zero = std::find(field.begin() + static_cast<std::ptrdiff_t>(prefixSize),
                                field.end(), std::uint8_t{0});
    const auto end = static_cast<std::size_t>(zero - field.begin());

    FieldWriter full(out.full);
    FieldWriter shortName(out.shortName);
    for (std::size_t i = 0; i < prefixSize; ++i) {
        full.put(field[i]);
        shortName.put(field[i]);
    }
    std::size_t removedWithinLength = 0;
    bool emphasis = false;
    bool partStarts = false;
    bool blankBetweenParts = false;
    const auto putText = [&](std::uint8_t byte) {
        full.put(byte);
        if (!emphasis) {
            blankBetweenParts = blankBetweenParts || byte == kBlank;
            return;
        }
        if (partStarts && shortName.size() > prefixSize && blankBetweenParts &&
            shortName.last() != kBlank && byte != kBlank) {
            shortName.put(kBlank);
        }
        partStarts = false;
        // Blanks that open the short name are left out.
        if (byte != kBlank || shortName.size() > prefixSize) {
            shortName.put(byte);
        }
    };
    for (std::size_t i = prefixSize; i < end;) {
        std::size_t codeSize = 0;
        if (!utf8 && isControl(field[i])) {
            codeSize = 1;
        } else if (utf8 && field[i] == kUtf8ControlLead && i + 1 < end && isControl(field[i + 1])) {
            codeSize = 2;
        }
        if (codeSize == 0) {
            putText(field[i]);
            ++i;
            continue;
        }
        const std::uint8_t code = field[i + codeSize - 1];
        std::size_t removed = codeSize;
        if (code == kEmphasisOn && !emphasis) {
            emphasis = true;
            partStarts = true;
        } else if (code == kEmphasisOff && emphasis) {
            emphasis = false;
            blankBetweenParts = false;
        } else if (code == kLineBreak) {
            putText(kBlank);
            --removed;
        }
        // The length shrinks by the bytes left out within it.
        removedWithinLength += std::min(removed, length > i ? length - i : 0);
        i += codeSize;
    }
    out.full.length = static_cast<int>(length - std::min(removedWithinLength, length));
    while (shortName.size() > prefixSize && shortName.last() == kBlank) {
        shortName.dropLast();
    }
    if (shortName.size() == prefixSize) {
        out.shortName = NameBytes{};
    } else {
        out.shortName.length = static_cast<int>(shortName.size());
    }
    return out;
}

DisplayName DisplayNameOf(const CChannelRec& rec, const CodecSettings& codec)
{
    const auto* layoutRec = dynamic_cast<const LayoutChannelRec*>(&rec);
    if (layoutRec == nullptr) {
        return splitUtf8ControlCodes(rec.GetName(codec));
    }
    const RecordLayout& layout = layoutRec->layout();
    const auto bytes = rec.raw();
    const NameWithoutControlCodes split = SplitControlCodes(
        ConstNameField(bytes.data() + layout.nameField, kNameFieldSize), bytes[layout.nameLength],
        codec.characterTable == kTableUnicode ? UnprefixedCoding::Utf8
                                              : UnprefixedCoding::SingleByte);
    return {Decode(split.full.field, split.full.length, codec),
            Decode(split.shortName.field, split.shortName.length, codec)};
}

} // namespace kx
