#include "platform/paths.h"

#include <unistd.h>

#include <vector>

namespace vorn {

namespace {

std::size_t lastDelimiter(std::string_view path) {
  return path.find_last_of("\\/:");
}

std::string currentDirectory() {
  std::vector<char> buffer(4096);
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (buffer.size() > (1u << 20)) return ".";
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

}  // namespace

std::string fullPath(std::string_view path) {
  if (!path.empty() && path.front() == '/') return std::string(path);
  std::string directory = currentDirectory();
  if (directory.empty() || directory.back() != '/') directory.push_back('/');
  return directory + std::string(path);
}

std::string fileNamePart(std::string_view path) {
  const std::size_t at = lastDelimiter(path);
  return std::string(at == std::string_view::npos ? path : path.substr(at + 1));
}

std::string directoryPart(std::string_view path) {
  const std::size_t at = lastDelimiter(path);
  return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at + 1));
}

}  // namespace vorn
