#include "files/FileStore.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

#include "files/FileNames.hpp"
#include "files/PosixFile.hpp"
#include "files/SafeSave.hpp"
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

// Why a file of this type is not read or replaced; nothing for a plain file.
const char* typeProblem(const struct stat& info) {
  if (S_ISDIR(info.st_mode)) {
    return "it is a directory";
  }
  return S_ISREG(info.st_mode) ? nullptr : "it is not a regular file";
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

FileRead readFileAtPath(const std::string& givenPath, std::size_t maxBytes) {
  FileRead result;
  const auto refuse = [&result](FileRead::Failure failure, std::string reason) {
    result.failure = failure;
    result.problem = std::move(reason);
    return result;
  };
  const auto notOpened = [&refuse](int error) {
    return refuse(error == ENOENT ? FileRead::Failure::Missing : FileRead::Failure::Other,
                  reasonOf(error));
  };
  std::string path = givenPath;
  // The type is known before anything is opened: opening a device or a
  // named pipe can do things of its own, such as waking a waiting writer.
  struct stat checked {};
  if (::stat(path.c_str(), &checked) != 0) {
    if (errno != ENOENT) {
      return notOpened(errno);
    }
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
      return notOpened(ENOENT);
    }
    if (matches.size() > 1) {
      return refuse(FileRead::Failure::Ambiguous,
                    "more than one file has this name apart from letter case");
    }
    path = parts.prefix + matches.front();
    if (::stat(path.c_str(), &checked) != 0) {
      return notOpened(errno);
    }
  }
  if (const char* problem = typeProblem(checked)) {
    return refuse(FileRead::Failure::Other, problem);
  }
  // Checked again on the open file, which may not be the one just checked.
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
  if (!file.valid()) {
    return notOpened(errno);
  }
  struct stat opened {};
  if (::fstat(file.get(), &opened) != 0) {
    return refuse(FileRead::Failure::Other, reasonOf(errno));
  }
  if (const char* problem = typeProblem(opened)) {
    return refuse(FileRead::Failure::Other, problem);
  }
  if (!sameFile(opened, checked)) {
    return refuse(FileRead::Failure::Other, reasonOf(EAGAIN));
  }
  // Regular files never block; reading on in blocking mode keeps it simple.
  const int flags = ::fcntl(file.get(), F_GETFL);
  if (flags >= 0) {
    ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK);
  }
  std::string bytes;
  if (const int error = readToEnd(file.get(), bytes, maxBytes); error != 0) {
    return refuse(FileRead::Failure::Other, error == EFBIG ? "it is too large" : reasonOf(error));
  }
  result.bytes = std::move(bytes);
  return result;
}

FileRead readNamedFile(std::string_view typedName, std::size_t maxBytes) {
  FileRead result;
  if (typedName.empty()) {
    result.failure = FileRead::Failure::Other;
    result.problem = "No file name given: nothing read";
    return result;
  }
  const std::string path = cp437ToUtf8(typedName);
  if (path.find('\0') != std::string::npos) {
    result.failure = FileRead::Failure::Other;
    result.problem = couldNotRead(typedName, "not a usable file name");
    return result;
  }
  result = readFileAtPath(path, maxBytes);
  switch (result.failure) {
    case FileRead::Failure::None:
      break;
    case FileRead::Failure::Missing:
      result.problem = notFound(typedName);
      break;
    case FileRead::Failure::Ambiguous:
      result.problem = messageNaming("More than one file is named ", typedName,
                                     " apart from letter case: nothing read");
      break;
    case FileRead::Failure::Other:
      result.problem = couldNotRead(typedName, result.problem);
      break;
  }
  return result;
}

std::string writeWholeFile(const std::string& path, std::string_view bytes) {
  const SaveOutcome outcome = saveFileSafely(path, bytes);
  switch (outcome.kind) {
    case SaveOutcome::Kind::Saved:
      return {};
    case SaveOutcome::Kind::IsDirectory:
      return "it is a directory";
    case SaveOutcome::Kind::NotRegularFile:
      return "it is not a regular file";
    case SaveOutcome::Kind::Failed:
      break;
  }
  return reasonOf(outcome.error);
}

std::string saveNamedFile(std::string_view typedName, std::string_view bytes) {
  if (typedName.empty()) {
    return "Nothing saved: no file name given";
  }
  const std::string path = cp437ToUtf8(typedName);
  if (path.find('\0') != std::string::npos) {
    return couldNotSave(typedName, "not a usable file name");
  }
  if (const std::string reason = writeWholeFile(path, bytes); !reason.empty()) {
    return couldNotSave(typedName, reason);
  }
  return {};
}

std::string reasonOfError(int error) { return reasonOf(error); }
