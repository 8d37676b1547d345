// The fuzzer's seed files of the newer layouts: small lists of every record size, a hotel list
// and lists with DVB-S blocks, made by the test builders (never cut from real files). The test
// checks that the committed seeds are what the builders make and that each loads and saves byte
// for byte; with KANALYX_WRITE_CORPUS set to a folder it writes them there instead.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "document/kanalyxdoc.h"
#include "model/recordlayout.h"
#include "platform/archive.h"
#include "platform/file.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"

namespace kx {
namespace {

using test::RecordBytes;
using test::TllBuilder;

// Two analog channels, a TV and a radio channel in records of size, names at nameOffset with
// their length byte right after the 40-byte field, as the newer receivers lay them out.
std::string smallList(std::size_t size, std::size_t nameOffset)
{
    const auto record = [&](std::uint16_t number, const std::string& name) {
        RecordBytes bytes = RecordBytes::ofSize(size);
        bytes.numberWord(number).u8(nameOffset + 40, static_cast<std::uint8_t>(name.size()));
        for (std::size_t i = 0; i < name.size(); ++i) {
            bytes.u8(nameOffset + i, static_cast<std::uint8_t>(name[i]));
        }
        return bytes;
    };
    return TllBuilder(3)
        .analog(record(1, "A1"))
        .analog(record(2, "A2"))
        .settings(std::string(16, '\0'))
        .digital(record(1, "TV"))
        .digital(record(16384 + 1, "Radio"))
        .trailing(std::string(1, '\0'))
        .build();
}

std::string filledSatelliteHeader()
{
    std::string block = test::SatelliteBlockBytes().channel(1, "One").build();
    block.replace(0, 16, std::string(16, '\xFF'));
    return TllBuilder(3).satellite(block).trailing(std::string(8, '\0')).build();
}

struct Seed
{
    const char* file;
    std::string bytes;
    std::size_t recordSize; // the layout the loader finds; 0 for none
    int satTV = 0;          // satellite TV channels it lists
    bool warns = false;     // the DVB-S block is kept as it is
};

void PrintTo(const Seed& seed, std::ostream* out)
{
    *out << seed.file;
}

std::vector<Seed> seeds()
{
    return {
        {"v3-180.tll", smallList(180, 30), 180},
        {"v3-184.tll", smallList(184, 30), 184},
        {"v3-188.tll", smallList(188, 30), 188},
        {"v3-192.tll", smallList(192, 30), 192},
        {"v3-212.tll", smallList(212, 32), 212},
        {"v3-224.tll", smallList(224, 44), 224},
        {"v3-244.tll", smallList(244, 44), 244},
        {"v3-256.tll", smallList(256, 40), 256},
        {"v3-260.tll", smallList(260, 40), 260},
        {"v3-280.tll", smallList(280, 44), 280},
        {"v3-hospitality.tll", test::newerList(false), 192},
        {"v3-satellite.tll", test::newerList(true), 192, 2},
        // 0xFF in place of the header: kept as it is, with a warning.
        {"v3-satellite-ff.tll", filledSatelliteHeader(), 0, 0, true},
    };
}

class FuzzSeeds : public ::testing::TestWithParam<Seed>
{};

TEST_P(FuzzSeeds, AreWhatTheBuildersMakeAndLoadByteForByte)
{
    const Seed& seed = GetParam();
    CKanalyxDoc doc;
    Archive in(seed.bytes, seed.file);
    doc.Serialize(in);
    std::string saved;
    Archive out = Archive::storingTo(saved, seed.file);
    doc.Serialize(out);
    EXPECT_TRUE(saved == seed.bytes);
    EXPECT_EQ(doc.Layout() != nullptr ? doc.Layout()->recordSize : 0, seed.recordSize);
    EXPECT_EQ(!doc.LoadWarnings().empty(), seed.warns);
    EXPECT_EQ(doc.ChannelCount(ListKind::SatTV), seed.satTV);

    const std::filesystem::path corpus(KANALYX_FUZZ_CORPUS);
    if (const char* folder = std::getenv("KANALYX_WRITE_CORPUS")) {
        File::writeAtomically(std::filesystem::path(folder) / seed.file,
                              [&](File& file) { file.write(seed.bytes); });
        return;
    }
    EXPECT_TRUE(test::readFile(corpus / seed.file) == seed.bytes)
        << seed.file << " differs from what the builders make; write it again with "
        << "KANALYX_WRITE_CORPUS=" << corpus.string();
}

INSTANTIATE_TEST_SUITE_P(NewerLayouts, FuzzSeeds, ::testing::ValuesIn(seeds()),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             std::erase_if(name, [](char c) { return c == '-' || c == '.'; });
                             return name;
                         });

} // namespace
} // namespace kx
