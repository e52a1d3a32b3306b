// Saving, listing and opening files on a real disk, in a directory of the
// test's own. Tests run as root, so failures are provoked in ways root also
// meets: a parent that is a regular file, a name that is a directory, a file
// size limit.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "TempDirectory.hpp"
#include "files/FileStore.hpp"

namespace {

using FileStore = InTempDirectory;

const std::string kOld = " 1\r\n 1 0.1 2 3\r\nOLD\r\n";
const std::string kNew = " 2\r\n 0.5 5.8e-002 36 42\r\n 0.625 5.8e-002 48 54\r\nTEST 20M\r\n";

std::vector<std::string> sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

// Lets no file grow beyond a few bytes while it lives: writes fail with
// "file too large", for root as for anyone.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    active_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  bool active() const { return active_; }

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
  bool active_ = false;
};

TEST_F(FileStore, SavesANewFileAndReadsItBack) {
  EXPECT_EQ(saveNamedFile("DIR20M.ELE", kNew), "");
  EXPECT_EQ(readFile("DIR20M.ELE"), kNew);
  const FileRead read = readNamedFile("DIR20M.ELE", 1000);
  EXPECT_TRUE(read.ok()) << read.problem;
  EXPECT_EQ(read.bytes, kNew);
  // Nothing else is left behind, not even a hidden file.
  EXPECT_EQ(entries(), std::vector<std::string>{"DIR20M.ELE"});
}

TEST_F(FileStore, ReplacesAnExistingFileKeepingItsPermissions) {
  writeFile("DIR20M.ELE", kOld);
  ASSERT_EQ(::chmod("DIR20M.ELE", 0640), 0);
  EXPECT_EQ(saveNamedFile("DIR20M.ELE", kNew), "");
  EXPECT_EQ(readFile("DIR20M.ELE"), kNew);
  EXPECT_EQ(modeOf("DIR20M.ELE"), 0640U);
  EXPECT_EQ(entries(), std::vector<std::string>{"DIR20M.ELE"});
}

TEST_F(FileStore, NewFilesFollowTheUmask) {
  const mode_t previous = ::umask(022);
  EXPECT_EQ(saveNamedFile("A.ELE", kNew), "");
  ::umask(previous);
  EXPECT_EQ(modeOf("A.ELE"), 0644U);
}

TEST_F(FileStore, SavingThroughALinkReplacesTheFileItPointsTo) {
  std::filesystem::create_directory("real");
  writeFile("real/beam.ele", kOld);
  std::filesystem::create_symlink("real/beam.ele", "BEAM.ELE");
  std::filesystem::create_symlink("BEAM.ELE", "CHAIN.ELE");
  EXPECT_EQ(saveNamedFile("CHAIN.ELE", kNew), "");
  EXPECT_TRUE(std::filesystem::is_symlink("BEAM.ELE"));
  EXPECT_TRUE(std::filesystem::is_symlink("CHAIN.ELE"));
  EXPECT_EQ(readFile("real/beam.ele"), kNew);
  EXPECT_EQ(entries("real"), std::vector<std::string>{"beam.ele"});
}

TEST_F(FileStore, SavingThroughADanglingLinkCreatesItsTarget) {
  std::filesystem::create_symlink("target.ele", "LINK.ELE");
  EXPECT_EQ(saveNamedFile("LINK.ELE", kNew), "");
  EXPECT_TRUE(std::filesystem::is_symlink("LINK.ELE"));
  EXPECT_EQ(readFile("target.ele"), kNew);
}

TEST_F(FileStore, ALinkLoopIsRefused) {
  std::filesystem::create_symlink("B.ELE", "A.ELE");
  std::filesystem::create_symlink("A.ELE", "B.ELE");
  EXPECT_EQ(saveNamedFile("A.ELE", kNew),
            "Could not save A.ELE: too many levels of symbolic links");
}

TEST_F(FileStore, RefusesANameInsideARegularFile) {
  writeFile("PLAIN", kOld);
  EXPECT_EQ(saveNamedFile("PLAIN/X.ELE", kNew), "Could not save PLAIN/X.ELE: not a directory");
  EXPECT_EQ(readFile("PLAIN"), kOld);
  EXPECT_EQ(entries(), std::vector<std::string>{"PLAIN"});
}

TEST_F(FileStore, RefusesANameInAMissingDirectory) {
  EXPECT_EQ(saveNamedFile("NOWHERE/X.ELE", kNew),
            "Could not save NOWHERE/X.ELE: no such file or directory");
  EXPECT_TRUE(entries().empty());
}

TEST_F(FileStore, RefusesANameThatIsADirectory) {
  std::filesystem::create_directory("DIR.ELE");
  writeFile("DIR.ELE/inside", kOld);
  EXPECT_EQ(saveNamedFile("DIR.ELE", kNew), "Could not save DIR.ELE: it is a directory");
  EXPECT_EQ(saveNamedFile("DIR.ELE/", kNew), "Could not save DIR.ELE/: it is a directory");
  EXPECT_EQ(saveNamedFile(".", kNew), "Could not save .: it is a directory");
  EXPECT_EQ(entries("DIR.ELE"), std::vector<std::string>{"inside"});
}

TEST_F(FileStore, RefusesToReplaceWhatIsNoRegularFile) {
  ASSERT_EQ(::mkfifo("PIPE.ELE", 0644), 0);
  EXPECT_EQ(saveNamedFile("PIPE.ELE", kNew), "Could not save PIPE.ELE: it is not a regular file");
  EXPECT_TRUE(std::filesystem::is_fifo("PIPE.ELE"));
}

TEST_F(FileStore, RefusesAnEmptyName) {
  EXPECT_EQ(saveNamedFile("", kNew), "Nothing saved: no file name given");
  EXPECT_TRUE(entries().empty());
}

TEST_F(FileStore, AFailedWriteLeavesTheOldFileWholeAndNoTemporaryFile) {
  writeFile("DIR20M.ELE", kOld);
  ASSERT_EQ(::chmod("DIR20M.ELE", 0600), 0);
  std::string problem;
  {
    FileSizeLimit limit(10);
    ASSERT_TRUE(limit.active());
    problem = saveNamedFile("DIR20M.ELE", kNew);
  }
  EXPECT_EQ(problem, "Could not save DIR20M.ELE: file too large");
  EXPECT_EQ(readFile("DIR20M.ELE"), kOld);
  EXPECT_EQ(modeOf("DIR20M.ELE"), 0600U);
  EXPECT_EQ(entries(), std::vector<std::string>{"DIR20M.ELE"});
}

// A file with a second link is written in place; when the new bytes do not
// fit, the old ones go back and both names still share the file.
TEST_F(FileStore, AFailedWriteInPlaceLeavesTheOldBytesAndTheLink) {
  writeFile("DIR20M.ELE", kOld);
  std::filesystem::create_hard_link("DIR20M.ELE", "SECOND.ELE");
  std::string problem;
  {
    FileSizeLimit limit(kOld.size() + 10);  // room for part of the new bytes only
    ASSERT_TRUE(limit.active());
    problem = saveNamedFile("DIR20M.ELE", kNew);
  }
  EXPECT_EQ(problem, "Could not save DIR20M.ELE: file too large");
  EXPECT_EQ(readFile("SECOND.ELE"), kOld);
  EXPECT_EQ(std::filesystem::hard_link_count("DIR20M.ELE"), 2U);
  EXPECT_EQ(entries(), (std::vector<std::string>{"DIR20M.ELE", "SECOND.ELE"}));
}

TEST_F(FileStore, AFailedSaveThroughADanglingLinkLeavesNoTarget) {
  std::filesystem::create_symlink("target.ele", "LINK.ELE");
  std::string problem;
  {
    FileSizeLimit limit(10);
    ASSERT_TRUE(limit.active());
    problem = saveNamedFile("LINK.ELE", kNew);
  }
  EXPECT_EQ(problem, "Could not save LINK.ELE: file too large");
  EXPECT_EQ(entries(), std::vector<std::string>{"LINK.ELE"});
}

TEST_F(FileStore, SavesTypedPcCharactersAsUtf8Names) {
  EXPECT_EQ(saveNamedFile("\x90T\x90.ELE", kNew), "");  // ÉTÉ.ELE
  EXPECT_EQ(entries(), std::vector<std::string>{"\xc3\x89T\xc3\x89.ELE"});
  EXPECT_EQ(listElementFiles(), std::vector<std::string>{"\x90T\x90.ELE"});
}

TEST_F(FileStore, ListsOrdinaryElementFilesAsStored) {
  writeFile("a.ele", kOld);
  writeFile("B.ELE", kOld);
  writeFile("c.Ele", kOld);
  writeFile("d.txt", kOld);
  writeFile("e.ele.bak", kOld);
  writeFile("NOEXT", kOld);
  writeFile(".hidden.ele", kOld);
  writeFile("\xc3\xa9t\xc3\xa9.ele", kOld);  // été.ele
  writeFile("readonly.ele", kOld);
  ASSERT_EQ(::chmod("readonly.ele", 0444), 0);
  std::filesystem::create_directory("folder.ele");
  std::filesystem::create_symlink("a.ele", "link.ele");
  std::filesystem::create_symlink("folder.ele", "dirlink.ele");
  std::filesystem::create_symlink("missing.ele", "dangling.ele");
  EXPECT_EQ(sorted(listElementFiles()),
            (std::vector<std::string>{"B.ELE", "a.ele", "c.Ele", "link.ele", "readonly.ele",
                                      "\x82t\x82.ele"}));
}

TEST_F(FileStore, ListsNothingInAnEmptyDirectory) { EXPECT_TRUE(listElementFiles().empty()); }

TEST_F(FileStore, ReadsTheOneFileWhoseNameDiffersOnlyInLetterCase) {
  writeFile("dir20m.ele", kOld);
  const FileRead read = readNamedFile("DIR20M.ELE", 1000);
  EXPECT_TRUE(read.ok()) << read.problem;
  EXPECT_EQ(read.bytes, kOld);
  std::filesystem::create_directory("Sub");
  writeFile("Sub/\xc3\xa9t\xc3\xa9.ele", kNew);                        // été.ele
  const FileRead accented = readNamedFile("Sub/\x90T\x90.ELE", 1000);  // ÉTÉ.ELE
  EXPECT_TRUE(accented.ok()) << accented.problem;
  EXPECT_EQ(accented.bytes, kNew);
}

TEST_F(FileStore, ReadsNothingWhenSeveralNamesDifferOnlyInLetterCase) {
  writeFile("dir20m.ele", kOld);
  writeFile("Dir20M.ele", kNew);
  const FileRead read = readNamedFile("DIR20M.ELE", 1000);
  EXPECT_EQ(read.problem,
            "More than one file is named DIR20M.ELE apart from letter case: nothing read");
  EXPECT_EQ(read.bytes, "");
  // The exact spelling still opens its own file.
  EXPECT_EQ(readNamedFile("Dir20M.ele", 1000).bytes, kNew);
}

TEST_F(FileStore, SaysWhyAFileCannotBeRead) {
  writeFile("PLAIN", kOld);
  std::filesystem::create_directory("DIR.ELE");
  ASSERT_EQ(::mkfifo("PIPE.ELE", 0644), 0);
  writeFile("BIG.ELE", std::string(2000, '1'));
  struct Case {
    const char* name;
    const char* problem;
  };
  for (const Case& c : {
           Case{"NOPE.ELE", "File not found: NOPE.ELE"},
           Case{"NOWHERE/X.ELE", "File not found: NOWHERE/X.ELE"},
           Case{"PLAIN/X.ELE", "Could not read PLAIN/X.ELE: not a directory"},
           Case{"DIR.ELE", "Could not read DIR.ELE: it is a directory"},
           Case{"dir.ele", "Could not read dir.ele: it is a directory"},
           Case{"PIPE.ELE", "Could not read PIPE.ELE: it is not a regular file"},
           Case{"BIG.ELE", "Could not read BIG.ELE: it is too large"},
           Case{"", "No file name given: nothing read"},
       }) {
    const FileRead read = readNamedFile(c.name, 1000);
    EXPECT_EQ(read.problem, c.problem) << c.name;
    EXPECT_FALSE(read.ok()) << c.name;
  }
}

}  // namespace
