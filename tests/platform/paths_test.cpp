#include "platform/paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace vorn {
namespace {

TEST(Paths, SplitAtTheLastDelimiter) {
  struct Case {
    const char* path;
    const char* directory;
    const char* name;
  };
  for (const Case& c : {Case{"/games/vorn/vorn2.exe", "/games/vorn/", "vorn2.exe"},
                        Case{"C:\\VORN\\VORN2.EXE", "C:\\VORN\\", "VORN2.EXE"},
                        Case{"C:VORN2.EXE", "C:", "VORN2.EXE"}, Case{"vorn2.exe", "", "vorn2.exe"},
                        Case{"dir/", "dir/", ""}}) {
    EXPECT_EQ(directoryPart(c.path), c.directory) << c.path;
    EXPECT_EQ(fileNamePart(c.path), c.name) << c.path;
  }
}

TEST(Paths, FullPathIsNeverCut) {
  char buffer[4096];
  ASSERT_NE(::getcwd(buffer, sizeof buffer), nullptr);
  const std::string longName(300, 'a');
  EXPECT_EQ(fullPath(longName), std::string(buffer) + "/" + longName);
  EXPECT_EQ(fullPath("/abs/x.exe"), "/abs/x.exe");
}

}  // namespace
}  // namespace vorn
