// Test support for directories without write permission. The superuser may write into any
// directory, so such a test gives the directory and its files to the user "nobody" and does
// the write as that user in a child process.
#pragma once

#include <functional>
#include <string>

namespace vorn::testing {

// Makes the user "nobody" the owner of path when the tests run as the superuser.
void giveToUnprivilegedUser(const std::string& path);

// The text that work returns, computed as the user "nobody" when the tests run as the
// superuser (in a child process that hands it back through a pipe), else in this process.
std::string asUnprivilegedUser(const std::function<std::string()>& work);

}  // namespace vorn::testing
