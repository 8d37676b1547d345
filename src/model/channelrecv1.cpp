#include "model/channelrecv1.h"

namespace kx {

std::unique_ptr<CChannelRec> CChannelRecV1::Clone() const
{
    auto copy = std::make_unique<CChannelRecV1>();
    copy->m_raw = m_raw;
    copy->copyKindFrom(*this);
    return copy;
}

} // namespace kx
