#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli_run.h"

namespace zm {
namespace {

namespace fs = std::filesystem;

const std::string kSourceDir = ZM_SOURCE_DIR;

// The report without its first line, which names the file.
std::string WithoutFileName(const std::string& report) { return report.substr(report.find('\n')); }

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("zm-cli-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
};

std::vector<fs::path> SampleFiles() {
  std::vector<fs::path> files = {kSourceDir + "/tests/fixtures/bench60.txt"};
  for (const auto& entry : fs::directory_iterator(kSourceDir + "/examples"))
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  return files;
}

TEST_F(CliTest, SaveThenReportGivesTheSameReportAndASecondSaveTheSameBytes) {
  for (const fs::path& file : SampleFiles()) {
    SCOPED_TRACE(file.string());
    const CliRun report = Cli({"report", file.string()});
    ASSERT_EQ(report.status, kExitDone) << report.err;
    EXPECT_EQ(report.out.rfind("FileName : " + file.string() + "\n", 0), 0u);
    EXPECT_EQ(report.out.find('\r'), std::string::npos);

    const fs::path once = dir / "once.txt", twice = dir / "twice.txt";
    ASSERT_EQ(Cli({"save", file.string(), once.string()}).status, kExitDone);
    ASSERT_EQ(Cli({"save", once.string(), twice.string()}).status, kExitDone);
    EXPECT_EQ(ReadBytes(once), ReadBytes(twice));
    EXPECT_EQ(WithoutFileName(Cli({"report", once.string()}).out), WithoutFileName(report.out));
  }
}

TEST_F(CliTest, UnusableInputExitsOneAndSaysWhy) {
  const fs::path missing = dir / "missing.txt";
  const CliRun run = Cli({"report", missing.string()});
  EXPECT_EQ(run.status, kExitUnusable);
  EXPECT_NE(run.err.find("beep"), std::string::npos);
  EXPECT_NE(run.err.find(missing.string()), std::string::npos);
  EXPECT_TRUE(run.out.empty());

  const fs::path bad = dir / "bad.txt";
  std::ofstream(bad, std::ios::binary) << "99\r\n";
  const CliRun refused = Cli({"save", bad.string(), (dir / "out.txt").string()});
  EXPECT_EQ(refused.status, kExitUnusable);
  EXPECT_NE(refused.err.find("message: "), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "out.txt"));
}

TEST_F(CliTest, WrongUsageExitsTwoWithTheUsage) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"report"}, {"save", "a"}, {"report", "a", "b"}, {"draw", "a"}}) {
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_NE(run.err.find("usage: zomeda-cli"), std::string::npos);
  }
}

}  // namespace
}  // namespace zm
