#include <algorithm>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "model/channelrecv1.h"
#include "model/channelrecv2.h"
#include "model/layoutchannelrec.h"
#include "model/namecodec.h"
#include "platform/archive.h"
#include "platform/codepage.h"
#include "platform/file.h"
#include "support/tempdir.h"

namespace kx {
namespace {

// The offsets of each layout, written out here rather than taken from the code under test.
struct Layout
{
    const char* name;
    std::size_t size;
    std::size_t number;
    std::size_t derived;
    std::size_t system;
    std::size_t band;
    std::size_t nameField;
    std::size_t nameLength;
    std::size_t nameCopy;
    std::size_t frequency;
    std::unique_ptr<CChannelRec> (*make)();
};

const Layout kV1{"V1", 164, 10, 108, 22, 24, 28, 68, 116, 96, [] {
                     return std::unique_ptr<CChannelRec>(std::make_unique<CChannelRecV1>());
                 }};
const Layout kV2{"V2", 176, 12, 116, 24, 26, 30, 70, 128, 88, [] {
                     return std::unique_ptr<CChannelRec>(std::make_unique<CChannelRecV2>());
                 }};

void PrintTo(const Layout* layout, std::ostream* os)
{
    *os << layout->name;
}

std::uint32_t readU32(const CChannelRec& rec, std::size_t offset)
{
    const auto raw = rec.raw();
    return raw[offset] | raw[offset + 1] << 8 | raw[offset + 2] << 16 |
           static_cast<std::uint32_t>(raw[offset + 3]) << 24;
}

std::uint16_t readU16(const CChannelRec& rec, std::size_t offset)
{
    const auto raw = rec.raw();
    return static_cast<std::uint16_t>(raw[offset] | raw[offset + 1] << 8);
}

void writeU16(CChannelRec& rec, std::size_t offset, std::uint16_t value)
{
    rec.raw()[offset] = static_cast<std::uint8_t>(value);
    rec.raw()[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void writeU32(CChannelRec& rec, std::size_t offset, std::uint32_t value)
{
    writeU16(rec, offset, static_cast<std::uint16_t>(value));
    writeU16(rec, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

void setKind(CChannelRec& rec, bool tv, bool fm, bool dtv)
{
    rec.m_bTV = tv;
    rec.m_bFM = fm;
    rec.m_bDTV = dtv;
}

class ChannelRecLayouts : public ::testing::TestWithParam<const Layout*>
{
protected:
    void SetUp() override { m_rec = GetParam()->make(); }
    const Layout& layout() const { return *GetParam(); }

    std::unique_ptr<CChannelRec> m_rec;
};

TEST_P(ChannelRecLayouts, NewRecord_IsAnalogWithZeroBytes)
{
    EXPECT_EQ(m_rec->raw().size(), layout().size);
    EXPECT_TRUE(std::all_of(m_rec->raw().begin(), m_rec->raw().end(),
                            [](std::uint8_t b) { return b == 0; }));
    EXPECT_TRUE(m_rec->m_bTV);
    EXPECT_FALSE(m_rec->m_bFM);
    EXPECT_FALSE(m_rec->m_bDTV);
}

TEST_P(ChannelRecLayouts, SetNumber_StoresNumberWordAndDerivedNumberByKind)
{
    setKind(*m_rec, false, true, false);
    EXPECT_FALSE(m_rec->HasNumber(7));
    m_rec->SetNumber(7);
    EXPECT_EQ(readU16(*m_rec, layout().number), 16391); // 7 + 16384
    EXPECT_EQ(readU32(*m_rec, layout().derived), 0x1001Du);
    EXPECT_EQ(m_rec->GetNumber(), 7);
    EXPECT_TRUE(m_rec->HasNumber(7)) << "renumbering to the same number changes no byte";
    writeU32(*m_rec, layout().derived, 0x1001D + 4);
    EXPECT_FALSE(m_rec->HasNumber(7)) << "the derived number disagrees";
    m_rec->SetNumber(7);

    setKind(*m_rec, false, false, true);
    m_rec->SetNumber(1000);
    EXPECT_EQ(readU16(*m_rec, layout().number), 1000);
    EXPECT_EQ(readU32(*m_rec, layout().derived), 4001u);

    setKind(*m_rec, true, false, false);
    m_rec->SetNumber(16383);
    EXPECT_EQ(readU16(*m_rec, layout().number), 16383);
    EXPECT_EQ(readU32(*m_rec, layout().derived), 65532u);

    // The number is not masked: the word keeps the low 16 bits.
    m_rec->SetNumber(70000);
    EXPECT_EQ(readU16(*m_rec, layout().number), 4464);
    EXPECT_EQ(readU32(*m_rec, layout().derived), 280000u);
    EXPECT_EQ(m_rec->GetNumber(), 4464);
}

TEST_P(ChannelRecLayouts, SetNumber_KeepsTheReceiversBitOfTheDerivedNumber)
{
    setKind(*m_rec, false, false, true);
    writeU32(*m_rec, layout().derived, 4 * 12 + 3);
    m_rec->SetNumber(9);
    EXPECT_EQ(readU32(*m_rec, layout().derived), 39u); // 4 x 9 + 3

    setKind(*m_rec, false, true, false);
    writeU32(*m_rec, layout().derived, 0x10003 + 4 * 5);
    m_rec->SetNumber(6);
    EXPECT_EQ(readU32(*m_rec, layout().derived), 0x1001Bu);

    setKind(*m_rec, true, false, false);
    writeU32(*m_rec, layout().derived, 0xFFFFFFFD);
    m_rec->SetNumber(1);
    EXPECT_EQ(readU32(*m_rec, layout().derived), 4u) << "only bit 1 is kept, and it was clear";
}

TEST_P(ChannelRecLayouts, GetNumber_MasksTheRadioOffset)
{
    writeU16(*m_rec, layout().number, 0x4007);
    EXPECT_EQ(m_rec->GetNumber(), 7);
    writeU16(*m_rec, layout().number, 0xFFFF);
    EXPECT_EQ(m_rec->GetNumber(), 16383);
}

TEST_P(ChannelRecLayouts, ClassifyKind_SplitsDigitalRecordsAt16384)
{
    writeU16(*m_rec, layout().number, 16383);
    EXPECT_FALSE(m_rec->ClassifyKind());
    EXPECT_FALSE(m_rec->m_bTV);
    EXPECT_FALSE(m_rec->m_bFM);
    EXPECT_TRUE(m_rec->m_bDTV);

    writeU16(*m_rec, layout().number, 16384);
    EXPECT_TRUE(m_rec->ClassifyKind());
    EXPECT_FALSE(m_rec->m_bTV);
    EXPECT_TRUE(m_rec->m_bFM);
    EXPECT_FALSE(m_rec->m_bDTV) << "exactly one kind flag stays set";
}

TEST_P(ChannelRecLayouts, Clone_CopiesBytesAndKindWithoutReclassifying)
{
    for (std::size_t i = 0; i < layout().size; ++i) {
        m_rec->raw()[i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    writeU16(*m_rec, layout().number, 5); // would classify as digital TV
    setKind(*m_rec, false, true, false);
    const std::unique_ptr<CChannelRec> copy = m_rec->Clone();
    ASSERT_NE(copy, nullptr);
    const CChannelRec& copied = *copy;
    const CChannelRec& original = *m_rec;
    EXPECT_EQ(typeid(copied), typeid(original));
    EXPECT_NE(copy->raw().data(), m_rec->raw().data());
    EXPECT_TRUE(std::equal(copy->raw().begin(), copy->raw().end(), m_rec->raw().begin(),
                           m_rec->raw().end()));
    EXPECT_TRUE(copy->m_bFM);
    EXPECT_FALSE(copy->m_bTV);
    EXPECT_FALSE(copy->m_bDTV);
}

TEST_P(ChannelRecLayouts, SystemText_NamesKnownCodesAndShowsOthersInHex)
{
    const std::vector<std::pair<std::uint16_t, std::string>> cases = {
        {0x10, "BG"}, {0x00, "BG"}, {0x20, "I"},  {0x50, "DK"},
        {0x60, "L"},  {0x30, "30"}, {0x1A, "1A"}, {0xBEEF, "BEEF"}};
    for (const auto& [code, text] : cases) {
        writeU16(*m_rec, layout().system, code);
        EXPECT_EQ(m_rec->GetSystemText(), text) << "code " << code;
    }
}

TEST_P(ChannelRecLayouts, BandAndChannel_ComeFromTheChannelBandWord)
{
    writeU16(*m_rec, layout().band, 0x0105);
    EXPECT_EQ(m_rec->GetBandText(), "V/UHF");
    EXPECT_EQ(m_rec->GetChannelText(), "5");
    writeU16(*m_rec, layout().band, 0x0023);
    EXPECT_EQ(m_rec->GetBandText(), "Cable");
    EXPECT_EQ(m_rec->GetChannelText(), "35");
    writeU16(*m_rec, layout().band, 0x00FF);
    EXPECT_EQ(m_rec->GetBandText(), "Cable");
    EXPECT_EQ(m_rec->GetChannelText(), "255");
}

TEST_P(ChannelRecLayouts, Frequency_IsShownSigned)
{
    writeU32(*m_rec, layout().frequency, 306000);
    EXPECT_EQ(m_rec->GetFrequencyText(), "306000");
    writeU32(*m_rec, layout().frequency, 0xFFFFFFFF);
    EXPECT_EQ(m_rec->GetFrequencyText(), "-1");
}

TEST_P(ChannelRecLayouts, HexRow_IsTwoUpperCaseDigitsAndATabPerByte)
{
    test::TempDir dir;
    m_rec->raw()[0] = 0x05;
    m_rec->raw()[layout().size - 1] = 0xAB;
    {
        File file(dir.path() / "row.xls", File::Mode::Write);
        m_rec->WriteHexRow(file);
    }
    const std::string row = File::readAll(dir.path() / "row.xls");
    ASSERT_EQ(row.size(), layout().size * 3);
    EXPECT_EQ(row.substr(0, 6), "05\t00\t");
    EXPECT_EQ(row.substr(row.size() - 6), "00\tAB\t");
    std::string zeros;
    for (std::size_t i = 1; i + 1 < layout().size; ++i) {
        zeros += "00\t";
    }
    EXPECT_EQ(row.substr(3, row.size() - 6), zeros);
}

TEST_P(ChannelRecLayouts, ReadAndWrite_RoundTripThroughFileAndArchive)
{
    test::TempDir dir;
    std::string bytes;
    for (std::size_t i = 0; i < 2 * layout().size; ++i) {
        bytes += static_cast<char>(i % 251);
    }
    {
        File file(dir.path() / "in.bin", File::Mode::Write);
        file.write(bytes);
    }
    File in(dir.path() / "in.bin", File::Mode::Read);
    in.skip(static_cast<std::int64_t>(layout().size));
    m_rec->ReadFromFile(in);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(m_rec->raw().data()), layout().size),
              bytes.substr(layout().size));

    const std::unique_ptr<CChannelRec> second = layout().make();
    Archive loading(bytes, "in.bin");
    second->ReadFromArchive(loading);
    EXPECT_EQ(loading.position(), layout().size);
    {
        File out(dir.path() / "out.bin", File::Mode::Write);
        Archive storing(out);
        second->WriteToArchive(storing);
        storing.flush();
        m_rec->WriteToFile(out);
    }
    EXPECT_EQ(File::readAll(dir.path() / "out.bin"), bytes);
}

TEST_P(ChannelRecLayouts, ShortRead_KeepsTheRestOfTheRecordAndDoesNotThrow)
{
    m_rec->raw()[layout().size - 1] = 0x77;
    Archive ar(std::string("\x01\x02\x03", 3), "short.tll");
    EXPECT_NO_THROW(m_rec->ReadFromArchive(ar));
    EXPECT_EQ(m_rec->raw()[0], 0x01);
    EXPECT_EQ(m_rec->raw()[2], 0x03);
    EXPECT_EQ(m_rec->raw()[layout().size - 1], 0x77);
}

TEST_P(ChannelRecLayouts, CharacterText_NamesTheTableOfTheFirstNameByte)
{
    const std::vector<std::pair<std::uint8_t, std::string>> cases = {{0, "User"},
                                                                     {1, "Cyrillic"},
                                                                     {5, "Turkish"},
                                                                     {8, "8 - None"},
                                                                     {9, "Estonian(Latin 7)"},
                                                                     {11, "European(Latin 9)"},
                                                                     {12, "12 - None"},
                                                                     {21, "Unicode"},
                                                                     {31, "31 - None"},
                                                                     {'A', "None"},
                                                                     {0xC0, "None"}};
    for (const auto& [first, text] : cases) {
        m_rec->raw()[layout().nameField] = first;
        EXPECT_EQ(m_rec->GetCharacterText(), text) << "first byte " << int{first};
    }
}

TEST_P(ChannelRecLayouts, IsoSelector_ShowsTheListsRowOrThePartAndARenameReplacesIt)
{
    const std::tuple<const char*, const char*, int> cases[] = {
        {"\x10\x00\x02", "ISO 8859-2", -1},
        {"\x10\x01\x05", "Cyrillic", 2},
        {"\x10\x00\x0F", "European(Latin 9)", 11},
        {"\x10\x00\x0C", "16 - None", -1}};
    for (const auto& [selector, text, row] : cases) {
        std::copy_n(selector, 3, m_rec->raw().begin() + layout().nameField);
        EXPECT_EQ(std::pair(m_rec->GetCharacterText(), m_rec->GetCharacterTable()),
                  std::pair(std::string(text), row));
    }
    m_rec->SetName("Zoo", CodecSettings{.characterTable = 11, .prefix = true});
    EXPECT_EQ(std::memcmp(m_rec->raw().data() + layout().nameField, "\x0BZoo", 5), 0);
}

TEST_P(ChannelRecLayouts, SetName_StoresFieldLengthAndCopy)
{
    auto raw = m_rec->raw();
    std::fill(raw.begin(), raw.end(), std::uint8_t{0xEE});
    m_rec->SetName("ABC", CodecSettings{});
    const std::uint8_t expected[] = {'A', 'B', 'C', 0};
    EXPECT_TRUE(std::equal(expected, expected + 4, raw.begin() + layout().nameField));
    EXPECT_TRUE(std::equal(expected, expected + 4, raw.begin() + layout().nameCopy));
    EXPECT_EQ(raw[layout().nameField + 4], 0xEE) << "bytes after the terminator stay";
    EXPECT_EQ(raw[layout().nameCopy + 4], 0xEE);
    EXPECT_EQ(raw[layout().nameLength], 3);
    EXPECT_EQ(raw[layout().nameLength + 1], 0xEE) << "the byte after the length belongs to the TV";
    EXPECT_EQ(m_rec->GetName(CodecSettings{}), "ABC");
}

TEST_P(ChannelRecLayouts, SetName_WithZeroByteAfterLength_StoresTheWholeWord)
{
    writeU16(*m_rec, layout().nameLength, 0);
    CodecSettings codec;
    codec.characterTable = 3;
    codec.prefix = true;
    m_rec->SetName("ABC", codec);
    EXPECT_EQ(readU16(*m_rec, layout().nameLength), 5);
}

TEST_P(ChannelRecLayouts, GetName_ReadsTheLengthFromTheLowByteOnly)
{
    const char name[] = "ABCDEFGH";
    std::memcpy(m_rec->raw().data() + layout().nameField, name, sizeof name);
    m_rec->raw()[layout().nameLength] = 3;
    m_rec->raw()[layout().nameLength + 1] = 0x11; // a real file's own field: not part of the length
    CodecSettings codec;
    codec.characterTable = 0;
    EXPECT_EQ(m_rec->GetName(codec), "ABC");
}

TEST_P(ChannelRecLayouts, LongNames_NeverWriteOutsideTheNameFieldsAndLength)
{
    const std::string longName(60, 'x');
    const std::string longCyrillic = "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ";
    for (int row = 0; row < 13; ++row) {
        for (int mode = 0; mode < 4; ++mode) {
            CodecSettings codec;
            codec.characterTable = row;
            codec.prefix = (mode & 1) != 0;
            codec.unicode = (mode & 2) != 0;
            auto raw = m_rec->raw();
            std::fill(raw.begin(), raw.end(), std::uint8_t{0xEE});
            m_rec->SetName(mode < 2 ? longName : longCyrillic, codec);
            for (std::size_t i = 0; i < raw.size(); ++i) {
                const bool inName = i >= layout().nameField && i < layout().nameField + 40;
                const bool inCopy = i >= layout().nameCopy && i < layout().nameCopy + 40;
                if (!inName && !inCopy && i != layout().nameLength) {
                    ASSERT_EQ(raw[i], 0xEE) << "row " << row << " mode " << mode << " byte " << i;
                }
            }
            EXPECT_LE(raw[layout().nameLength], 40);
            EXPECT_TRUE(std::equal(raw.begin() + layout().nameField,
                                   raw.begin() + layout().nameField + 40,
                                   raw.begin() + layout().nameCopy))
                << "row " << row << " mode " << mode;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, ChannelRecLayouts, ::testing::Values(&kV1, &kV2),
                         [](const auto& info) { return std::string(info.param->name); });

// The rules where the two layouts differ.

TEST(CChannelRecV1, SymbolRateAndModulation_ShareTheWordAt92)
{
    CChannelRecV1 rec;
    const std::uint8_t word[] = {0x03, 0x64, 0x00, 0x00};
    std::copy(word, word + 4, rec.raw().begin() + 92);
    EXPECT_EQ(rec.GetModulationText(), "QAM16");
    EXPECT_EQ(rec.GetSymbolRateText(), "100");
    rec.raw()[92] = 5;
    EXPECT_EQ(rec.GetModulationText(), "QAM64");
    rec.raw()[92] = 7;
    EXPECT_EQ(rec.GetModulationText(), "QAM256");
    rec.raw()[95] = 0xFF; // the shift is unsigned
    EXPECT_EQ(rec.GetSymbolRateText(), "16711780");
}

TEST(CChannelRecV1, CheckBit_IsBit5OfByte113)
{
    CChannelRecV1 rec;
    EXPECT_FALSE(rec.IsUnchecked());
    rec.raw()[113] = 0x20;
    EXPECT_TRUE(rec.IsUnchecked());
    rec.raw()[113] = 0xFF;
    rec.SetChecked(true);
    EXPECT_EQ(rec.raw()[113], 0xDF);
    EXPECT_FALSE(rec.IsUnchecked());
    rec.raw()[113] = 0x01;
    rec.SetChecked(false);
    EXPECT_EQ(rec.raw()[113], 0x21);
    EXPECT_TRUE(rec.IsUnchecked());
    EXPECT_EQ(rec.raw()[112], 0);
    EXPECT_EQ(rec.raw()[114], 0);
}

TEST(CChannelRecV2, SymbolRateIsTheWholeWordAt102)
{
    CChannelRecV2 rec;
    rec.raw()[102] = 0x03;
    rec.raw()[103] = 0x02;
    rec.raw()[104] = 0xFF; // beyond the 16-bit field
    EXPECT_EQ(rec.GetSymbolRateText(), "515");
    EXPECT_EQ(rec.GetModulationText(), "QAM16");
}

TEST(CChannelRecV2, CheckBit_IsBit9OfTheWordAt122)
{
    CChannelRecV2 rec;
    rec.raw()[123] = 0x02; // word 0x0200
    EXPECT_TRUE(rec.IsUnchecked());
    rec.SetChecked(true);
    EXPECT_EQ(rec.raw()[122], 0x00);
    EXPECT_EQ(rec.raw()[123], 0x00);
    EXPECT_FALSE(rec.IsUnchecked());
    rec.raw()[122] = 0x01; // word 0x0001
    rec.SetChecked(false);
    EXPECT_EQ(rec.raw()[122], 0x01);
    EXPECT_EQ(rec.raw()[123], 0x02);
    rec.raw()[123] = 0xFF;
    rec.SetChecked(true);
    EXPECT_EQ(rec.raw()[123], 0xFD);
    rec.raw()[113] = 0x20; // the first layout's check bit means nothing here
    EXPECT_FALSE(rec.IsUnchecked());
}

TEST(ChannelRecModulation, LargeCodes_AreComputedIn64BitsOrShownUnknown)
{
    CChannelRecV2 rec;
    const std::vector<std::pair<std::uint8_t, std::string>> cases = {
        {0, "QAM2"},           {29, "QAM1073741824"},          {30, "QAM2147483648"},
        {31, "QAM4294967296"}, {62, "QAM9223372036854775808"}, {63, "QAM?"},
        {255, "QAM?"}};
    for (const auto& [code, text] : cases) {
        rec.raw()[102] = code;
        EXPECT_EQ(rec.GetModulationText(), text) << "code " << int{code};
    }
}

// Receivers mark a digital record whose number the user chose (0x40 of the flags byte) in the
// newer layouts and the satellite lists, never in the two oldest layouts nor analog records;
// deleting a channel clears its flags.
TEST(ChannelRecRenumbering, ChangedNumber_SetsTheMarkAndDeletingClearsTheFlags)
{
    // Layout, its flags byte (written out here), analog, the flags after a new number.
    const std::tuple<const RecordLayout*, std::size_t, bool, int> cases[] = {
        {&kLayout184, 131, false, 0x42},  {&kLayout180, 127, false, 0x42},
        {&kSatellite68, 15, false, 0x42}, {&kSatellite76LP, 17, false, 0x42},
        {&kLayout184, 131, true, 0x02},   {&kLayoutV1, 113, false, 0x02},
        {&kLayoutV2, 123, false, 0x02}};
    for (const auto& [layout, flags, analog, after] : cases) {
        SCOPED_TRACE(std::string(layout->name) + (analog ? " analog" : ""));
        auto rec = NewChannelRec(*layout);
        setKind(*rec, analog, false, !analog);
        rec->SetNumber(3);
        rec->raw()[flags] = 0x02;
        rec->SetNumber(3);
        EXPECT_EQ(rec->raw()[flags], 0x02) << "the same number is no change";
        rec->SetNumber(4);
        EXPECT_EQ(rec->raw()[flags], after);
        rec->raw()[flags] = 0x47;
        rec->MarkDeleted();
        EXPECT_EQ(rec->raw()[flags], layout->sorted ? 0x47 : 0) << "marked only where kept";
    }
}

TEST(ChannelRecMemory, RecordsCarryTheirBytesInline)
{
    // A list of 16,383 records must stay light: the bytes, the flags and the object's own pointer.
    EXPECT_LE(sizeof(CChannelRecV1), 164u + 24u);
    EXPECT_LE(sizeof(CChannelRecV2), 176u + 24u);
}

} // namespace
} // namespace kx
