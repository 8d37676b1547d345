// Feeds arbitrary bytes to the GlobalClone reader. Whatever the bytes, reading must either refuse
// them with an Error or accept them; an accepted file must write back to exactly its own bytes,
// and a file written with a renumbered and renamed channel must read back to the state asked for.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "document/globalclonefile.h"
#include "platform/error.h"

namespace {

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::optional<kx::GlobalCloneFile> file;
    try {
        file = kx::GlobalCloneFile::read(bytes, "fuzz.tll");
    } catch (const kx::Error&) {
        return 0;
    }
    std::vector<kx::GlobalCloneItemState> states = file->states();
    require(file->write(states) == bytes);
    for (const kx::GlobalCloneItem& item : file->items()) {
        (void)file->satelliteOf(item);
        (void)file->polarisationOf(item);
        (void)item.nameBytes();
    }
    if (states.empty()) {
        return 0;
    }
    kx::GlobalCloneItemState& changed = states[states.size() / 2];
    changed.prNum = changed.prNum.value_or(0) + 1;
    changed.isUserSelCHNo = 1;
    changed.favoriteIdx[2] = 7;
    changed.rename("\x05Fuzz & <Co>", "Fuzz & <Co>");
    std::string written;
    try {
        written = file->write(states);
    } catch (const kx::Error& error) {
        // Only an empty <ITEM/> has no place for a new field.
        require(error.code() == kx::ErrorCode::Unsupported);
        return 0;
    }
    const kx::GlobalCloneFile again = kx::GlobalCloneFile::read(written, "written.tll");
    require(again.states() == states);
    return 0;
}
