#pragma once

#include "model/layoutchannelrec.h"
#include "model/recordlayout.h"

namespace kx {

// The channel record of files of variant 1: 164 bytes per channel, the same layout for analog,
// radio and digital TV channels. The bytes start zero-filled until a read or Clone fills them.
class CChannelRecV1 final : public FixedLayoutChannelRec<CChannelRecV1, kLayoutV1>
{};

} // namespace kx
