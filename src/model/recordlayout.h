#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kx {

// The offset of a field the layout does not have.
inline constexpr std::size_t kNoField = static_cast<std::size_t>(-1);

// Size of the name field and of the name copy.
inline constexpr std::size_t kNameFieldSize = 40;

// How a record repeats its programme number in a second field.
enum class SecondNumber : std::uint8_t
{
    None,
    TimesFour, // u32: the number x 4 plus a kind code
    Copy,      // u16: the number word once more
};

// Where the fields of one channel-record layout lie inside its raw bytes. Every multi-byte field
// is little-endian; kNoField marks a field the layout does not have (its cell stays empty and
// nothing is written there). The table below is the one place that knows these offsets: the
// records, the list columns, the Channel dialog and the command-line tool all read it.
struct RecordLayout
{
    std::string_view name{};        // short name: the record size, and the model where sizes clash
    std::string_view models{};      // the receiver models that write it
    std::string_view modelPrefix{}; // the file name's model prefix that picks this row among
                                    // those of its size; empty for the size's default row
    std::size_t recordSize = 0;
    int variant = 0; // the file variant: 1 (164 bytes), 2 (176), 3 (newer); 0 for satellites
    // Whether the receiver wants the records stored in programme order. Where it does not, every
    // record keeps its place in the file and only its number fields change.
    bool sorted = true;
    std::size_t numberWord = kNoField; // u16: programme number in bits 0-13, radio + 16384
    std::size_t derivedId = kNoField;  // the second number field
    SecondNumber derivedKind = SecondNumber::None;
    std::size_t source = kNoField;         // byte: 0/2 analog antenna/cable, 1/3 digital
    std::size_t systemWord = kNoField;     // u16: analog TV system code
    std::size_t channelBand = kNoField;    // u16: low byte channel, high byte band (0 = cable)
    std::size_t nameField = kNoField;      // kNameFieldSize bytes of stored name text
    std::size_t nameLength = kNoField;     // the byte that holds the stored name length
    std::size_t nameCopy = kNoField;       // kNameFieldSize bytes: the name up to its terminator
    std::size_t nameCopyLength = kNoField; // the name copy's own length byte
    std::size_t checkByte = kNoField;      // the byte that holds the check bit
    std::uint8_t checkMask = 0;            // the check bit within checkByte: set = unticked
    std::size_t favouriteMask = kNoField;  // favourites 1-4 as bits 0-3
    std::size_t favouriteByte = kNoField;  // favourites 1-4 as bits 2-5; 0x42 marks deleted
    std::size_t flagsByte = kNoField;      // lock 0x01, skip 0x02, hide 0x04
    std::size_t serviceId = kNoField;      // u16
    std::size_t serviceId2 = kNoField;     // u16, a copy
    std::size_t serviceType = kNoField;    // byte: 1 TV, 2 radio, 0x19 HD TV, ...
    std::size_t frequency = kNoField;      // u32: a digital channel's frequency in kHz
    std::size_t symbolRate = kNoField;     // symbolRateBytes wide; its low byte is the modulation
    std::size_t symbolRateBytes = 0;
    unsigned symbolRateShift = 0; // the symbol rate is the field shifted right by this many bits

    // What identifies the service, as reference lists match channels. Each offset was confirmed
    // on the real files against another editor's exports of them.
    std::size_t analogFrequency = kNoField; // u16: an analog channel's frequency in 50 kHz steps
    std::size_t tunerChannel = kNoField;    // byte: the receiver's channel of a digital frequency
    std::size_t onid = kNoField;            // u16: original network id
    std::size_t tsid = kNoField;            // u16: transport stream id
    // Satellite records: u16, the slot of the channel's transponder in the DVB-S block.
    std::size_t transponderIndex = kNoField;
    // The bit of encryptedByte that marks a scrambled channel; the byte is one the other fields
    // use too (the favourites byte).
    std::size_t encryptedByte = kNoField;
    std::uint8_t encryptedMask = 0;
    // The bit of flagsByte that receivers set in a digital record whose number the user chose;
    // 0 where the layout keeps no such mark (or this editor leaves it alone).
    std::uint8_t renumberedMask = 0;
    bool satellite = false; // a record of the DVB-S block

    // Whether the lists show the favourites and flags of these records. The two oldest layouts
    // keep the columns they always had: their check box is their only flag.
    bool flagsShown() const noexcept
    {
        return flagsByte != kNoField && variant != 1 && variant != 2;
    }
};

// Records of 164 bytes (files that start with the analog block size).
inline constexpr RecordLayout kLayoutV1{
    .name = "164",
    .models = "DM, LF, LH, LU",
    .recordSize = 164,
    .variant = 1,
    .numberWord = 10,
    .derivedId = 108,
    .derivedKind = SecondNumber::TimesFour,
    .systemWord = 22,
    .channelBand = 24,
    .nameField = 28,
    .nameLength = 68,
    .nameCopy = 116,
    .checkByte = 113,
    .checkMask = 0x20,
    .flagsByte = 113,
    .serviceId = 70,
    .serviceType = 115,
    .frequency = 96,
    .symbolRate = 92,
    .symbolRateBytes = 4,
    .symbolRateShift = 8,
    .analogFrequency = 20,
    .tunerChannel = 9,
    .onid = 86,
    .tsid = 88,
};

// Records of 176 bytes (files that start with the magic 0x5A5A5A5A). The check bit is bit 0x0200
// of the little-endian word at 122, that is bit 1 of byte 123.
inline constexpr RecordLayout kLayoutV2{
    .name = "176",
    .models = "LD, LE, LX, LK450, LW4500",
    .recordSize = 176,
    .variant = 2,
    .numberWord = 12,
    .derivedId = 116,
    .derivedKind = SecondNumber::TimesFour,
    .source = 8,
    .systemWord = 24,
    .channelBand = 26,
    .nameField = 30,
    .nameLength = 70,
    .nameCopy = 128,
    .checkByte = 123,
    .checkMask = 0x02,
    .favouriteMask = 20,
    .favouriteByte = 122,
    .flagsByte = 123,
    .serviceId = 72,
    .serviceId2 = 124,
    .serviceType = 126,
    .frequency = 88,
    .symbolRate = 102,
    .symbolRateBytes = 2,
    .analogFrequency = 22,
    .tunerChannel = 10,
    .onid = 94,
    .tsid = 96,
};

namespace layoutrows {

// The fields that vary between the layouts of the newer receivers. All of them keep the number
// word at 12, the name length right after the name field, the flags byte right after the
// favourites byte, and the skip flag (0x02 of the flags byte) as the check box.
struct Newer
{
    std::string_view name;
    std::string_view models;
    std::string_view modelPrefix;
    std::size_t recordSize;
    bool sorted;
    std::size_t nameField;
    std::size_t nameCopy;
    std::size_t secondNumber;
    SecondNumber secondKind;
    std::size_t favouriteMask;
    std::size_t favouriteByte;
    std::size_t serviceId;
    std::size_t serviceId2;
    std::size_t serviceType;
    std::size_t onid;      // the transport stream id follows it
    std::size_t frequency; // u32, kHz
    std::size_t analogFrequency = kNoField;
    std::size_t systemWord = kNoField;
    std::size_t channelBand = kNoField;
};

// Every newer layout keeps the receiver's channel of a digital frequency here.
constexpr std::size_t kNewerTunerChannel = 10;
constexpr std::uint8_t kRenumberedBit = 0x40;

constexpr RecordLayout newer(const Newer& row)
{
    return RecordLayout{
        .name = row.name,
        .models = row.models,
        .modelPrefix = row.modelPrefix,
        .recordSize = row.recordSize,
        .variant = 3,
        .sorted = row.sorted,
        .numberWord = 12,
        .derivedId = row.secondNumber,
        .derivedKind = row.secondKind,
        .source = 8,
        .systemWord = row.systemWord,
        .channelBand = row.channelBand,
        .nameField = row.nameField,
        .nameLength = row.nameField + kNameFieldSize,
        .nameCopy = row.nameCopy,
        .nameCopyLength = row.nameCopy - 1,
        .checkByte = row.favouriteByte + 1,
        .checkMask = 0x02,
        .favouriteMask = row.favouriteMask,
        .favouriteByte = row.favouriteByte,
        .flagsByte = row.favouriteByte + 1,
        .serviceId = row.serviceId,
        .serviceId2 = row.serviceId2,
        .serviceType = row.serviceType,
        .frequency = row.frequency,
        .analogFrequency = row.analogFrequency,
        .tunerChannel = row.onid == kNoField ? kNoField : kNewerTunerChannel,
        .onid = row.onid,
        .tsid = row.onid == kNoField ? kNoField : row.onid + 2,
        .renumberedMask = kRenumberedBit,
    };
}

// The satellite records of the DVB-S block: number word at 8, the transponder's slot at 12,
// favourites and flags bytes, service id, service type, name length and name, shifted by `shift`
// in one family. Bit 0x80 of the favourites byte marks a scrambled channel where `encrypted`.
constexpr RecordLayout satellite(std::string_view name, std::size_t recordSize, std::size_t shift,
                                 bool encrypted)
{
    return RecordLayout{
        .name = name,
        .models = "DVB-S",
        .recordSize = recordSize,
        .sorted = false,
        .numberWord = 8,
        .nameField = 20 + 2 * shift,
        .nameLength = 19 + 2 * shift,
        .checkByte = 15 + shift,
        .checkMask = 0x02,
        .favouriteByte = 14 + shift,
        .flagsByte = 15 + shift,
        .serviceId = 16 + 2 * shift,
        .serviceType = 18 + 2 * shift,
        .transponderIndex = 12,
        .encryptedByte = encrypted ? 14 + shift : kNoField,
        .encryptedMask = encrypted ? std::uint8_t{0x80} : std::uint8_t{0},
        .renumberedMask = kRenumberedBit,
        .satellite = true,
    };
}

constexpr SecondNumber kTimesFour = SecondNumber::TimesFour;
constexpr SecondNumber kCopy = SecondNumber::Copy;

} // namespace layoutrows

// The 164-byte records of the LH3000 models: the second half of the record lies 4 bytes lower.
inline constexpr RecordLayout kLayoutLH3000{
    .name = "164 LH3000",
    .models = "LH3000",
    .modelPrefix = "LH3000",
    .recordSize = 164,
    .variant = 1,
    .numberWord = 10,
    .derivedId = 104,
    .derivedKind = SecondNumber::TimesFour,
    .systemWord = 22,
    .channelBand = 24,
    .nameField = 28,
    .nameLength = 68,
    .nameCopy = 112,
    .nameCopyLength = 111,
    .checkByte = 109,
    .checkMask = 0x20,
    .flagsByte = 109,
    .serviceId = 70,
    .serviceId2 = 158,
    .serviceType = 160,
    .frequency = 96,
    .symbolRate = 92,
    .symbolRateBytes = 4,
    .symbolRateShift = 8,
    .tunerChannel = 9,
    .onid = 86,
    .tsid = 88,
};

// clang-format off
// name, models, file-name prefix, size, sorted, name, name copy, second number, its kind,
// favourites mask, favourites byte, service id, its copy, service type, ONID, frequency[, analog
// frequency, system, channel/band]. No real file was at hand for LH250C, 244, LY and 280: their
// identity fields stay unknown.
inline constexpr RecordLayout kLayout180 = layoutrows::newer(
    {"180", "PT", "", 180, true, 30, 132, 120, layoutrows::kTimesFour, 20, 126, 72, 128, 130, 98, 92, 22, 24, 26});
inline constexpr RecordLayout kLayout184 = layoutrows::newer(
    {"184", "LV, LW, LK950S, PM670S", "", 184, false, 30, 136, 124, layoutrows::kCopy, 20, 130, 72, 132, 134, 98, 92, 22, 24, 26});
inline constexpr RecordLayout kLayout184LH250 = layoutrows::newer(
    {"184 LH250C", "LH250C", "LH250", 184, true, 32, 136, 126, layoutrows::kTimesFour, 20, 130, 74, 132, 134, kNoField, kNoField});
inline constexpr RecordLayout kLayout188 = layoutrows::newer(
    {"188", "CS460S, LM611S, LM340S, LS560S", "", 188, false, 30, 140, 128, layoutrows::kCopy, 20, 134, 72, 136, 138, 102, 96, 22, 24, 26});
inline constexpr RecordLayout kLayout192 = layoutrows::newer(
    {"192", "LM, LS, PM", "", 192, false, 30, 140, 128, layoutrows::kCopy, 20, 134, 72, 136, 138, 102, 96, 22, 24, 26});
inline constexpr RecordLayout kLayout212 = layoutrows::newer(
    {"212", "LT", "", 212, false, 32, 160, 144, layoutrows::kCopy, 20, 154, 74, 156, 158, 114, 108, 22, 24, 26});
inline constexpr RecordLayout kLayout212PN = layoutrows::newer(
    {"212 PN", "PN", "PN", 212, false, 44, 156, 144, layoutrows::kCopy, 22, 150, 86, 152, 154, 118, 112});
inline constexpr RecordLayout kLayout224 = layoutrows::newer(
    {"224", "LN", "", 224, false, 44, 168, 156, layoutrows::kCopy, 20, 162, 86, 164, 166, 130, 120});
inline constexpr RecordLayout kLayout244 = layoutrows::newer(
    {"244", "LB550U, LB561V", "", 244, false, 44, 188, 176, layoutrows::kCopy, 20, 182, 86, 184, 186, kNoField, kNoField});
inline constexpr RecordLayout kLayout256 = layoutrows::newer(
    {"256", "LA, LH541V", "", 256, false, 40, 184, 172, layoutrows::kCopy, 20, 178, 82, 180, 182, 134, 124});
inline constexpr RecordLayout kLayout256LY = layoutrows::newer(
    {"256 LY", "LY", "LY", 256, false, 44, 196, 180, layoutrows::kCopy, 20, 188, 86, 192, 194, kNoField, kNoField});
inline constexpr RecordLayout kLayout260 = layoutrows::newer(
    {"260", "LA, LN5758", "", 260, false, 40, 188, 176, layoutrows::kCopy, 20, 182, 82, 184, 186, 138, 128, 24, kNoField, 36});
inline constexpr RecordLayout kLayout280 = layoutrows::newer(
    {"280", "LB580V", "", 280, false, 44, 200, 188, layoutrows::kCopy, 20, 194, 86, 196, 198, kNoField, kNoField});
// clang-format on

// Every layout of cable and antenna channel records, default rows before the rows that a file
// name's model prefix picks.
inline constexpr const RecordLayout* kRecordLayouts[] = {
    &kLayoutV1,  &kLayoutLH3000, &kLayoutV2,  &kLayout180,   &kLayout184, &kLayout184LH250,
    &kLayout188, &kLayout192,    &kLayout212, &kLayout212PN, &kLayout224, &kLayout244,
    &kLayout256, &kLayout256LY,  &kLayout260, &kLayout280,
};

// The satellite record layouts of the DVB-S blocks.
// The LP family's records carry no scrambled mark that the real files confirm.
inline constexpr RecordLayout kSatellite68 = layoutrows::satellite("DVB-S 68", 68, 0, true);
inline constexpr RecordLayout kSatellite72 = layoutrows::satellite("DVB-S 72", 72, 0, true);
inline constexpr RecordLayout kSatellite76 = layoutrows::satellite("DVB-S 76", 76, 0, true);
inline constexpr RecordLayout kSatellite76LP = layoutrows::satellite("DVB-S 76 LP", 76, 2, false);
inline constexpr RecordLayout kSatellite92 = layoutrows::satellite("DVB-S 92", 92, 0, true);

// The largest record of any layout, and of the satellite layouts.
inline constexpr std::size_t kLargestRecordSize = 280;
inline constexpr std::size_t kLargestSatelliteRecordSize = 92;

// The layout of records of recordSize in a file whose name gives model (the text after "xx" up
// to the first '-', as receivers name their exports; may be empty). Files without the magic word
// hold only 164-byte records. Null when no layout has records of that size.
const RecordLayout* FindRecordLayout(std::size_t recordSize, bool magic, std::string_view model);

// The layout whose models a file's model belongs to, for files that hold no channel record to
// measure; null when none names it.
const RecordLayout* RecordLayoutForModel(std::string_view model, bool magic);

// The model part of a file name: "xxLH3000-ZA00002.TLL" gives "LH3000"; empty when the name does
// not start with "xx".
std::string_view ModelOfFileName(std::string_view fileName);

} // namespace kx
