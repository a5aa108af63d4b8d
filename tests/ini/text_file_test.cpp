// Replacing a text file: complete or not at all, through links, and with every failure
// reported.
#include "ini/text_file.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>

#include "builder/game_file_builder.h"
#include "model/game_file.h"
#include "support/game_fixture.h"
#include "support/unprivileged.h"

namespace vorn {
namespace {

std::string contentsOf(const std::string& path) {
  const auto bytes = builder::readWholeFile(path);
  return std::string(bytes.begin(), bytes.end());
}

void writeFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string directoryOf(const std::string& path) {
  return path.substr(0, path.rfind('/'));
}

std::vector<std::string> entries(const std::string& directory) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(directory.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

// The IoError's text, or a failure when none was thrown.
template <typename F>
std::string ioErrorOf(F&& operation) {
  try {
    operation();
  } catch (const IoError& error) {
    return error.what();
  }
  ADD_FAILURE() << "no IoError";
  return {};
}

std::string bigText() {
  return std::string(100000, 'x') + "\r\n";
}

TEST(TextFile, ReplacesTheWholeFileAndKeepsItsPermissions) {
  const std::string path = testing::tempPath("rules.ini");
  writeFile(path, std::string(5000, 'o'));
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  replaceTextFile(path, "new\r\n");
  EXPECT_EQ(contentsOf(path), "new\r\n");
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(entries(directoryOf(path)), std::vector<std::string>{"rules.ini"});

  const std::string fresh = directoryOf(path) + "/profile.ini";
  replaceTextFile(fresh, "");
  EXPECT_TRUE(textFileExists(fresh));
  EXPECT_EQ(contentsOf(fresh), "");
}

// A disk that fills half-way (a file size limit stands in for it): the old file stays and
// no temporary file is left behind.
TEST(TextFile, AFailureHalfWayLeavesTheOldFile) {
  const std::string path = testing::tempPath("rules.ini");
  writeFile(path, "old\r\n");
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string message;
  try {
    replaceTextFile(path, bigText());
  } catch (const IoError& error) {
    message = error.what();
  }
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(message, "\"" + path + "\": write: " + std::strerror(EFBIG));
  EXPECT_EQ(contentsOf(path), "old\r\n");
  EXPECT_EQ(entries(directoryOf(path)), std::vector<std::string>{"rules.ini"});
}

TEST(TextFile, ALinkToADeviceIsWrittenThroughAndItsErrorReported) {
  const std::string path = testing::tempPath("rules.ini");
  ASSERT_EQ(::symlink("/dev/full", path.c_str()), 0);
  EXPECT_EQ(ioErrorOf([&] { replaceTextFile(path, bigText()); }),
            "\"" + path + "\": write: " + std::strerror(ENOSPC));
  char target[64] = {};
  ASSERT_EQ(::readlink(path.c_str(), target, sizeof target - 1), 9);
  EXPECT_STREQ(target, "/dev/full");
  EXPECT_EQ(entries(directoryOf(path)), std::vector<std::string>{"rules.ini"});

  // /dev/null takes everything: a success that is one.
  const std::string null = testing::tempPath("null.ini");
  ASSERT_EQ(::symlink("/dev/null", null.c_str()), 0);
  replaceTextFile(null, bigText());
}

TEST(TextFile, ALinkToARegularFileReplacesTheTargetAndKeepsTheLink) {
  const std::string target = testing::tempPath("shared-rules.ini");
  writeFile(target, "old");
  const std::string link = testing::tempPath("rules.ini");
  // A relative link, resolved against the link's own directory.
  const std::string relative = "../" + target.substr(directoryOf(directoryOf(target)).size() + 1);
  ASSERT_EQ(::symlink(relative.c_str(), link.c_str()), 0);
  replaceTextFile(link, "new");
  EXPECT_EQ(contentsOf(target), "new");
  struct stat info {};
  ASSERT_EQ(::lstat(link.c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  EXPECT_EQ(entries(directoryOf(target)), std::vector<std::string>{"shared-rules.ini"});
  EXPECT_EQ(entries(directoryOf(link)), std::vector<std::string>{"rules.ini"});

  // A dangling link makes its target be created.
  const std::string dangling = testing::tempPath("profile.ini");
  const std::string missing = directoryOf(dangling) + "/made.ini";
  ASSERT_EQ(::symlink("made.ini", dangling.c_str()), 0);
  replaceTextFile(dangling, "made");
  EXPECT_EQ(contentsOf(missing), "made");

  const std::string loop = testing::tempPath("loop.ini");
  ASSERT_EQ(::symlink(loop.c_str(), loop.c_str()), 0);
  EXPECT_NE(ioErrorOf([&] { replaceTextFile(loop, "x"); }).find(std::strerror(ELOOP)),
            std::string::npos);
}

TEST(TextFile, PathsThatCannotBeWrittenThrowNamingTheFile) {
  const std::string directory = testing::tempPath("rules.ini");
  ASSERT_EQ(::mkdir(directory.c_str(), 0700), 0);
  EXPECT_EQ(ioErrorOf([&] { replaceTextFile(directory, "x"); }),
            "\"" + directory + "\": open: " + std::strerror(EISDIR));
  EXPECT_EQ(entries(directory), std::vector<std::string>{});

  const std::string nowhere = testing::tempPath("missing") + "/rules.ini";
  EXPECT_EQ(ioErrorOf([&] { replaceTextFile(nowhere, "x"); }),
            "\"" + nowhere + "\": create: " + std::strerror(ENOENT));

  EXPECT_FALSE(textFileExists(nowhere));
  EXPECT_FALSE(textFileExists(directory));
  EXPECT_EQ(ioErrorOf([&] { readTextFile(nowhere); }),
            "\"" + nowhere + "\": open: " + std::strerror(ENOENT));
}

using testing::asUnprivilegedUser;
using testing::giveToUnprivilegedUser;

TEST(TextFile, AReadOnlyDirectoryKeepsTheOldFile) {
  const std::string path = testing::tempPath("rules.ini");
  writeFile(path, "old");
  const std::string directory = directoryOf(path);
  giveToUnprivilegedUser(path);
  giveToUnprivilegedUser(directory);
  ASSERT_EQ(::chmod(directory.c_str(), 0500), 0);
  const std::string message = asUnprivilegedUser([&]() -> std::string {
    // The old file is reachable: a failure comes from the directory, not from the way to it.
    if (::access(path.c_str(), R_OK) != 0) return "the old file cannot be read";
    try {
      replaceTextFile(path, "new");
    } catch (const IoError& error) {
      return error.what();
    }
    return "no IoError";
  });
  ::chmod(directory.c_str(), 0700);
  EXPECT_EQ(message, "\"" + path + "\": create: " + std::strerror(EACCES));
  EXPECT_EQ(contentsOf(path), "old");
}

TEST(TextFile, ReadsEveryByte) {
  const std::string path = testing::tempPath("profile.ini");
  const std::string bytes("a\0b\r\n\x1a\xff", 7);
  writeFile(path, bytes);
  EXPECT_TRUE(textFileExists(path));
  EXPECT_EQ(readTextFile(path), bytes);
}

}  // namespace
}  // namespace vorn
