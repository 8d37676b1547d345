#include "model/channelrec.h"

#include <utility>

namespace kx {

namespace {
CChannelRec::EditHook& editHook()
{
    static CChannelRec::EditHook hook;
    return hook;
}
} // namespace

void CChannelRec::SetEditHook(EditHook hook)
{
    editHook() = std::move(hook);
}

bool CChannelRec::runEditHook(std::span<std::uint8_t> bytes)
{
    const EditHook& hook = editHook();
    return hook ? hook(bytes) : false;
}

} // namespace kx
