// Channel lists exported by real TVs: every file that is a channel list of a known layout loads
// and saves byte for byte; every other file is refused with a message that says why.
#include <gtest/gtest.h>

#include <string>

#include "document/kanalyxdoc.h"
#include "platform/error.h"
#include "support/realdata.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"

namespace kx {
namespace {

struct KnownList
{
    const char* name;
    int variant;
    int analog;
    int radio;
    int digitalTV;
    std::uint32_t settings;
    std::uint32_t trailing;
};

void PrintTo(const KnownList& list, std::ostream* out)
{
    *out << list.name;
}

// Counts from the folder's description of each file.
const KnownList kKnownLists[] = {
    {"xx2350D-PZM00001.TLL", 1, 31, 89, 434 - 89, 11008, 0},
    {"xxLH3000-ZA00002.TLL", 1, 0, 16, 53 - 16, 6936, 0},
    {"xxLH5000-ZB00002.TLL", 1, 35, 0, 75, 6944, 0},
    {"xxLD750-ZA00001.TLL", 2, 30, 104, 352 - 104, 23096, 1},
    {"xxLE5500-ZA00002.TLL", 2, 36, 0, 0, 23096, 1},
    {"xxLK450-ZB00001.TLL", 2, 34, 128, 438 - 128, 23088, 1},
    {"xxLW4500-ZB00001.TLL", 2, 31, 94, 432 - 94, 15960, 1},
    {"xxLX9500-ZA00001.TLL", 2, 37, 151, 512 - 151, 23144, 1},
};

class RealList : public ::testing::TestWithParam<KnownList>
{};

TEST_P(RealList, LoadsWithItsSplitAndSavesByteForByte)
{
    KX_REQUIRE_REALDATA();
    const KnownList& known = GetParam();
    test::TempDir dir;
    for (const char* suffix : {".in", ".out"}) {
        SCOPED_TRACE(suffix);
        const auto path = test::realDataFile(std::string(known.name) + suffix);
        CKanalyxDoc doc;
        doc.OnOpenDocument(path);
        EXPECT_EQ(doc.GetVariant(), known.variant);
        EXPECT_EQ(doc.ChannelCount(ListKind::Analog), known.analog);
        EXPECT_EQ(doc.ChannelCount(ListKind::Radio), known.radio);
        EXPECT_EQ(doc.ChannelCount(ListKind::DigitalTV), known.digitalTV);
        EXPECT_EQ(doc.Settings().size(), known.settings);
        EXPECT_EQ(doc.Trailing().size(), known.trailing);

        const auto saved = dir.file(std::string("saved") + suffix);
        doc.OnSaveDocument(saved);
        ASSERT_TRUE(test::readFile(saved) == test::readFile(path)) << "saved bytes differ";
    }
}

INSTANTIATE_TEST_SUITE_P(KnownLayouts, RealList, ::testing::ValuesIn(kKnownLists));

struct ForeignFile
{
    const char* name;
    // The file is cut to this many bytes (0 for the whole file).
    std::size_t cut;
    ErrorCode code;
    const char* says;
};

void PrintTo(const ForeignFile& file, std::ostream* out)
{
    *out << file.name;
}

const ForeignFile kForeignFiles[] = {
    {"GlobalClone00003.TLL", 100000, ErrorCode::Truncated, "ends"},
};

class ForeignList : public ::testing::TestWithParam<ForeignFile>
{};

TEST_P(ForeignList, IsRefusedAndLeavesTheOpenDocumentAsItWas)
{
    KX_REQUIRE_REALDATA();
    const ForeignFile& foreign = GetParam();
    CKanalyxDoc doc;
    doc.OnOpenDocument(test::realDataFile("xxLH5000-ZB00002.TLL.in"));
    std::string bytes = test::readFile(test::realDataFile(foreign.name));
    if (foreign.cut != 0) {
        bytes.resize(foreign.cut);
    }
    test::TempDir dir;
    const std::filesystem::path path = dir.write(foreign.name, bytes);
    try {
        doc.OnOpenDocument(path);
        FAIL() << "the file was not refused";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), foreign.code) << error.what();
        const std::string message = error.what();
        EXPECT_EQ(message.rfind(path.string() + ": ", 0), 0u) << message;
        EXPECT_NE(message.find(foreign.says), std::string::npos) << message;
    }
    EXPECT_EQ(doc.GetVariant(), 1);
    EXPECT_EQ(doc.ChannelCount(ListKind::Analog), 35);
    EXPECT_EQ(doc.ChannelCount(ListKind::DigitalTV), 75);
    EXPECT_EQ(doc.Settings().size(), 6944u);
    EXPECT_EQ(doc.GetPathName(), test::realDataFile("xxLH5000-ZB00002.TLL.in"));
}

INSTANTIATE_TEST_SUITE_P(UnknownLayouts, ForeignList, ::testing::ValuesIn(kForeignFiles));

} // namespace
} // namespace kx
