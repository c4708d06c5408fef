#pragma once
// Ways to make the file system refuse a write that also hold for the superuser, who is
// not bound by permission bits: a child process without rights, and a file size limit
// standing in for a full device.

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orv::faults {

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
    switch (WEXITSTATUS(status)) {
    case 0:
        return ChildOutcome::True;
    case 1:
        return ChildOutcome::False;
    case 77:
        return ChildOutcome::NoWayToDropRights;
    default:
        return ChildOutcome::Broken;
    }
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
