#include "files/NewFile.hpp"

#include <fcntl.h>
#include <stdio.h>  // renameat2
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

#include "files/FileStore.hpp"
#include "files/PosixFile.hpp"

namespace {

// Past this many taken names something is wrong with the folder; asking on
// would only keep the user waiting.
constexpr int kMostNames = 100000;

// Writes everything and waits until it is on the disk; 0 or the error.
int writeToDisk(int fd, std::string_view bytes) {
  if (const int error = writeAllTo(fd, bytes); error != 0) {
    return error;
  }
  return ::fsync(fd) == 0 ? 0 : errno;
}

NewFile failed(int error) { return NewFile{{}, reasonOfError(error)}; }

NewFile added(int folderFd, std::string name) {
  // The new name reaches the disk with the folder.
  ::fsync(folderFd);
  return NewFile{std::move(name), {}};
}

// Claims names one after the other with `claim` (0, or the error) until
// one is free.
template <typename Claim>
NewFile claimFirstFree(int folderFd, const std::function<std::string(int)>& nameFor, Claim claim) {
  for (int number = 1; number <= kMostNames; ++number) {
    std::string name = nameFor(number);
    const int error = claim(name);
    if (error == 0) {
      return added(folderFd, std::move(name));
    }
    if (error != EEXIST) {
      return failed(error);
    }
  }
  return failed(EEXIST);
}

// The unnamed file of Linux: written in full, then linked to a name, which
// fails when the name exists.
NewFile addUnnamed(int folderFd, int fd, std::string_view bytes,
                   const std::function<std::string(int)>& nameFor) {
  const Descriptor file(fd);
  if (const int error = writeToDisk(file.get(), bytes); error != 0) {
    return failed(error);
  }
  const std::string self = descriptorPath(file.get());
  return claimFirstFree(folderFd, nameFor, [&](const std::string& name) {
    return ::linkat(AT_FDCWD, self.c_str(), folderFd, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0
                                                                                            : errno;
  });
}

// Elsewhere: a hidden temporary file, written in full, then given its name
// by a hard link or a rename that refuses to replace, and never left behind.
NewFile addThroughTemporary(int folderFd, std::string_view bytes,
                            const std::function<std::string(int)>& nameFor) {
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary =
        ".tubalyzer-" + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".part";
    fd = ::openat(folderFd, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) {
      return failed(errno);
    }
  }
  if (fd < 0) {
    return failed(EEXIST);
  }
  int error = 0;
  {
    const Descriptor file(fd);
    error = writeToDisk(file.get(), bytes);
  }
  NewFile result = failed(error);
  if (error == 0) {
    result = claimFirstFree(folderFd, nameFor, [&](const std::string& name) {
      if (::linkat(folderFd, temporary.c_str(), folderFd, name.c_str(), 0) == 0) {
        return 0;
      }
      if (errno == EEXIST) {
        return EEXIST;
      }
      // File systems without hard links may still rename without replacing.
      if (::renameat2(folderFd, temporary.c_str(), folderFd, name.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
      }
      return errno;
    });
  }
  ::unlinkat(folderFd, temporary.c_str(), 0);  // gone already after a rename
  return result;
}

}  // namespace

int openFolderForNewFiles(const std::string& folder, std::string& problem) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    problem = reasonOfError(errno);
    return -1;
  }
  if (::faccessat(fd, ".", W_OK | X_OK, AT_EACCESS) != 0) {
    problem = reasonOfError(errno);
    ::close(fd);
    return -1;
  }
  return fd;
}

NewFile addNewFile(int folderFd, std::string_view bytes,
                   const std::function<std::string(int)>& nameFor) {
  // A folder removed while open refuses new files with odd reasons
  // ("operation not permitted" for an unnamed file); say what happened.
  struct stat folder {};
  if (::fstat(folderFd, &folder) == 0 && folder.st_nlink == 0) {
    return failed(ENOENT);
  }
  // Unnamed files need the kernel's support, the file system's, and /proc
  // to give them a name.
  if (::access("/proc/self/fd", X_OK) == 0) {
    const int fd = ::openat(folderFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd >= 0) {
      return addUnnamed(folderFd, fd, bytes, nameFor);
    }
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
      return failed(errno);
    }
  }
  return addThroughTemporary(folderFd, bytes, nameFor);
}
