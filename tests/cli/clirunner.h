#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace kx::test {

// What a run of the built kanalyx-cli gave.
struct CliResult
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs kanalyx-cli with the arguments (no shell between them) in the folder work, and collects
// its exit code, standard output and standard error.
CliResult runCli(const std::vector<std::string>& arguments,
                 const std::filesystem::path& work = std::filesystem::temp_directory_path());
inline CliResult runCli(std::initializer_list<std::string> arguments,
                        const std::filesystem::path& work = std::filesystem::temp_directory_path())
{
    return runCli(std::vector<std::string>(arguments), work);
}

// Starts one kanalyx-cli for each argument list at once, then waits for them all.
std::vector<CliResult>
runCliTogether(const std::vector<std::vector<std::string>>& runs,
               const std::filesystem::path& work = std::filesystem::temp_directory_path());

// The names in a folder, sorted.
std::vector<std::string> namesIn(const std::filesystem::path& folder);

// The project's committed sample list.
std::filesystem::path sampleList();

} // namespace kx::test
