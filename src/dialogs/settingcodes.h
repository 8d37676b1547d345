#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/strings.h"

namespace kx {

// The two-letter country codes a receiver stores, paired by index with the country names (text
// ids 61240 + index). Compared and stored exactly as written: case matters.
inline constexpr std::array<std::string_view, ids::kCountryCount> CountryCodes = {
    "__", "AT", "AL", "UK", "BE", "BA", "BG", "HU", "DE", "GR", "DK", "IE", "ES",
    "IT", "KZ", "LV", "LT", "LU", "MA", "NL", "NO", "PL", "PT", "RU", "RO", "RS",
    "SK", "SL", "TR", "UA", "FI", "FR", "HR", "CZ", "CH", "SE", "EE"};

// The three-letter country codes the newer receivers store, paired by index with CountryCodes;
// the first entry ("--") has none.
inline constexpr std::array<std::string_view, ids::kCountryCount> CountryCodes3 = {
    "",    "AUT", "ALB", "GBR", "BEL", "BIH", "BGR", "HUN", "DEU", "GRC", "DNK", "IRL", "ESP",
    "ITA", "KAZ", "LVA", "LTU", "LUX", "MAR", "NLD", "NOR", "POL", "PRT", "RUS", "ROU", "SRB",
    "SVK", "SVN", "TUR", "UKR", "FIN", "FRA", "HRV", "CZE", "CHE", "SWE", "EST"};

// The three-letter language codes, paired by index with the language names (ids 61280 + index).
inline constexpr std::array<std::string_view, ids::kLanguageCount> LanguageCodes = {
    "eng", "alb", "bos", "bul", "scr", "ces", "dan", "dut", "est", "fin", "fre",
    "ger", "gre", "hun", "gle", "ita", "kaz", "lav", "lit", "mac", "nor", "pol",
    "por", "rum", "rus", "scc", "slo", "slv", "spa", "swe", "tur", "ukr"};

// The time-zone list: 24 items for -11 to +12 hours; item k is stored as the byte k + 9.
inline constexpr int kTimeZoneCount = 24;
inline constexpr int kTimeZoneStoredFirst = 9;

// Display texts in the active language, in list order.
std::vector<std::string> countryNames();
std::vector<std::string> languageNames();
std::vector<std::string> menuItemNames();
// "-11" ... "0", "+1" ... "+12".
std::vector<std::string> timeZoneNames();

// The index of the first entry equal to text (exactly, case included), or -1.
int findExact(std::span<const std::string_view> entries, std::string_view text);
int findExact(const std::vector<std::string>& entries, std::string_view text);

// The settings block keeps codes with their letters in reverse byte order: a country code's
// first letter at offset + 1 and its second at offset; a language code's first letter at
// offset + 2 and its third at offset. Reads give nullopt and writes change nothing (and return
// false) when a byte would lie outside the block.
std::optional<std::string> readCountryCode(std::span<const std::uint8_t> block,
                                           std::size_t byteOffset);
bool writeCountryCode(std::span<std::uint8_t> block, std::size_t byteOffset, std::string_view code);
std::optional<std::string> readLanguageCode(std::span<const std::uint8_t> block,
                                            std::size_t byteOffset);
bool writeLanguageCode(std::span<std::uint8_t> block, std::size_t byteOffset,
                       std::string_view code);
// The newer receivers' three-letter country codes, kept reversed like the languages.
std::optional<std::string> readCountryCode3(std::span<const std::uint8_t> block,
                                            std::size_t byteOffset);
bool writeCountryCode3(std::span<std::uint8_t> block, std::size_t byteOffset,
                       std::string_view code);
std::optional<std::uint8_t> readByte(std::span<const std::uint8_t> block, std::size_t byteOffset);
bool writeByte(std::span<std::uint8_t> block, std::size_t byteOffset, std::uint8_t value);

} // namespace kx
