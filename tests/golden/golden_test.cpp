// Each example, loaded and reported, against the reviewed report in tests/golden; and each example
// saved again gives its own bytes. Regenerate with scripts/update-golden.sh, then review the diff.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli_run.h"

namespace zm {
namespace {

namespace fs = std::filesystem;

std::string AfterFirstLine(const std::string& text) {
  const auto end = text.find('\n');
  return end == std::string::npos ? std::string() : text.substr(end + 1);
}

TEST(Golden, ExamplesReportAsReviewedAndSaveToTheirOwnBytes) {
  const fs::path source = ZM_SOURCE_DIR;
  const fs::path scratch = fs::temp_directory_path() / "zm-golden-save.txt";
  int examples = 0;
  for (const auto& entry : fs::directory_iterator(source / "examples")) {
    if (entry.path().extension() != ".txt") continue;
    ++examples;
    const std::string name = entry.path().stem().string();
    SCOPED_TRACE(name);
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"report", entry.path().string()}, out, err), kExitDone) << err.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(AfterFirstLine(out.str()),
              AfterFirstLine(ReadBytes(source / "tests/golden" / (name + ".report.txt"))));

    std::ostringstream saveOut, saveErr;
    ASSERT_EQ(RunCli({"save", entry.path().string(), scratch.string()}, saveOut, saveErr), kExitDone);
    EXPECT_EQ(ReadBytes(scratch), ReadBytes(entry.path()));
  }
  fs::remove(scratch);
  EXPECT_GE(examples, 3);
}

}  // namespace
}  // namespace zm
