#include "dialogs/channeldlgmodel.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "model/recordlayout.h"
#include "platform/codepage.h"
#include "platform/error.h"

namespace kx {
namespace {

std::vector<int> coverage(ChannelLayout layout, std::size_t size)
{
    std::vector<int> covered(size);
    for (const ChannelField& field : ChannelFieldMap::fields()) {
        if (const auto& place = field.place(layout)) {
            for (std::size_t i = 0; i < place->storedBytes; ++i) {
                ++covered.at(place->offset + i);
            }
        }
    }
    return covered;
}

TEST(ChannelFieldMap, Bytes164_EveryByteCoveredExactlyOnce)
{
    const auto covered = coverage(ChannelLayout::Bytes164, 164);
    for (std::size_t i = 0; i < covered.size(); ++i) {
        EXPECT_EQ(covered[i], 1) << "byte " << i;
    }
}

TEST(ChannelFieldMap, Bytes176_EveryByteButFourteenToNineteenCoveredOnce)
{
    const auto covered = coverage(ChannelLayout::Bytes176, 176);
    for (std::size_t i = 0; i < covered.size(); ++i) {
        EXPECT_EQ(covered[i], (i >= 14 && i <= 19) ? 0 : 1) << "byte " << i;
    }
}

TEST(ChannelFieldMap, ThirtyEightHexFieldsAndTwoNamesWithDistinctIds)
{
    int names = 0;
    std::vector<int> ids;
    for (const ChannelField& field : ChannelFieldMap::fields()) {
        names += field.isName ? 1 : 0;
        ids.push_back(field.controlId);
        EXPECT_EQ(ChannelFieldMap::find(field.controlId), &field);
    }
    EXPECT_EQ(names, 2);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end());
    EXPECT_EQ(ChannelFieldMap::find(1), nullptr);
    EXPECT_EQ(ChannelFieldMap::find(ChannelFieldMap::kName2Id)->label, "Name2");
    EXPECT_EQ(ChannelFieldMap::find(1034)->editRect.y, 205);
}

class ChannelDlgModelTest : public ::testing::Test
{
protected:
    // A record of random bytes whose two name fields hold a zero somewhere.
    static std::vector<std::uint8_t> randomRecord(std::size_t size, std::mt19937& random)
    {
        std::vector<std::uint8_t> raw(size);
        std::uniform_int_distribution<int> byte(0, 255);
        for (auto& b : raw) {
            b = static_cast<std::uint8_t>(byte(random));
        }
        std::uniform_int_distribution<std::size_t> at(0, 39);
        const std::size_t name = size == 164 ? 28 : 30;
        const std::size_t copy = size == 164 ? 116 : 128;
        raw[name + at(random)] = 0;
        raw[copy + at(random)] = 0;
        return raw;
    }
};

TEST_F(ChannelDlgModelTest, OkWithoutTyping_LeavesRandomRecordsByteIdentical)
{
    std::mt19937 random(20240611);
    for (const std::size_t size : {164U, 176U}) {
        for (int round = 0; round < 200; ++round) {
            auto raw = randomRecord(size, random);
            const auto before = raw;
            ChannelDlgModel model(raw, 1252);
            model.OnOK();
            ASSERT_EQ(raw, before) << size << " bytes, round " << round;
            // A widget that hands every text back unchanged must not change anything either.
            ChannelDlgModel again(raw, 1252);
            for (const ChannelField& field : ChannelFieldMap::fields()) {
                again.setText(field.controlId, again.text(field.controlId));
            }
            again.OnOK();
            ASSERT_EQ(raw, before) << size << " bytes, round " << round;
        }
    }
}

TEST_F(ChannelDlgModelTest, Cancel_LeavesBytesAfterEdits)
{
    std::vector<std::uint8_t> raw(164, 0x11);
    const auto before = raw;
    {
        ChannelDlgModel model(raw, 1252);
        model.setText(1004, "FF FF FF FF ");
        model.setText(ChannelFieldMap::kName1Id, "Changed");
    }
    EXPECT_EQ(raw, before);
}

TEST_F(ChannelDlgModelTest, Fill_ShowsPairsMostSignificantFirst)
{
    std::vector<std::uint8_t> raw(164, 0);
    raw[0] = 0x01; // _tmp1, 4 bytes at 0
    raw[1] = 0x02;
    raw[2] = 0x03;
    raw[3] = 0x04;
    raw[10] = 0xA5; // Nummer, 2 bytes at 10
    raw[92] = 0xFF; // Symbol_rate, 4 bytes at 92
    raw[93] = 0xFF;
    raw[94] = 0xFF;
    raw[95] = 0xFF;
    raw[112] = 0x7F; // Nummer2, 1 byte shown as 2
    raw[113] = 0x20; // Status, 1 byte
    ChannelDlgModel model(raw, 1252);
    EXPECT_EQ(model.text(1004), "04 03 02 01 ");
    EXPECT_EQ(model.text(1010), "00 A5 ");
    EXPECT_EQ(model.text(1034), "FF FF FF FF ");
    EXPECT_EQ(model.text(1026), "00 7F ");
    EXPECT_EQ(model.text(1033), "20 ");
    EXPECT_EQ(model.maxLength(1026), 6);
    EXPECT_EQ(model.maxLength(1033), 3);
    EXPECT_EQ(model.maxLength(ChannelFieldMap::kName1Id), 40);
}

// A record of a newer layout (192 bytes): the named controls show the fields the layout table
// places, the raw boxes of the two oldest layouts stay empty.
TEST_F(ChannelDlgModelTest, NewerLayout_NamedControlsShowTheLayoutsFields)
{
    std::vector<std::uint8_t> raw(192, 0x11);
    raw[12] = 0x05; // Nummer, the number word at 12
    raw[13] = 0x40;
    raw[128] = 0x06; // ID: the copy of the number word at 128, 2 bytes
    raw[129] = 0x00;
    raw[134] = 0x05; // Status: favourites byte and flags byte
    raw[135] = 0x04;
    const std::uint8_t frequency[] = {0x90, 0x3B, 0x07, 0x00}; // 474000 kHz, the u32 at 96
    std::copy(frequency, frequency + 4, raw.begin() + 96);
    const char name[] = "Arte HD";
    std::copy(name, name + 7, raw.begin() + 30); // Name1 at 30, Name2 at 140
    raw[37] = 0;
    std::copy(name, name + 5, raw.begin() + 140);
    raw[145] = 0;
    const std::vector<std::uint8_t> before = raw;
    ChannelDlgModel model(raw, kLayout192, 1252);
    EXPECT_FALSE(model.layout());
    EXPECT_EQ(model.text(1010), "40 05 ");
    EXPECT_EQ(model.text(1029), "00 06 ");
    EXPECT_EQ(model.text(1033), "04 05 ");
    EXPECT_EQ(model.text(1028), "00 07 3B 90 ");
    EXPECT_EQ(model.text(ChannelFieldMap::kName1Id), "Arte HD");
    EXPECT_EQ(model.text(ChannelFieldMap::kName2Id), "Arte ");
    for (const int id : {1004, 1025, 1034}) { // _tmp1, Nummer1, Symbol_rate
        EXPECT_FALSE(model.isUsed(id)) << id;
    }
    model.OnOK();
    EXPECT_EQ(raw, before);
    model.setText(1010, "00 07 ");
    model.OnOK();
    EXPECT_EQ(raw[12], 0x07);
    EXPECT_EQ(raw[13], 0x00);
    EXPECT_THROW(ChannelDlgModel(std::span(raw).first(176), kLayout192, 1252), Error);
}

TEST_F(ChannelDlgModelTest, UnusedControlsStayEmptyAndTakeNothing)
{
    std::vector<std::uint8_t> v1(164, 0x33);
    std::vector<std::uint8_t> v2(176, 0x33);
    ChannelDlgModel m1(v1, 1252);
    ChannelDlgModel m2(v2, 1252);
    for (const int id : {1023, 1012, 1040, 1038, 1039, 1041}) {
        EXPECT_FALSE(m1.isUsed(id)) << id;
        EXPECT_TRUE(m2.isUsed(id)) << id;
        EXPECT_EQ(m1.text(id), "");
        EXPECT_EQ(m1.maxLength(id), 0);
        EXPECT_FALSE(m1.OnChar(id, "", 0, U'1'));
    }
    for (const int id : {1030, 1036, 1014, 1021, 1022, 1024}) {
        EXPECT_FALSE(m2.isUsed(id)) << id;
        EXPECT_TRUE(m1.isUsed(id)) << id;
        EXPECT_EQ(m2.text(id), "");
    }
    m1.setText(1023, "FF ");
    m1.OnOK();
    EXPECT_EQ(v1, std::vector<std::uint8_t>(164, 0x33));
}

TEST_F(ChannelDlgModelTest, SymbolRateOn176_FourDigitsPairsStoreLowTwoBytes)
{
    std::vector<std::uint8_t> raw(176, 0xEE);
    ChannelDlgModel model(raw, 1252);
    EXPECT_EQ(model.text(1034), "00 00 EE EE ");
    std::string text = model.text(1034);
    int caret = 0;
    for (const char32_t ch : std::u32string(U"00012345")) {
        const auto entry = model.OnChar(1034, text, caret, ch);
        ASSERT_TRUE(entry);
        text = entry->text;
        caret = entry->caret;
    }
    model.setText(1034, text);
    model.OnOK();
    EXPECT_EQ(raw[102], 0x45);
    EXPECT_EQ(raw[103], 0x23);
    raw[102] = 0xEE;
    raw[103] = 0xEE;
    EXPECT_EQ(raw, std::vector<std::uint8_t>(176, 0xEE));
}

TEST_F(ChannelDlgModelTest, Nummer2On164_KeepsTheLowByteOnly)
{
    std::vector<std::uint8_t> raw(164, 0);
    raw[112] = 0x7F;
    raw[113] = 0x20;
    ChannelDlgModel model(raw, 1252);
    model.setText(1026, "12 34 ");
    model.OnOK();
    EXPECT_EQ(raw[112], 0x34);
    EXPECT_EQ(raw[113], 0x20) << "the Status byte is stored from its own box";
}

TEST_F(ChannelDlgModelTest, UnreadableOrClearedHexTextKeepsOpeningValue)
{
    std::vector<std::uint8_t> raw(164, 0);
    raw[96] = 0x78; // Frequency 0x12345678
    raw[97] = 0x56;
    raw[98] = 0x34;
    raw[99] = 0x12;
    ChannelDlgModel model(raw, 1252);
    model.setText(1028, "");
    model.setText(1010, "ab cd ");
    model.setText(1025, "0A 0B ");
    model.OnOK();
    EXPECT_EQ(raw[96], 0x78);
    EXPECT_EQ(raw[99], 0x12);
    EXPECT_EQ(raw[10], 0x00);
    EXPECT_EQ(raw[8], 0x0B);
    EXPECT_EQ(raw[9], 0x0A);
}

TEST_F(ChannelDlgModelTest, BytesFourteenToNineteenOf176SurviveEveryEdit)
{
    std::vector<std::uint8_t> raw(176, 0x5A);
    ChannelDlgModel model(raw, 1252);
    for (const ChannelField& field : ChannelFieldMap::fields()) {
        model.setText(field.controlId, field.isName ? "ZZZZ" : "00 00 00 00 ");
    }
    model.OnOK();
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (i >= 14 && i <= 19) {
            EXPECT_EQ(raw[i], 0x5A) << i;
        }
    }
    EXPECT_EQ(raw[30], 'Z');
    EXPECT_EQ(raw[34], 0);
    EXPECT_EQ(raw[35], 0x5A) << "bytes behind the new terminator keep their values";
}

TEST_F(ChannelDlgModelTest, Names_ShownUpToZeroOrFieldEndAndStoredWithinTheField)
{
    std::vector<std::uint8_t> raw(164, 'x');
    // Name1 at 28: prefix 0x05, "m", 0xFC, "tv", zero. Name2 at 116: 40 bytes without a zero.
    const std::uint8_t name[] = {0x05, 'm', 0xFC, 't', 'v', 0};
    std::copy(std::begin(name), std::end(name), raw.begin() + 28);
    ChannelDlgModel model(raw, 1252);
    EXPECT_EQ(model.text(1011), "\x05m\xC3\xBCtv");
    EXPECT_EQ(model.text(1037), std::string(40, 'x'));

    auto before = raw;
    model.setText(1011, "AB");
    model.setText(1037, std::string(45, 'y'));
    model.OnOK();
    before[28] = 'A';
    before[29] = 'B';
    before[30] = 0;
    for (std::size_t i = 116; i < 156; ++i) {
        before[i] = 'y';
    }
    EXPECT_EQ(raw, before) << "a long name fills its 40 bytes and writes nothing behind";
}

TEST_F(ChannelDlgModelTest, Names_UseTheSystemCodePage)
{
    std::vector<std::uint8_t> raw(176, 0);
    ChannelDlgModel model(raw, 1251);
    model.setText(1011, "Первый");
    model.OnOK();
    const std::vector<std::uint8_t> expected = {0xCF, 0xE5, 0xF0, 0xE2, 0xFB, 0xE9, 0x00};
    EXPECT_EQ(std::vector<std::uint8_t>(raw.begin() + 30, raw.begin() + 37), expected);
    EXPECT_EQ(ChannelDlgModel(raw, 1251).text(1011), "Первый");
}

TEST_F(ChannelDlgModelTest, Names_CharacterOutsideCodePageIsRefusedBeforeAnyWrite)
{
    std::vector<std::uint8_t> raw(164, 0x41);
    raw[40] = 0;
    const auto before = raw;
    ChannelDlgModel model(raw, 1252);
    EXPECT_FALSE(model.canStoreName("Первый"));
    EXPECT_TRUE(model.canStoreName("Müller"));
    model.setText(1004, "00 00 00 00 ");
    model.setText(1011, "ok");
    model.setText(1037, "Первый");
    EXPECT_THROW(model.OnOK(), Error);
    EXPECT_EQ(raw, before);
}

TEST_F(ChannelDlgModelTest, EmptyRecordGivesEmptyDialogOtherSizesAreRefused)
{
    ChannelDlgModel empty{std::span<std::uint8_t>(), 1252};
    EXPECT_FALSE(empty.layout());
    EXPECT_FALSE(empty.isUsed(1004));
    empty.OnOK();
    std::vector<std::uint8_t> odd(180);
    EXPECT_THROW((ChannelDlgModel{odd, 1252}), Error);
    EXPECT_THROW((void)empty.text(1), Error);
}

} // namespace
} // namespace kx
