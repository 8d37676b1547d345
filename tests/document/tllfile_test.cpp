#include "document/tllfile.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "document/kanalyxdoc.h"
#include "document/satelliteblock.h"
#include "model/channelflags.h"
#include "model/channelrec.h"
#include "model/recordlayout.h"
#include "model/satellitetables.h"
#include "platform/archive.h"
#include "platform/error.h"
#include "support/tllbuilder.h"

namespace kx {
namespace {

using test::RecordBytes;
using test::TllBuilder;
using test::u16At;
using test::u32le;

// Loads bytes into a fresh document and saves it again into memory.
std::string roundTrip(const std::string& bytes, CKanalyxDoc& doc)
{
    Archive in(bytes, "list.tll");
    doc.Serialize(in);
    std::string out;
    Archive store = Archive::storingTo(out, "list.tll");
    doc.Serialize(store);
    return out;
}

// The Error that loading bytes throws; fails the test when none is thrown.
Error loadError(const std::string& bytes)
{
    Archive in(bytes, "list.tll");
    try {
        ReadTll(in);
    } catch (const Error& error) {
        return error;
    }
    ADD_FAILURE() << "loading " << bytes.size() << " bytes was not refused";
    return Error(ErrorCode::Usage, "none");
}

TEST(TllFile, EmptyLists_BothVariantsRoundTrip)
{
    // Variant 1: size 4, count 0, S, the S bytes, size 4, count 0.
    const std::string v1 = u32le(4) + u32le(0) + u32le(3) + "abc" + u32le(4) + u32le(0);
    ASSERT_EQ(v1.size(), 23u);
    CKanalyxDoc doc1;
    EXPECT_EQ(roundTrip(v1, doc1), v1);
    EXPECT_EQ(doc1.GetVariant(), 1);
    EXPECT_EQ(doc1.Settings().size(), 3u);

    // Variant 2 with empty lists and empty raw blocks is 28 bytes.
    const std::string v2 = TllBuilder(2).build();
    ASSERT_EQ(v2.size(), 28u);
    CKanalyxDoc doc2;
    EXPECT_EQ(roundTrip(v2, doc2), v2);
    EXPECT_EQ(doc2.GetVariant(), 2);
    EXPECT_EQ(doc2.Trailing().size(), 0u);
}

TEST(TllFile, InterleavedDigitalRecords_LoadInFileOrderAndSaveGrouped)
{
    for (const int variant : {1, 2}) {
        SCOPED_TRACE(variant);
        const auto rec = [variant](std::uint16_t word, char tag) {
            return RecordBytes(variant).numberWord(word).u8(0, static_cast<std::uint8_t>(tag));
        };
        const std::string file = TllBuilder(variant)
                                     .analog(rec(1, 'a'))
                                     .settings("SET")
                                     .digital(rec(5, 'p'))
                                     .digital(rec(6 + 16384, 'q'))
                                     .digital(rec(16383, 'r'))
                                     .digital(rec(16384, 's'))
                                     .trailing(variant == 2 ? "T" : "")
                                     .build();
        CKanalyxDoc doc;
        const std::string saved = roundTrip(file, doc);
        EXPECT_EQ(doc.ChannelCount(ListKind::Analog), 1);
        EXPECT_EQ(doc.ChannelCount(ListKind::DigitalTV), 2) << "16383 is still television";
        EXPECT_EQ(doc.ChannelCount(ListKind::Radio), 2);
        ASSERT_EQ(saved.size(), file.size());

        // The digital records follow the settings block; television first, then radio.
        const std::size_t size = RecordBytes::sizeFor(variant);
        const std::size_t first = (variant == 2 ? 12 : 8) + size + 4 + 3 + 8;
        std::string order;
        for (std::size_t k = 0; k < 4; ++k) {
            order += saved[first + k * size];
        }
        EXPECT_EQ(order, "prqs");
        EXPECT_EQ(u16At(saved, first + 2 * size + (variant == 2 ? 12 : 10)), 6 + 16384);
        EXPECT_EQ(saved.substr(0, first), file.substr(0, first));
    }
}

TEST(TllFile, BytesAfterTheLastBlock_AreKeptAndWrittenBack)
{
    for (const int variant : {1, 2}) {
        SCOPED_TRACE(variant);
        const std::string file = TllBuilder(variant)
                                     .settings(std::string(10, 'S'))
                                     .digital(RecordBytes(variant).numberWord(3))
                                     .trailing(variant == 2 ? "\x01" : "")
                                     .tail(std::string("\x01\x00\x00\x00\x00", 5))
                                     .build();
        CKanalyxDoc doc;
        EXPECT_EQ(roundTrip(file, doc), file);
    }
}

TEST(TllFile, TruncatedAtEveryOffset_IsRefusedAsTruncated)
{
    for (const int variant : {1, 2}) {
        SCOPED_TRACE(variant);
        const std::string file = TllBuilder(variant)
                                     .analog(RecordBytes(variant).numberWord(1).name("One"))
                                     .settings("settings")
                                     .digital(RecordBytes(variant).numberWord(2))
                                     .digital(RecordBytes(variant).numberWord(16385))
                                     .trailing(variant == 2 ? "TR" : "")
                                     .build();
        CKanalyxDoc whole;
        ASSERT_EQ(roundTrip(file, whole), file);
        for (std::size_t length = 0; length < file.size(); ++length) {
            const Error error = loadError(file.substr(0, length));
            ASSERT_EQ(error.code(), ErrorCode::Truncated)
                << "length " << length << ": " << error.what();
            ASSERT_EQ(std::string(error.what()).rfind("list.tll: ", 0), 0u) << error.what();
        }
    }
}

TEST(TllFile, TruncationMessages_NameTheBlockTheCountAndTheOffset)
{
    // Records would start at offset 24 + S = 95640; 1200 bytes of them are there.
    const std::string digitalShort = u32le(0x5A5A5A5A) + u32le(4) + u32le(0) + u32le(95616) +
                                     std::string(95616, '\0') + u32le(4 + 176 * 5000) +
                                     u32le(5000) + std::string(1200, '\0');
    const Error digital = loadError(digitalShort);
    EXPECT_STREQ(digital.what(),
                 "list.tll: the digital block promises 5000 records of 176 bytes but only 1200 "
                 "bytes remain at offset 95640");
    // The block and where it begins, also as fields.
    EXPECT_EQ(digital.block(), "digital");
    EXPECT_EQ(digital.byteOffset(), 95632u);

    const std::string settingsShort = u32le(4) + u32le(0) + u32le(50) + "abc";
    const Error settings = loadError(settingsShort);
    EXPECT_STREQ(settings.what(), "list.tll: the settings block promises 50 bytes but only 3 "
                                  "bytes remain at offset 12");
    EXPECT_EQ(settings.block(), "settings");
    EXPECT_EQ(settings.byteOffset(), 8u);

    EXPECT_STREQ(
        loadError(u32le(4) + u32le(0) + "\x01\x02").what(),
        "list.tll: the file ends at offset 10, inside the settings block size at offset 8");
    EXPECT_STREQ(loadError("ab").what(),
                 "list.tll: the file is 2 bytes long, too short for a channel list");
}

TEST(TllFile, HugeCountThatTheBlockSizeAgreesWith_IsRefusedBeforeAllocating)
{
    // 4 + 176 x 24403223 still fits the 32-bit size field.
    const std::string file =
        u32le(0x5A5A5A5A) + u32le(4 + 176u * 24403223u) + u32le(24403223) + std::string(176, 'x');
    const Error error = loadError(file);
    EXPECT_EQ(error.code(), ErrorCode::Truncated);
    EXPECT_STREQ(error.what(), "list.tll: the analog block promises 24403223 records of 176 bytes "
                               "but only 176 bytes remain at offset 12");
}

TEST(TllFile, BlockSizeThatDoesNotFitTheRecordSize_IsRefusedAsUnknownRecords)
{
    // Records of 178 bytes behind the magic: no receiver writes them.
    std::string file = TllBuilder(2).analogBlockSize(4 + 178 * 2).build();
    file.replace(8, 4, u32le(2));
    file.insert(12, std::string(356, 'r'));
    Error error = loadError(file);
    EXPECT_EQ(error.code(), ErrorCode::Unsupported);
    EXPECT_STREQ(error.what(),
                 "list.tll: the analog block at offset 4 holds 2 records of 178 bytes, a record "
                 "size no known receiver writes: the file holds channel records this editor does "
                 "not know, or it is not a channel list");

    // A size that divides into no whole records.
    file = TllBuilder(2).analogBlockSize(4 + 176 * 2 + 1).build();
    file.replace(8, 4, u32le(2));
    file.insert(12, std::string(353, 'r'));
    error = loadError(file);
    EXPECT_EQ(error.code(), ErrorCode::Unsupported);
    EXPECT_STREQ(error.what(),
                 "list.tll: the analog block at offset 4 says it is 357 bytes long, but 2 records "
                 "of 176 bytes take 356: the file holds channel records this editor does not "
                 "know, or it is not a channel list");

    // Files without the magic hold 164-byte records only, although newer files have 212.
    const std::string digital =
        TllBuilder(1).digital(RecordBytes(1)).digitalBlockSize(4 + 212).build();
    error = loadError(digital);
    EXPECT_EQ(error.code(), ErrorCode::Unsupported);
    EXPECT_NE(std::string(error.what()).find("the digital block at offset 12 says it is 216 bytes"),
              std::string::npos)
        << error.what();
}

TEST(TllFile, ForeignFiles_AreRefusedWithWhatTheyAre)
{
    Error error = loadError("<?xml version=\"1.0\" encoding=\"utf-8\"?><TLLDATA/>");
    EXPECT_EQ(error.code(), ErrorCode::Format);
    EXPECT_STREQ(error.what(), "list.tll: the file is XML text, not a TLL channel list");
    EXPECT_EQ(loadError("\xEF\xBB\xBF<?xml version=\"1.0\"?>").code(), ErrorCode::Format);

    // XML without the declaration at the very start, and UTF-16 with and without its mark.
    using namespace std::string_literals;
    for (const std::string& text :
         {"\n  <?xml version=\"1.0\"?>"s, "<TLLDATA><ITEM/></TLLDATA>"s, "<!-- list -->"s,
          "\xFF\xFE<\0?\0x\0m\0l\0"s, "\xFE\xFF\0<\0?\0x\0m\0l"s, "<\0T\0L\0L\0D\0"s}) {
        error = loadError(text);
        EXPECT_EQ(error.code(), ErrorCode::Format) << text;
        EXPECT_STREQ(error.what(), "list.tll: the file is XML text of a kind this editor does "
                                   "not read, not a TLL channel list");
    }
    // Channel lists whose first word begins with '<': 30 and 158 analog records of 164 bytes.
    for (const std::uint32_t count : {30U, 158U}) {
        const std::string head = u32le(4 + 164 * count) + u32le(count);
        EXPECT_EQ(head[0], '<');
        EXPECT_FALSE(
            LooksLikeXmlText({reinterpret_cast<const std::uint8_t*>(head.data()), head.size()}))
            << count;
    }
}

TEST(TllFile, SatelliteBlockOfAnUnknownFamily_IsKeptAsItIsWithAWarning)
{
    const std::string satellite =
        std::string("\x10\x00\x00\x00", 4) + "DVBS-S2" + std::string(20, '\0');
    const std::string file = TllBuilder(2)
                                 .settings(std::string(8, 's'))
                                 .trailing(satellite)
                                 .tail(std::string("\x01\x00\x00\x00\x00", 5))
                                 .build();
    CKanalyxDoc doc;
    EXPECT_EQ(roundTrip(file, doc), file);
    ASSERT_EQ(doc.LoadWarnings().size(), 1u);
    EXPECT_EQ(LoadWarningText(doc.LoadWarnings().front()),
              "the satellite block at offset 32 is 31 bytes long, a layout this editor does not "
              "know: it is kept as it is and its channels are not shown");
    EXPECT_EQ(doc.Trailing().size(), 1u) << "the block after it is the trailing block";
}

// Each family's five parts and their checksums fill its block, and the channel slots end where
// the channel part ends.
TEST(SatelliteLayouts, PartsFillTheBlockAndSlotsFillTheChannelPart)
{
    for (const std::uint32_t size : {687880U, 717960U, 629932U, 757800U, 907336U}) {
        SCOPED_TRACE(size);
        const SatelliteLayout* layout = FindSatelliteLayout(size);
        ASSERT_NE(layout, nullptr);
        EXPECT_EQ(SatellitePartOffset(*layout, kSatellitePartCount), size);
        EXPECT_EQ(SatelliteRecordsOffset(*layout) +
                      std::size_t{layout->channelCapacity} * layout->record->recordSize,
                  SatellitePartOffset(*layout, kSatelliteChannelPart + 1));
    }
    EXPECT_EQ(FindSatelliteLayout(620332), nullptr) << "reported, but its parts are not known";
}

// A satellite's transponders follow the links from its first one for as many as it counts; a
// damaged chain (a loop, a link out of the table, a satellite the bitmap does not mark) ends.
TEST(SatelliteLayouts, Tables_FollowEachSatellitesChainAndEndADamagedOne)
{
    std::vector<std::uint8_t> block(687880, 0);
    const auto put = [&](std::size_t at, std::initializer_list<std::uint8_t> bytes) {
        std::copy(bytes.begin(), bytes.end(), block.begin() + static_cast<std::ptrdiff_t>(at));
    };
    // Satellite records from 20 + 80 in steps of 44 (bitmap at 22): position at 32, first, last
    // transponder and count at 36; transponder links from 3232 in steps of 6, records from 17632
    // in steps of 40: MHz at 12, ONID and TSID at 18, polarisation 0x40 of byte 24.
    put(22, {0x03});
    put(100 + 32, {19, 0x12, 0, 0, 5, 0, 9, 0, 100, 0});
    put(144 + 32, {0, 0x08, 0, 0, 0xC4, 0x09, 0xC4, 0x09, 3, 0});
    put(188 + 32, {13, 0x10, 0, 0, 7, 0, 7, 0, 1, 0});
    put(3232 + 5 * 6, {6, 0});
    put(3232 + 6 * 6, {5, 0});
    put(17632 + 5 * 40 + 12, {0xE6, 0x2C, 0, 0, 0, 0, 1, 0, 0xFB, 0x03, 0, 0, 0x58});

    const SatelliteTables tables = ReadSatelliteTables(block, *FindSatelliteLayout(687880));
    EXPECT_EQ(tables.satellites[0].position, "19.2E");
    EXPECT_EQ(tables.satellites[1].position, "0.8W");
    std::vector<int> expected(2400, -1);
    expected[5] = expected[6] = 0;
    std::vector<int> listed;
    for (const SatelliteTransponder& tp : tables.transponders) {
        listed.push_back(tp.satellite);
    }
    EXPECT_EQ(listed, expected);
    const SatelliteTransponder& tp = tables.transponders[5];
    EXPECT_EQ(std::tuple(tp.frequencyMHz, tp.onid, tp.tsid, tp.polarisation),
              std::tuple(11494U, 1, 1019, 'H'));
    EXPECT_EQ(tables.transponders[6].polarisation, 'V');
}

TEST(TllFile, NewerLayout_LoadsEveryBlockAndSavesByteForByte)
{
    const std::string file = test::newerList(true);
    CKanalyxDoc doc;
    EXPECT_EQ(roundTrip(file, doc), file);
    EXPECT_EQ(doc.GetVariant(), 3);
    EXPECT_EQ(doc.Hospitality().size(), 8u);
    EXPECT_EQ(doc.Trailing().size(), 8u);
    ASSERT_EQ(doc.ChannelCount(ListKind::Analog), 2);
    EXPECT_EQ(doc.Channel(ListKind::Analog, 0).GetNumber(), 1) << "shown in programme order";
    EXPECT_EQ(doc.ChannelCount(ListKind::Radio), 1);
    EXPECT_EQ(doc.ChannelCount(ListKind::DigitalTV), 1);
    ASSERT_EQ(doc.ChannelCount(ListKind::SatTV), 2);
    EXPECT_EQ(doc.ChannelCount(ListKind::SatRadio), 0) << "the deleted channel is not listed";
    EXPECT_EQ(doc.DeletedCount(ListKind::SatRadio), 1);
    EXPECT_EQ(doc.Channel(ListKind::SatTV, 0).GetServiceTypeText(), "1");
    EXPECT_EQ(doc.Channel(ListKind::SatTV, 0).GetFlags(), channelflags::kHide);
}

TEST(TllFile, NewerLayoutTruncatedAtEveryOffset_IsRefusedAsTruncated)
{
    const std::string file = test::newerList(false);
    for (std::size_t length = 0; length < file.size(); ++length) {
        const Error error = loadError(file.substr(0, length));
        ASSERT_EQ(error.code(), ErrorCode::Truncated)
            << "length " << length << ": " << error.what();
    }
    // With the DVB-S block, at every block boundary and every 997th byte.
    const std::string satellite = test::newerList(true);
    for (std::size_t length = file.size() - 12; length < satellite.size(); length += 997) {
        ASSERT_EQ(loadError(satellite.substr(0, length)).code(), ErrorCode::Truncated) << length;
    }
    EXPECT_EQ(loadError(satellite.substr(0, satellite.size() - 12)).code(), ErrorCode::Truncated);
}

TEST(TllFile, SatelliteChecksumThatDoesNotMatch_IsRefusedNamingThePart)
{
    std::string file = test::newerList(true);
    // The first letter of "Sat Two", in the first slot of the channel part, whose checksum
    // follows those of the header, satellites and transponders.
    const std::size_t block = file.size() - 12 - test::SatelliteBlockBytes::kBlockSize;
    file[block + test::SatelliteBlockBytes::kRecordsOffset + 20] = 'Z';
    const Error error = loadError(file);
    EXPECT_EQ(error.code(), ErrorCode::Format);
    EXPECT_EQ(std::string(error.what()),
              "list.tll: the checksum of the channels part of the satellite block at offset " +
                  std::to_string(block + (4 + 12) + (4 + 2896) + (4 + 110712)) +
                  " does not match its bytes: the file is damaged, and a receiver would refuse "
                  "it");
    EXPECT_EQ(error.block(), "satellite");
    EXPECT_EQ(error.byteOffset(), block + (4 + 12) + (4 + 2896) + (4 + 110712));
}

} // namespace
} // namespace kx
