#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli/cli_run.h"
#include "qt/gui_session.h"

namespace zm {
namespace {

namespace fs = std::filesystem;

const std::string kBench60 = std::string(ZM_SOURCE_DIR) + "/tests/fixtures/bench60.txt";

class RenderCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("zm-render-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  fs::path dir;
};

TEST_F(RenderCliTest, PngHasTheAskedSizeAndShowsTheFigureOnTheBackground) {
  struct Case {
    std::vector<std::string> size;
    int width, height;
  };
  for (const Case& c : {Case{{}, 640, 480}, Case{{"--size", "320x200"}, 320, 200}}) {
    SCOPED_TRACE(c.width);
    std::vector<std::string> args = {"render", kBench60, Path("figure.png")};
    args.insert(args.end(), c.size.begin(), c.size.end());
    const CliRun run = Cli(args);
    ASSERT_EQ(run.status, kExitDone) << run.err;
    EXPECT_TRUE(run.out.empty());
    // Reading the picture back needs the application for the image plugins as well.
    GuiSession gui;
    const QImage picture(QString::fromStdString(Path("figure.png")));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), c.width);
    EXPECT_EQ(picture.height(), c.height);
    EXPECT_EQ(picture.pixel(c.width - 1, 0), qRgb(192, 192, 192));
    int dark = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) dark += qGray(picture.pixel(x, y)) < 64;
    EXPECT_GT(dark, 500) << "lines, circles and labels in black";
  }
}

TEST_F(RenderCliTest, SvgIsADocumentOfTheClientSizeWithTheLabels) {
  const CliRun run = Cli({"render", kBench60, Path("figure.svg"), "--size", "400x300"});
  ASSERT_EQ(run.status, kExitDone) << run.err;
  const std::string svg = ReadBytes(Path("figure.svg"));
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("viewBox=\"0 0 400 300\""), std::string::npos);
  EXPECT_NE(svg.find(">A</text>"), std::string::npos);
  EXPECT_NE(svg.find("</svg>"), std::string::npos);
}

TEST_F(RenderCliTest, WrongUsageExitsTwoAndWritesNothing) {
  const std::string png = Path("out.png");
  const std::vector<std::vector<std::string>> cases = {
      {"render", kBench60, Path("out.bmp")},
      {"render", kBench60, Path("out")},
      {"render", kBench60},
      {"render", kBench60, png, "--size"},
      {"render", kBench60, png, "--size", "640"},
      {"render", kBench60, png, "--size", "0x480"},
      {"render", kBench60, png, "--size", "640x-1"},
      {"render", kBench60, png, "--size", "64ox480"},
      {"render", kBench60, png, "--size", "100000x480"},
      {"render", kBench60, png, "--width", "640x480"},
      {"render", kBench60, png, "640x480", "--size"},
      {"bench"},
      {"bench", kBench60, "--size", "x"},
      {"bench", kBench60, "extra"},
      {"report", kBench60, "--size", "640x480"},
  };
  for (const auto& args : cases) {
    std::string line;
    for (const auto& a : args) line += a + " ";
    SCOPED_TRACE(line);
    const CliRun run = Cli(args);
    EXPECT_EQ(run.status, kExitUsage);
    EXPECT_NE(run.err.find("usage: zomeda-cli"), std::string::npos);
    EXPECT_TRUE(run.out.empty());
  }
  EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(RenderCliTest, UnusableInputOrPlaceExitsOne) {
  struct Case {
    std::string name;
    std::vector<std::string> args;
    std::string says;
  };
  const std::string missing = Path("missing.txt");
  const std::string noFolder = Path("no/such/folder/out.png");
  for (const Case& c : {
           Case{"missing figure, png", {"render", missing, Path("out.png")}, missing},
           Case{"missing figure, svg", {"render", missing, Path("out.svg")}, missing},
           Case{"missing figure, bench", {"bench", missing}, missing},
           Case{"picture cannot be written", {"render", kBench60, noFolder}, noFolder},
           Case{"svg cannot be written", {"render", kBench60, Path("no/such/out.svg")}, "out.svg"},
       }) {
    SCOPED_TRACE(c.name);
    const CliRun run = Cli(c.args);
    EXPECT_EQ(run.status, kExitUnusable);
    EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
  EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(RenderCliTest, BenchPrintsItsTwoLines) {
  for (const std::vector<std::string>& size : {std::vector<std::string>{}, {"--size", "320x240"}}) {
    std::vector<std::string> args = {"bench", kBench60};
    args.insert(args.end(), size.begin(), size.end());
    const CliRun run = Cli(args);
    ASSERT_EQ(run.status, kExitDone) << run.err;
    EXPECT_TRUE(std::regex_match(run.out, std::regex("bench: 100 steps in [0-9]+\\.[0-9]{3} ms\n"
                                                     "per_step_us: [0-9]+\\.[0-9]\n")))
        << run.out;
  }
}

}  // namespace
}  // namespace zm
