#include "ini/ini_text.h"

#include "platform/paths.h"
#include "screen/identity.h"
#include "values/value_text.h"

namespace vorn {

namespace {

constexpr std::size_t kShownPathLength = 58;
constexpr std::size_t kPathHeadLength = 27;
constexpr std::size_t kPathTailLength = 28;

}  // namespace

std::string iniFilePath(std::string_view gameFilePath, std::string_view baseName) {
  return directoryPart(gameFilePath) + std::string(baseName) + ".ini";
}

std::string createdWithLine() {
  return "; Created with " + std::string(editorTitle) + " " + std::string(editorVersion) +
         " (created by " + std::string(editorAuthor) + ")";
}

void appendLine(std::string& text, std::string_view line) {
  text.append(line);
  text.append("\r\n");
}

std::string shortenPath(std::string_view path) {
  if (path.size() <= kShownPathLength) return std::string(path);
  return trimRight(path.substr(0, kPathHeadLength)) + "..." +
         trimLeft(path.substr(path.size() - kPathTailLength));
}

}  // namespace vorn
