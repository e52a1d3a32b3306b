#pragma once

#include <functional>
#include <string>
#include <string_view>

// Adds a file to a folder without ever replacing one: the bytes are written
// and reach the disk under no name (or a hidden one), and only then is a
// name claimed, in one step that fails when the name is taken. So a name
// never holds part of the bytes, and another program writing to the same
// folder at the same moment can neither lose its file nor take ours.

struct NewFile {
  std::string name;     // the name claimed, when `problem` is empty
  std::string problem;  // the reason, as the end of a sentence; empty when added
};

// Opens `folder` for adding files: a descriptor, or -1 with the reason in
// `problem` ("not a directory", "permission denied", ...). The folder must
// be one this process can write in.
int openFolderForNewFiles(const std::string& folder, std::string& problem);

// Adds `bytes` to the folder open at `folderFd` under the first of
// nameFor(1), nameFor(2), ... that names nothing yet.
NewFile addNewFile(int folderFd, std::string_view bytes,
                   const std::function<std::string(int)>& nameFor);
