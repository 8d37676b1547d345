// Records and names of channel lists exported by real TVs, checked against hand-read field values
// and against a channel list that another tool exported from the same files.
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "model/channelrecv1.h"
#include "model/channelrecv2.h"
#include "model/charactertable.h"
#include "model/namecodec.h"
#include "platform/archive.h"
#include "platform/codepage.h"
#include "support/realdata.h"
#include "support/realrecords.h"

namespace kx {
namespace {

struct LoadedFile
{
    std::vector<std::unique_ptr<CChannelRec>> analog;
    std::vector<std::unique_ptr<CChannelRec>> digital;
};

std::unique_ptr<CChannelRec> makeRecord(int variant)
{
    if (variant == 1) {
        return std::make_unique<CChannelRecV1>();
    }
    return std::make_unique<CChannelRecV2>();
}

// Builds the records the way a load does: analog records keep the constructor's kind, digital
// ones are classified by their number word.
LoadedFile load(const std::string& fileName)
{
    const test::RealRecords raw = test::readRealRecords(test::realDataFile(fileName));
    LoadedFile loaded;
    for (const std::string& bytes : raw.analog) {
        Archive ar(bytes, fileName);
        loaded.analog.push_back(makeRecord(raw.variant));
        loaded.analog.back()->ReadFromArchive(ar);
    }
    for (const std::string& bytes : raw.digital) {
        Archive ar(bytes, fileName);
        loaded.digital.push_back(makeRecord(raw.variant));
        loaded.digital.back()->ReadFromArchive(ar);
        loaded.digital.back()->ClassifyKind();
    }
    return loaded;
}

// The other tool drops the DVB emphasis marks (U+0086, U+0087) from the names it shows.
std::string withoutEmphasisMarks(std::string name)
{
    for (const char* mark : {"\xC2\x86", "\xC2\x87"}) {
        for (std::size_t at = name.find(mark); at != std::string::npos; at = name.find(mark)) {
            name.erase(at, 2);
        }
    }
    return name;
}

struct RealFile
{
    const char* stem;
    std::size_t analog;
    std::size_t digital;
    std::size_t radio;
    // How the reference list shows names without a prefix: ISO 8859-9, except for the one file
    // whose bytes it shows as Latin 1 (0xDE as Þ, where ISO 8859-9 has Ş).
    bool latin1 = false;
};

void PrintTo(const RealFile& file, std::ostream* os)
{
    *os << file.stem;
}

class RealFiles : public ::testing::TestWithParam<RealFile>
{
protected:
    void SetUp() override
    {
        KX_REQUIRE_REALDATA();
        m_codec.characterTable = GetParam().latin1 ? 0 : 6;
        m_file = load(std::string(GetParam().stem) + ".TLL.in");
    }

    LoadedFile m_file;
    CodecSettings m_codec;
};

TEST_P(RealFiles, KindsNumbersAndNames_MatchTheReferenceList)
{
    const RealFile& param = GetParam();
    ASSERT_EQ(m_file.analog.size(), param.analog);
    ASSERT_EQ(m_file.digital.size(), param.digital);
    EXPECT_EQ(std::count_if(m_file.digital.begin(), m_file.digital.end(),
                            [](const auto& rec) { return rec->m_bFM; }),
              static_cast<std::ptrdiff_t>(param.radio));

    using Entry = std::tuple<std::string, int, std::string>;
    std::vector<Entry> ours;
    for (const auto& rec : m_file.analog) {
        ours.emplace_back("analog", rec->GetNumber(), withoutEmphasisMarks(rec->GetName(m_codec)));
    }
    for (const auto& rec : m_file.digital) {
        ours.emplace_back(rec->m_bFM ? "radio" : "tv", rec->GetNumber(),
                          withoutEmphasisMarks(rec->GetName(m_codec)));
    }
    std::vector<Entry> reference;
    const std::filesystem::path referenceFile = test::referenceListFile(param.stem);
    ASSERT_FALSE(referenceFile.empty()) << "no reference list for " << param.stem;
    for (const test::ReferenceChannel& channel : test::readReferenceList(referenceFile)) {
        const std::string list = channel.list == "DCR0"   ? "radio"
                                 : channel.list == "DCT0" ? "tv"
                                                          : "analog";
        reference.emplace_back(list, channel.number, channel.name);
    }
    std::sort(ours.begin(), ours.end());
    std::sort(reference.begin(), reference.end());
    ASSERT_EQ(ours.size(), reference.size());
    for (std::size_t i = 0; i < ours.size(); ++i) {
        ASSERT_EQ(ours[i], reference[i]) << "entry " << i;
    }
}

TEST_P(RealFiles, RenumberingWithTheSameNumber_ChangesNoByte)
{
    if (std::string(GetParam().stem) == "xxLH3000-ZA00002") {
        GTEST_SKIP() << "this file keeps its derived number elsewhere";
    }
    for (auto* list : {&m_file.analog, &m_file.digital}) {
        for (const auto& rec : *list) {
            const std::unique_ptr<CChannelRec> copy = rec->Clone();
            copy->SetNumber(rec->GetNumber());
            ASSERT_TRUE(std::equal(copy->raw().begin(), copy->raw().end(), rec->raw().begin()))
                << "programme " << rec->GetNumber();
        }
    }
}

TEST_P(RealFiles, RenamingToTheSameName_KeepsTheNameBytes)
{
    for (auto* list : {&m_file.analog, &m_file.digital}) {
        for (const auto& rec : *list) {
            const auto field = rec->raw().subspan(rec->raw().size() == 164 ? 28 : 30, 40);
            // Encode through the table the stored prefix names, with the prefix switch set
            // exactly when the name has one.
            CodecSettings codec;
            const int row = field[0] != 0 && field[0] < 32 ? CharacterTableForPrefix(field[0]) : -1;
            codec.characterTable = row > 0 ? row : 6;
            codec.prefix = row > 0;
            m_codec = codec;
            const std::unique_ptr<CChannelRec> copy = rec->Clone();
            copy->SetName(rec->GetName(m_codec), m_codec);
            const auto copied = copy->raw().subspan(rec->raw().size() == 164 ? 28 : 30, 40);
            const std::size_t used =
                static_cast<std::size_t>(std::find(field.begin(), field.end(), 0) - field.begin());
            ASSERT_TRUE(std::equal(field.begin(), field.begin() + used + 1, copied.begin()))
                << "programme " << rec->GetNumber() << " " << rec->GetName(m_codec);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Exports, RealFiles,
                         ::testing::Values(RealFile{"xx2350D-PZM00001", 31, 434, 89},
                                           RealFile{"xxLH3000-ZA00002", 0, 53, 16},
                                           RealFile{"xxLH5000-ZB00002", 35, 75, 0},
                                           RealFile{"xxLD750-ZA00001", 30, 352, 104},
                                           RealFile{"xxLE5500-ZA00002", 36, 0, 0, true},
                                           RealFile{"xxLK450-ZB00001", 34, 438, 128},
                                           RealFile{"xxLW4500-ZB00001", 31, 432, 94},
                                           RealFile{"xxLX9500-ZA00001", 37, 512, 151}),
                         [](const auto& info) {
                             std::string name = info.param.stem;
                             name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
                             return name;
                         });

// Column texts of single records, worked out by hand from their bytes.
class RealRecordColumns : public ::testing::Test
{
protected:
    void SetUp() override
    {
        KX_REQUIRE_REALDATA();
        m_codec.characterTable = 6;
    }

    CodecSettings m_codec;
};

TEST_F(RealRecordColumns, SmallRecordFile)
{
    const LoadedFile file = load("xx2350D-PZM00001.TLL.in");
    // System 0003, channel/band 0106.
    const CChannelRec& first = *file.analog[0];
    EXPECT_EQ(first.GetNumber(), 1);
    EXPECT_EQ(first.GetName(m_codec), " N-TV");
    EXPECT_EQ(first.GetSystemText(), "3");
    EXPECT_EQ(first.GetBandText(), "V/UHF");
    EXPECT_EQ(first.GetChannelText(), "6");
    EXPECT_EQ(first.GetCharacterText(), "None");
    EXPECT_EQ(file.analog[5]->GetBandText(), "Cable");
    EXPECT_EQ(file.analog[5]->GetChannelText(), "5");
    // Word at 92: 05 F4 1A 00; at 96: 90 29 0A 00; name 05 86 'RTL' 87 ' Television'.
    const CChannelRec& tv = *file.digital[0];
    EXPECT_TRUE(tv.m_bDTV);
    EXPECT_EQ(tv.GetModulationText(), "QAM64");
    EXPECT_EQ(tv.GetSymbolRateText(), "6900");
    EXPECT_EQ(tv.GetFrequencyText(), "666000");
    EXPECT_EQ(tv.GetCharacterText(), "Turkish");
    EXPECT_EQ(tv.GetName(m_codec), "\u0086RTL\u0087 Television");
    EXPECT_FALSE(tv.IsUnchecked());
}

TEST_F(RealRecordColumns, SmallRecordFileWithUtf8Names)
{
    const LoadedFile file = load("xxLH5000-ZB00002.TLL.in");
    EXPECT_EQ(file.analog[0]->GetSystemText(), "DK");
    EXPECT_EQ(file.analog[0]->GetBandText(), "Cable");
    EXPECT_EQ(file.analog[0]->GetChannelText(), "2");
    // Word at 92: 05 DB 1A 00; at 96: D0 EF 03 00.
    const CChannelRec& tv = *file.digital[0];
    EXPECT_EQ(tv.GetName(m_codec), "Первый");
    EXPECT_EQ(tv.GetCharacterText(), "Unicode");
    EXPECT_EQ(tv.GetModulationText(), "QAM64");
    EXPECT_EQ(tv.GetSymbolRateText(), "6875");
    EXPECT_EQ(tv.GetFrequencyText(), "258000");
}

TEST_F(RealRecordColumns, LargeRecordFiles)
{
    const LoadedFile ld750 = load("xxLD750-ZA00001.TLL.in");
    // System 0010, channel/band 0106.
    EXPECT_EQ(ld750.analog[0]->GetName(m_codec), " BR 3");
    EXPECT_EQ(ld750.analog[0]->GetSystemText(), "BG");
    EXPECT_EQ(ld750.analog[0]->GetBandText(), "V/UHF");
    EXPECT_EQ(ld750.analog[0]->GetChannelText(), "6");
    // Word at 102: F4 1A, so the modulation code is 0xF4; at 88: 50 22 06 00.
    const CChannelRec& tv = *ld750.digital[0];
    EXPECT_EQ(tv.GetName(m_codec), "Syfy (KD)");
    EXPECT_EQ(tv.GetSymbolRateText(), "6900");
    EXPECT_EQ(tv.GetModulationText(), "QAM?");
    EXPECT_EQ(tv.GetFrequencyText(), "402000");

    const LoadedFile lk450 = load("xxLK450-ZB00001.TLL.in");
    EXPECT_EQ(lk450.digital[2]->GetFrequencyText(), "442000");
    // Word 0x0201 at 122: the receiver skips this channel.
    const CChannelRec& skipped = *lk450.digital[226];
    EXPECT_EQ(skipped.GetNumber(), 227);
    EXPECT_EQ(skipped.GetName(m_codec), "Turkmax");
    EXPECT_TRUE(skipped.IsUnchecked());
    EXPECT_FALSE(lk450.digital[2]->IsUnchecked());
    // Number word 0x400C and prefix 2.
    const CChannelRec& radio = *lk450.digital[321];
    EXPECT_TRUE(radio.m_bFM);
    EXPECT_EQ(radio.GetNumber(), 12);
    EXPECT_EQ(radio.GetCharacterText(), "Arabic");
    EXPECT_EQ(radio.GetName(m_codec), "R'n'B & Soul Classic ");
}

TEST_F(RealRecordColumns, UnprefixedCyrillicNamesShowUnderTheCyrillicTable)
{
    const LoadedFile file = load("xxLE5500-ZA00002.TLL.in");
    CodecSettings codec;
    codec.characterTable = 2;
    m_codec = codec;
    EXPECT_EQ(file.analog[0]->GetName(m_codec), "Первый");
    EXPECT_EQ(file.analog[0]->GetSystemText(), "DK");
    EXPECT_EQ(file.analog[0]->GetChannelText(), "12");
    codec.characterTable = 1;
    m_codec = codec;
    EXPECT_EQ(file.analog[0]->GetName(m_codec), "¿ÕàÒëÙ")
        << "User with the identity table, as 1252";
}

TEST_F(RealRecordColumns, RenamingKeepsTheReceiversByteAfterTheLength)
{
    const LoadedFile file = load("xx2350D-PZM00001.TLL.in");
    CChannelRec& tv = *file.digital[0];
    ASSERT_EQ(tv.raw()[68], 0x11);
    ASSERT_EQ(tv.raw()[69], 0x02);
    CodecSettings codec;
    codec.characterTable = 6;
    codec.prefix = true;
    m_codec = codec;
    tv.SetName("RTL", m_codec);
    EXPECT_EQ(tv.raw()[68], 5);
    EXPECT_EQ(tv.raw()[69], 0x02);
    EXPECT_EQ(tv.GetName(m_codec), "RTL");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(tv.raw().data()) + 116, 5),
              std::string("\x05RTL\0", 5));
}

} // namespace
} // namespace kx
