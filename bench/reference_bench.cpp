// Applying a reference list and comparing two files on full lists: 16,383 channels against
// 16,383, and reading and writing the reference list of 16,383 channels.
//
// The reference holds the same services in another order under other numbers; one in ten of
// the file's services was found on another transponder (so it pairs by name) and one in ten of
// those that did not move was renamed.
//
// End to end, on documents: a 16,383-channel file given the order of another 16,383-channel file
// of the same services (the lists of both, the plan, the one step), the diff of the two, and
// the loading of the two files they start from.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "document/documentlists.h"
#include "document/kanalyxdoc.h"
#include "document/listdiff.h"
#include "document/referencelist.h"
#include "document/referenceplan.h"
#include "fulllist.h"
#include "model/namecodec.h"
#include "platform/file.h"

namespace {

using namespace kx;

constexpr int kChannels = 16383;

ChannelList fullList(bool reference)
{
    ChannelList list{"dtv", {}};
    list.channels.reserve(kChannels);
    for (int i = 0; i < kChannels; ++i) {
        // The reference visits the services in another order (a step coprime to the count).
        const int service = reference ? (i * 7919) % kChannels : i;
        ListChannel channel;
        channel.id.source = SignalSource::DvbC;
        channel.id.onid = 1;
        channel.id.tsid = 1000 + service / 20;
        channel.id.sid = service;
        channel.id.channel = 5 + service / 20 % 60;
        channel.number = reference ? kChannels - i : i + 1;
        channel.name = "Channel " + std::to_string(service);
        if (!reference && service % 10 == 3) {
            channel.id.tsid = *channel.id.tsid + 5000;
        } else if (!reference && service % 10 == 7) {
            channel.name += " HD";
        }
        channel.row = i;
        list.channels.push_back(std::move(channel));
    }
    return list;
}

const std::vector<ChannelList>& fileLists()
{
    static const std::vector<ChannelList> lists{fullList(false)};
    return lists;
}

const std::vector<ChannelList>& referenceLists()
{
    static const std::vector<ChannelList> lists{fullList(true)};
    return lists;
}

void BM_PlanReference(benchmark::State& state)
{
    for (auto _ : state) {
        ReferencePlan plan = PlanReference(fileLists(), referenceLists(), UnmatchedRows::Keep);
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(BM_PlanReference)->Unit(benchmark::kMillisecond);

void BM_DiffLists(benchmark::State& state)
{
    for (auto _ : state) {
        ListDiff diff = DiffLists(fileLists(), referenceLists());
        benchmark::DoNotOptimize(diff);
    }
}
BENCHMARK(BM_DiffLists)->Unit(benchmark::kMillisecond);

void BM_ReadReferenceList(benchmark::State& state)
{
    const std::string text = WriteReferenceList(referenceLists());
    for (auto _ : state) {
        std::vector<ChannelList> lists = ReadReferenceList(text, "bench.csv");
        benchmark::DoNotOptimize(lists);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadReferenceList)->Unit(benchmark::kMillisecond);

void BM_WriteReferenceList(benchmark::State& state)
{
    for (auto _ : state) {
        std::string text = WriteReferenceList(referenceLists());
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_WriteReferenceList)->Unit(benchmark::kMillisecond);

// The two files on disk: the same services, the reference in another order.
struct DocumentFiles
{
    DocumentFiles()
    {
        folder = std::filesystem::temp_directory_path() /
                 ("kanalyx-reference-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        file = folder / "file.tll";
        reference = folder / "reference.tll";
        const auto write = [](const std::filesystem::path& path, int step) {
            const std::string bytes = bench::fullListWithServices(kChannels, 20 * 1024, step);
            File::writeAtomically(path, [&bytes](File& out) { out.write(bytes); });
        };
        write(file, 1);
        write(reference, 7919);
    }
    ~DocumentFiles()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    DocumentFiles(const DocumentFiles&) = delete;
    DocumentFiles& operator=(const DocumentFiles&) = delete;

    std::filesystem::path folder;
    std::filesystem::path file;
    std::filesystem::path reference;
};

DocumentFiles& documentFiles()
{
    static DocumentFiles files;
    return files;
}

void BM_LoadBothFiles(benchmark::State& state)
{
    for (auto _ : state) {
        CKanalyxDoc doc;
        CKanalyxDoc reference;
        doc.OnOpenDocument(documentFiles().file);
        reference.OnOpenDocument(documentFiles().reference);
        benchmark::DoNotOptimize(doc.ChannelCount(ListKind::DigitalTV));
    }
}
BENCHMARK(BM_LoadBothFiles)->Unit(benchmark::kMillisecond);

void BM_ApplyReferenceToDocument(benchmark::State& state)
{
    const CodecSettings codec;
    CKanalyxDoc doc;
    CKanalyxDoc reference;
    doc.OnOpenDocument(documentFiles().file);
    reference.OnOpenDocument(documentFiles().reference);
    for (auto _ : state) {
        const ReferencePlan plan = PlanReference(
            ChannelListsOf(doc, codec), ChannelListsOf(reference, codec), UnmatchedRows::Keep);
        if (!doc.ApplyReference(plan)) {
            state.SkipWithError("the reference changed nothing");
            break;
        }
        state.PauseTiming();
        doc.Undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ApplyReferenceToDocument)->Unit(benchmark::kMillisecond);

void BM_DiffDocuments(benchmark::State& state)
{
    const CodecSettings codec;
    CKanalyxDoc doc;
    CKanalyxDoc reference;
    doc.OnOpenDocument(documentFiles().file);
    reference.OnOpenDocument(documentFiles().reference);
    for (auto _ : state) {
        ListDiff diff = DiffLists(ChannelListsOf(doc, codec), ChannelListsOf(reference, codec));
        benchmark::DoNotOptimize(diff);
    }
}
BENCHMARK(BM_DiffDocuments)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
