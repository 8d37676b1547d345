// Loading and saving a full channel list: 16,383 digital records of 176 bytes and a 20 KB settings
// block (about 2.9 MB), beside copying the same file, and the heap the document needs for it; real
// files of the newer receivers, binary and GlobalClone XML, beside cp.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <new>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "document/globalclonefile.h"
#include "document/kanalyxdoc.h"
#include "fulllist.h"
#include "platform/file.h"

// Counts the bytes the program holds on the heap and the most it held at once.
namespace {
std::atomic<std::size_t> g_heapNow{0};
std::atomic<std::size_t> g_heapPeak{0};

void* countedAlloc(std::size_t size)
{
    void* block = std::malloc(size + sizeof(std::max_align_t));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    *static_cast<std::size_t*>(block) = size;
    const std::size_t now = g_heapNow += size;
    std::size_t peak = g_heapPeak.load();
    while (now > peak && !g_heapPeak.compare_exchange_weak(peak, now)) {
    }
    return static_cast<char*>(block) + sizeof(std::max_align_t);
}

void countedFree(void* pointer) noexcept
{
    if (pointer != nullptr) {
        void* block = static_cast<char*>(pointer) - sizeof(std::max_align_t);
        g_heapNow -= *static_cast<std::size_t*>(block);
        std::free(block);
    }
}
} // namespace

void* operator new(std::size_t size)
{
    return countedAlloc(size);
}
void* operator new[](std::size_t size)
{
    return countedAlloc(size);
}
void operator delete(void* pointer) noexcept
{
    countedFree(pointer);
}
void operator delete[](void* pointer) noexcept
{
    countedFree(pointer);
}
void operator delete(void* pointer, std::size_t /*size*/) noexcept
{
    countedFree(pointer);
}
void operator delete[](void* pointer, std::size_t /*size*/) noexcept
{
    countedFree(pointer);
}

namespace {

constexpr int kDigitalRecords = 16383;
constexpr std::uint32_t kSettingsSize = 20 * 1024;

struct Files
{
    Files()
    {
        folder =
            std::filesystem::temp_directory_path() / ("kanalyx-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        input = folder / "full.tll";
        output = folder / "saved.tll";
        kx::File::writeAtomically(input, [](kx::File& file) {
            file.write(kx::bench::fullListBytes(kDigitalRecords, kSettingsSize));
        });
    }
    ~Files()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    Files(const Files&) = delete;
    Files& operator=(const Files&) = delete;

    std::filesystem::path folder;
    std::filesystem::path input;
    std::filesystem::path output;
};

Files& files()
{
    static Files instance;
    return instance;
}

void BM_LoadAndSave(benchmark::State& state)
{
    const auto fileSize = static_cast<double>(std::filesystem::file_size(files().input));
    std::size_t peakIncrease = 0;
    for (auto _ : state) {
        const std::size_t before = g_heapNow.load();
        g_heapPeak = before;
        {
            kx::CKanalyxDoc doc;
            doc.OnOpenDocument(files().input);
            doc.OnSaveDocument(files().output);
        }
        peakIncrease = std::max(peakIncrease, g_heapPeak.load() - before);
    }
    state.counters["file_MB"] = fileSize / 1e6;
    state.counters["peak_heap_MB"] = static_cast<double>(peakIncrease) / 1e6;
    state.counters["peak_per_file_size"] = static_cast<double>(peakIncrease) / fileSize;
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["process_max_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1e3;
}
BENCHMARK(BM_LoadAndSave)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state)
{
    for (auto _ : state) {
        kx::CKanalyxDoc doc;
        doc.OnOpenDocument(files().input);
        benchmark::DoNotOptimize(doc.ChannelCount(kx::ListKind::DigitalTV));
    }
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state)
{
    kx::CKanalyxDoc doc;
    doc.OnOpenDocument(files().input);
    for (auto _ : state) {
        doc.OnSaveDocument(files().output);
    }
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

// The same bytes through the file system alone: what any save costs at least.
void BM_CopyFile(benchmark::State& state)
{
    for (auto _ : state) {
        std::filesystem::copy_file(files().input, files().output,
                                   std::filesystem::copy_options::overwrite_existing);
    }
}
BENCHMARK(BM_CopyFile)->Unit(benchmark::kMillisecond);

// Copying to a new file beside the target, pushing it to the disk and renaming it over the
// target, as a save does: the floor for any save that cannot leave a damaged file behind.
void BM_CopyFileSyncAndRename(benchmark::State& state)
{
    const std::filesystem::path temporary = files().folder / ".copy.tmp";
    for (auto _ : state) {
        std::filesystem::copy_file(files().input, temporary,
                                   std::filesystem::copy_options::overwrite_existing);
        const int descriptor = ::open(temporary.c_str(), O_WRONLY);
        ::fsync(descriptor);
        ::close(descriptor);
        std::filesystem::rename(temporary, files().output);
    }
}
BENCHMARK(BM_CopyFileSyncAndRename)->Unit(benchmark::kMillisecond);

// Copies a file to the output with the cp command, process start included.
void runCp(benchmark::State& state, const std::filesystem::path& from)
{
    std::string source = from.string();
    std::string target = files().output.string();
    char cp[] = "cp";
    char* argv[] = {cp, source.data(), target.data(), nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawnp(&pid, "cp", nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot run cp");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
    }
}

// The cp command on the same file.
void BM_CpCommand(benchmark::State& state)
{
    runCp(state, files().input);
}
BENCHMARK(BM_CpCommand)->Unit(benchmark::kMillisecond);

// Real files of the newer receivers: LA691S (1 MB, 260-byte records, a DVB-S block of 907 KB
// whose checksums are checked on loading and worked out again on saving) and LN5758 (2,841
// satellite channels), loaded and saved as the editor does, beside cp on the same file.
std::filesystem::path realFile(const char* name)
{
    return std::filesystem::path(KANALYX_REALDATA_DIR) / name;
}

void BM_LoadAndSaveReal(benchmark::State& state, const char* name)
{
    const std::filesystem::path input = realFile(name);
    if (!std::filesystem::exists(input)) {
        state.SkipWithError("the real-data folder is not there");
        return;
    }
    for (auto _ : state) {
        kx::CKanalyxDoc doc;
        doc.OnOpenDocument(input);
        doc.OnSaveDocument(files().output);
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(input)) / 1e6;
}
BENCHMARK_CAPTURE(BM_LoadAndSaveReal, LA691S, "xxLA691S-ZA00004.TLL.in")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadAndSaveReal, LN5758, "xxLN5758-ZE99999.TLL.in")
    ->Unit(benchmark::kMillisecond);

void BM_CpReal(benchmark::State& state, const char* name)
{
    runCp(state, realFile(name));
}
BENCHMARK_CAPTURE(BM_CpReal, LA691S, "xxLA691S-ZA00004.TLL.in")->Unit(benchmark::kMillisecond);

// The GlobalClone file of a 2019 receiver (2.7 MB of XML, 1,446 satellite channels): read from
// the disk and parsed, then written back unchanged through an atomic save, beside cp.
constexpr const char* kGlobalClone = "GlobalClone-65UM7100PLA.TLL";

kx::GlobalCloneFile loadGlobalClone(const std::filesystem::path& input)
{
    return kx::GlobalCloneFile::read(kx::File::readAll(input), input.filename().string());
}

void saveGlobalClone(const kx::GlobalCloneFile& file,
                     const std::vector<kx::GlobalCloneItemState>& states)
{
    kx::File::writeAtomically(files().output,
                              [&](kx::File& out) { out.write(file.write(states)); });
}

void BM_GlobalClone(benchmark::State& state, int part)
{
    const std::filesystem::path input = realFile(kGlobalClone);
    if (!std::filesystem::exists(input)) {
        state.SkipWithError("the real-data folder is not there");
        return;
    }
    const kx::GlobalCloneFile loaded = loadGlobalClone(input);
    const std::vector<kx::GlobalCloneItemState> states = loaded.states();
    for (auto _ : state) {
        if (part == 0) {
            const kx::GlobalCloneFile file = loadGlobalClone(input);
            saveGlobalClone(file, file.states());
        } else if (part == 1) {
            benchmark::DoNotOptimize(loadGlobalClone(input).items().size());
        } else {
            saveGlobalClone(loaded, states);
        }
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(input)) / 1e6;
}
BENCHMARK_CAPTURE(BM_GlobalClone, LoadAndSave, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GlobalClone, Load, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GlobalClone, Save, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CpReal, GlobalClone, kGlobalClone)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
