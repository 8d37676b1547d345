#include "clirunner.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "support/tempdir.h"

namespace kx::test {

namespace {

// A run of kanalyx-cli under way, with the files its output goes to.
struct Running
{
    std::unique_ptr<TempDir> capture = std::make_unique<TempDir>();
    pid_t pid = 0;
};

Running start(const std::vector<std::string>& arguments, const std::filesystem::path& work)
{
    Running run;
    const std::string outPath = (run.capture->path() / "out").string();
    const std::string errPath = (run.capture->path() / "err").string();

    std::vector<std::string> argv{KANALYX_CLI};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers;
    for (std::string& argument : argv) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addchdir_np(&actions, work.c_str());
    const int spawned =
        posix_spawn(&run.pid, argv[0].c_str(), &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot run " + argv[0]);
    }
    return run;
}

CliResult finish(const Running& run)
{
    int status = 0;
    if (waitpid(run.pid, &status, 0) != run.pid) {
        throw std::runtime_error("lost a run of " KANALYX_CLI);
    }
    CliResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.out = readFile(run.capture->path() / "out");
    result.err = readFile(run.capture->path() / "err");
    return result;
}

} // namespace

CliResult runCli(const std::vector<std::string>& arguments, const std::filesystem::path& work)
{
    return finish(start(arguments, work));
}

std::vector<CliResult> runCliTogether(const std::vector<std::vector<std::string>>& runs,
                                      const std::filesystem::path& work)
{
    std::vector<Running> running;
    for (const auto& arguments : runs) {
        running.push_back(start(arguments, work));
    }
    std::vector<CliResult> results;
    for (const Running& run : running) {
        results.push_back(finish(run));
    }
    return results;
}

std::vector<std::string> namesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::filesystem::path sampleList()
{
    return KANALYX_SAMPLE;
}

} // namespace kx::test
