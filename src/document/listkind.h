#pragma once

namespace kx {

// The channel lists of a document, in the document's order.
enum class ListKind
{
    Analog = 0,
    Radio = 1,
    DigitalTV = 2,
};
inline constexpr int kListCount = 3;

inline constexpr ListKind kListKinds[kListCount] = {ListKind::Analog, ListKind::Radio,
                                                    ListKind::DigitalTV};

} // namespace kx
