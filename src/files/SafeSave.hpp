#pragma once

#include <string>
#include <string_view>

// What became of a save.
struct SaveOutcome {
  enum class Kind { Saved, Failed, IsDirectory, NotRegularFile };
  Kind kind = Kind::Saved;
  int error = 0;  // the system's error when the save failed
};

// Creates or replaces the file at `path` (UTF-8, as the system takes it)
// with `bytes`, so that the name never holds part of the new contents.
//
// The kernel resolves the name, symbolic links and its rule on links in
// shared sticky folders included; every later step works in the folder it
// found. A link to a file that does not exist yet creates that file.
//
// The new contents take one of four ways to the name:
// - replacing by rename, when the name holds no file, or a file with one
//   link in a folder this process may rename in (writable, and not sticky
//   unless the process owns the file or the folder, or is root):
//   - an unnamed file (O_TMPFILE) in that folder, written and synced, then
//     linked straight to the name when the name holds no file;
//   - the same unnamed file linked to a hidden temporary name and at once
//     renamed over the old file when it does;
//   - a hidden, named temporary file renamed over the name, where the file
//     system (or a missing /proc) allows no unnamed files;
// - in place, when the file has further hard links or the folder takes no
//   rename: its old bytes are kept in memory, the new ones written in one
//   write from the start, the file cut to their length and synced; when a
//   step fails the old bytes are put back the same way.
// A replaced file keeps its owner where the process may give files away,
// else its group where the process is a member, its permission bits, its
// access-control list and its user.* extended attributes; an attribute the
// file system or the process cannot set is left out silently.
//
// Temporary names are ".NAME.saving-" and eight letters or digits. A save
// killed while a temporary name exists leaves it behind (with unnamed files
// only between the link and the rename); every save removes those of its
// own name that are older than a minute.
SaveOutcome saveFileSafely(const std::string& path, std::string_view bytes);
