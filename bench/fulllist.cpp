#include "fulllist.h"

#include "document/tllfile.h"
#include "platform/archive.h"

namespace kx::bench {

namespace {

void putU16(unsigned char* at, int value)
{
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
}

// step 0: the records of fullListBytes, without service ids.
std::string listBytes(int digitalRecords, std::uint32_t settingsSize, int step)
{
    constexpr std::uint32_t kRecordSize = 176;
    std::string bytes;
    Archive ar = Archive::storingTo(bytes, "bench");
    for (const std::uint32_t word : {kTllMagic, 4u, 0u, settingsSize}) {
        ar.writeU32(word);
    }
    const std::string settings(settingsSize, '\x11');
    ar.write(settings.data(), settings.size());
    ar.writeU32(4 + kRecordSize * static_cast<std::uint32_t>(digitalRecords));
    ar.writeU32(static_cast<std::uint32_t>(digitalRecords));
    for (int i = 0; i < digitalRecords; ++i) {
        unsigned char record[kRecordSize] = {};
        const int service =
            step == 0 ? i : static_cast<int>(std::int64_t{i} * step % digitalRecords);
        putU16(record + 12, i + 1 + (service % 5 == 4 ? 16384 : 0));
        if (step != 0) {
            record[8] = 3;                    // DVB-C
            putU16(record + 72, service + 1); // service id
            putU16(record + 94, 1);           // network
            putU16(record + 96, 1000 + service / 20);
        }
        const std::string name = "\x0B"
                                 "Channel " +
                                 std::to_string(service + 1);
        name.copy(reinterpret_cast<char*>(record) + 30, name.size());
        name.copy(reinterpret_cast<char*>(record) + 128, name.size());
        record[70] = static_cast<unsigned char>(name.size());
        ar.write(record, sizeof record);
    }
    ar.writeU32(1);
    ar.write("\0", 1);
    return bytes;
}

} // namespace

std::string fullListBytes(int digitalRecords, std::uint32_t settingsSize)
{
    return listBytes(digitalRecords, settingsSize, 0);
}

std::string fullListWithServices(int digitalRecords, std::uint32_t settingsSize, int step)
{
    return listBytes(digitalRecords, settingsSize, step);
}

} // namespace kx::bench
