#include <gtest/gtest.h>

#include "cli/scripted_shell.h"
#include "text/figure_file.h"
#include "text/file_test_support.h"

namespace zm {
namespace {

using testing_files::ReadBytes;
using testing_files::SjisLines;
using testing_files::TempDir;
using testing_files::WriteBytes;

constexpr const char* kPrefix = "message: 作図データの読み込みに失敗しました。";

// One free point placed by one step: 32 lines. Line 1 the step count, 2 the code, 3-7 the
// inputs, 8-12 the outputs, 13-23 the counts (14: points), 24-32 the point.
std::vector<std::string> BaseLines() {
  return {"1", "\"PNEW\"", "0,0", "0,0", "0,0", "0,0", "0,0", "1,1", "0,0", "0,0", "0,0", "0,0",
          "0", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0",
          "1,2", "7", "0", "-1", "0", "-1", "0,0", "0", "\"A\""};
}

class FigureFileRefusalTest : public ::testing::Test {
 protected:
  // Loads the bytes into a figure that held something before.
  FileStatus LoadBytes(const std::string& bytes) {
    NewFigure(fig, kStandardCapacity);
    fig.StepCount = 4;
    fig.ObjCount[kPoint] = 3;
    fig.Points[1].name.Assign("Z");
    fig.SwapFlag[2] = kTrue;
    shell.ClearLog();
    WriteBytes(path, bytes);
    return FigureFile(fig, shell, path, 'R');
  }

  // Refused with a beep and the message, and nothing of the file or of before is left.
  void ExpectRefused(FileStatus status, const std::string& reason) {
    EXPECT_EQ(status, FileStatus::kRefused);
    EXPECT_EQ(shell.Log(), (std::vector<std::string>{"beep", kPrefix + reason}));
    EXPECT_EQ(fig.capacity, kStandardCapacity);
    EXPECT_EQ(fig.StepCount, 0);
    for (int k = 0; k < kObjCountEntries; ++k) EXPECT_EQ(fig.ObjCount[k], 0) << "count " << k;
    for (int k = 0; k <= fig.StepCapacity(); ++k) EXPECT_EQ(fig.SwapFlag[k], 0) << "step " << k;
    EXPECT_EQ(fig.StepCode[1].Trimmed(), "");
    EXPECT_EQ(fig.StepOut[1][1], ObjRef{});
    EXPECT_EQ(fig.Points[1].name.Trimmed(), "A");
    EXPECT_EQ(fig.Points[1].x, 0);
  }

  TempDir dir;
  std::string path = dir.File("bad.txt");
  Figure fig;
  ScriptedShell shell;
};

TEST_F(FigureFileRefusalTest, TheBaseFileLoads) {
  ASSERT_EQ(LoadBytes(SjisLines(BaseLines())), FileStatus::kDone);
  EXPECT_TRUE(shell.Log().empty());
  EXPECT_EQ(fig.Points[1].y, 2);
}

TEST_F(FigureFileRefusalTest, RefusesAnItemThatIsNotOfItsTypeOrOutsideTheTables) {
  struct Case {
    int line;  // replaced; one past the last line appends
    const char* text;
    const char* reason;
  } cases[] = {
      {1, "61", "1行目: 手続き数が上限(60)を超えています。"},
      {1, "-1", "1行目: 手続き数が負の値です。"},
      {1, "40000", "1行目: 整数が範囲(-32768～32767)を超えています。"},
      {1, "-32769", "1行目: 整数が範囲(-32768～32767)を超えています。"},
      {1, "\"1\"", "1行目: 整数が必要な所に整数でない項目があります。"},
      {1, "1.5", "1行目: 整数が必要な所に整数でない項目があります。"},
      {1, "", "1行目: 整数が必要な所に整数でない項目があります。"},
      {13, "-2", "13行目: 数値の個数が負の値です。"},
      {14, "31", "14行目: 点の個数が上限(30)を超えています。"},
      {15, "32767", "15行目: 直線の個数が上限(30)を超えています。"},
      {16, "99", "16行目: 円の個数が上限(30)を超えています。"},
      {23, "1E+10", "23行目: 整数が範囲(-32768～32767)を超えています。"},
      {3, "4,1", "3行目: 手続き1の入力の参照が正しくありません。"},
      {3, "-1,1", "3行目: 手続き1の入力の参照が正しくありません。"},
      {4, "1,31", "4行目: 手続き1の入力の参照が正しくありません。"},
      {5, "1,-1", "5行目: 手続き1の入力の参照が正しくありません。"},
      {7, "300,0", "7行目: 手続き1の入力の参照が正しくありません。"},
      {8, "100,0", "8行目: 手続き1の出力の参照が正しくありません。"},
      {12, "200,0", "12行目: 手続き1の出力の参照が正しくありません。"},
      {9, "1,40", "9行目: 手続き1の出力の参照が正しくありません。"},
      {24, "1,\"x\"", "24行目: 実数が必要な所に実数でない項目があります。"},
      {24, "NaN,2", "24行目: 実数が必要な所に実数でない項目があります。"},
      {24, "inf,2", "24行目: 実数が必要な所に実数でない項目があります。"},
      {24, "0x10,2", "24行目: 実数が必要な所に実数でない項目があります。"},
      {24, "1,2E", "24行目: 実数が必要な所に実数でない項目があります。"},
      {24, "1E+999,2", "24行目: 数値が大きすぎます。"},
      {24, "1,-1E400", "24行目: 数値が大きすぎます。"},
      {25, "7.5", "25行目: 整数が必要な所に整数でない項目があります。"},
      {25, "\"7\"", "25行目: 整数が必要な所に整数でない項目があります。"},
      {2, "\"PN", "2行目: 引用符が閉じていません。"},
      {2, "PNEW", "2行目: 文字列が必要な所に文字列でない項目があります。"},
      {32, "A", "32行目: 文字列が必要な所に文字列でない項目があります。"},
      {32, "\"A\"x", "32行目: 引用符の後に余分な文字があります。"},
      {33, "REV=61", "33行目: REVの手続き番号が1～60の範囲にありません。"},
      {33, "REV=0", "33行目: REVの手続き番号が1～60の範囲にありません。"},
      {33, "rev=-3", "33行目: REVの手続き番号が1～60の範囲にありません。"},
      {33, "REV=1E+10", "33行目: REVの手続き番号が1～60の範囲にありません。"},
      {33, "REV=abc", "33行目: REVの手続き番号が1～60の範囲にありません。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.line) + ": " + c.text);
    std::vector<std::string> lines = BaseLines();
    if (c.line > static_cast<int>(lines.size())) {
      lines.push_back(c.text);
    } else {
      lines[c.line - 1] = c.text;
    }
    ExpectRefused(LoadBytes(SjisLines(lines)), c.reason);
  }
}

TEST_F(FigureFileRefusalTest, AcceptsWhatTheTablesCanHold) {
  struct Case {
    int line;
    const char* text;
  } cases[] = {
      {3, "100,0"},  // a number still to be chosen
      {3, "200,0"},  // the end of a composite's inputs
      {3, "3,30"},
      {8, "0,0"},
      {17, "-5"},  // counts 4 ... 10 are kept as read
      {23, "32767"},
      {25, "-32768"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.line) + ": " + c.text);
    std::vector<std::string> lines = BaseLines();
    lines[c.line - 1] = c.text;
    EXPECT_EQ(LoadBytes(SjisLines(lines)), FileStatus::kDone);
    EXPECT_TRUE(shell.Log().empty());
  }
}

TEST_F(FigureFileRefusalTest, RefusesATruncatedFileWhereverItEnds) {
  const std::vector<std::string> base = BaseLines();
  for (std::size_t kept = 0; kept < base.size(); ++kept) {
    SCOPED_TRACE(kept);
    const std::vector<std::string> lines(base.begin(), base.begin() + kept);
    ExpectRefused(LoadBytes(SjisLines(lines)),
                  std::to_string(kept + 1) + "行目: ファイルが途中で終わっています。");
  }
  // Inside the last text item, before its closing quote.
  std::vector<std::string> lines = base;
  lines.pop_back();
  ExpectRefused(LoadBytes(SjisLines(lines) + "\"A"), "32行目: ファイルが途中で終わっています。");
}

TEST_F(FigureFileRefusalTest, RefusesBytesThatAreNotShiftJis) {
  std::vector<std::string> head = BaseLines();
  head.pop_back();
  const std::string before = SjisLines(head);
  for (const char* bad : {"\"A\x81\x20\"\r\n", "\"\xFF\"\r\n", "\"A\x81"}) {
    SCOPED_TRACE(bad);
    ExpectRefused(LoadBytes(before + bad), "32行目: Shift-JISとして読めない文字があります。");
  }
}

// When both layouts fail, the message is the one of the layout that read further: a damaged
// current-layout file is told by its own damage, not by the older layout's first misstep.
TEST_F(FigureFileRefusalTest, TellsTheFailureOfTheLayoutThatReadFurther) {
  std::vector<std::string> current = BaseLines();
  current[12] = "1";  // one number, with its flag line, before the point
  current.insert(current.begin() + 23, {"2.5,-1,\"n@\"", "-1"});
  ASSERT_EQ(LoadBytes(SjisLines(current)), FileStatus::kDone);
  current[33] = "\"A";  // the point's name
  ExpectRefused(LoadBytes(SjisLines(current)), "34行目: 引用符が閉じていません。");

  std::vector<std::string> older = BaseLines();
  older[12] = "2";
  older.insert(older.begin() + 23, {"2.5,-1,\"n@\"", "3.5,-1,\"m@\""});
  ASSERT_EQ(LoadBytes(SjisLines(older)), FileStatus::kDone);
  older[26] = "x";  // the point's colour
  ExpectRefused(LoadBytes(SjisLines(older)),
                "27行目: 整数が必要な所に整数でない項目があります。");
}

TEST_F(FigureFileRefusalTest, RefusesAFileThatCannotBeReadAtAll) {
  NewFigure(fig, kStandardCapacity);
  EXPECT_EQ(FigureFile(fig, shell, dir.Path(), 'R'), FileStatus::kRefused);
  EXPECT_EQ(shell.Log(),
            (std::vector<std::string>{"beep", std::string(kPrefix) + "ファイルを開けません。"}));
}

}  // namespace
}  // namespace zm
