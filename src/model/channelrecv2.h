#pragma once

#include "model/layoutchannelrec.h"
#include "model/recordlayout.h"

namespace kx {

// The channel record of files of variant 2 (those that start with the magic 0x5A5A5A5A): 176 bytes
// per channel. The bytes start zero-filled until a read or Clone fills them.
class CChannelRecV2 final : public FixedLayoutChannelRec<CChannelRecV2, kLayoutV2>
{};

} // namespace kx
