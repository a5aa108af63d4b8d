#include "ini/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "model/game_file.h"

namespace vorn {

namespace {

// As many links as the system itself follows before it gives up with ELOOP.
constexpr int kMaxLinkHops = 40;
constexpr int kMaxTemporaryNameTries = 100;

[[noreturn]] void fail(const std::string& path, const char* what, int error) {
  throw IoError("\"" + path + "\": " + what + ": " + std::strerror(error));
}

// The directory part of a host path (up to and including the last "/"), for resolving
// relative link targets and placing the temporary file.
std::string hostDirectory(const std::string& path) {
  const std::size_t at = path.find_last_of('/');
  return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

std::string hostFileName(const std::string& path) {
  const std::size_t at = path.find_last_of('/');
  return at == std::string::npos ? path : path.substr(at + 1);
}

// Follows symbolic links from path to the name of what they finally designate, which need
// not exist yet (a dangling link makes its target be created, as a shell redirection does).
std::string resolveLinks(const std::string& userPath) {
  std::string current = userPath;
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    std::vector<char> buffer(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
    for (;;) {
      const ssize_t got = ::readlink(current.c_str(), buffer.data(), buffer.size());
      if (got < 0) fail(userPath, "read link", errno);
      if (static_cast<std::size_t>(got) < buffer.size()) {
        const std::string target(buffer.data(), static_cast<std::size_t>(got));
        current =
            !target.empty() && target.front() == '/' ? target : hostDirectory(current) + target;
        break;
      }
      buffer.resize(buffer.size() * 2);
    }
  }
  fail(userPath, "open", ELOOP);
}

void writeAll(int fd, std::string_view contents, const std::string& userPath) {
  std::size_t done = 0;
  while (done < contents.size()) {
    const ssize_t written = ::write(fd, contents.data() + done, contents.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      fail(userPath, "write", errno);
    }
    if (written == 0) fail(userPath, "write", ENOSPC);
    done += static_cast<std::size_t>(written);
  }
}

// Closes the descriptor when it goes out of scope (after a failure); close() hands it over
// and reports the error of the close itself.
struct Descriptor {
  int fd = -1;
  Descriptor() = default;
  explicit Descriptor(int value) : fd(value) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  int close() {
    const int result = ::close(fd);
    fd = -1;
    return result;
  }
};

// Removes the temporary file unless the rename made it the real one.
struct TemporaryName {
  std::string path;
  bool kept = false;
  ~TemporaryName() {
    if (!path.empty() && !kept) ::unlink(path.c_str());
  }
};

Descriptor createTemporary(const std::string& target, TemporaryName& name,
                           const std::string& userPath) {
  static unsigned counter = 0;
  const std::string stem =
      hostDirectory(target) + "." + hostFileName(target) + "." + std::to_string(::getpid()) + ".";
  for (int attempt = 0; attempt < kMaxTemporaryNameTries; ++attempt) {
    const std::string candidate = stem + std::to_string(counter++) + ".tmp";
    // Mode 0666 lets the umask decide, as for any newly created text file.
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      name.path = candidate;
      return Descriptor(fd);
    }
    if (errno != EEXIST && errno != EINTR) fail(userPath, "create", errno);
  }
  fail(userPath, "create", EEXIST);
}

// A file that already exists keeps its permissions (and, where allowed, its owner).
void copyAttributes(int fd, const struct stat& old, const std::string& userPath) {
  if (::fchmod(fd, old.st_mode & 07777) != 0) fail(userPath, "create", errno);
  if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
    // Only the owner of a file or the superuser may give it away; the replacement then
    // belongs to whoever wrote it, as any newly written file does.
  }
}

void syncDirectory(const std::string& target) {
  const std::string directory = hostDirectory(target);
  const int fd =
      ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // Some file systems cannot sync a directory; the rename has happened all the same.
  ::fsync(fd);
  ::close(fd);
}

void replaceRegularFile(const std::string& target, const struct stat* old,
                        std::string_view contents, const std::string& userPath) {
  TemporaryName name;
  Descriptor file = createTemporary(target, name, userPath);
  if (old != nullptr) copyAttributes(file.fd, *old, userPath);
  writeAll(file.fd, contents, userPath);
  if (::fsync(file.fd) != 0) fail(userPath, "write", errno);
  if (file.close() != 0) fail(userPath, "close", errno);
  if (::rename(name.path.c_str(), target.c_str()) != 0) fail(userPath, "replace", errno);
  name.kept = true;
  syncDirectory(target);
}

// A device or a pipe cannot be replaced by renaming; it gets the text written into it.
void writeIntoSpecialFile(const std::string& target, std::string_view contents,
                          const std::string& userPath) {
  // Without a reader a pipe fails at once instead of blocking the editor.
  Descriptor file(::open(target.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
  if (file.fd < 0) fail(userPath, "open", errno);
  const int flags = ::fcntl(file.fd, F_GETFL);
  if (flags >= 0) ::fcntl(file.fd, F_SETFL, flags & ~O_NONBLOCK);
  writeAll(file.fd, contents, userPath);
  if (file.close() != 0) fail(userPath, "close", errno);
}

}  // namespace

void replaceTextFile(const std::string& path, std::string_view contents) {
  const std::string target = resolveLinks(path);
  struct stat info {};
  if (::stat(target.c_str(), &info) != 0) {
    if (errno != ENOENT) fail(path, "create", errno);
    replaceRegularFile(target, nullptr, contents, path);
  } else if (S_ISREG(info.st_mode)) {
    replaceRegularFile(target, &info, contents, path);
  } else {
    writeIntoSpecialFile(target, contents, path);
  }
}

bool textFileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::string readTextFile(const std::string& path) {
  Descriptor file(::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC));
  if (file.fd < 0) fail(path, "open", errno);
  std::string contents;
  std::vector<char> buffer(65536);
  for (;;) {
    const ssize_t got = ::read(file.fd, buffer.data(), buffer.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      fail(path, "read", errno);
    }
    if (got == 0) break;
    contents.append(buffer.data(), static_cast<std::size_t>(got));
  }
  if (file.close() != 0) fail(path, "close", errno);
  return contents;
}

}  // namespace vorn
