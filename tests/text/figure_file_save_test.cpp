#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "cli/scripted_shell.h"
#include "text/figure_file.h"
#include "text/file_test_support.h"

namespace zm {
namespace {

using testing_files::ReadBytes;
using testing_files::TempDir;
using testing_files::WriteBytes;

constexpr const char* kPrevious = "the previous file\r\n";

class FigureFileSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    NewFigure(fig, kStandardCapacity);
    fig.ObjCount[kPoint] = 1;
  }

  TempDir dir;
  Figure fig;
  ScriptedShell shell;
};

TEST_F(FigureFileSaveTest, ReplacesAFileAndKeepsItsPermissions) {
  const std::string path = dir.File("kept.txt");
  WriteBytes(path, kPrevious);
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_EQ(FigureFile(fig, shell, path, 'W'), FileStatus::kDone);
  EXPECT_TRUE(shell.Log().empty());
  EXPECT_EQ(ReadBytes(path).substr(0, 3), "0\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"kept.txt"});
}

TEST_F(FigureFileSaveTest, LeavesAReadOnlyFileAsItWasAndSaysSo) {
  const std::string path = dir.File("readonly.txt");
  WriteBytes(path, kPrevious);
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  EXPECT_EQ(FigureFile(fig, shell, path, 'W'), FileStatus::kReadOnly);
  EXPECT_EQ(shell.Log(), (std::vector<std::string>{
                             "beep",
                             "message: 上書しようとしたファイルは読み取り専用なので,上書できません。"
                             "ファイル名を変えて,保存し直してください。"}));
  EXPECT_EQ(ReadBytes(path), kPrevious);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"readonly.txt"});
}

TEST_F(FigureFileSaveTest, TellsWhyASaveFailedAndLeavesNoTemporaryFile) {
  struct Case {
    const char* what;
    std::string path;
    const char* reason;
  } cases[] = {
      {"missing folder", dir.File("absent/figure.txt"), "保存先のフォルダがありません。"},
      {"a folder of that name", dir.File("folder"), "ファイルを書き込めません。"},
  };
  std::filesystem::create_directory(dir.File("folder"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    shell.ClearLog();
    EXPECT_EQ(FigureFile(fig, shell, c.path, 'W'), FileStatus::kWriteFailed);
    EXPECT_EQ(shell.Log(), (std::vector<std::string>{
                               "beep", std::string("message: 作図データの保存に失敗しました。") +
                                           c.reason}));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"folder"});
    EXPECT_TRUE(std::filesystem::is_empty(dir.File("folder")));
  }
}

TEST_F(FigureFileSaveTest, RebuildsTheLabelsBeforeWriting) {
  fig.ObjCount = {1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  fig.StepCount = 1;
  fig.StepCode[1].Assign("ND2P");
  fig.StepIn[1][1] = {kPoint, 1};
  fig.StepIn[1][2] = {kPoint, 2};
  fig.StepOut[1][1] = {kNumber, 1};
  const std::string path = dir.File("labels.txt");
  ASSERT_EQ(FigureFile(fig, shell, path, 'W'), FileStatus::kDone);
  EXPECT_NE(ReadBytes(path).find("\r\n0,0,\"AB@\"\r\n"), std::string::npos);
}

TEST_F(FigureFileSaveTest, AnUnknownModeDoesNothing) {
  const std::string path = dir.File("untouched.txt");
  EXPECT_EQ(FigureFile(fig, shell, path, 'X'), FileStatus::kRefused);
  EXPECT_TRUE(shell.Log().empty());
  EXPECT_TRUE(dir.Entries().empty());
}

}  // namespace
}  // namespace zm
