// Names of a full channel list through the codec: every list refresh decodes them all, and a
// whole-list rename (import, a change of table) encodes them all.
#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/channelrecv2.h"
#include "model/namecodec.h"
#include "platform/codepage.h"

namespace {

constexpr int kChannels = 16383;

const char* const kWords[] = {"Первый", "канал", "Россия", "НТВ",   "Культура", "Спорт",
                              "Звезда", "Мир",   "ТНТ",    "Пятый", "Домашний", "Новости"};

// Channel names of two or three Cyrillic words and a number, 10 to 30 characters long.
std::vector<std::string> makeNames()
{
    std::vector<std::string> names;
    names.reserve(kChannels);
    for (int i = 0; i < kChannels; ++i) {
        std::string name = kWords[i % 12];
        name += ' ';
        name += kWords[(i / 12) % 12];
        if (i % 3 == 0) {
            name += ' ';
            name += kWords[(i / 144) % 12];
        }
        name += ' ' + std::to_string(i);
        names.push_back(std::move(name));
    }
    return names;
}

kx::CodecSettings cyrillicTable(bool prefix)
{
    kx::CodecSettings codec;
    codec.systemCodePage = 1251;
    codec.characterTable = 2;
    codec.prefix = prefix;
    return codec;
}

std::vector<std::array<std::uint8_t, 40>> encodedFields(const std::vector<std::string>& names,
                                                        const kx::CodecSettings& codec)
{
    std::vector<std::array<std::uint8_t, 40>> fields(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        kx::Encode(fields[i], names[i], codec);
    }
    return fields;
}

void BM_DecodeList(benchmark::State& state)
{
    const kx::CodecSettings codec = cyrillicTable(true);
    const auto fields = encodedFields(makeNames(), codec);
    for (auto _ : state) {
        std::size_t total = 0;
        for (const auto& field : fields) {
            total += kx::Decode(field, 40, codec).size();
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kChannels);
}
BENCHMARK(BM_DecodeList)->Unit(benchmark::kMillisecond);

void BM_EncodeList(benchmark::State& state)
{
    const kx::CodecSettings codec = cyrillicTable(true);
    const auto names = makeNames();
    std::vector<std::array<std::uint8_t, 40>> fields(names.size());
    for (auto _ : state) {
        int total = 0;
        for (std::size_t i = 0; i < names.size(); ++i) {
            total += kx::Encode(fields[i], names[i], codec);
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kChannels);
}
BENCHMARK(BM_EncodeList)->Unit(benchmark::kMillisecond);

// Both directions, as the 5 ms budget counts them.
void BM_DecodeAndEncodeList(benchmark::State& state)
{
    const kx::CodecSettings codec = cyrillicTable(true);
    const auto names = makeNames();
    auto fields = encodedFields(names, codec);
    for (auto _ : state) {
        std::size_t total = 0;
        for (std::size_t i = 0; i < names.size(); ++i) {
            total += kx::Decode(fields[i], 40, codec).size();
            total += static_cast<std::size_t>(kx::Encode(fields[i], names[i], codec));
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kChannels);
}
BENCHMARK(BM_DecodeAndEncodeList)->Unit(benchmark::kMillisecond);

// The same through the records, with renaming: what a list view does.
void BM_RecordsGetAndSetName(benchmark::State& state)
{
    const kx::CodecSettings codec = cyrillicTable(false);
    const auto names = makeNames();
    std::vector<std::unique_ptr<kx::CChannelRec>> records;
    for (const std::string& name : names) {
        records.push_back(std::make_unique<kx::CChannelRecV2>());
        records.back()->SetName(name, codec);
    }
    for (auto _ : state) {
        std::size_t total = 0;
        for (std::size_t i = 0; i < records.size(); ++i) {
            total += records[i]->GetName(codec).size();
            records[i]->SetName(names[i], codec);
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kChannels);
}
BENCHMARK(BM_RecordsGetAndSetName)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
