#include "model/namecontrolcodes.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

#include "model/channelrecv1.h"
#include "model/channelrecv2.h"
#include "model/charactertable.h"
#include "platform/archive.h"
#include "support/realdata.h"
#include "support/realrecords.h"

namespace kx {
namespace {

using namespace std::string_literals;

std::array<std::uint8_t, 40> fieldOf(const std::string& bytes)
{
    std::array<std::uint8_t, 40> field{};
    std::copy(bytes.begin(), bytes.end(), field.begin());
    return field;
}

// The bytes of a rewritten field up to its first zero after the prefix byte.
std::string textOf(const NameBytes& name)
{
    const auto* begin = reinterpret_cast<const char*>(name.field.data());
    const auto* zero = std::find(begin + 1, begin + name.field.size(), '\0');
    return name.field[0] == 0 ? std::string() : std::string(begin, zero);
}

struct SplitCase
{
    const char* label;
    std::string stored;
    UnprefixedCoding coding;
    std::string full;
    std::string shortName;
};

void PrintTo(const SplitCase& c, std::ostream* os)
{
    *os << c.label;
}

class SplitControlCodesCase : public ::testing::TestWithParam<SplitCase>
{};

TEST_P(SplitControlCodesCase, LeavesOutTheCodesAndCollectsTheShortName)
{
    const SplitCase& c = GetParam();
    const NameWithoutControlCodes split =
        SplitControlCodes(fieldOf(c.stored), static_cast<int>(c.stored.size()), c.coding);
    EXPECT_EQ(textOf(split.full), c.full);
    EXPECT_EQ(textOf(split.shortName), c.shortName);
}

constexpr auto kSingle = UnprefixedCoding::SingleByte;
constexpr auto kUtf8 = UnprefixedCoding::Utf8;

INSTANTIATE_TEST_SUITE_P(
    Names, SplitControlCodesCase,
    ::testing::Values(
        SplitCase{"unprefixed", "\x86RTL\x87 Television", kSingle, "RTL Television", "RTL"},
        SplitCase{"tablePrefix", "\x0b\x86RTL\x87 Television", kSingle, "\x0bRTL Television",
                  "\x0bRTL"},
        SplitCase{"threeBytePrefix",
                  "\x10\x01\x02\x86"
                  "A\x87"
                  "B",
                  kSingle,
                  "\x10\x01\x02"
                  "AB",
                  "\x10\x01\x02"
                  "A"},
        SplitCase{"blankBetweenParts", "Sky \x86Sport\x87 \x86News\x87", kSingle, "Sky Sport News",
                  "Sport News"},
        SplitCase{"blankInsideAPart",
                  "\x86"
                  "D\x87"
                  "AS\x86 VIERTE\x87",
                  kSingle, "DAS VIERTE", "D VIERTE"},
        SplitCase{"wordsCutShort",
                  "\x86"
                  "Bayerisch\x87"
                  "es \x86"
                  "FS\x87 \x86S\x87\xfc"
                  "d",
                  kSingle,
                  "Bayerisches FS S\xfc"
                  "d",
                  "Bayerisch FS S"},
        SplitCase{"noBlankBetweenParts",
                  "\x86"
                  "AB\x87"
                  "cd\x86"
                  "EF\x87",
                  kSingle, "ABcdEF", "ABEF"},
        SplitCase{"emphasisToTheEnd",
                  "News \x86"
                  "Extra",
                  kSingle, "News Extra", "Extra"},
        SplitCase{"onlyBlanksEmphasised",
                  "A\x86 \x87"
                  "B",
                  kSingle, "A B", ""},
        SplitCase{"otherCodesDropped",
                  "\x80"
                  "A\x9f"
                  "B\x87",
                  kSingle, "AB", ""},
        SplitCase{"lineBreakIsABlank", "one\x8atwo", kSingle, "one two", ""},
        SplitCase{"bytesAfterTheEndUnread",
                  "AB\0\x86"
                  "C\x87"s,
                  kSingle, "AB", ""},
        SplitCase{"empty", "", kSingle, "", ""},
        // "Первый": the UTF-8 bytes D0 9F D0 B5 D1 80 ... hold 0x80 to 0x9F inside letters.
        SplitCase{"utf8Letters", "\x15Первый", kSingle, "\x15Первый", ""},
        SplitCase{"utf8Codes", "\x15\xc2\x86Первый\xc2\x87 канал", kSingle, "\x15Первый канал",
                  "\x15Первый"},
        SplitCase{"utf8LineBreak",
                  "\x15"
                  "a\xc2\x8a"
                  "b",
                  kSingle,
                  "\x15"
                  "a b",
                  ""},
        SplitCase{"unprefixedUtf8", "\xc2\x86Эфир\xc2\x87 1", kUtf8, "Эфир 1", "Эфир"},
        SplitCase{"unprefixedUtf8Letters", "Первый", kUtf8, "Первый", ""},
        SplitCase{
            "twoByteCodingUntouched",
            "\x11\x00\x86\x00"
            "A"s,
            kSingle,
            "\x11",
            "",
        }),
    [](const auto& info) { return std::string(info.param.label); });

TEST(SplitControlCodes, LengthShrinksByTheCodesWithinIt_MultiByteCodingKeepsEveryByte)
{
    // The length 5 ends the name after "C": two codes lie within it, so it still ends there.
    const NameWithoutControlCodes cut = SplitControlCodes(fieldOf("\x86"
                                                                  "AB\x87"
                                                                  "CD"),
                                                          5, kSingle);
    EXPECT_EQ(textOf(cut.full), "ABCD");
    EXPECT_EQ(cut.full.length, 3);
    EXPECT_EQ(cut.shortName.length, 2);
    EXPECT_EQ(SplitControlCodes(fieldOf("\x86"
                                        "AB"),
                                90, kSingle)
                  .full.length,
              39);

    const auto stored = fieldOf("\x11\x00\x86\x00"
                                "A\x00\x87"s);
    const NameWithoutControlCodes kept = SplitControlCodes(stored, 7, kSingle);
    EXPECT_EQ(kept.full.field, stored);
    EXPECT_EQ(kept.full.length, 7);
}

// The codec with a character table row and the Windows code page 1252.
CodecSettings table(int row)
{
    CodecSettings codec;
    codec.characterTable = row;
    codec.systemCodePage = 1252;
    return codec;
}

TEST(DisplayName, CodePageNamesLoseTheirDaggers_StoredBytesStay)
{
    CChannelRecV2 rec;
    const std::string stored = "\x86RTL\x87 Television";
    std::copy(stored.begin(), stored.end(), rec.raw().begin() + 30);
    rec.raw()[70] = static_cast<std::uint8_t>(stored.size());
    const auto before = std::vector<std::uint8_t>(rec.raw().begin(), rec.raw().end());
    for (const int row : {kTableNone, kTableUser, 6}) {
        const DisplayName shown = DisplayNameOf(rec, table(row));
        EXPECT_EQ(shown.name, "RTL Television") << "table " << row;
        EXPECT_EQ(shown.shortName, "RTL") << "table " << row;
    }
    EXPECT_EQ(rec.GetName(table(kTableNone)), "\xE2\x80\xA0RTL\xE2\x80\xA1 Television")
        << "what the codec reads";
    EXPECT_TRUE(std::equal(before.begin(), before.end(), rec.raw().begin()));
}

TEST(DisplayName, UnicodeTableReadsUnprefixedNamesAsUtf8)
{
    CChannelRecV1 rec;
    const std::string stored = "\xc2\x86Эфир\xc2\x87 1";
    std::copy(stored.begin(), stored.end(), rec.raw().begin() + 28);
    rec.raw()[68] = static_cast<std::uint8_t>(stored.size());
    const DisplayName shown = DisplayNameOf(rec, table(kTableUnicode));
    EXPECT_EQ(shown.name, "Эфир 1");
    EXPECT_EQ(shown.shortName, "Эфир");
}

// The records of a real file, as a load makes them.
std::vector<std::unique_ptr<CChannelRec>> recordsOf(const std::string& stem)
{
    const test::RealRecords raw = test::readRealRecords(test::realDataFile(stem + ".TLL.in"));
    std::vector<std::unique_ptr<CChannelRec>> records;
    for (const auto* list : {&raw.analog, &raw.digital}) {
        for (const std::string& bytes : *list) {
            std::unique_ptr<CChannelRec> rec;
            if (raw.variant == 1) {
                rec = std::make_unique<CChannelRecV1>();
            } else {
                rec = std::make_unique<CChannelRecV2>();
            }
            Archive ar(bytes, stem);
            rec->ReadFromArchive(ar);
            records.push_back(std::move(rec));
        }
    }
    return records;
}

// Names of real files with emphasis marks (and one in UTF-8) against the names another tool shows
// for them, read with the table "None": the marks would otherwise read as daggers.
class DisplayNameRealFile : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override { KX_REQUIRE_REALDATA(); }
};

TEST_P(DisplayNameRealFile, NamesMatchTheReferenceList)
{
    const std::string stem = GetParam();
    std::vector<std::string> ours;
    for (const auto& rec : recordsOf(stem)) {
        ours.push_back(DisplayNameOf(*rec, table(kTableNone)).name);
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
                                           "xxLH5000-ZB00002"),
                         [](const auto& info) {
                             std::string name = info.param;
                             name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
                             return name;
                         });

TEST(DisplayNameRealFileShort, BavarianProgrammeOfTheLX9500)
{
    KX_REQUIRE_REALDATA();
    std::vector<DisplayName> shown;
    for (const auto& rec : recordsOf("xxLX9500-ZA00001")) {
        shown.push_back(DisplayNameOf(*rec, table(kTableUser)));
    }
    const auto bavarian = std::find_if(shown.begin(), shown.end(), [](const DisplayName& name) {
        return name.name == "Bayerisches FS Süd";
    });
    ASSERT_NE(bavarian, shown.end());
    EXPECT_EQ(bavarian->shortName, "Bayerisch FS S");
    EXPECT_EQ(std::count_if(shown.begin(), shown.end(),
                            [](const DisplayName& name) { return !name.shortName.empty(); }),
              127);
}

} // namespace
} // namespace kx
