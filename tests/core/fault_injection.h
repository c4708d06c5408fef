#pragma once
// Ways to make the file system refuse a write that also hold for the superuser, who is
// not bound by permission bits: targets that are no regular file, a child process without
// rights, and a file size limit standing in for a full device.

#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace orv::faults {

// A target a writer must refuse, and whether it is still what it was.
struct RefusedTarget {
    std::string name;
    std::string path;
    std::function<bool()> unchanged;
};

// Made in folder: a directory, a named pipe (opening one to write would wait for a
// reader), a link to /dev/full (a writer that wrongly replaced its target replaces the
// link, not the machine's device), and a name in /proc, where no one may create a file.
inline std::vector<RefusedTarget> TargetsThatAreNoFile(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    const fs::path directory = folder / "adir";
    const fs::path pipe = folder / "pipe";
    const fs::path full = folder / "full";
    fs::create_directory(directory);
    fs::create_symlink("/dev/full", full);
    std::vector<RefusedTarget> targets{
        {"directory", directory.string(), [=] { return fs::is_directory(directory); }},
        {"full device", full.string(),
         [=] { return fs::is_symlink(full) && fs::is_character_file(full); }},
        {"folder of the kernel", "/proc/orv_target",
         [] { return !fs::exists("/proc/orv_target"); }},
    };
    if (::mkfifo(pipe.c_str(), 0600) == 0) {
        targets.push_back({"named pipe", pipe.string(), [=] { return fs::is_fifo(pipe); }});
    }
    return targets;
}

enum class ChildOutcome { True, False, NoWayToDropRights, Broken };

// Runs body in a child process that, when it is the superuser, first becomes "nobody".
inline ChildOutcome RunWithoutRights(const std::function<bool()>& body) {
    const pid_t child = ::fork();
    if (child == -1) {
        return ChildOutcome::Broken;
    }
    if (child == 0) {
        constexpr uid_t nobody = 65534;
        if (::geteuid() == 0 && (::setgid(nobody) != 0 || ::setuid(nobody) != 0)) {
            ::_exit(77);
        }
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return ChildOutcome::Broken;
    }
    const int code = WEXITSTATUS(status);
    return code == 0    ? ChildOutcome::True
           : code == 1  ? ChildOutcome::False
           : code == 77 ? ChildOutcome::NoWayToDropRights
                        : ChildOutcome::Broken;
}

// While it lives, no file may grow past `bytes`: writes beyond fail as on a full device
// (the signal that would end the process is ignored).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &before_);
        rlimit limit = before_;
        limit.rlim_cur = bytes;
        active_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool Active() const { return active_; }

  private:
    rlimit before_{};
    void (*handler_)(int);
    bool active_ = false;
};

} // namespace orv::faults
