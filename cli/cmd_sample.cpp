// The project's own sample channel list: a list in the 176-byte layout with analog, digital TV and
// radio channels whose names use several character tables, and a settings block of the size the
// receivers of that layout write. resources/samples/sample.tll is this command's output.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "commands.h"
#include "dialogs/countrypagemodel.h"
#include "document/kanalyxdoc.h"
#include "model/channelrecv2.h"
#include "model/charactertable.h"
#include "model/namecodec.h"
#include "model/recordlayout.h"
#include "platform/archive.h"

namespace kx::cli {

namespace {

// The fields of the 176-byte layout that the sample fills beyond number, name and check box.
constexpr const RecordLayout& kLayout = kLayoutV2;
// The favourites byte and the flags byte after it, written as one word.
constexpr std::size_t kStatusWord = kLayout.favouriteByte;

// The settings block of the 176-byte layout.
constexpr std::uint32_t kSettingsSize = 23096;

// Character-table rows used for names; 1 is "User" without a prefix byte.
constexpr int kPlain = kTableUser;
constexpr int kCyrillic = 2;
constexpr int kArabic = 3;
constexpr int kGreek = 4;
constexpr int kTurkish = 6;
constexpr int kLatin9 = 11;
constexpr int kUtf8 = kTableUnicode;

struct Channel
{
    std::string_view name;
    int table;
    std::uint32_t frequency;
    bool ticked;
};

void putU16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value)
{
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void putU32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value)
{
    putU16(bytes, offset, static_cast<std::uint16_t>(value));
    putU16(bytes, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

void setName(CChannelRec& rec, std::string_view name, int table)
{
    CodecSettings codec;
    codec.characterTable = table == kUtf8 ? kPlain : table;
    codec.prefix = table != kPlain;
    codec.unicode = table == kUtf8;
    rec.SetName(name, codec);
}

std::vector<std::unique_ptr<CChannelRec>> analogChannels()
{
    static constexpr Channel kChannels[] = {
        {"Kanal 1", kPlain, 0x0105, true},  {"Kanal 2", kPlain, 0x0107, true},
        {"Stadt TV", kPlain, 0x0022, true}, {" Regio 4", kPlain, 0x0125, true},
        {"Musik 5", kPlain, 0x0128, false}, {"Sport 6", kPlain, 0x0030, true},
    };
    static constexpr std::uint16_t kSystems[] = {0x10, 0x10, 0x20, 0x50, 0x10, 0x60};
    std::vector<std::unique_ptr<CChannelRec>> records;
    for (std::size_t i = 0; i < std::size(kChannels); ++i) {
        auto rec = std::make_unique<CChannelRecV2>();
        const auto raw = rec->raw();
        putU16(raw, kLayout.systemWord, kSystems[i]);
        putU16(raw, kLayout.channelBand, static_cast<std::uint16_t>(kChannels[i].frequency));
        putU16(raw, kStatusWord, 0x0801);
        setName(*rec, kChannels[i].name, kChannels[i].table);
        rec->SetChecked(kChannels[i].ticked);
        rec->SetNumber(static_cast<int>(i) + 1);
        records.push_back(std::move(rec));
    }
    return records;
}

std::vector<std::unique_ptr<CChannelRec>> digitalChannels(bool radio)
{
    static constexpr Channel kTelevision[] = {
        {"Nordlicht HD", kLatin9, 402000, true},
        {"Wetter & Verkehr", kLatin9, 402000, true},
        {"K\xC3\xB6ln Aktuell", kLatin9, 410000, true},
        {"Caf\xC3\xA9 Kultur", kLatin9, 410000, true},
        {"\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB2\xD1\x8B\xD0\xB9 \xD0\xB3\xD0\xBE\xD1\x80\xD0\xBE\xD0\xB4"
         "\xD1\x81\xD0\xBA\xD0\xBE\xD0\xB9",
         kCyrillic, 418000, true},
        {"\xD0\x9D\xD0\xBE\xD0\xB2\xD0\xBE\xD1\x81\xD1\x82\xD0\xB8 24", kCyrillic, 418000, true},
        {"\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1 \xCE\x96\xCF\x89\xCE\xBD\xCF\x84\xCE\xB1\xCE\xBD"
         "\xCE\xAC",
         kGreek, 426000, true},
        {"\xC5\x9E\x65hir Haber", kTurkish, 426000, true},
        {"\xD0\x9A\xD0\xB8\xD1\x97\xD0\xB2 Live", kUtf8, 434000, true},
        {"\xD9\x82\xD9\x86\xD8\xA7\xD8\xA9 "
         "\xD8\xA7\xD9\x84\xD8\xA3\xD8\xAE\xD8\xA8\xD8\xA7\xD8\xB1",
         kArabic, 434000, true},
        {"Info Kanal", kPlain, 442000, true},
        {"Shopping 24", kPlain, 442000, false},
    };
    static constexpr Channel kRadio[] = {
        {"Radio Eins", kPlain, 466000, true},
        {"Klassik Welle", kLatin9, 466000, true},
        {"\xD0\xA0\xD0\xB0\xD0\xB4\xD0\xB8\xD0\xBE \xD0\x9C\xD0\xB8\xD1\x80", kCyrillic, 466000,
         true},
        {"Jazz Nacht", kPlain, 474000, false},
        {"\xCE\xA1\xCE\xAC\xCE\xB4\xCE\xB9\xCE\xBF \xCE\xA0\xCF\x8C\xCE\xBB\xCE\xB7", kGreek,
         474000, true},
        {"Dance FM", kPlain, 474000, true},
    };
    const std::span<const Channel> channels =
        radio ? std::span<const Channel>(kRadio) : std::span<const Channel>(kTelevision);
    std::vector<std::unique_ptr<CChannelRec>> records;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        auto rec = std::make_unique<CChannelRecV2>();
        rec->m_bTV = false;
        rec->m_bFM = radio;
        rec->m_bDTV = !radio;
        const auto raw = rec->raw();
        putU16(raw, kLayout.serviceId, static_cast<std::uint16_t>((radio ? 28400 : 50100) + i));
        putU32(raw, kLayout.frequency, channels[i].frequency);
        // The low byte of the symbol rate word is also the modulation code: 5 QAM64, 7 QAM256.
        putU16(raw, kLayout.symbolRate, i % 3 == 2 ? 6919 : 6917);
        putU16(raw, kStatusWord, 0x0001);
        setName(*rec, channels[i].name, channels[i].table);
        rec->SetChecked(channels[i].ticked);
        rec->SetNumber(static_cast<int>(i) + 1);
        records.push_back(std::move(rec));
    }
    return records;
}

// An empty list of the 176-byte layout with the sample's settings and trailing blocks.
std::string emptyList()
{
    // The languages as the settings page stores a user's choice of them.
    std::vector<std::uint8_t> settings(kSettingsSize, 0);
    CountryPageModel page(settings, 2);
    page.OnInitDialog();
    for (const auto& [setting, language] : {std::pair{CountrySetting::AudioLanguage1, "German"},
                                            {CountrySetting::AudioLanguage2, "English"},
                                            {CountrySetting::MenuLanguage, "German"},
                                            {CountrySetting::SubtitleLanguage1, "German"},
                                            {CountrySetting::SubtitleLanguage2, "English"},
                                            {CountrySetting::TeletextLanguage, "German"}}) {
        page.chooseText(setting, language);
    }
    page.OnApply();
    std::string file;
    Archive ar = Archive::storingTo(file, "sample");
    for (const std::uint32_t word : {kTllMagic, 4u, 0u, kSettingsSize}) {
        ar.writeU32(word);
    }
    ar.write(settings.data(), settings.size());
    for (const std::uint32_t word : {4u, 0u, 1u}) {
        ar.writeU32(word);
    }
    ar.write("\0", 1);
    return file;
}

int run(const Args& args)
{
    args.expectPositionals({"OUT"});
    Archive in(emptyList(), "sample");
    TllContents contents = ReadTll(in);
    ListOf(contents, ListKind::Analog) = analogChannels();
    ListOf(contents, ListKind::DigitalTV) = digitalChannels(false);
    ListOf(contents, ListKind::Radio) = digitalChannels(true);
    CKanalyxDoc doc;
    doc.SetContents(std::move(contents));
    doc.OnSaveDocument(args.positionals()[0]);
    return 0;
}

} // namespace

const Command kSampleCommand{
    "sample", "write the project's sample channel list",
    "Usage: kanalyx-cli sample OUT\n"
    "Writes a channel list of 176-byte records with 6 analog, 12 digital TV and 6 radio\n"
    "channels whose names use several character tables, and a settings block of 23096 bytes.\n",
    &noOptions, &run};

} // namespace kx::cli
