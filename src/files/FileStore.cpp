#include "files/FileStore.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <string>
#include <system_error>
#include <utility>

#include "files/FileNames.hpp"
#include "screen/ShortText.hpp"

namespace {

// The system's words for an error, as the end of a sentence.
std::string reasonOf(int error) {
  std::string text = std::generic_category().message(error);
  if (text.size() > 1 && text[0] >= 'A' && text[0] <= 'Z' &&
      (text[1] == ' ' || (text[1] >= 'a' && text[1] <= 'z'))) {
    text[0] = static_cast<char>(text[0] - 'A' + 'a');
  }
  return text;
}

// Each message fits one message row: a long name gives way to the reason.
std::string couldNotRead(std::string_view shown, const std::string& reason) {
  return messageNaming("Could not read ", shown, ": " + reason);
}

std::string couldNotSave(std::string_view shown, const std::string& reason) {
  return messageNaming("Could not save ", shown, ": " + reason);
}

std::string notFound(std::string_view shown) {
  return messageNaming("File not found: ", shown, "");
}

// A path cut into the directory part with its final "/" ("" for the current
// directory) and the last name.
struct PathParts {
  std::string prefix;
  std::string leaf;
  std::string directory() const { return prefix.empty() ? std::string(".") : prefix; }
};

PathParts splitPath(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) {
    return {"", path};
  }
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  int get() const { return fd_; }
  // Closes now and tells whether the close succeeded (errno set when not).
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

class DirectoryReader {
 public:
  explicit DirectoryReader(const std::string& path) : dir_(::opendir(path.c_str())) {}
  DirectoryReader(const DirectoryReader&) = delete;
  DirectoryReader& operator=(const DirectoryReader&) = delete;
  ~DirectoryReader() {
    if (dir_ != nullptr) {
      ::closedir(dir_);
    }
  }
  bool open() const { return dir_ != nullptr; }
  const dirent* next() { return dir_ != nullptr ? ::readdir(dir_) : nullptr; }

 private:
  DIR* dir_;
};

bool isRegularFile(const std::string& directory, const dirent& entry) {
  if (entry.d_type == DT_REG) {
    return true;
  }
  if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) {
    return false;
  }
  struct stat info {};
  const std::string path = directory + "/" + entry.d_name;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Opens for reading without ever waiting: a named pipe would otherwise block
// until some other program writes to it.
int openForReading(const std::string& path) {
  return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

// A short name part that is new each time it is asked for in this process.
std::string uniqueSuffix() {
  static std::uint64_t counter = 0;
  std::uint64_t seed =
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  seed ^= static_cast<std::uint64_t>(::getpid()) << 32U;
  seed += 0x9E3779B97F4A7C15ULL * ++counter;
  constexpr std::string_view kDigits = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string text;
  for (int i = 0; i < 8; ++i) {
    seed ^= seed >> 29U;
    seed *= 0xBF58476D1CE4E5B9ULL;
    text += kDigits[seed % kDigits.size()];
  }
  return text;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Follows the symbolic links a name goes through to the file they end at.
// The target need not exist yet. Returns 0, or the error.
int resolveLinks(std::string& path, struct stat& info, bool& exists) {
  constexpr int kMaxLinks = 40;
  for (int links = 0;; ++links) {
    if (::lstat(path.c_str(), &info) != 0) {
      if (errno == ENOENT) {
        exists = false;
        return 0;
      }
      return errno;
    }
    if (!S_ISLNK(info.st_mode)) {
      exists = true;
      return 0;
    }
    if (links == kMaxLinks) {
      return ELOOP;
    }
    std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0) {
      return errno;
    }
    if (length == 0) {
      return ENOENT;
    }
    if (static_cast<std::size_t>(length) >= target.size()) {
      return ENAMETOOLONG;  // the link changed while it was read
    }
    target.resize(static_cast<std::size_t>(length));
    if (target.front() == '/') {
      path = std::move(target);
    } else {
      std::string joined = splitPath(path).prefix;
      joined += target;
      path = std::move(joined);
    }
  }
}

}  // namespace

std::vector<std::string> listElementFiles() {
  std::vector<std::string> names;
  DirectoryReader directory(".");
  while (const dirent* entry = directory.next()) {
    const std::string_view name = entry->d_name;
    if (name.empty() || name.front() == '.' || !hasElementExtension(name)) {
      continue;
    }
    if (isRegularFile(".", *entry)) {
      names.push_back(utf8ToCp437(name));
    }
  }
  return names;
}

FileRead readNamedFile(std::string_view typedName, std::size_t maxBytes) {
  FileRead result;
  if (typedName.empty()) {
    result.problem = "No file name given: nothing read";
    return result;
  }
  std::string path = cp437ToUtf8(typedName);
  if (path.find('\0') != std::string::npos) {
    result.problem = couldNotRead(typedName, "not a usable file name");
    return result;
  }
  int fd = openForReading(path);
  if (fd < 0 && errno == ENOENT) {
    // Names typed in another letter case still find their file, as they
    // would on the systems the files often come from.
    const PathParts parts = splitPath(path);
    std::vector<std::string> matches;
    DirectoryReader directory(parts.directory());
    while (const dirent* entry = directory.next()) {
      const std::string_view name = entry->d_name;
      if (name != parts.leaf && sameNameIgnoringCase(name, parts.leaf)) {
        matches.emplace_back(name);
      }
    }
    if (matches.empty()) {
      result.problem = notFound(typedName);
      return result;
    }
    if (matches.size() > 1) {
      result.problem = messageNaming("More than one file is named ", typedName,
                                     " apart from letter case: nothing read");
      return result;
    }
    path = parts.prefix + matches.front();
    fd = openForReading(path);
  }
  if (fd < 0) {
    result.problem =
        errno == ENOENT ? notFound(typedName) : couldNotRead(typedName, reasonOf(errno));
    return result;
  }
  Descriptor file(fd);
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) {
    result.problem = couldNotRead(typedName, reasonOf(errno));
    return result;
  }
  if (S_ISDIR(info.st_mode)) {
    result.problem = couldNotRead(typedName, "it is a directory");
    return result;
  }
  if (!S_ISREG(info.st_mode)) {
    result.problem = couldNotRead(typedName, "it is not a regular file");
    return result;
  }
  // Regular files never block; reading on in blocking mode keeps it simple.
  const int flags = ::fcntl(file.get(), F_GETFL);
  if (flags >= 0) {
    ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK);
  }
  std::string bytes;
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      result.problem = couldNotRead(typedName, reasonOf(errno));
      return result;
    }
    if (got == 0) {
      break;
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
    if (bytes.size() > maxBytes) {
      result.problem = couldNotRead(typedName, "it is too large");
      return result;
    }
  }
  result.bytes = std::move(bytes);
  return result;
}

std::string saveNamedFile(std::string_view typedName, std::string_view bytes) {
  if (typedName.empty()) {
    return "Nothing saved: no file name given";
  }
  std::string path = cp437ToUtf8(typedName);
  if (path.find('\0') != std::string::npos) {
    return couldNotSave(typedName, "not a usable file name");
  }
  struct stat old {};
  bool exists = false;
  if (const int error = resolveLinks(path, old, exists); error != 0) {
    return couldNotSave(typedName, reasonOf(error));
  }
  if (exists) {
    if (S_ISDIR(old.st_mode)) {
      return couldNotSave(typedName, "it is a directory");
    }
    if (!S_ISREG(old.st_mode)) {
      return couldNotSave(typedName, "it is not a regular file");
    }
    // A read-only file is meant to stay as it is; writing over it in place
    // would be refused, so replacing it is too.
    if (::access(path.c_str(), W_OK) != 0) {
      return couldNotSave(typedName, reasonOf(errno));
    }
  }
  const PathParts parts = splitPath(path);
  if (parts.leaf.empty()) {
    return couldNotSave(typedName, "it is a directory");
  }

  // Hidden and without the extension, so that no listing shows it.
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = parts.prefix + "." + parts.leaf.substr(0, 64) + ".saving-" + uniqueSuffix();
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) {
      return couldNotSave(typedName, reasonOf(errno));
    }
  }
  if (fd < 0) {
    return couldNotSave(typedName, reasonOf(EEXIST));
  }
  Descriptor file(fd);
  const auto fail = [&](int error) {
    if (file.get() >= 0) {
      file.close();
    }
    ::unlink(temporary.c_str());
    return couldNotSave(typedName, reasonOf(error));
  };

  if (exists) {
    struct stat fresh {};
    if (::fstat(file.get(), &fresh) == 0 &&
        (fresh.st_uid != old.st_uid || fresh.st_gid != old.st_gid)) {
      // Only possible with the rights to give files away; without them the
      // new file belongs to whoever saves it.
      if (::fchown(file.get(), old.st_uid, old.st_gid) != 0) {
        errno = 0;
      }
    }
    if (::fchmod(file.get(), old.st_mode & 07777) != 0) {
      return fail(errno);
    }
  }
  if (!writeAll(file.get(), bytes)) {
    return fail(errno);
  }
  if (::fsync(file.get()) != 0) {
    return fail(errno);
  }
  if (!file.close()) {
    return fail(errno);
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    return fail(errno);
  }
  // The rename itself reaches the disk with the directory.
  const int directory = ::open(parts.directory().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directory >= 0) {
    ::fsync(directory);
    ::close(directory);
  }
  return {};
}
