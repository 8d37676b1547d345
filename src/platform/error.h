#pragma once

#include <stdexcept>
#include <string>

namespace kx {

// What kind of failure an Error reports; the command-line tool maps it to its exit code.
enum class ErrorCode
{
    Io,          // a file could not be opened, read, written or renamed
    Format,      // the bytes are not a channel list this program knows
    Truncated,   // the file ends inside a field, record or block
    Unsupported, // a well-formed file of a kind this program does not edit
    Usage,       // a command or argument that cannot be carried out
    Internal,    // a fault of the program itself, never of the user or the file
};

// The one error type of the core: a code and a message for the user that says what went wrong
// and where (file, block, byte offset). Thrown by the core, caught at the edge (GUI command
// handlers, the command-line tool).
class Error : public std::runtime_error
{
public:
    Error(ErrorCode code, const std::string& message) : std::runtime_error(message), m_code(code) {}

    ErrorCode code() const noexcept { return m_code; }

private:
    ErrorCode m_code;
};

} // namespace kx
