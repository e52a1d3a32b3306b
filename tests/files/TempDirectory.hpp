#pragma once

// A fresh, empty working directory for one test: the program saves, lists
// and recalls in the current directory, so each test gets its own and the
// previous one comes back afterwards.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

class InTempDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tubalyzer-files-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    directory_ = pattern;
    std::filesystem::current_path(directory_);
  }

  void TearDown() override {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::permissions(directory_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(directory_, ignored);
  }

  static void writeFile(const std::string& name, const std::string& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    ASSERT_TRUE(out) << name;
    out << bytes;
  }

  static std::string readFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // Every name in the directory, hidden ones included, sorted.
  static std::vector<std::string> entries(const std::string& where = ".") {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(where)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  static unsigned modeOf(const std::string& name) {
    struct stat info {};
    EXPECT_EQ(::stat(name.c_str(), &info), 0) << name;
    return info.st_mode & 07777U;
  }

  std::filesystem::path directory_;

 private:
  std::filesystem::path previous_;
};
