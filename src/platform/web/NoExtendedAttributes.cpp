// The browser's file system (emscripten's, kept in IndexedDB) has no
// extended attributes, and emscripten's C library declares their calls
// without providing them. They answer here as on a Linux file system
// without attributes, so saving carries on without copying any.
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
