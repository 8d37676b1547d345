#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace kx {

// What kind of failure an Error reports; the command-line tool maps it to its exit code.
enum class ErrorCode
{
    Io,          // a file could not be opened, read, written or renamed
    Format,      // the bytes are not a channel list this program knows
    Truncated,   // the file ends inside a field, record or block
    Unsupported, // a well-formed file of a kind this program does not edit
    Usage,       // the user asked for something that cannot be carried out as given
    Internal,    // a fault of the program (an index out of range, a call its caller must not
                 // make): never the user's mistake
};

// Where in a file a refusal lies: the block (or element) by name and the byte offset. Either may
// be unknown.
struct ErrorPlace
{
    std::string block;
    std::optional<std::uint64_t> byteOffset;
};

// The one error type of the core: a code and a message for the user that says what went wrong
// and where (file, block, byte offset). For refusals of a file's bytes the block and the offset
// are also kept as fields, so that a caller can point at them without reading the message.
// Thrown by the core, caught at the edge (GUI command handlers, the command-line tool).
class Error : public std::runtime_error
{
public:
    Error(ErrorCode code, const std::string& message) : std::runtime_error(message), m_code(code) {}
    Error(ErrorCode code, const std::string& message, ErrorPlace place)
        : std::runtime_error(message), m_code(code), m_place(std::move(place))
    {}

    ErrorCode code() const noexcept { return m_code; }
    // The block the refusal concerns; empty when none is known.
    const std::string& block() const noexcept { return m_place.block; }
    // The byte offset in the file the refusal concerns, when known.
    std::optional<std::uint64_t> byteOffset() const noexcept { return m_place.byteOffset; }

private:
    ErrorCode m_code;
    ErrorPlace m_place;
};

} // namespace kx
