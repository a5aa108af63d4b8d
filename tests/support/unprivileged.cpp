#include "support/unprivileged.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vorn::testing {

namespace {

constexpr uid_t kUnprivilegedId = 65534;

}  // namespace

void giveToUnprivilegedUser(const std::string& path) {
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(path.c_str(), kUnprivilegedId, kUnprivilegedId), 0);
  }
}

std::string asUnprivilegedUser(const std::function<std::string()>& work) {
  if (::geteuid() != 0) return work();
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return "pipe failed";
  const pid_t child = ::fork();
  if (child < 0) return "fork failed";
  if (child == 0) {
    ::close(pipeEnds[0]);
    std::string result = "cannot drop the superuser's rights";
    if (::setgroups(0, nullptr) == 0 && ::setgid(kUnprivilegedId) == 0 &&
        ::setuid(kUnprivilegedId) == 0) {
      try {
        result = work();
      } catch (...) {
        result = "unexpected exception";
      }
    }
    const ssize_t ignored = ::write(pipeEnds[1], result.data(), result.size());
    static_cast<void>(ignored);
    // _exit: the child must not run the test process's exit handlers (which remove the
    // temporary directories).
    ::_exit(0);
  }
  ::close(pipeEnds[1]);
  std::string result;
  char buffer[512];
  ssize_t got = 0;
  while ((got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
    result.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(pipeEnds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child process failed";
  return result;
}

}  // namespace vorn::testing
