#include "model/namecontrolcodes.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

#include "model/channelrecv1.h"
#include "model/channelrecv2.h"
#include "model/charactertable.h"
#include "platform/archive.h"
#include "support/fakerecord.h"
#include "support/realdata.h"
#include "support/realrecords.h"

namespace kx {
namespace {

using namespace std::string_literals;
constexpr auto kSingle = UnprefixedCoding::SingleByte;
constexpr auto kUtf8 = UnprefixedCoding::Utf8;

// A stored name written with '<' for emphasis on (0x86), '>' for off (0x87), '|' for a line
// break (0x8A) and '~' for another control code (0x9F); in UTF-8 text each is its two bytes.
std::array<std::uint8_t, 40> stored(const std::string& text, bool utf8)
{
    std::string bytes;
    for (const char c : text) {
        const auto code = c == '<' ? 0x86 : c == '>' ? 0x87 : c == '|' ? 0x8A : c == '~' ? 0x9F : 0;
        if (code != 0 && utf8) {
            bytes += '\xC2';
        }
        bytes += code != 0 ? static_cast<char>(code) : c;
    }
    std::array<std::uint8_t, 40> field{};
    std::copy(bytes.begin(), bytes.end(), field.begin());
    return field;
}

// The bytes of a rewritten field up to its first zero after the prefix byte.
std::string textOf(const NameBytes& name)
{
    const auto* begin = reinterpret_cast<const char*>(name.field.data());
    return name.field[0] == 0 ? std::string()
                              : std::string(begin, std::find(begin + 1, begin + 40, '\0'));
}

struct SplitCase
{
    const char* label;
    std::string stored;
    UnprefixedCoding coding;
    std::string full;
    std::string shortName;
};

class SplitControlCodesCase : public ::testing::TestWithParam<SplitCase>
{};

TEST_P(SplitControlCodesCase, LeavesOutTheCodesAndCollectsTheShortName)
{
    const SplitCase& c = GetParam();
    const bool utf8 = c.coding == kUtf8 || c.stored.front() == '\x15';
    const NameWithoutControlCodes split = SplitControlCodes(stored(c.stored, utf8), 40, c.coding);
    EXPECT_EQ(textOf(split.full), c.full);
    EXPECT_EQ(textOf(split.shortName), c.shortName);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SplitControlCodesCase,
    ::testing::Values(
        SplitCase{"unprefixed", "<RTL> Television", kSingle, "RTL Television", "RTL"},
        SplitCase{"tablePrefix", "\x0b<RTL> TV", kSingle, "\x0bRTL TV", "\x0bRTL"},
        SplitCase{"threeBytePrefix", "\x10\x01\x02<X>Y", kSingle, "\x10\x01\x02XY",
                  "\x10\x01\x02X"},
        SplitCase{"blankBetweenParts", "Sky <Sport> <News>", kSingle, "Sky Sport News",
                  "Sport News"},
        SplitCase{"blankInsideAPart", "<D>AS< VIERTE>", kSingle, "DAS VIERTE", "D VIERTE"},
        SplitCase{"wordsCutShort", "<Bayerisch>es <FS> <S>üd", kSingle, "Bayerisches FS Süd",
                  "Bayerisch FS S"},
        SplitCase{"noBlankBetweenParts", "<AB>cd<EF>", kSingle, "ABcdEF", "ABEF"},
        SplitCase{"emphasisToTheEnd", "News <Extra", kSingle, "News Extra", "Extra"},
        SplitCase{"onlyBlanksEmphasised", "A< >B", kSingle, "A B", ""},
        SplitCase{"otherCodesDroppedLineBreakBlank", "~one|two>", kSingle, "one two", ""},
        SplitCase{"bytesAfterTheEndUnread", "AB\0<C>"s, kSingle, "AB", ""},
        // "Первый" in UTF-8 (D0 9F D0 B5 ...) holds bytes 0x80 to 0x9F inside its letters.
        SplitCase{"utf8Letters", "\x15Первый", kSingle, "\x15Первый", ""},
        SplitCase{"utf8Codes", "\x15<Первый> канал", kSingle, "\x15Первый канал", "\x15Первый"},
        SplitCase{"unprefixedUtf8", "<Эфир> 1", kUtf8, "Эфир 1", "Эфир"},
        SplitCase{
            "twoByteCodingUntouched",
            "\x11\0<\0A"s,
            kSingle,
            "\x11",
            "",
        }),
    [](const auto& info) { return std::string(info.param.label); });

TEST(SplitControlCodes, LengthShrinksByTheCodesWithinIt)
{
    // The length 5 ends the name after "C": two codes lie within it, so it still ends there.
    const NameWithoutControlCodes cut = SplitControlCodes(stored("<AB>CD", false), 5, kSingle);
    EXPECT_EQ(textOf(cut.full), "ABCD");
    EXPECT_EQ(cut.full.length, 3);
    EXPECT_EQ(cut.shortName.length, 2);
    EXPECT_EQ(SplitControlCodes(stored("<AB", false), 90, kSingle).full.length, 39);
}

CodecSettings table(int row)
{
    CodecSettings codec;
    codec.characterTable = row;
    codec.systemCodePage = 1252;
    return codec;
}

TEST(DisplayNameOf, UnicodeTableReadsUnprefixedNamesAsUtf8)
{
    CChannelRecV1 rec;
    const auto name = stored("<Эфир> 1", true);
    std::copy(name.begin(), name.end(), rec.raw().begin() + 28);
    rec.raw()[68] = 14;
    EXPECT_EQ(DisplayNameOf(rec, table(kTableUnicode)).name, "Эфир 1");
    EXPECT_EQ(DisplayNameOf(rec, table(kTableUnicode)).shortName, "Эфир");
}

// A GlobalClone channel's name is UTF-8 text, its marks the code points U+0086 and so on.
TEST(DisplayNameOf, RecordWithoutLayout_LeavesOutTheCodePointsAndCollectsTheShortName)
{
    const struct
    {
        const char* text;
        const char* name;
        const char* shortName;
    } cases[] = {
        {"Sky <Sport> <News> <HD>", "Sky Sport News HD", "Sport News HD"},
        {"<RTL> Television", "RTL Television", "RTL"},
        {"Plus<Kino>", "PlusKino", "Kino"},
        {"Two|lines~ and no mark", "Two lines and no mark", ""},
        {"Плюс <Кино>", "Плюс Кино", "Кино"},
    };
    for (const auto& c : cases) {
        std::string text;
        for (const char ch : std::string(c.text)) {
            const char* code = ch == '<'   ? "\xC2\x86"
                               : ch == '>' ? "\xC2\x87"
                               : ch == '|' ? "\xC2\x8A"
                               : ch == '~' ? "\xC2\x9F"
                                           : nullptr;
            text += code != nullptr ? std::string(code) : std::string(1, ch);
        }
        test::FakeRec rec(1);
        rec.SetName(text, CodecSettings{});
        const DisplayName shown = DisplayNameOf(rec, CodecSettings{});
        EXPECT_EQ(shown.name, c.name) << c.text;
        EXPECT_EQ(shown.shortName, c.shortName) << c.text;
    }
}

// Names of real files with emphasis marks (and one in UTF-8) against the names another tool shows
// for them, read with the table "None", under which the codec reads the marks as daggers.
class DisplayNameRealFile : public ::testing::TestWithParam<const char*>
{};

TEST_P(DisplayNameRealFile, NamesMatchTheReferenceList)
{
    KX_REQUIRE_REALDATA();
    const std::string stem = GetParam();
    const test::RealRecords raw = test::readRealRecords(test::realDataFile(stem + ".TLL.in"));
    std::vector<std::string> ours;
    for (const auto* list : {&raw.analog, &raw.digital}) {
        for (const std::string& bytes : *list) {
            std::unique_ptr<CChannelRec> rec = raw.variant == 1
                                                   ? std::unique_ptr<CChannelRec>(new CChannelRecV1)
                                                   : std::make_unique<CChannelRecV2>();
            Archive ar(bytes, stem);
            rec->ReadFromArchive(ar);
            ours.push_back(DisplayNameOf(*rec, table(kTableNone)).name);
        }
    }
    std::vector<std::string> reference;
    for (const auto& channel : test::readReferenceList(test::referenceListFile(stem))) {
        reference.push_back(channel.name);
    }
    std::sort(ours.begin(), ours.end());
    std::sort(reference.begin(), reference.end());
    EXPECT_EQ(ours, reference);
}

INSTANTIATE_TEST_SUITE_P(Files, DisplayNameRealFile,
                         ::testing::Values("xx2350D-PZM00001", "xxLD750-ZA00001", "xxLK450-ZB00001",
                                           "xxLW4500-ZB00001", "xxLX9500-ZA00001",
                                           "xxLH5000-ZB00002"));

} // namespace
} // namespace kx
