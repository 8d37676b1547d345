#include "model/channelrecv2.h"

namespace kx {

std::unique_ptr<CChannelRec> CChannelRecV2::Clone() const
{
    auto copy = std::make_unique<CChannelRecV2>();
    copy->m_raw = m_raw;
    copy->copyKindFrom(*this);
    return copy;
}

} // namespace kx
