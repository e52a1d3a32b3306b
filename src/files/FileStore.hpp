#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The file-system work of saving and recalling designs. Names come from the
// keyboard and go to the screen in code page 437; on disk they are UTF-8.
// Every failure comes back as one line for the user that fits a message
// row, naming the file as it was typed (a long name loses its middle, never
// the reason); nothing here throws.

// The names in the current directory that end in ".ele" in any letter
// case: regular files only (a link to one counts), no hidden ones, in the
// order the directory lists them, each as the file system stores it,
// converted for the screen.
std::vector<std::string> listElementFiles();

struct FileRead {
  enum class Failure { None, Missing, Ambiguous, Other };
  std::string bytes;
  std::string problem;  // empty when the file was read
  Failure failure = Failure::None;
  bool ok() const { return problem.empty(); }
};

// Reads a whole file by its path as the system takes it (bytes, no code
// page conversion), found as readNamedFile finds it. `problem` is the
// reason alone, as the end of a sentence ("it is a directory").
FileRead readFileAtPath(const std::string& path, std::size_t maxBytes);

// Reads a whole file by its typed name. When no file has exactly that name,
// the one file in the same directory whose name differs only in letter case
// is read instead; when several do, none is. Only a plain file is opened:
// its type is checked before the open and again on the open file. Files
// larger than `maxBytes` are refused rather than read.
FileRead readNamedFile(std::string_view typedName, std::size_t maxBytes);

// Creates or replaces a file by its typed name, so that at every moment the
// name holds either the old contents whole or the new ones whole, and a
// replaced file keeps its owner or group, permission bits, access-control
// list and user attributes (the ways are told in SafeSave.hpp). A name that
// is a symbolic link has the file it points to replaced, where the kernel
// would follow the link. Returns the problem, empty when the file was saved.
std::string saveNamedFile(std::string_view typedName, std::string_view bytes);

// The same by a path as the system takes it: the reason alone ("it is a
// directory", the system's words), empty when the file was written.
std::string writeWholeFile(const std::string& path, std::string_view bytes);

// The system's words for an error number, as the end of a sentence.
std::string reasonOfError(int error);
