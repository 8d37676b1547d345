// The table of record layouts: every row consistent in itself, the right row for a file name,
// and the flags notation of the lists and the command line.
#include "model/recordlayout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/channelflags.h"

namespace kx {
namespace {

const RecordLayout* const kSatelliteRows[] = {&kSatellite68, &kSatellite72, &kSatellite76,
                                              &kSatellite76LP, &kSatellite92};

// A typo in the table shows as a field that leaves its record or runs into another field.
TEST(RecordLayouts, EveryField_LiesInsideTheRecordAndOverlapsNoOther)
{
    std::vector<const RecordLayout*> rows(std::begin(kRecordLayouts), std::end(kRecordLayouts));
    rows.insert(rows.end(), std::begin(kSatelliteRows), std::end(kSatelliteRows));
    for (const RecordLayout* layout : rows) {
        SCOPED_TRACE(std::string(layout->name));
        const RecordLayout& l = *layout;
        const std::size_t second = l.derivedKind == SecondNumber::TimesFour ? 4 : 2;
        std::vector<std::pair<std::size_t, std::size_t>> fields = {
            {l.numberWord, 2},
            {l.derivedId, second},
            {l.source, 1},
            {l.systemWord, 2},
            {l.channelBand, 2},
            {l.nameField, kNameFieldSize},
            {l.nameLength, 1},
            {l.nameCopy, kNameFieldSize},
            {l.nameCopyLength, 1},
            {l.favouriteMask, 1},
            {l.favouriteByte, 1},
            {l.flagsByte, 1},
            {l.serviceId, 2},
            {l.serviceId2, 2},
            {l.serviceType, 1},
            {l.frequency, 4},
            {l.symbolRate, l.symbolRateBytes},
        };
        std::erase_if(fields, [](const auto& field) { return field.first == kNoField; });
        for (std::size_t i = 0; i < fields.size(); ++i) {
            EXPECT_LE(fields[i].first + fields[i].second, l.recordSize) << "field " << i;
            for (std::size_t k = i + 1; k < fields.size(); ++k) {
                const bool apart = fields[i].first + fields[i].second <= fields[k].first ||
                                   fields[k].first + fields[k].second <= fields[i].first;
                EXPECT_TRUE(apart) << "fields " << i << " and " << k;
            }
        }
        EXPECT_TRUE(l.checkByte == l.flagsByte || l.flagsByte == kNoField);
        EXPECT_NE(l.checkMask, 0);
    }
}

TEST(RecordLayouts, FileNameModel_PicksTheRowAmongThoseOfOneSize)
{
    struct Case
    {
        std::size_t size;
        bool magic;
        const char* fileName;
        const char* row; // nullptr: no layout
    };
    const Case cases[] = {
        {164, false, "xxLH3000-ZA00002.TLL", "164 LH3000"},
        {164, false, "list.tll", "164"},
        {184, true, "xxLH250C-ZA00001.TLL", "184 LH250C"},
        {212, true, "xxPN6500-ZB00001.TLL.in", "212 PN"},
        {212, true, "xxLT380H-ZA00001.TLL", "212"},
        {256, true, "XXLY770H-ZA00001.TLL", "256 LY"},
        {176, false, "list.tll", nullptr},
        {178, true, "list.tll", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileName);
        const RecordLayout* layout = FindRecordLayout(c.size, c.magic, ModelOfFileName(c.fileName));
        ASSERT_EQ(layout != nullptr, c.row != nullptr);
        if (layout != nullptr) {
            EXPECT_EQ(layout->name, c.row);
        }
    }
    EXPECT_EQ(RecordLayoutForModel("CS460S", true), &kLayout188);
    EXPECT_EQ(RecordLayoutForModel("LP632H", true), nullptr);
}

TEST(ChannelFlags, TextAndParsing_UseTheFavouriteNumbersAndLetters)
{
    using namespace channelflags;
    EXPECT_EQ(ChannelFlagsText(kFavourite1 | (kFavourite1 << 2) | kLock | kHide), "13LH");
    EXPECT_EQ(ChannelFlagsText(0), "");
    EXPECT_EQ(ParseChannelFlags("HS4"), (kFavourite1 << 3) | kSkip | kHide);
    EXPECT_EQ(ParseChannelFlags("-"), 0U);
    EXPECT_EQ(ParseChannelFlags("58"), (kFavourite1 << 4) | (kFavourite1 << 7));
    EXPECT_EQ(ParseChannelFlags("9"), std::nullopt);
    EXPECT_EQ(ParseChannelFlags("l"), std::nullopt);
}

} // namespace
} // namespace kx
