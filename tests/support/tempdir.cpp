#include "support/tempdir.h"

#include <stdexcept>
#include <stdlib.h>
#include <string>
#include <system_error>

namespace kx::test {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kanalyx-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder from " + pattern);
    }
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

} // namespace kx::test
