#include "files/SafeSave.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "files/PosixFile.hpp"

namespace {

using Kind = SaveOutcome::Kind;

SaveOutcome failed(int error) { return {Kind::Failed, error}; }

constexpr std::string_view kTemporaryMark = ".saving-";
constexpr std::string_view kSuffixLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kSuffixLength = 8;
// As much of the name as leaves the temporary name within the 255 bytes a
// name may have.
constexpr std::size_t kNameKept = 255 - 1 - kTemporaryMark.size() - kSuffixLength;
constexpr std::time_t kStaleSeconds = 60;
// Writing in place keeps the old bytes in memory to put them back; a file
// far larger than any design is not worth that.
constexpr std::size_t kMaxKeptBytes = std::size_t{64} << 20U;
constexpr const char* kAccessAcl = "system.posix_acl_access";

// Hidden and without the extension, so that no listing shows it.
std::string temporaryPrefix(const std::string& leaf) {
  return "." + leaf.substr(0, kNameKept) + std::string(kTemporaryMark);
}

bool isTemporaryOf(std::string_view name, const std::string& prefix) {
  if (name.size() != prefix.size() + kSuffixLength || name.substr(0, prefix.size()) != prefix) {
    return false;
  }
  return name.substr(prefix.size()).find_first_not_of(kSuffixLetters) == std::string_view::npos;
}

// A name part that is new each time it is asked for in this process.
std::string uniqueSuffix() {
  static std::uint64_t counter = 0;
  std::uint64_t seed =
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  seed ^= static_cast<std::uint64_t>(::getpid()) << 32U;
  seed += 0x9E3779B97F4A7C15ULL * ++counter;
  std::string text;
  for (std::size_t i = 0; i < kSuffixLength; ++i) {
    seed ^= seed >> 29U;
    seed *= 0xBF58476D1CE4E5B9ULL;
    text += kSuffixLetters[seed % kSuffixLetters.size()];
  }
  return text;
}

// Writes all of `bytes` from the start of the file. Returns 0 or the error.
int writeFromStart(int fd, std::string_view bytes) {
  off_t offset = 0;
  while (!bytes.empty()) {
    const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
    offset += written;
  }
  return 0;
}

// Makes `bytes` the whole contents of an open file and puts them on the
// disk. Returns 0 or the error.
int rewrite(int fd, std::string_view bytes) {
  if (const int error = writeFromStart(fd, bytes); error != 0) {
    return error;
  }
  if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd) != 0) {
    return errno;
  }
  return 0;
}

// Where a save puts its file: the folder, held open so that every later step
// works in the folder the kernel found whatever happens to the path, and the
// name in it; and the file that name holds, if any.
struct Target {
  Descriptor folder;  // opened with O_PATH
  std::string leaf;
  Descriptor file;  // the file there, when there is one
  struct stat info {};
  bool createdHere = false;  // by following a link to a missing file
  bool exists() const { return file.valid(); }
};

std::optional<std::string> realPathOf(int fd) {
  std::string path(PATH_MAX, '\0');
  const ssize_t length = ::readlink(descriptorPath(fd).c_str(), path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) {
    return std::nullopt;
  }
  path.resize(static_cast<std::size_t>(length));
  return path;
}

SaveOutcome openFolder(Target& target, const std::string& path) {
  const PathParts parts = splitPath(path);
  if (parts.leaf.empty()) {
    return {Kind::IsDirectory};
  }
  target.folder.reset(::open(parts.directory().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (!target.folder.valid()) {
    return failed(errno);
  }
  target.leaf = parts.leaf;
  return {};
}

// Finds what the name stands for. The kernel follows symbolic links here,
// so its guard on links in sticky, world-writable folders applies: a link
// planted by someone else is refused, not followed.
SaveOutcome locate(const std::string& path, Target& target) {
  target.file.reset(::open(path.c_str(), O_PATH | O_CLOEXEC));
  if (!target.file.valid()) {
    if (errno != ENOENT) {
      return failed(errno);
    }
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) {
      return openFolder(target, path);  // a new name
    }
    // A link to a file that is not there yet: the file is created where the
    // link points, exactly as for any program that opens the name to write
    // it. Nothing is cut short, so a file that appeared meanwhile loses
    // nothing, and the kernel decides whether to follow the link.
    target.file.reset(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, 0666));
    if (!target.file.valid()) {
      return failed(errno);
    }
    target.createdHere = true;
  }
  if (::fstat(target.file.get(), &target.info) != 0) {
    return failed(errno);
  }
  if (S_ISDIR(target.info.st_mode)) {
    return {Kind::IsDirectory};
  }
  if (!S_ISREG(target.info.st_mode)) {
    return {Kind::NotRegularFile};
  }
  target.createdHere = target.createdHere && target.info.st_size == 0;
  // Where the name is a link, the file's own path, links resolved, names the
  // folder to work in; otherwise the name as typed does. The name in that
  // folder must still be this very file; if it changed meanwhile the save
  // stops rather than guess.
  struct stat name {};
  const bool isLink = ::lstat(path.c_str(), &name) == 0 && S_ISLNK(name.st_mode);
  const std::optional<std::string> real =
      isLink ? realPathOf(target.file.get()) : std::optional<std::string>();
  if (const SaveOutcome opened = openFolder(target, real.value_or(path));
      opened.kind != Kind::Saved) {
    return opened;
  }
  struct stat there {};
  if (::fstatat(target.folder.get(), target.leaf.c_str(), &there, AT_SYMLINK_NOFOLLOW) != 0 ||
      !sameFile(there, target.info)) {
    return failed(EAGAIN);
  }
  // A read-only file is meant to stay as it is.
  if (::faccessat(target.folder.get(), target.leaf.c_str(), W_OK, 0) != 0) {
    return failed(errno);
  }
  return {};
}

// Whether the old file can be replaced by renaming another over it.
bool folderTakesRename(const Target& target) {
  struct stat folder {};
  if (::faccessat(target.folder.get(), ".", W_OK | X_OK, AT_EACCESS) != 0 ||
      ::fstat(target.folder.get(), &folder) != 0) {
    return false;
  }
  // In a sticky folder only the owner of the file or of the folder may.
  const uid_t self = ::geteuid();
  return (folder.st_mode & S_ISVTX) == 0 || self == 0 || self == folder.st_uid ||
         self == target.info.st_uid;
}

std::optional<std::string> attributeOf(const std::string& path, const char* name) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    const ssize_t size = ::getxattr(path.c_str(), name, nullptr, 0);
    if (size < 0) {
      return std::nullopt;
    }
    std::string value(static_cast<std::size_t>(size), '\0');
    const ssize_t got = ::getxattr(path.c_str(), name, value.data(), value.size());
    if (got >= 0) {
      value.resize(static_cast<std::size_t>(got));
      return value;
    }
    if (errno != ERANGE) {  // ERANGE: it grew in between
      return std::nullopt;
    }
  }
  return std::nullopt;
}

std::vector<std::string> userAttributeNames(const std::string& path) {
  std::vector<std::string> names;
  const ssize_t size = ::listxattr(path.c_str(), nullptr, 0);
  if (size <= 0) {
    return names;
  }
  std::string list(static_cast<std::size_t>(size), '\0');
  const ssize_t got = ::listxattr(path.c_str(), list.data(), list.size());
  list.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  for (std::size_t start = 0; start < list.size();) {
    const std::size_t end = list.find('\0', start);
    std::string name = list.substr(start, end - start);
    if (name.rfind("user.", 0) == 0) {
      names.push_back(std::move(name));
    }
    start = end == std::string::npos ? list.size() : end + 1;
  }
  return names;
}

// The access-control list and the user.* attributes of the old file, onto
// the new one. What cannot be read or set here is left out; other failures
// come back as the error.
int copyExtendedAttributes(int fd, const Target& target) {
  const std::string old = descriptorPath(target.file.get());
  const auto notHere = [](int error) {
    return error == ENOTSUP || error == EPERM || error == EACCES;
  };
  std::vector<std::string> names = userAttributeNames(old);
  if (attributeOf(old, kAccessAcl)) {
    names.emplace_back(kAccessAcl);
  } else if (::fremovexattr(fd, kAccessAcl) != 0 && errno != ENODATA && !notHere(errno)) {
    return errno;  // the new file's list came from the folder; the old had none
  }
  for (const std::string& name : names) {
    const std::optional<std::string> value = attributeOf(old, name.c_str());
    if (value && ::fsetxattr(fd, name.c_str(), value->data(), value->size(), 0) != 0 &&
        !notHere(errno)) {
      return errno;
    }
  }
  return 0;
}

// Gives a new file what belonged to the file it replaces, then its bytes,
// and puts them on the disk. Returns 0 or the error.
int fill(int fd, const Target& target, std::string_view bytes) {
  if (target.exists()) {
    const struct stat& old = target.info;
    struct stat fresh {};
    if (::fstat(fd, &fresh) == 0 && (fresh.st_uid != old.st_uid || fresh.st_gid != old.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0 && fresh.st_gid != old.st_gid) {
      // Only possible with the right to give files away; without it the
      // group alone may still be kept.
      (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    if (const int error = copyExtendedAttributes(fd, target); error != 0) {
      return error;
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
      return errno;
    }
  }
  return rewrite(fd, bytes);
}

// The rename reaches the disk with the folder.
void syncFolder(const Target& target) {
  const Descriptor folder(::openat(target.folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.valid()) {
    ::fsync(folder.get());
  }
}

SaveOutcome renameOver(const Target& target, const std::string& temporary) {
  const int folder = target.folder.get();
  if (::renameat(folder, temporary.c_str(), folder, target.leaf.c_str()) != 0) {
    const int error = errno;
    ::unlinkat(folder, temporary.c_str(), 0);
    return failed(error);
  }
  syncFolder(target);
  return {};
}

int linkUnnamed(int fd, const Target& target, const std::string& name) {
  return ::linkat(AT_FDCWD, descriptorPath(fd).c_str(), target.folder.get(), name.c_str(),
                  AT_SYMLINK_FOLLOW) == 0
             ? 0
             : errno;
}

// Writes into an unnamed file and names it only when it is whole. No value
// when the file system (or a missing /proc, needed to name the file) does
// not allow that.
std::optional<SaveOutcome> saveThroughUnnamedFile(const Target& target, std::string_view bytes) {
  if (::access("/proc/self/fd", X_OK) != 0) {
    return std::nullopt;
  }
  const Descriptor file(::openat(target.folder.get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
  if (!file.valid()) {
    if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) {
      return std::nullopt;
    }
    return failed(errno);
  }
  if (const int error = fill(file.get(), target, bytes); error != 0) {
    return failed(error);
  }
  if (!target.exists()) {
    const int error = linkUnnamed(file.get(), target, target.leaf);
    if (error == 0) {
      syncFolder(target);
      return SaveOutcome{};
    }
    if (error != EEXIST) {
      return failed(error);
    }
    // The name was taken meanwhile: replace that file like any other.
  }
  std::string temporary;
  int error = EEXIST;
  for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
    temporary = temporaryPrefix(target.leaf) + uniqueSuffix();
    error = linkUnnamed(file.get(), target, temporary);
  }
  if (error != 0) {
    return failed(error);
  }
  return renameOver(target, temporary);
}

SaveOutcome saveThroughNamedFile(const Target& target, std::string_view bytes) {
  std::string temporary;
  Descriptor file;
  for (int attempt = 0; attempt < 100 && !file.valid(); ++attempt) {
    temporary = temporaryPrefix(target.leaf) + uniqueSuffix();
    file.reset(::openat(target.folder.get(), temporary.c_str(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!file.valid() && errno != EEXIST) {
      return failed(errno);
    }
  }
  if (!file.valid()) {
    return failed(EEXIST);
  }
  int error = fill(file.get(), target, bytes);
  if (error == 0 && !file.close()) {
    error = errno;
  }
  if (error != 0) {
    ::unlinkat(target.folder.get(), temporary.c_str(), 0);
    return failed(error);
  }
  return renameOver(target, temporary);
}

SaveOutcome saveInPlace(const Target& target, std::string_view bytes) {
  const Descriptor file(::openat(target.folder.get(), target.leaf.c_str(),
                                 O_RDWR | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
  struct stat opened {};
  if (!file.valid() || ::fstat(file.get(), &opened) != 0) {
    return failed(errno);
  }
  if (!sameFile(opened, target.info)) {
    return failed(EAGAIN);
  }
  std::string old;
  if (const int error = readToEnd(file.get(), old, kMaxKeptBytes); error != 0) {
    return failed(error);
  }
  if (const int error = rewrite(file.get(), bytes); error != 0) {
    (void)rewrite(file.get(), old);
    return failed(error);
  }
  return {};
}

// Temporary files of this name that an earlier save, killed before it could
// rename them, left behind.
void removeStaleTemporaries(const Target& target) {
  Descriptor folder(::openat(target.folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  DIR* listing = folder.valid() ? ::fdopendir(folder.get()) : nullptr;
  if (listing == nullptr) {
    return;
  }
  folder.release();
  const std::string prefix = temporaryPrefix(target.leaf);
  const std::time_t now = std::time(nullptr);
  while (const dirent* entry = ::readdir(listing)) {
    struct stat info {};
    if (isTemporaryOf(entry->d_name, prefix) &&
        ::fstatat(::dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(info.st_mode) && now - info.st_mtime > kStaleSeconds) {
      ::unlinkat(::dirfd(listing), entry->d_name, 0);
    }
  }
  ::closedir(listing);
}

}  // namespace

SaveOutcome saveFileSafely(const std::string& path, std::string_view bytes) {
  Target target;
  SaveOutcome outcome = locate(path, target);
  if (outcome.kind == Kind::Saved) {
    removeStaleTemporaries(target);
    if (target.exists() && (target.info.st_nlink > 1 || !folderTakesRename(target))) {
      outcome = saveInPlace(target, bytes);
    } else if (const std::optional<SaveOutcome> unnamed = saveThroughUnnamedFile(target, bytes)) {
      outcome = *unnamed;
    } else {
      outcome = saveThroughNamedFile(target, bytes);
    }
  }
  // A file made only to follow a link goes again when nothing came of it.
  struct stat there {};
  if (outcome.kind != Kind::Saved && target.createdHere && target.folder.valid() &&
      ::fstatat(target.folder.get(), target.leaf.c_str(), &there, AT_SYMLINK_NOFOLLOW) == 0 &&
      sameFile(there, target.info) && there.st_size == 0) {
    ::unlinkat(target.folder.get(), target.leaf.c_str(), 0);
  }
  return outcome;
}
