// The C functions LibraryGaps.hpp promises, for the browser's file system
// (emscripten's, kept in IndexedDB).
#include "platform/web/LibraryGaps.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <cerrno>

namespace {

template <typename Result>
Result notSupported() {
  errno = ENOTSUP;
  return Result(-1);
}

}  // namespace

extern "C" {

// The program runs on one thread and nothing else touches its files, so a
// look before the rename is as good as an atomic refusal.
int renameat2(int oldFolder, const char* oldName, int newFolder, const char* newName,
              unsigned int flags) {
  if ((flags & ~unsigned{RENAME_NOREPLACE}) != 0) {
    errno = EINVAL;
    return -1;
  }
  struct stat existing {};
  if ((flags & RENAME_NOREPLACE) != 0 &&
      ::fstatat(newFolder, newName, &existing, AT_SYMLINK_NOFOLLOW) == 0) {
    errno = EEXIST;
    return -1;
  }
  return ::renameat(oldFolder, oldName, newFolder, newName);
}

// Extended attributes: emscripten's C library declares the calls without
// providing them. They answer as on a Linux file system without
// attributes, so saving carries on without copying any.
ssize_t getxattr(const char*, const char*, void*, size_t) { return notSupported<ssize_t>(); }
ssize_t lgetxattr(const char*, const char*, void*, size_t) { return notSupported<ssize_t>(); }
ssize_t fgetxattr(int, const char*, void*, size_t) { return notSupported<ssize_t>(); }
ssize_t listxattr(const char*, char*, size_t) { return notSupported<ssize_t>(); }
ssize_t llistxattr(const char*, char*, size_t) { return notSupported<ssize_t>(); }
ssize_t flistxattr(int, char*, size_t) { return notSupported<ssize_t>(); }
int setxattr(const char*, const char*, const void*, size_t, int) { return notSupported<int>(); }
int lsetxattr(const char*, const char*, const void*, size_t, int) { return notSupported<int>(); }
int fsetxattr(int, const char*, const void*, size_t, int) { return notSupported<int>(); }
int removexattr(const char*, const char*) { return notSupported<int>(); }
int lremovexattr(const char*, const char*) { return notSupported<int>(); }
int fremovexattr(int, const char*) { return notSupported<int>(); }

}  // extern "C"
