// GlobalClone files: the real files of three receivers read with their lists, names, satellites
// and polarisations, written back byte for byte, and each kind of edit changing only the text of
// the fields it concerns; damaged and hostile inputs refused with a message that says where.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "document/globalclonefile.h"
#include "document/globalclonetext.h"
#include "platform/error.h"
#include "platform/file.h"
#include "support/realdata.h"
#include "support/tempdir.h"

namespace kx {
namespace {

using F = GlobalCloneField;

// A small file in the receivers' shape: one element a line, or indented children.
std::string smallFile(const std::string& eol = "\n", const std::string& indent = "",
                      const std::string& items = "")
{
    const std::string item = items.empty() ? "<ITEM>" + eol + indent + "<prNum>3</prNum>" + eol +
                                                 indent + "<service_id>901</service_id>" + eol +
                                                 indent + "<sourceIndex>3</sourceIndex>" + eol +
                                                 indent + "<isBlocked>0</isBlocked>" + eol +
                                                 indent + "<vchName/>" + eol + "</ITEM>" + eol
                                           : items;
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + eol + eol + "<TLLDATA>" + eol +
           "<ModelInfo>" + eol + "<ModelName type=\"0\">TEST55X1</ModelName>" + eol +
           "<CloneVersion type=\"1\">" + eol + "<MajorVersion>100</MajorVersion>" + eol +
           "</CloneVersion>" + eol + "</ModelInfo>" + eol + "<CHANNEL>" + eol + "<ATV>" + eol +
           "</ATV>" + eol + "<DTV>" + eol + item + "</DTV>" + eol + "</CHANNEL>" + eol +
           "</TLLDATA>" + eol;
}

// The text with the content of each named element of the n-th ITEM replaced, found by plain text
// search: the writer's expected output, worked out without the reader's offsets.
std::string withFields(std::string text, int itemNumber,
                       const std::vector<std::pair<std::string, std::string>>& fields)
{
    std::size_t start = text.find("<DTV>");
    for (int i = 0; i <= itemNumber; ++i) {
        start = text.find("<ITEM>", start + 1);
    }
    for (const auto& [name, value] : fields) {
        const std::size_t open = text.find("<" + name + ">", start) + name.size() + 2;
        const std::size_t close = text.find("</" + name + ">", open);
        EXPECT_LT(close, text.find("</ITEM>", start)) << name;
        text.replace(open, close - open, value);
    }
    return text;
}

struct RealFile
{
    const char* name;
    const char* model;
    GlobalCloneFile::LineEnding eol;
    int items;
    int antennaTV, antennaRadio, satelliteTV, satelliteRadio, deleted, inNoList;
    std::int64_t serviceId; // a service of the TV list and its name
    const char* serviceName;
    const char* satellite; // what names the satellite of the DVB-S channels
};

void PrintTo(const RealFile& file, std::ostream* out)
{
    *out << file.name;
}

// Counts from the table of the format notes; satellite names from SatelliteDB.
const RealFile kRealFiles[] = {
    {"GlobalClone00001.TLL", "50UK6470PLC", GlobalCloneFile::LineEnding::Lf, 1298, 0, 0, 1123, 160,
     15, 0, 8692, "DOWNLOAD G10 HUMAX", "ASTRA 19.2E"},
    {"GlobalClone00003.TLL", "OLED55E6V-Z", GlobalCloneFile::LineEnding::Lf, 1381, 67, 6, 0, 162, 0,
     1146, 14120, "SRT8505 OTA", "19.2E"},
    {"GlobalClone-65UM7100PLA.TLL", "65UM7100PLA", GlobalCloneFile::LineEnding::CrLf, 1446, 0, 0,
     1299, 147, 0, 0, 0, "", "ASTRA 19.2E"},
};

class RealGlobalClone : public ::testing::TestWithParam<RealFile>
{};

TEST_P(RealGlobalClone, ReadsListsNamesAndSatellitesAndWritesOnlyWhatChanged)
{
    KX_REQUIRE_REALDATA();
    const RealFile& known = GetParam();
    const std::string bytes = File::readAll(test::realDataFile(known.name));
    const GlobalCloneFile file = GlobalCloneFile::read(bytes, known.name);
    EXPECT_EQ(file.modelName(), known.model);
    EXPECT_EQ(file.majorVersion(), 100);
    EXPECT_EQ(file.lineEnding(), known.eol);
    EXPECT_FALSE(file.hasByteOrderMark());
    EXPECT_FALSE(file.upperCaseHex());
    ASSERT_EQ(file.items().size(), static_cast<std::size_t>(known.items));

    int antennaTV = 0, antennaRadio = 0, satelliteTV = 0, satelliteRadio = 0, deleted = 0,
        inNoList = 0;
    bool serviceFound = known.serviceId == 0;
    for (const GlobalCloneItem& item : file.items()) {
        EXPECT_FALSE(item.analog());
        const std::int64_t number = item.number(F::PrNum).value();
        const bool radio = number > 0 && (number & 0x4000) != 0;
        if (item.number(F::IsDeleted) == 1) {
            ++deleted;
        } else if (number == -1) {
            ++inNoList;
        } else if (item.number(F::SourceIndex) == 1) {
            ++(radio ? antennaRadio : antennaTV);
        } else if (item.number(F::SourceIndex) == 7) {
            ++(radio ? satelliteRadio : satelliteTV);
        }
        if (item.number(F::ServiceId) == known.serviceId && item.hexName() == known.serviceName) {
            serviceFound = !radio && item.vchName() == known.serviceName;
        }
        if (item.number(F::SourceIndex) != 7) {
            EXPECT_EQ(file.satelliteOf(item), nullptr);
            EXPECT_FALSE(file.polarisationOf(item).has_value());
            continue;
        }
        ASSERT_NE(file.satelliteOf(item), nullptr);
        EXPECT_EQ(file.satelliteOf(item)->label(), known.satellite);
        EXPECT_TRUE(file.polarisationOf(item).has_value());
        // Polarisations as the public frequency tables of 19.2E give them.
        if (item.vchName() == "Das Erste HD" || item.vchName() == "BBC World News Europe HD") {
            EXPECT_EQ(file.polarisationOf(item), *item.vchName() == "Das Erste HD" ? 'H' : 'V');
        }
    }
    EXPECT_EQ(antennaTV, known.antennaTV);
    EXPECT_EQ(antennaRadio, known.antennaRadio);
    EXPECT_EQ(satelliteTV, known.satelliteTV);
    EXPECT_EQ(satelliteRadio, known.satelliteRadio);
    EXPECT_EQ(deleted, known.deleted);
    EXPECT_EQ(inNoList, known.inNoList);
    EXPECT_TRUE(serviceFound);

    const std::vector<GlobalCloneItemState> loaded = file.states();
    EXPECT_TRUE(file.write(loaded) == bytes);

    struct Change
    {
        const char* what;
        void (*apply)(GlobalCloneItemState&);
        std::vector<std::pair<std::string, std::string>> fields;
    };
    const Change changes[] = {
        {"number",
         [](GlobalCloneItemState& s) { s.prNum = 4321, s.isUserSelCHNo = 1; },
         {{"prNum", "4321"}, {"isUserSelCHNo", "1"}}},
        {"flags",
         [](GlobalCloneItemState& s) { s.isBlocked = 1, s.isSkipped = 1, s.isInvisable = 1; },
         {{"isBlocked", "1"}, {"isSkipped", "1"}, {"isInvisable", "1"}}},
        {"favourites",
         [](GlobalCloneItemState& s) { s.favoriteIdx[0] = 3, s.favoriteIdx[7] = 12; },
         {{"favoriteIdxA", "3"}, {"favoriteIdxH", "12"}}},
        {"delete",
         [](GlobalCloneItemState& s) { s.isDeleted = 1, s.mapType = 3, s.isDisabled = 1; },
         {{"isDeleted", "1"}, {"mapType", "3"}, {"isDisabled", "1"}}},
        {"rename",
         [](GlobalCloneItemState& s) { s.rename("\x05Kanal & Co\xE4", "Kanal & Co\xC3\xA4"); },
         {{"hexVchName", "054b616e616c202620436fe4"},
          {"notConvertedLengthOfVchName", "12"},
          {"vchName", "Kanal &amp; Co "},
          {"lengthOfVchName", "11"}}},
    };
    for (const int row : {0, known.items / 2, known.items - 1}) {
        for (const Change& change : changes) {
            SCOPED_TRACE(std::string(change.what) + " of item " + std::to_string(row));
            std::vector<GlobalCloneItemState> states = loaded;
            change.apply(states[static_cast<std::size_t>(row)]);
            EXPECT_TRUE(file.write(states) == withFields(bytes, row, change.fields));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Receivers, RealGlobalClone, ::testing::ValuesIn(kRealFiles));

TEST(GlobalCloneFile, KeepsByteOrderMarkCrLfAndIndentationAndInsertsMissingFields)
{
    const std::string bytes = "\xEF\xBB\xBF" + smallFile("\r\n", "  ");
    const GlobalCloneFile file = GlobalCloneFile::read(bytes, "bom.tll");
    EXPECT_TRUE(file.hasByteOrderMark());
    EXPECT_EQ(file.lineEnding(), GlobalCloneFile::LineEnding::CrLf);
    ASSERT_EQ(file.items().size(), 1U);
    const GlobalCloneItem& item = file.items()[0];
    EXPECT_EQ(item.number(F::PrNum), 3);
    EXPECT_EQ(item.number(F::ServiceId), 901);
    EXPECT_FALSE(item.has(F::IsUserSelChNo));
    EXPECT_FALSE(item.number(F::IsUserSelChNo).has_value());
    EXPECT_EQ(item.vchName(), "");
    // Offsets count the byte order mark.
    EXPECT_EQ(file.elementText(*item.element(F::PrNum)), "3");
    EXPECT_EQ(bytes.substr(item.element(F::PrNum)->textOffset - 7, 7), "<prNum>");

    std::vector<GlobalCloneItemState> states = file.states();
    EXPECT_TRUE(file.write(states) == bytes);
    states[0].prNum = -1;
    states[0].isUserSelCHNo = 1;
    states[0].vchName = "<A&B>";
    std::string expected = bytes;
    expected.replace(expected.find("<prNum>3<"), 9, "<prNum>-1<");
    expected.replace(expected.find("<vchName/>"), 10, "<vchName>&lt;A&amp;B&gt;</vchName>");
    expected.insert(expected.find("</vchName>") + 10, "\r\n  <isUserSelCHNo>1</isUserSelCHNo>");
    EXPECT_EQ(file.write(states), expected);

    // Written again, the new file reads back to the wanted state.
    const GlobalCloneFile again = GlobalCloneFile::read(expected, "again.tll");
    EXPECT_TRUE(again.states() == states);
}

// The fuzzer's seeds, written by hand in the receivers' shape: they must stay files the reader
// takes, with their satellites and polarisations.
TEST(GlobalCloneFile, FuzzSeedsReadAndWriteBackByteForByte)
{
    const std::filesystem::path corpus(KANALYX_GLOBALCLONE_CORPUS);
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::string bytes = File::readAll(entry.path());
        const GlobalCloneFile file = GlobalCloneFile::read(bytes, "seed.tll");
        EXPECT_FALSE(file.items().empty());
        EXPECT_TRUE(file.write(file.states()) == bytes);
        ++seeds;
        if (entry.path().filename() == "gc-satellite-lf.tll") {
            ASSERT_EQ(file.satellites().size(), 4U);
            EXPECT_EQ(file.satellite(1)->label(), "13.0E");
            EXPECT_EQ(file.satellite(3)->label(), "TESTSAT 30.5W");
            EXPECT_EQ(file.satellite(2)->label(), "0.0W");
            EXPECT_EQ(file.satellite(4), nullptr);
            EXPECT_EQ(file.polarisationOf(file.items()[0]), 'H');
            EXPECT_EQ(file.polarisationOf(file.items()[2]), 'V');
            EXPECT_EQ(file.items()[1].hexName(), "\x05"
                                                 "Beta & Zwei");
            EXPECT_EQ(file.items()[1].vchName(), " Beta & Zwei");
        }
    }
    EXPECT_EQ(seeds, 3);
}

TEST(GlobalCloneFile, ReadsDamagedNamesAsWellAsTheyGo)
{
    const std::string items = "<ITEM>\n<prNum>1</prNum>\n<hexVchName>41G4</hexVchName>\n"
                              "<vchName>A\x01\xFF"
                              "B</vchName>\n</ITEM>\n"
                              "<ITEM>\n<prNum>2</prNum>\n<hexVchName>4</hexVchName>\n</ITEM>\n";
    const GlobalCloneFile file = GlobalCloneFile::read(smallFile("\n", "", items), "names.tll");
    ASSERT_EQ(file.items().size(), 2U);
    EXPECT_EQ(file.items()[0].hexName(), "A");
    EXPECT_FALSE(file.items()[0].hexNameComplete());
    EXPECT_EQ(file.items()[0].vchName(), "A\x01\xFF"
                                         "B");
    EXPECT_EQ(file.items()[1].hexName(), "");
    EXPECT_FALSE(file.items()[1].vchName().has_value());
    EXPECT_TRUE(file.write(file.states()) == file.bytes());
}

// Items of older or hand-edited files: the writer keeps their own shape.
TEST(GlobalCloneFile, WritesOlderAndOddItemsInTheirOwnShape)
{
    const std::string items =
        "<ITEM><prNum> 7 </prNum><vchName>Old</vchName><lengthOfVchName>3</lengthOfVchName>"
        "<prNum>7</prNum></ITEM>\n"
        "<ITEM>\n<hexVchName>4A4B</hexVchName>\n</ITEM>\n"
        "<ITEM/>\n";
    const GlobalCloneFile file = GlobalCloneFile::read(smallFile("\n", "", items), "odd.tll");
    ASSERT_EQ(file.items().size(), 3U);
    EXPECT_TRUE(file.upperCaseHex());
    const std::vector<GlobalCloneItemState> loaded = file.states();

    std::vector<GlobalCloneItemState> states = loaded;
    states[0].prNum = 12;
    states[0].rename("\x05Neu", "Neu");
    states[1].rename("\xAB", "?");
    std::string expected = file.bytes();
    expected.replace(expected.find("<prNum> 7 <"), 11, "<prNum> 12 <");
    expected.replace(expected.find("Old"), 3, "Neu");
    expected.replace(expected.find("<prNum>7<"), 9, "<prNum>12<");
    expected.replace(expected.find("4A4B"), 4, "AB");
    expected.insert(expected.find("</hexVchName>") + 13, "\n<vchName>?</vchName>");
    EXPECT_EQ(file.write(states), expected);

    states = loaded;
    states[2].isUserSelCHNo = 1;
    EXPECT_THROW((void)file.write(states), Error);
    states.pop_back();
    try {
        (void)file.write(states);
        FAIL() << "written";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), ErrorCode::Internal);
    }
}

struct Refused
{
    const char* name;
    std::string bytes;
    ErrorCode code;
    const char* says; // part of the message, after the file's name
};

void PrintTo(const Refused& refused, std::ostream* out)
{
    *out << refused.name;
}

std::string cutAfter(const std::string& text, const std::string& mark, std::size_t extra)
{
    return text.substr(0, text.find(mark) + extra);
}

std::string billionLaughs()
{
    std::string entities = "<!ENTITY a0 \"ha\">";
    for (int i = 1; i < 10; ++i) {
        entities += "<!ENTITY a" + std::to_string(i) + " \"";
        for (int k = 0; k < 10; ++k) {
            entities += "&a" + std::to_string(i - 1) + ";";
        }
        entities += "\">";
    }
    return "<?xml version=\"1.0\"?>\n<!DOCTYPE TLLDATA [" + entities +
           "]>\n<TLLDATA>&a9;</TLLDATA>";
}

std::vector<Refused> refusedInputs()
{
    const std::string good = smallFile();
    std::string mismatched = good;
    mismatched.replace(mismatched.find("</isBlocked>"), 12, "</isBlock>");
    std::string json = good;
    json.replace(json.find("<ATV>"), json.find("</DTV>") + 6 - json.find("<ATV>"),
                 "<legacybroadcast>{&quot;channelList&quot;:[]}</legacybroadcast>");
    std::string binary(64, '\0');
    binary[0] = '\x1C';
    std::string latin = good;
    latin.replace(latin.find("UTF-8"), 5, "ISO-8859-1");
    return {
        {"mismatched", mismatched, ErrorCode::Format, "not well-formed: mismatched tag at line 18"},
        {"undefinedEntity", smallFile("\n", "", "<ITEM><vchName>&nbsp;</vchName></ITEM>"),
         ErrorCode::Format, "undefined entity at line 14"},
        {"cutAfterDeclaration", cutAfter(good, "\n", 2), ErrorCode::Truncated, "byte offset"},
        {"cutInsideTag", cutAfter(good, "<service_id>", 5), ErrorCode::Truncated, "line 16"},
        {"cutInsideText", cutAfter(good, "<prNum>", 8), ErrorCode::Truncated, "byte offset"},
        {"cutBeforeRootEnd", cutAfter(good, "</TLLDATA>", 0), ErrorCode::Truncated, "truncated"},
        {"billionLaughs", billionLaughs(), ErrorCode::Format, "declares a document type (line 2"},
        {"externalEntity",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE TLLDATA [<!ENTITY x SYSTEM "
         "\"file:///etc/passwd\">]>\n<TLLDATA><CHANNEL>&x;</CHANNEL></TLLDATA>",
         ErrorCode::Format, "declares a document type"},
        {"doctype", "<?xml version=\"1.0\"?>\n<!DOCTYPE TLLDATA>\n<TLLDATA/>", ErrorCode::Format,
         "declares a document type"},
        {"jsonForm", json, ErrorCode::Unsupported, "not supported yet"},
        {"otherRoot", "<?xml version=\"1.0\"?>\n<svg/>", ErrorCode::Format,
         "root element is <svg> (line 2"},
        {"noChannel", "<?xml version=\"1.0\"?>\n<TLLDATA/>", ErrorCode::Format, "no <CHANNEL>"},
        {"latin1", latin, ErrorCode::Unsupported, "ISO-8859-1"},
        {"binary", binary, ErrorCode::Format, "does not begin with <?xml"},
        {"junkAfterRoot", good + "<TLLDATA/>", ErrorCode::Format, "junk after document element"},
        // A megabyte of control bytes, each once searched for its tags from scratch: minutes.
        {"controlBytes", "<?xml version=\"1.0\"?>\n<TLLDATA>" + std::string(1 << 20, '\x01'),
         ErrorCode::Format, "not well-formed"},
    };
}

class GlobalCloneRefused : public ::testing::TestWithParam<Refused>
{};

TEST_P(GlobalCloneRefused, WithTheRightCodeAndWhere)
{
    const Refused& refused = GetParam();
    try {
        (void)GlobalCloneFile::read(refused.bytes, "list.tll");
        FAIL() << "read";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), refused.code) << error.what();
        const std::string message = error.what();
        EXPECT_TRUE(message.starts_with("list.tll: ")) << message;
        EXPECT_NE(message.find(refused.says), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, GlobalCloneRefused, ::testing::ValuesIn(refusedInputs()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GlobalCloneText, PlainCopyHexAndContent)
{
    using namespace globalclone;
    EXPECT_EQ(plainNameCopy("ORF2 Kärnten"), "ORF2 K rnten");
    EXPECT_EQ(plainNameCopy("Первый"), " ");
    EXPECT_EQ(plainNameCopy(""), " ");
    EXPECT_EQ(plainNameCopy("A\tB"), "A B");
    EXPECT_EQ(encodeHex("\x05\xAB", true), "05AB");
    EXPECT_EQ(decodeHex("05ab").bytes, "\x05\xAB");
    EXPECT_EQ(decodeXmlContent("a&amp;b&#65;&#x42;<!-- x --><![CDATA[<c>]]>&bad;"),
              "a&bAB<c>&bad;");
    EXPECT_EQ(legacyNameBytes("\xC3\xA4\xE2\x82\xAC"), "\xE4\x80");
    EXPECT_EQ(parseNumber(" -12 "), -12);
    EXPECT_FALSE(parseNumber("12a").has_value());
    EXPECT_FALSE(parseNumber("").has_value());
}

} // namespace
} // namespace kx
