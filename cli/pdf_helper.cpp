#include "pdf_helper.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zeltar::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kHelperName = "zeltar-pdf";

#ifndef ZELTAR_PDF_INSTALLED_RELATIVE
#define ZELTAR_PDF_INSTALLED_RELATIVE "../libexec/zeltar"
#endif

bool IsExecutable(const fs::path& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
}

} // namespace

std::optional<std::string> FindPdfHelper()
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return std::nullopt;
    const fs::path folder = self.parent_path();
    for (const fs::path& candidate :
         {folder / kHelperName, (folder / ZELTAR_PDF_INSTALLED_RELATIVE / kHelperName).lexically_normal()}) {
        if (IsExecutable(candidate))
            return candidate.string();
    }
    return std::nullopt;
}

int RunPdfHelper(const std::string& command, const std::vector<std::string>& args)
{
    const std::optional<std::string> helper = FindPdfHelper();
    if (!helper) {
        std::fprintf(stderr,
                     "zeltar-cli %s: the drawing helper %s was not found beside zeltar-cli or in %s; "
                     "it is part of the program with the window\n",
                     command.c_str(), kHelperName, ZELTAR_PDF_INSTALLED_RELATIVE);
        return 1;
    }
    std::vector<char*> argv;
    std::string name = kHelperName;
    argv.push_back(name.data());
    std::vector<std::string> copies(args);
    for (std::string& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    std::fflush(stdout);
    std::fflush(stderr);
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, helper->c_str(), nullptr, nullptr, argv.data(), environ);
    if (spawned != 0) {
        std::fprintf(stderr, "zeltar-cli %s: cannot start %s: %s\n", command.c_str(), helper->c_str(),
                     std::strerror(spawned));
        return 1;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            std::fprintf(stderr, "zeltar-cli %s: lost the helper %s\n", command.c_str(), helper->c_str());
            return 1;
        }
    }
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    std::fprintf(stderr, "zeltar-cli %s: the helper %s ended on signal %d\n", command.c_str(), helper->c_str(),
                 WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    return 1;
}

} // namespace zeltar::cli
