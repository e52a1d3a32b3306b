// Adding a file where the file system takes no unnamed files (O_TMPFILE),
// and for the second case no hard links either, as on a FAT stick: the
// hidden temporary file must still claim the first free name, replace
// nothing, and leave nothing behind. The file systems here take both, so a
// seccomp filter on one thread refuses them the way such file systems do.
#include <fcntl.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <string>
#include <thread>
#include <vector>

#include "TempDirectory.hpp"
#include "files/NewFile.hpp"

namespace {

#if defined(__x86_64__)
constexpr unsigned kAuditArch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
constexpr unsigned kAuditArch = AUDIT_ARCH_AARCH64;
#else
constexpr unsigned kAuditArch = 0;
#endif

// Makes this thread's openat with O_TMPFILE fail with EOPNOTSUPP and, when
// asked, its linkat with EPERM. The filter ends with the thread.
bool refuseOnThisThread(bool hardLinks) {
  constexpr unsigned kFlagsLow = offsetof(seccomp_data, args) + 2 * sizeof(__u64);
  const unsigned linkat = hardLinks ? ~0U : static_cast<unsigned>(__NR_linkat);
  std::vector<sock_filter> program = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, kAuditArch, 1, 0),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, linkat, 0, 1),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EPERM),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_openat, 1, 0),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, kFlagsLow),
      BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, __O_TMPFILE, 0, 1),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EOPNOTSUPP),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
  };
  const sock_fprog filter{static_cast<unsigned short>(program.size()), program.data()};
  return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
         ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) == 0;
}

using NewFileWithoutUnnamedFiles = InTempDirectory;

TEST_F(NewFileWithoutUnnamedFiles, ClaimsTheNextFreeNameAndLeavesNoTemporaryFile) {
  if (kAuditArch == 0) {
    GTEST_SKIP() << "no seccomp architecture known for this build";
  }
  for (const bool hardLinks : {true, false}) {
    SCOPED_TRACE(hardLinks ? "with hard links" : "without hard links");
    writeFile("A-1", "someone else's");
    std::string problem;
    const int folder = openFolderForNewFiles(".", problem);
    ASSERT_GE(folder, 0) << problem;

    bool refused = false;
    int unnamedError = 0;
    std::vector<NewFile> added;
    std::thread([&] {
      refused = refuseOnThisThread(hardLinks);
      if (!refused) {
        return;
      }
      // The filter really stands in for such a file system.
      const int unnamed = ::openat(folder, ".", O_TMPFILE | O_WRONLY, 0600);
      unnamedError = unnamed < 0 ? errno : 0;
      const auto name = [](int number) { return "A-" + std::to_string(number); };
      added.push_back(addNewFile(folder, "FIRST", name));
      added.push_back(addNewFile(folder, "SECOND", name));
    }).join();
    ::close(folder);
    if (!refused) {
      GTEST_SKIP() << "seccomp filters cannot be set here";
    }
    ASSERT_EQ(unnamedError, EOPNOTSUPP);

    ASSERT_EQ(added.size(), 2U);
    EXPECT_EQ(added[0].problem, "");
    EXPECT_EQ(added[0].name, "A-2");
    EXPECT_EQ(added[1].name, "A-3");
    EXPECT_EQ(readFile("A-1"), "someone else's");
    EXPECT_EQ(readFile("A-2"), "FIRST");
    EXPECT_EQ(readFile("A-3"), "SECOND");
    EXPECT_EQ(entries(), (std::vector<std::string>{"A-1", "A-2", "A-3"}));
    for (const std::string& name : entries()) {
      std::filesystem::remove(name);
    }
  }
}

}  // namespace
