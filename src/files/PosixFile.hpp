#pragma once

// Small helpers shared by the code that reads and saves files through the
// system's own calls.

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

// A path cut into the directory part with its final "/" ("" for the current
// directory) and the last name.
struct PathParts {
  std::string prefix;
  std::string leaf;
  std::string directory() const { return prefix.empty() ? std::string(".") : prefix; }
};

inline PathParts splitPath(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) {
    return {"", path};
  }
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    if (this != &other) {
      reset(std::exchange(other.fd_, -1));
    }
    return *this;
  }
  ~Descriptor() { reset(); }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  void reset(int fd = -1) {
    if (fd_ >= 0) {
      ::close(fd_);
    }
    fd_ = fd;
  }
  int release() { return std::exchange(fd_, -1); }
  // Closes now and tells whether the close succeeded (errno set when not).
  bool close() { return ::close(release()) == 0; }

 private:
  int fd_;
};

// Whether two status records describe the same file.
inline bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The name under which the system reopens an open descriptor.
inline std::string descriptorPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

// Reads from where the descriptor stands to the end. Returns 0, the error,
// or EFBIG when there are more than `maxBytes` bytes.
inline int readToEnd(int fd, std::string& bytes, std::size_t maxBytes) {
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      return errno;
    }
    if (got == 0) {
      return 0;
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
    if (bytes.size() > maxBytes) {
      return EFBIG;
    }
  }
}

// Writes all of `bytes` where the descriptor stands, however many writes it
// takes (a pipe or a terminal takes them in parts). Returns 0 or the error.
inline int writeAllTo(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}
