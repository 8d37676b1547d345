#include "document/receiverfamily.h"

namespace kx {

namespace {

// Checked on the real exports of each family: every file of a family agrees in all columns.
// clang-format off
constexpr ReceiverFamily kFamilies[] = {
    // 164-byte records, without the magic word.
    {"LH3000", 6936, 0, 0, 0},
    {"LH", 6944, 0, 0, 0},
    {"DM", 11008, 0, 0, 0},
    // 176-byte records.
    {"LW4500", 15960, 0, 0, 1},
    {"LK450", 23088, 0, 0, 1},
    {"LD, LE", 23096, 0, 0, 1},
    {"LX9500", 23144, 0, 0, 1},
    // The newer layouts.
    {"PT", 15936, 0, 0, 1},
    {"CS460S, LM340S, LM611S", 16024, 0, 687880, 1},
    {"LT", 16232, 220, 0, 1},
    {"LP", 16376, 248, 757800, 1},
    {"LN5406", 17136, 0, 629932, 1},
    {"PN", 17240, 0, 0, 1},
    {"LK950S, LV, LW", 35504, 0, 687880, 8},
    {"LM860V", 36856, 0, 717960, 8},
    {"LM, LS, PM", 36864, 0, 717960, 8},
    {"LA, LN5758", 39592, 0, 907336, 8},
};
// clang-format on

} // namespace

const ReceiverFamily* FindReceiverFamily(std::uint32_t settingsSize)
{
    for (const ReceiverFamily& family : kFamilies) {
        if (family.settingsSize == settingsSize) {
            return &family;
        }
    }
    return nullptr;
}

const ReceiverFamily* FindHospitalityFamily(std::uint32_t hospitalitySize)
{
    for (const ReceiverFamily& family : kFamilies) {
        if (family.hospitalitySize != 0 && family.hospitalitySize == hospitalitySize) {
            return &family;
        }
    }
    return nullptr;
}

} // namespace kx
