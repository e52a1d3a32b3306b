#include "cli/DocumentsFolder.hpp"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

std::string homeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') return home;
  if (const passwd* entry = ::getpwuid(::getuid());
      entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/') {
    return entry->pw_dir;
  }
  return {};
}

std::string userDirsPath(const std::string& home) {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/') {
    return std::string(config) + "/user-dirs.dirs";
  }
  return home + "/.config/user-dirs.dirs";
}

std::string readSmallFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text;
  if (in) text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return text;
}

// mkdir -p: every missing folder of an absolute path, with the usual modes.
int makeFolders(const std::string& path) {
  for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    const std::string part = path.substr(0, slash);
    if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return errno;
    if (slash == std::string::npos) return 0;
  }
}

}  // namespace

std::optional<std::string> documentsFromUserDirs(std::string_view text, std::string_view home) {
  std::optional<std::string> found;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=\"";
    if (!line.starts_with(kKey)) continue;
    line.remove_prefix(kKey.size());
    // The value is "$HOME/..." or an absolute path, with \ escaping the next
    // character, up to the closing quote.
    std::string value;
    bool closed = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '\\' && i + 1 < line.size()) {
        value += line[++i];
      } else if (line[i] == '"') {
        closed = true;
        break;
      } else {
        value += line[i];
      }
    }
    if (!closed) continue;
    if (value == "$HOME" || value.starts_with("$HOME/")) {
      value = std::string(home) + value.substr(5);
    }
    if (value.empty() || value.front() != '/') continue;
    while (value.size() > 1 && value.back() == '/') value.pop_back();
    found = value;  // the last line that names it counts, as the desktop reads it
  }
  return found;
}

std::string enterDocumentsFolder() {
  const std::string home = homeFolder();
  if (home.empty()) return "cannot find your home folder to look for your documents folder";
  const std::string documents =
      documentsFromUserDirs(readSmallFile(userDirsPath(home)), home).value_or(home + "/Documents");
  const std::string folder = (documents == "/" ? "" : documents) + "/Tubalyzer";
  if (const int error = makeFolders(folder); error != 0) {
    return "cannot create the folder " + folder + ": " + std::strerror(error);
  }
  if (::chdir(folder.c_str()) != 0) {
    return "cannot work in the folder " + folder + ": " + std::strerror(errno);
  }
  return {};
}
