#include <gtest/gtest.h>

#include "cli/null_surface.h"
#include "cli/scripted_shell.h"
#include "figure/modes.h"

namespace zm {
namespace {

class ModesTest : public ::testing::Test {
 protected:
  // As at start-up: entry 0 is 2 and 2 is pushed.
  void SetUp() override { PushMode(app, kModeStandard); }
  ScriptedShell shell;
  NullSurface surface;
  App app{shell, surface};
};

TEST_F(ModesTest, StartUpStateShowsTheStandardModeAndSurvivesPoppingEverything) {
  EXPECT_EQ(shell.Caption(), "[untitled] Zomeda / Win 0.2.4");
  EXPECT_EQ(shell.Panel(1), "標準");
  EXPECT_EQ(shell.Panel(2), "untitled");
  EXPECT_EQ(shell.Panel(3), "×軌");
  EXPECT_TRUE(shell.Checked("mnuLocusOff"));
  EXPECT_FALSE(shell.Checked("mnuLocusOn"));
  EXPECT_TRUE(shell.Checked("mnuOchrDisp"));
  EXPECT_FALSE(shell.Checked("mnuOAxis"));

  PopMode(app);
  EXPECT_EQ(app.ModeTop, 0);
  EXPECT_EQ(CurrentMode(app), kModeStandard);
  PopMode(app);
  EXPECT_EQ(app.ModeTop, 0);
  EXPECT_EQ(CurrentMode(app), kModeStandard);
  EXPECT_TRUE(shell.Log().empty());
}

TEST_F(ModesTest, PushAndPopShowTheModeBelow) {
  PushMode(app, kModeConstruct);
  PushMode(app, kModeSelectConstruct);
  EXPECT_EQ(shell.Panel(1), "選択(作図中)");
  PushMode(app, -1);
  EXPECT_EQ(shell.Panel(1), "作図構成");
  PopMode(app);
  EXPECT_EQ(shell.Panel(1), "標準");
  EXPECT_EQ(app.ModeStack[2], 0);
}

TEST_F(ModesTest, AFullStackRefusesThePushWithABeep) {
  for (int i = 0; i < 200; ++i) PushMode(app, kModeDeform);
  EXPECT_EQ(app.ModeTop, kModeStackEntries - 1);
  EXPECT_EQ(shell.Log().size(), 200u - (kModeStackEntries - 2));
}

TEST_F(ModesTest, StatusFollowsTheSettingsAndTheFileName) {
  app.LocusSW = kTrue;
  app.NotChrDisp = kTrue;
  app.AxisSW = kTrue;
  app.CurrentFile = "C:\\data\\fig1.txt";
  RefreshStatus(app);
  EXPECT_EQ(shell.Caption(), "[fig1.txt] Zomeda / Win 0.2.4");
  EXPECT_EQ(shell.Panel(2), "fig1.txt");
  EXPECT_EQ(shell.Panel(3), "軌");
  EXPECT_TRUE(shell.Checked("mnuLocusOn"));
  EXPECT_FALSE(shell.Checked("mnuLocusOff"));
  EXPECT_FALSE(shell.Checked("mnuOchrDisp"));
  EXPECT_TRUE(shell.Checked("mnuOAxis"));
}

TEST(ModeName, UnnamedModesBeep) {
  ScriptedShell shell;
  EXPECT_EQ(ModeName(shell, 28), "点の追加");
  EXPECT_EQ(ModeName(shell, 16), "計算中");
  EXPECT_TRUE(shell.Log().empty());
  for (std::int16_t m : {0, 29, -3}) EXPECT_EQ(ModeName(shell, m), "________");
  EXPECT_EQ(shell.Log().size(), 3u);
}

TEST(FileNamePart, SplitsAtTheLastColonOrBackslash) {
  struct Case {
    const char* path;
    const char* name;
    const char* directory;
  } cases[] = {{"C:\\data\\fig1.txt", "fig1.txt", "C:\\data\\"},
               {"untitled", "untitled", ""},
               {"A:fig.txt", "fig.txt", "A:"},
               {"dir\\", "", "dir\\"},
               {"/home/user/図形.txt", "図形.txt", "/home/user/"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(FileNamePart(c.path), c.name);
    EXPECT_EQ(DirectoryPart(c.path), c.directory);
  }
}

}  // namespace
}  // namespace zm
