#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/channelidentity.h"

namespace kx {

// Reference-list files: a channel order as text that users carry between files, receivers and
// editors. One line per channel, seven comma-separated fields, LF line ends:
//
//     ,NUMBER,,UID,"NAME",CODE,FLAGS
//
// - The first and third fields are empty.
// - NUMBER: the programme number, decimal, 0 or more.
// - UID: the channel's identity. `A-0-FREQ-0` for analog channels (FREQ as ChannelIdentity
//   describes it), `C-ONID-TSID-SID-CH` for digital antenna and cable channels (CH the physical
//   channel, two digits at least), `S19.2E-ONID-TSID-SID` for satellite channels (the position
//   with one decimal, E or W). The DVB ids are 0 to 65535.
// - NAME: UTF-8, always in double quotes, a quote inside it doubled. A name may hold a comma
//   and, inside its quotes, a line break.
// - CODE: the list: AAT0 analog antenna, ACT0 analog cable, DAT0/DAR0 digital antenna TV/radio,
//   DCT0/DCR0 digital cable TV/radio, DST0/DSR0 satellite TV/radio. C UIDs go with DA and DC
//   codes, S UIDs with DS codes, A UIDs with AA and AC codes.
// - FLAGS: digits of the favourite lists, then letters (S skip, H hide, L lock); often empty.
//
// Reading accepts a UTF-8 byte order mark, CRLF line ends and a last line without a line end;
// any other departure from the format refuses the whole file, naming the line. Writing gives
// exactly the form above, so a file written here reads back to the same channels and writes
// again to the same bytes.
//
// The channels come back as one ChannelList per run of lines with the same list code, named
// after the code, in file order; a channel's row is its index in that list.

// Larger inputs are refused before they are parsed: far above 5 lists of 16,383 channels.
inline constexpr std::size_t kMaxReferenceListBytes = std::size_t{32} << 20U;

// Reads a reference list from its text; sourceName names it in messages (a file's name).
// Throws Error(ErrorCode::Format) naming sourceName and the line for anything malformed, and for
// text longer than kMaxReferenceListBytes.
std::vector<ChannelList> ReadReferenceList(std::string_view text, const std::string& sourceName);
// Reads a reference-list file (File::readAll's errors, then ReadReferenceList's).
std::vector<ChannelList> ReadReferenceListFile(const std::filesystem::path& path);

// The text of a reference list: every channel of every list, in order, each line with the code
// and UID its own identity gives (the lists' names are not written). Throws
// Error(ErrorCode::Unsupported) naming the list and the channel when a channel has no UID (a
// digital channel without ONID, TSID or SID, an analog one without frequency, a source of
// Unknown, a satellite channel without its satellite), and Error(ErrorCode::Internal) for a
// negative number, flags other than digits and capital letters, or a name that is not UTF-8.
std::string WriteReferenceList(std::span<const ChannelList> lists);
// Writes WriteReferenceList's text to path, never leaving the file half-written.
void WriteReferenceListFile(const std::filesystem::path& path, std::span<const ChannelList> lists);

// The UID of an identity as reference lists write it; none where the identity lacks a field the
// UID needs (see WriteReferenceList). An unknown physical channel is written as 00.
std::optional<std::string> ReferenceUid(const ChannelIdentity& id);
// The list code of an identity ("DCT0"); none for a source of Unknown and for analog radio or
// satellite channels, which the format has no code for.
std::optional<std::string> ReferenceListCode(const ChannelIdentity& id);
// The identity a UID and a list code give together: the code tells the source and TV or radio,
// the UID the ids. None when either is malformed or the two do not belong together.
std::optional<ChannelIdentity> ParseReferenceUid(std::string_view uid, std::string_view listCode);

} // namespace kx
