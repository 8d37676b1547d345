// Every channel list of the real-data folder, whatever its record layout: it loads with the
// lists and blocks its description names, saves byte for byte, lists every channel of an
// independent reference list under the same number with the same flags and the same identity,
// and the same move another editor made gives that editor's saved bytes but for its own
// housekeeping.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>

#include "document/kanalyxdoc.h"
#include "document/satelliteblock.h"
#include "model/channelflags.h"
#include "model/channelrec.h"
#include "model/namecodec.h"
#include "model/recordlayout.h"
#include "platform/archive.h"
#include "platform/error.h"
#include "platform/file.h"
#include "support/realdata.h"
#include "support/realrecords.h"
#include "support/tllbuilder.h"

namespace kx {
namespace {

struct RealLayout
{
    const char* stem;
    std::size_t recordSize; // 0: the file holds no cable or antenna record to measure
    int analog, radio, dtv, satTV, satRadio;
    std::uint32_t hospitality;
    // Records whose number fields the other editor's move changed otherwise than ours, and why.
    int numberDifferences;
    // Channels that the reference list files under another input than their records name.
    int sourceDifferences = 0;
};

void PrintTo(const RealLayout& file, std::ostream* out)
{
    *out << file.stem;
}

// Counts from the folder's description of each file and the reference lists (deleted satellite
// channels, which the receiver keeps marked in their slots, are not listed).
// The other editor moved programme 2 up in each list, which our move does too; where it differs:
// (g) it keeps gaps where this editor renumbers a sorted list 1 to n; (f) in a list without a
// programme 2 it moved the first channel into the free number below it, for which this editor
// has no command; (n) it made no move at all in LM640T, whose satellite block is 0xFF. (s) The
// analog records of LM640T say cable (source byte 2, as in every file whose list says cable);
// the reference list files them as antenna.
const RealLayout kFiles[] = {
    {"xx2350D-PZM00001", 164, 31, 89, 345, 0, 0, 0, 0},
    {"xxCS460S-ZA00001", 188, 0, 0, 0, 1379, 200, 0, 2}, // (f)
    {"xxLA691S-ZA00004", 260, 138, 8, 121, 0, 0, 0, 0},
    {"xxLA7408-ZB00001", 256, 0, 104, 278, 0, 0, 0, 0},
    {"xxLD750-ZA00001", 176, 30, 104, 248, 0, 0, 0, 225}, // (g)
    {"xxLE5500-ZA00002", 176, 36, 0, 0, 0, 0, 0, 0},
    {"xxLH3000-ZA00002", 164, 0, 16, 37, 0, 0, 0, 0},
    {"xxLH5000-ZB00002", 164, 35, 0, 75, 0, 0, 0, 0},
    {"xxLK450-ZB00001", 176, 34, 128, 310, 0, 0, 0, 3},       // (g)
    {"xxLK950S-ZA00001", 184, 37, 150, 390, 2695, 491, 0, 2}, // (f)
    {"xxLM340S-ZA00001", 188, 30, 129, 362, 636, 92, 0, 1},   // (f)
    {"xxLM611S-ZA00001", 188, 0, 0, 13, 1164, 191, 0, 0},
    {"xxLM620S-ZE00001", 192, 37, 0, 24, 2973, 496, 0, 3}, // (f)
    {"xxLM640T-ZA00000", 192, 56, 0, 78, 0, 0, 0, 4, 56},  // (n), (s)
    {"xxLM860V-ZB99998", 192, 0, 103, 250, 0, 0, 0, 0},
    {"xxLN5406-ZA99999", 224, 0, 0, 72, 1263, 186, 0, 0},
    {"xxLN5758-ZE99999", 260, 0, 67, 36, 2391, 450, 0, 0},
    {"xxLP632H-ZA00001", 0, 0, 0, 0, 1823, 324, 248, 0},
    {"xxLS570S-ZB00001", 192, 37, 151, 361, 0, 0, 0, 0},
    {"xxLT380H-ZA00001", 212, 30, 104, 235, 0, 0, 220, 0},
    {"xxLV375S-ZC00001", 184, 0, 0, 0, 2317, 444, 0, 1}, // (f)
    {"xxLV470S-ZC00001", 184, 6, 0, 12, 667, 176, 0, 3}, // (f)
    {"xxLW4500-ZB00001", 176, 31, 94, 338, 0, 0, 0, 0},
    {"xxLW659S-ZC00001", 184, 34, 0, 29, 1611, 361, 0, 2}, // (f)
    {"xxLX9500-ZA00001", 176, 37, 151, 361, 0, 0, 0, 0},
    {"xxPM670S-ZA00001", 184, 0, 0, 0, 593, 91, 0, 1}, // (f)
    {"xxPN6500-ZB00001", 212, 0, 19, 204, 0, 0, 0, 0},
    {"xxPT353-ZA00001", 180, 50, 13, 123, 0, 0, 0, 0},
};

// The reference list names channels without the DVB control codes (U+0080 to U+009F).
std::string withoutControlCodes(const std::string& name)
{
    std::string plain;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) < 0xA0) {
            ++i;
        } else {
            plain += name[i];
        }
    }
    return plain;
}

ListKind listOfCode(const std::string& code)
{
    static const std::map<std::string, ListKind> kCodes = {
        {"ACT0", ListKind::Analog},    {"AAT0", ListKind::Analog}, {"DCT0", ListKind::DigitalTV},
        {"DAT0", ListKind::DigitalTV}, {"DCR0", ListKind::Radio},  {"DST0", ListKind::SatTV},
        {"DSR0", ListKind::SatRadio},
    };
    return kCodes.at(code);
}

class AllLayouts : public ::testing::TestWithParam<RealLayout>
{
protected:
    void SetUp() override
    {
        KX_REQUIRE_REALDATA();
        m_in = test::realDataFile(std::string(GetParam().stem) + ".TLL.in");
        m_doc.OnOpenDocument(m_in);
    }

    std::filesystem::path m_in;
    CKanalyxDoc m_doc;
};

TEST_P(AllLayouts, LoadsItsListsAndSavesByteForByte)
{
    const RealLayout& file = GetParam();
    ASSERT_EQ(m_doc.Layout() != nullptr ? m_doc.Layout()->recordSize : 0, file.recordSize);
    EXPECT_EQ(m_doc.ChannelCount(ListKind::Analog), file.analog);
    EXPECT_EQ(m_doc.ChannelCount(ListKind::Radio), file.radio);
    EXPECT_EQ(m_doc.ChannelCount(ListKind::DigitalTV), file.dtv);
    EXPECT_EQ(m_doc.ChannelCount(ListKind::SatTV), file.satTV);
    EXPECT_EQ(m_doc.ChannelCount(ListKind::SatRadio), file.satRadio);
    EXPECT_EQ(m_doc.Hospitality().size(), file.hospitality);
    EXPECT_TRUE(test::documentBytes(m_doc) == File::readAll(m_in)) << "saved bytes differ";
}

// No receiver writes a block twice, leaves one out or puts one in another's place: every such
// copy of a real file is refused, none is read as something else.
TEST_P(AllLayouts, EveryBlockRepeatedDroppedOrSwapped_IsRefused)
{
    const std::string file = File::readAll(m_in);
    const std::size_t blocks = test::blockCount(file);
    ASSERT_GE(blocks, 3u);
    for (const auto damage : {test::BlockDamage::Repeated, test::BlockDamage::Dropped,
                              test::BlockDamage::SwappedWithNext}) {
        for (std::size_t block = 0;
             block + (damage == test::BlockDamage::SwappedWithNext ? 1 : 0) < blocks; ++block) {
            Archive in(test::damagedCopy(file, damage, block), m_in.string());
            EXPECT_THROW(ReadTll(in), Error)
                << "block " << block << ", damage " << static_cast<int>(damage);
        }
    }
}

// The flags in one order, so that the reference list's "SH" and ours "HS" compare equal.
std::string sortedFlags(std::string flags)
{
    std::sort(flags.begin(), flags.end());
    return flags;
}

TEST_P(AllLayouts, ListsEveryPlainNamedChannelOfTheReferenceListUnderItsNumberWithItsFlags)
{
    CodecSettings codec;
    codec.characterTable = 6;
    // Where the lists show flags, they are the reference list's flags too.
    const auto showsFlags = [this](ListKind list) {
        return IsSatelliteList(list) || (m_doc.Layout() != nullptr && m_doc.Layout()->flagsShown());
    };
    std::multiset<std::tuple<ListKind, int, std::string, std::string>> ours;
    for (const ListKind list : kListKinds) {
        for (int row = 0; row < m_doc.ChannelCount(list); ++row) {
            const CChannelRec& rec = m_doc.Channel(list, row);
            ours.emplace(list, rec.GetNumber(), withoutControlCodes(rec.GetName(codec)),
                         showsFlags(list) ? sortedFlags(ChannelFlagsText(rec.GetFlags())) : "");
        }
    }
    int checked = 0;
    for (const auto& channel : test::readReferenceList(test::referenceListFile(GetParam().stem))) {
        const bool plain =
            !channel.name.empty() && std::all_of(channel.name.begin(), channel.name.end(),
                                                 [](char c) { return c >= 0x20 && c < 0x7F; });
        if (!plain) {
            continue;
        }
        const ListKind list = listOfCode(channel.list);
        const auto found = ours.find({list, channel.number, channel.name,
                                      showsFlags(list) ? sortedFlags(channel.flags) : ""});
        ASSERT_NE(found, ours.end())
            << channel.list << " " << channel.number << " " << channel.name << " " << channel.flags;
        ours.erase(found);
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

// A channel's identity as the reference lists write it: "A-0-<frequency in 50 kHz steps>-0"
// for analog channels, "C-<ONID>-<TSID>-<SID>-<tuner channel, two digits>" for digital cable
// and antenna channels, "S<position>-<ONID>-<TSID>-<SID>" for satellite channels. Empty when the
// record lacks a part.
std::string referenceUid(const CChannelRec& rec)
{
    const auto part = [](std::optional<std::int64_t> value) {
        return value ? std::to_string(*value) : std::string("?");
    };
    if (rec.m_bTV) {
        const auto frequency = rec.GetFrequencyKHz();
        return frequency ? "A-0-" + std::to_string(*frequency / 50) + "-0" : "";
    }
    const std::string stream =
        part(rec.GetOnid()) + "-" + part(rec.GetTsid()) + "-" + part(rec.GetServiceId());
    if (rec.GetSignalSource() == SignalSource::DvbS) {
        return "S" + rec.GetSatelliteText() + "-" + stream;
    }
    char channel[8] = "?";
    if (const auto tuned = rec.GetTunerChannel()) {
        std::snprintf(channel, sizeof channel, "%02d", *tuned);
    }
    return "C-" + stream + "-" + channel;
}

// The second letter of the reference list's code: A antenna, C cable, S satellite. Where the
// record does not say, the other editor writes C.
char mediumOf(SignalSource source)
{
    return source == SignalSource::AnalogAntenna || source == SignalSource::DvbT ? 'A'
           : source == SignalSource::DvbS                                        ? 'S'
                                                                                 : 'C';
}

TEST_P(AllLayouts, IdentityFields_GiveEveryChannelTheReferenceListsUid)
{
    std::multiset<std::tuple<ListKind, int, char, std::string>> theirs;
    for (const auto& channel : test::readReferenceList(test::referenceListFile(GetParam().stem))) {
        theirs.emplace(listOfCode(channel.list), channel.number, channel.list.at(1), channel.uid);
    }
    int channels = 0;
    int otherSource = 0;
    for (const ListKind list : kListKinds) {
        for (int row = 0; row < m_doc.ChannelCount(list); ++row) {
            const CChannelRec& rec = m_doc.Channel(list, row);
            const std::string uid = referenceUid(rec);
            const char medium = mediumOf(rec.GetSignalSource());
            auto found = theirs.find({list, rec.GetNumber(), medium, uid});
            for (const char other : {'A', 'C', 'S'}) {
                if (found == theirs.end() && other != medium) {
                    found = theirs.find({list, rec.GetNumber(), other, uid});
                    otherSource += found != theirs.end() ? 1 : 0;
                }
            }
            ASSERT_NE(found, theirs.end())
                << "no " << uid << " numbered " << rec.GetNumber() << " in list " << int(list);
            theirs.erase(found);
            ++channels;
        }
    }
    EXPECT_TRUE(theirs.empty()) << theirs.size() << " channels of the reference list left";
    EXPECT_EQ(otherSource, GetParam().sourceDifferences);
    RecordProperty("channels", channels);
}

// The identity fields of channels whose facts are known: the broadcasters' published frequencies,
// polarisations and networks, and their being free to air or scrambled.
struct KnownChannel
{
    const char* stem;
    ListKind list;
    int number;
    // Source, ONID/TSID/SID, tuner channel, kHz, polarisation, satellite, name, scrambled.
    const char* facts;
};

std::string factsOf(const CChannelRec& rec)
{
    const auto text = [](auto value) { return value ? std::to_string(*value) : std::string("-"); };
    const auto encrypted = rec.IsEncrypted();
    return std::to_string(static_cast<int>(rec.GetSignalSource())) + " " + text(rec.GetOnid()) +
           "/" + text(rec.GetTsid()) + "/" + text(rec.GetServiceId()) + " " +
           text(rec.GetTunerChannel()) + " " + text(rec.GetFrequencyKHz()) + " " +
           rec.GetPolarisation().value_or('-') + " " + rec.GetSatelliteText() + " " +
           rec.GetSatelliteName() + " " + (encrypted ? (*encrypted ? "scrambled" : "free") : "-");
}

class KnownChannels : public ::testing::TestWithParam<KnownChannel>
{};

TEST_P(KnownChannels, IdentityFields_AreTheChannelsFacts)
{
    KX_REQUIRE_REALDATA();
    CKanalyxDoc doc;
    doc.OnOpenDocument(test::realDataFile(std::string(GetParam().stem) + ".TLL.in"));
    std::string found;
    for (int row = 0; row < doc.ChannelCount(GetParam().list); ++row) {
        if (doc.Channel(GetParam().list, row).GetNumber() == GetParam().number) {
            found = factsOf(doc.Channel(GetParam().list, row));
        }
    }
    EXPECT_EQ(found, GetParam().facts);
}

// Source 0 unknown, 1 analog antenna, 2 analog cable, 3 DVB-T, 4 DVB-C, 5 DVB-S. Das Erste HD
// and ZDF HD are free to air; Rai 2 on Hot Bird, ProSieben HD (HD+) and AXN Crime (a Polish pay
// channel) are scrambled. ZDF on UHF channel 23 (490 MHz), BR 3 on E21, analog R2 in Russia.
// clang-format off
const KnownChannel kKnownChannels[] = {
    {"xxLM620S-ZE00001", ListKind::SatTV, 100, "5 1/1019/10301 - 11493000 H 19.2E ASTRA 1LHMKR 19.2E free"},
    {"xxLM620S-ZE00001", ListKind::SatTV, 1586, "5 318/12400/8512 - 10992000 V 13.0E HOTBIRD 13.0E scrambled"},
    {"xxLN5406-ZA99999", ListKind::SatTV, 917, "5 1/1017/61301 - 11464000 H 19.2E ASTRA 19.2E scrambled"},
    {"xxLN5758-ZE99999", ListKind::SatTV, 10, "5 1/1011/11110 - 11361000 H 19.2E ASTRA 19.2E free"},
    {"xxLP632H-ZA00001", ListKind::SatTV, 1, "5 1/1050/30801 - 10729000 V 19.2E ASTRA1LHMKR 19.2E -"},
    {"xxLW659S-ZC00001", ListKind::SatTV, 919, "5 113/7400/7302 - 12188000 V 13.0E HOTBIRD 6/8/9 scrambled"},
    {"xxLK950S-ZA00001", ListKind::DigitalTV, 17, "4 41985/1101/28106 36 346000 -   -"},
    {"xxLN5406-ZA99999", ListKind::DigitalTV, 1, "3 8468/514/514 23 490004 -   -"},
    {"xx2350D-PZM00001", ListKind::DigitalTV, 1, "0 1/1089/12003 1 666000 -   -"},
    {"xxLT380H-ZA00001", ListKind::Analog, 3, "2 -/-/- - 471250 -   -"},
    {"xxLE5500-ZA00002", ListKind::Analog, 2, "1 -/-/- - 59250 -   -"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(RealFiles, KnownChannels, ::testing::ValuesIn(kKnownChannels));

// Where a differing byte lies, as the checks below need it.
struct Place
{
    enum Kind
    {
        Elsewhere,
        Record,          // a cable or antenna record
        SatelliteRecord, // a satellite channel slot
        SatelliteChecksum,
    } kind = Elsewhere;
    std::size_t record = 0; // the record's start in the file
    std::size_t offset = 0; // in the record
};

TEST_P(AllLayouts, MoveOfProgrammeTwo_GivesTheOtherEditorsBytesButItsHousekeeping)
{
    for (const ListKind list : kListKinds) {
        for (int row = 0; row < m_doc.ChannelCount(list); ++row) {
            if (m_doc.Channel(list, row).GetNumber() == 2) {
                const int rows[] = {row};
                m_doc.MoveUp(list, rows);
            }
        }
    }
    const std::string ours = test::documentBytes(m_doc);
    const std::string original = File::readAll(m_in);
    std::filesystem::path out = m_in;
    const std::string theirs = File::readAll(out.replace_extension(".out"));
    ASSERT_EQ(ours.size(), theirs.size());

    // The blocks as the file lays them out, walked from the document's sizes.
    const RecordLayout* layout = m_doc.Layout();
    const std::size_t recordSize = layout != nullptr ? layout->recordSize : 0;
    const auto records = [&](ListKind list) {
        return static_cast<std::size_t>(m_doc.ChannelCount(list) + m_doc.DeletedCount(list));
    };
    const std::size_t analogStart = (m_doc.GetVariant() == 1 ? 0 : 4) + 8;
    const std::size_t analogEnd = analogStart + recordSize * records(ListKind::Analog);
    std::size_t digitalStart = analogEnd + 4 + m_doc.Settings().size() + 8;
    if (!m_doc.Hospitality().empty()) {
        digitalStart += 4 + m_doc.Hospitality().size();
    }
    const std::size_t digitalEnd =
        digitalStart + recordSize * (records(ListKind::Radio) + records(ListKind::DigitalTV));
    const std::size_t satellite = digitalEnd + 4;
    const SatelliteLayout* sat = m_doc.GetSatelliteLayout();

    const auto placeOf = [&](std::size_t at) {
        if ((at >= analogStart && at < analogEnd) || (at >= digitalStart && at < digitalEnd)) {
            const std::size_t start = at < analogEnd ? analogStart : digitalStart;
            const std::size_t record = start + (at - start) / recordSize * recordSize;
            return Place{Place::Record, record, at - record};
        }
        if (sat == nullptr || at < satellite) {
            return Place{};
        }
        const std::size_t checksum = satellite + SatellitePartOffset(*sat, kSatelliteChannelPart);
        if (at >= checksum && at < checksum + 4) {
            return Place{Place::SatelliteChecksum};
        }
        const std::size_t slots = satellite + SatelliteRecordsOffset(*sat);
        const std::size_t size = sat->record->recordSize;
        if (at < slots || at >= slots + sat->channelCapacity * size) {
            return Place{};
        }
        const std::size_t record = slots + (at - slots) / size * size;
        return Place{Place::SatelliteRecord, record, at - record};
    };

    std::set<std::size_t> renumbered;
    for (std::size_t at = 0; at < ours.size(); ++at) {
        if (ours[at] == theirs[at]) {
            continue;
        }
        const Place place = placeOf(at);
        const RecordLayout* fields = place.kind == Place::SatelliteRecord ? sat->record : layout;
        const auto ourByte = static_cast<unsigned char>(ours[at]);
        const auto theirByte = static_cast<unsigned char>(theirs[at]);
        const auto within = [&](std::size_t field, std::size_t width) {
            return field != kNoField && place.offset >= field && place.offset < field + width;
        };
        if (place.kind == Place::SatelliteChecksum) {
            continue; // checked below: the other editor's checksums match its bytes
        }
        ASSERT_NE(place.kind, Place::Elsewhere) << "byte " << at << " lies in no record";
        const std::size_t secondWidth = fields->derivedKind == SecondNumber::TimesFour ? 4 : 2;
        if (within(fields->flagsByte, 1) && theirByte == (ourByte | 0x40)) {
            // (1) The other editor marks every digital record it keeps as numbered by the user;
            // this editor marks those whose number it changed, but in the two oldest layouts.
            const std::size_t number = place.record + fields->numberWord;
            const bool marks = place.kind == Place::SatelliteRecord || m_doc.GetVariant() == 3;
            EXPECT_TRUE(!marks || ours.compare(number, 2, original, number, 2) == 0)
                << "record at " << place.record << " renumbered without the mark";
            continue;
        }
        const bool copyLayout = fields->derivedKind != SecondNumber::TimesFour;
        if (theirByte == 0 && (within(fields->numberWord + 2, 2) ||
                               (copyLayout && within(fields->derivedId + 2, 2)))) {
            continue; // (2) and clears the word after the number and after its copy
        }
        ASSERT_TRUE(within(fields->numberWord, 2) || within(fields->derivedId, secondWidth))
            << "byte " << at << ", offset " << place.offset << " of a record";
        renumbered.insert(place.record);
    }
    EXPECT_EQ(static_cast<int>(renumbered.size()), GetParam().numberDifferences);
    if (sat != nullptr) {
        // (3) The other editor's checksums follow its bytes, as ours follow ours.
        const std::string block = theirs.substr(satellite, sat->blockSize);
        EXPECT_EQ(FirstBadSatelliteChecksum(
                      {reinterpret_cast<const std::uint8_t*>(block.data()), block.size()}, *sat),
                  -1);
    }
}

INSTANTIATE_TEST_SUITE_P(RealFiles, AllLayouts, ::testing::ValuesIn(kFiles), [](const auto& info) {
    std::string name = info.param.stem;
    name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
    return name;
});

// LH3000's 164-byte records keep their second half 4 bytes lower than those of the other
// 164-byte receivers: the records of one cannot go into the lists of the other.
TEST(AllLayoutsImport, BetweenLayoutsOfOneSize_IsRefusedAndChangesNothing)
{
    KX_REQUIRE_REALDATA();
    CKanalyxDoc doc;
    doc.OnOpenDocument(test::realDataFile("xxLH3000-ZA00002.TLL.in"));
    try {
        doc.OnFileImport(test::realDataFile("xx2350D-PZM00001.TLL.in"), ImportChoice{});
        ADD_FAILURE() << "records of another layout were imported";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), ErrorCode::Unsupported);
        EXPECT_NE(std::string(error.what()).find("the 164-byte layout of LH3000"),
                  std::string::npos)
            << error.what();
    }
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(doc.ChannelCount(ListKind::DigitalTV), 37);
}

// The checksums of LM620S's DVB-S block, worked out with a CRC written bit by bit: each part's
// stored word is the bitwise NOT of its CRC-32, little-endian. The parts are 12, 2896, 110712,
// 602552 and 1768 bytes long and the block starts after its size word at offset 48600.
TEST(SatelliteChecksums, OfARealFile_AreTheNotOfTheCrc32OfEachPart)
{
    KX_REQUIRE_REALDATA();
    const std::string file = File::readAll(test::realDataFile("xxLM620S-ZE00001.TLL.in"));
    std::size_t at = 48600 + 4;
    for (const std::size_t size : {12, 2896, 110712, 602552, 1768}) {
        SCOPED_TRACE(size);
        EXPECT_EQ(test::u32At(file, at),
                  ~test::bitwiseCrc32(std::string_view(file).substr(at + 4, size)));
        at += 4 + size;
    }
    EXPECT_EQ(at, 48600 + 4 + 717960);
}

} // namespace
} // namespace kx
