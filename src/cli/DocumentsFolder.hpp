#pragma once

#include <optional>
#include <string>
#include <string_view>

// Where --documents works: the folder "Tubalyzer" in the user's documents
// folder, as the desktop's user-dirs.dirs names it (XDG_DOCUMENTS_DIR),
// else ~/Documents.

// The documents folder named by the text of a user-dirs.dirs file, given
// the home folder; empty when the file does not name one.
std::optional<std::string> documentsFromUserDirs(std::string_view userDirsText,
                                                 std::string_view home);

// Creates the Tubalyzer folder (and the documents folder) if missing and
// makes it the current folder. Returns the problem for the user, empty when
// it worked.
std::string enterDocumentsFolder();
