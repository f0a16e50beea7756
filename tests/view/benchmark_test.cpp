#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "text/number_text.h"
#include "view/drag.h"
#include "view/drag_scene.h"
#include "window/file_commands.h"

namespace zm {
namespace {

// A shell whose timer gives the times it was handed, one per reading.
class ClockShell : public ScriptedShell {
 public:
  explicit ClockShell(std::vector<double> times) : times_(std::move(times)) {}
  double SecondsSinceMidnight() override { return next_ < times_.size() ? times_[next_++] : times_.back(); }

 private:
  std::vector<double> times_;
  std::size_t next_ = 0;
};

TEST(BenchmarkTest, HundredKeyStepsBringPointOneBackAndPrintTheSecondsTaken) {
  struct Case {
    const char* name;
    bool loadBench60;
    double t0, t1;
    double want;
  };
  const Case cases[] = {
      {"the sixty-step figure", true, 100, 101.5, 1.5},
      {"across midnight", true, 86399.5, 0.25, 0.75},
      {"a figure without points still runs on entry 1", false, 10, 10.125, 0.125},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClockShell shell({c.t0, c.t1});
    RecordingSurface surface;
    App app{shell, surface};
    SetScreen(app);
    if (c.loadBench60) {
      ASSERT_EQ(LoadFigure(app, ZM_SOURCE_DIR "/tests/fixtures/bench60.txt"), FileStatus::kDone);
      ASSERT_EQ(app.fig.StepCount, 60);
    }
    Redraw(app);
    const PointRec start = app.fig.Points[1];
    surface.Forget();

    const double seconds = Benchmark(app);

    EXPECT_DOUBLE_EQ(seconds, c.want);
    EXPECT_EQ(app.MovingPoint, 1);
    EXPECT_NEAR(app.fig.Points[1].x, start.x, 1e-9);
    EXPECT_NEAR(app.fig.Points[1].y, start.y, 1e-9);
    EXPECT_EQ(CurrentMode(app), kModeStandard) << "the benchmark leaves the mode alone";
    const PixelPoint at = ToPixel(app, {10, 8});
    int printed = 0;
    for (const Drawn& d : surface.Calls())
      if (d.kind == Drawn::Kind::kText && Near(d.a, at)) ++printed;
    EXPECT_EQ(printed, 1);
    const Drawn& last = surface.Calls().back();
    EXPECT_EQ(last.kind, Drawn::Kind::kText);
    EXPECT_EQ(last.text, NumberText(c.want));
    EXPECT_EQ(last.colour, kBlackRgb);
    EXPECT_EQ(last.fontSize, app.fontSize);
  }
}

}  // namespace
}  // namespace zm
