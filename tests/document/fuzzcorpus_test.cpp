// The fuzzer's seed files of the newer layouts: small lists of every record size, a hotel list
// and lists with DVB-S blocks, and damaged copies with a block repeated, missing or out of place,
// made by the test builders (never cut from real files). The test checks that the committed seeds
// are what the builders make, that each list loads and saves byte for byte and that each damaged
// copy is refused naming the block and its offset; with KANALYX_WRITE_CORPUS set to a folder it
// writes them there instead.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "document/kanalyxdoc.h"
#include "model/recordlayout.h"
#include "platform/archive.h"
#include "platform/error.h"
#include "platform/file.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"

namespace kx {
namespace {

using test::BlockDamage;
using test::damagedCopy;
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

// Lists of 184-byte records with one or two channels per block: magic, analog block at 4,
// settings block, digital block, [DVB-S block], trailing block of 8 bytes.
std::string list184(std::size_t channels, std::string settings, bool satellite)
{
    TllBuilder file(3);
    for (std::size_t i = 0; i < channels; ++i) {
        const auto number = static_cast<std::uint16_t>(i + 1);
        file.analog(RecordBytes::ofSize(184).numberWord(number));
        file.digital(RecordBytes::ofSize(184).numberWord(number));
    }
    file.settings(std::move(settings)).trailing(std::string(8, '\0'));
    if (satellite) {
        file.satellite(test::SatelliteBlockBytes().channel(1, "One").build());
    }
    return file.build();
}

// Blocks at 4 (analog, 376 bytes), 380 (settings, 20), 400 (digital, 376), 776 (trailing, 12).
std::string plain184()
{
    return list184(2, std::string(16, 'S'), false);
}

// The settings block of the family of LK950S, whose DVB-S block has 68-byte records. Blocks at 4
// (analog, 192 bytes), 196 (settings, 35508), 35704 (digital, 192), 35896 (DVB-S, 687884),
// 723780 (trailing, 12).
std::string family184(bool satellite)
{
    return list184(1, std::string(35504, 'S'), satellite);
}

struct Seed
{
    const char* file;
    std::string bytes;
    std::size_t recordSize; // the layout the loader finds; 0 for none
    int satTV = 0;          // satellite TV channels it lists
    bool warns = false;     // the DVB-S block is kept as it is
    // How the refusal of a damaged copy starts, after the file name and "the ".
    const char* refusal = nullptr;
};

// A damaged copy, refused.
Seed damaged(const char* file, std::string bytes, const char* refusal)
{
    return {file, std::move(bytes), 0, 0, false, refusal};
}

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
        damaged("v3-repeated-analog.tll", damagedCopy(plain184(), BlockDamage::Repeated, 0),
                "settings block at offset 380 repeats the analog block at offset 4"),
        damaged("v3-repeated-settings.tll", damagedCopy(plain184(), BlockDamage::Repeated, 1),
                "hospitality block at offset 400 repeats the settings block at offset 380"),
        damaged("v3-repeated-digital.tll", damagedCopy(plain184(), BlockDamage::Repeated, 2),
                "trailing block at offset 776 repeats the digital block at offset 400"),
        damaged("v3-trailing-2.tll",
                TllBuilder(3).digital(RecordBytes::ofSize(184)).trailing("TR").build(),
                "trailing block at offset 208 is 2 bytes long; the receivers of the newer"),
        damaged("v3-repeated-satellite.tll", damagedCopy(family184(true), BlockDamage::Repeated, 3),
                "trailing block at offset 723780 repeats the satellite block at offset 35896"),
        damaged("v3-swapped-satellite-trailing.tll",
                damagedCopy(family184(true), BlockDamage::SwappedWithNext, 3),
                "block at offset 35908 after the last block is a satellite block"),
        damaged("v3-swapped-digital-satellite.tll",
                damagedCopy(family184(true), BlockDamage::SwappedWithNext, 2),
                "hospitality block at offset 35704 is a satellite block"),
        damaged("v3-dropped-satellite.tll", family184(false),
                "settings block at offset 196 is that of LK950S, LV, LW receivers, which write a "
                "satellite block of 687880 bytes after the digital block, but none stands at "
                "offset 35896"),
        damaged("v3-hospitality-not-hotel.tll",
                TllBuilder(3).settings(std::string(35504, 'S')).hospitality("HOTEL").build(),
                "hospitality block at offset 35520 follows the settings block of LK950S, LV, LW "
                "receivers, which keep none"),
        damaged("v3-hotel-without-hospitality.tll",
                TllBuilder(3).settings(std::string(16232, 'S')).trailing("\0").build(),
                "settings block at offset 12 is that of LT receivers, which keep a hospitality "
                "block after it, but none stands at offset 16248"),
        damaged("v3-hospitality-as-settings.tll", list184(2, std::string(220, 'H'), false),
                "settings block at offset 380 is 220 bytes long, the size of the hospitality "
                "block of LT receivers"),
    };
}

class FuzzSeeds : public ::testing::TestWithParam<Seed>
{};

TEST_P(FuzzSeeds, AreWhatTheBuildersMakeAndLoadByteForByte)
{
    const Seed& seed = GetParam();
    CKanalyxDoc doc;
    Archive in(seed.bytes, seed.file);
    if (seed.refusal != nullptr) {
        try {
            doc.Serialize(in);
            ADD_FAILURE() << "the damaged copy loaded";
        } catch (const Error& error) {
            const std::string what = error.what();
            EXPECT_EQ(what.rfind(std::string(seed.file) + ": the " + seed.refusal, 0), 0u) << what;
            EXPECT_TRUE(what.ends_with("; the file is damaged: a block is repeated, missing or out "
                                       "of place"))
                << what;
        }
        EXPECT_EQ(doc.GetVariant(), 0);
    } else {
        doc.Serialize(in);
        std::string saved;
        Archive out = Archive::storingTo(saved, seed.file);
        doc.Serialize(out);
        EXPECT_TRUE(saved == seed.bytes);
        EXPECT_EQ(doc.Layout() != nullptr ? doc.Layout()->recordSize : 0, seed.recordSize);
        EXPECT_EQ(!doc.LoadWarnings().empty(), seed.warns);
        EXPECT_EQ(doc.ChannelCount(ListKind::SatTV), seed.satTV);
    }

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
