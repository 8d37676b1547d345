// The reference-list text format: what is refused (naming the line), what is accepted beyond
// the exact form, and the UIDs and list codes of each kind of channel.
#include <gtest/gtest.h>

#include <string>

#include "document/referencelist.h"
#include "platform/error.h"

namespace kx {
namespace {

struct BadText
{
    const char* text;
    const char* message;
};

void PrintTo(const BadText& bad, std::ostream* out)
{
    *out << bad.message;
}

class ReferenceListBadText : public testing::TestWithParam<BadText>
{};

TEST_P(ReferenceListBadText, Refused_NamingTheLine)
{
    try {
        ReadReferenceList(GetParam().text, "t.csv");
        FAIL() << "accepted";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), ErrorCode::Format);
        EXPECT_EQ(std::string(error.what()), std::string("t.csv, ") + GetParam().message);
    }
}

#define KX_GOOD ",1,,A-0-2805-0,\"x\",ACT0,\n"
INSTANTIATE_TEST_SUITE_P(
    Lines, ReferenceListBadText,
    testing::Values(
        BadText{KX_GOOD ",2,,A-0-2945-0,\"y\",ACT0\n", "line 2: 6 fields instead of 7"},
        BadText{",1,,A-0-2805-0,\"x\",ACT0,,\n", "line 1: more than 7 fields"},
        BadText{KX_GOOD ",2,,A-0-1-0,\"a\nb,ACT0,\n", "line 2: the quotes are not closed"},
        BadText{",1,,A-0-1-0,\"a\nb\",ACT0,\n,x,,A-0-2-0,\"c\",ACT0,\n",
                "line 3: the programme number \"x\" is not a number"},
        BadText{",1,,A-0-2805-0,\"x\"y,ACT0,\n", "line 1: text after the closing quote"},
        BadText{",1,,A-0-2805-0,x\"y,ACT0,\n",
                "line 1: a quote inside a field that does not start with one"},
        BadText{KX_GOOD "\n" KX_GOOD, "line 2: the line is empty"},
        BadText{",1,,A-0-2805-0,\"x\",ACT0,\r" KX_GOOD,
                "line 1: a carriage return without a line feed"},
        BadText{",-1,,A-0-2805-0,\"x\",ACT0,\n",
                "line 1: the programme number \"-1\" is not a number"},
        BadText{",1,x,A-0-2805-0,\"x\",ACT0,\n",
                "line 1: the first and third fields must be empty"},
        BadText{",1,,A-0-2805-0,\"x\",ACR0,\n", "line 1: unknown list code \"ACR0\""},
        BadText{",1,,A-0-2805-0,\"x\",DCT1,\n", "line 1: unknown list code \"DCT1\""},
        BadText{",1,,A-0-2805-0,\"x\",DCT0,\n",
                "line 1: the UID \"A-0-2805-0\" is malformed or does not belong to list DCT0"},
        BadText{",1,,A-1-2805-0,\"x\",ACT0,\n",
                "line 1: the UID \"A-1-2805-0\" is malformed or does not belong to list ACT0"},
        BadText{",1,,C-1-65536-3-05,\"x\",DCR0,\n",
                "line 1: the UID \"C-1-65536-3-05\" is malformed or does not belong to list DCR0"},
        BadText{",1,,C-1-2-3-5,\"x\",DAT0,\n",
                "line 1: the UID \"C-1-2-3-5\" is malformed or does not belong to list DAT0"},
        BadText{",1,,C-1-2-3-05,\"x\",DST0,\n",
                "line 1: the UID \"C-1-2-3-05\" is malformed or does not belong to list DST0"},
        BadText{",1,,S19.2-1-2-3,\"x\",DST0,\n",
                "line 1: the UID \"S19.2-1-2-3\" is malformed or does not belong to list DST0"},
        BadText{",1,,A-0-2805-0,\"\xC3(\",ACT0,\n", "line 1: the name is not UTF-8"},
        BadText{",1,,A-0-2805-0,\"x\",ACT0,1;\n",
                "line 1: the flags \"1;\" hold more than digits and letters"}));

TEST(ReferenceList, Read_AcceptsBomCrlfQuotesAndNoLastLineEnd_WritesTheExactForm)
{
    const std::string text = "\xEF\xBB\xBF,1,,C-1-2-3-05,\"Say \"\"Hi\"\", 1\",DCR0,1H\r\n"
                             ",0,,A-0-2805-0,\"two\r\nlines\",AAT0,";
    const std::vector<ChannelList> lists = ReadReferenceList(text, "t.csv");
    ASSERT_EQ(lists.size(), 2U);
    EXPECT_EQ(lists[0].name, "DCR0");
    const ListChannel& radio = lists[0].channels.at(0);
    EXPECT_EQ(radio.name, "Say \"Hi\", 1");
    EXPECT_EQ(radio.flags, "1H");
    EXPECT_EQ(radio.id.source, SignalSource::DvbC);
    EXPECT_TRUE(radio.id.radio);
    EXPECT_EQ(lists[1].channels.at(0).name, "two\r\nlines");
    EXPECT_EQ(lists[1].channels.at(0).number, 0);
    const std::string written = ",1,,C-1-2-3-05,\"Say \"\"Hi\"\", 1\",DCR0,1H\n"
                                ",0,,A-0-2805-0,\"two\r\nlines\",AAT0,\n";
    EXPECT_EQ(WriteReferenceList(lists), written);
    EXPECT_EQ(WriteReferenceList(ReadReferenceList(written, "again")), written);
}

TEST(ReferenceList, Read_RefusesOversizedText)
{
    const std::string text(kMaxReferenceListBytes + 1, ',');
    EXPECT_THROW(ReadReferenceList(text, "big.csv"), Error);
}

struct UidCase
{
    ChannelIdentity id;
    const char* uid; // "" for none
    const char* code;
};

TEST(ReferenceList, UidsAndCodes_OfEveryKind_RoundTrip)
{
    ChannelIdentity antenna{SignalSource::DvbT, false, true, 8232, 500, 10101, "", {}, 41};
    ChannelIdentity unknownChannel{SignalSource::DvbC, false, false, 1, 1093, 28441, "", {}, {}};
    const UidCase cases[] = {
        {{SignalSource::AnalogCable, true, false, {}, {}, {}, "", 2805, {}}, "A-0-2805-0", "ACT0"},
        {{SignalSource::AnalogAntenna, true, false, {}, {}, {}, "", 17109, {}},
         "A-0-17109-0",
         "AAT0"},
        {antenna, "C-8232-500-10101-41", "DAR0"},
        {unknownChannel, "C-1-1093-28441-00", "DCT0"},
        {{SignalSource::DvbS, false, false, 318, 11500, 17319, SatellitePositionText(130), {}, {}},
         "S13.0E-318-11500-17319",
         "DST0"},
        {{SignalSource::DvbS, false, true, 1, 2, 3, SatellitePositionText(-8), {}, {}},
         "S0.8W-1-2-3",
         "DSR0"},
        {{SignalSource::Unknown, false, false, 1, 2, 3, "", {}, {}}, "C-1-2-3-00", ""},
        {{SignalSource::DvbS, false, false, 1, 2, 3, "", {}, {}}, "", "DST0"},
        {{SignalSource::DvbC, false, false, 1, {}, 3, "", {}, {}}, "", "DCT0"},
    };
    for (const UidCase& c : cases) {
        SCOPED_TRACE(c.uid);
        EXPECT_EQ(ReferenceUid(c.id).value_or(""), c.uid);
        EXPECT_EQ(ReferenceListCode(c.id).value_or(""), c.code);
        if (*c.uid != '\0' && *c.code != '\0') {
            const std::optional<ChannelIdentity> parsed = ParseReferenceUid(c.uid, c.code);
            ASSERT_TRUE(parsed.has_value());
            EXPECT_EQ(ReferenceUid(*parsed), c.uid);
            if (c.id.channel || c.id.analog || !c.id.satellite.empty()) {
                EXPECT_EQ(*parsed, c.id);
            }
        }
    }
    unknownChannel.source = SignalSource::Unknown;
    const ChannelList list{"dtv", {{unknownChannel, 1, "Das Erste", "", 0}}};
    try {
        WriteReferenceList({&list, 1});
        FAIL() << "written";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), ErrorCode::Unsupported);
        EXPECT_NE(std::string(error.what()).find("channel 1 \"Das Erste\" of list dtv"),
                  std::string::npos);
    }
}

} // namespace
} // namespace kx
