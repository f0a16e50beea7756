#include "view/locus.h"

#include <gtest/gtest.h>

#include "view/drag.h"
#include "view/drag_scene.h"

namespace zm {
namespace {

constexpr Rgb kDarkRed{128, 0, 0};    // colour code 4
constexpr Rgb kDarkGreen{0, 128, 0};  // colour code 2

TEST(LocusTest, ADragStoresAndRedrawsTracesOnlyWithTheSwitchOnAndALocusColour) {
  struct Case {
    const char* name;
    bool locusOn;
    std::int16_t locusColour;  // of the moving point and of the segment
    int wantPoints;            // the moving point at its old and at its new place
    int wantLines;             // the segment at its old place
  };
  const Case cases[] = {
      {"switch on, locus colour 4", true, 4, 2, 1},
      {"switch off", false, 4, 0, 0},
      {"switch on, locus colour 0", true, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DragScene scene;
    const ObjRef a = scene.FreePoint(0, 0);
    const ObjRef b = scene.FreePoint(2, 0);
    const ObjRef segment = scene.Line(a, b, 1);
    scene.Point(a).locusColour = c.locusColour;
    scene.app.fig.Lines[segment.index].locusColour = c.locusColour == 0 ? 0 : 2;
    scene.app.LocusSW = Bool16(c.locusOn);
    scene.StartDeformation(a);

    DragTo(scene.app, 1, 1);

    const LocusTables& loci = scene.app.fig.loci;
    ASSERT_EQ(loci.LocusCount[kPoint], c.wantPoints);
    ASSERT_EQ(loci.LocusCount[kLine], c.wantLines);
    EXPECT_EQ(loci.LocusCount[kCircle], 0);
    if (c.wantPoints > 0) {
      EXPECT_EQ(loci.LocusPoints[1].x, 0) << "stored at its old place first";
      EXPECT_EQ(loci.LocusPoints[2].x, 1) << "then at its new place";
      EXPECT_EQ(loci.LocusPoints[1].colour, 4) << "a stored trace carries its locus colour";
      EXPECT_EQ(loci.LocusLines[1].end1.x, 0);
      EXPECT_EQ(loci.LocusLines[1].colour, 2);
    }

    scene.surface.Forget();
    Redraw(scene.app);
    EXPECT_EQ(scene.Count(PixelAt(scene.Px(0, 0), kDarkRed)), c.wantPoints > 0 ? 1 : 0);
    EXPECT_EQ(scene.Count(PixelAt(scene.Px(1, 1), kDarkRed)), c.wantPoints > 0 ? 1 : 0);
    EXPECT_EQ(scene.Count(LineFrom(scene.Px(0, 0), scene.Px(2, 0), kDarkGreen)), c.wantLines);
  }
}

TEST(LocusTest, AnObjectLeftOutByTheMarkingIsNeitherErasedNorTraced) {
  struct Case {
    const char* name;
    std::int16_t check;
    bool locusOn;
    int wantTraced;  // drawn in its locus colour during the step
    int wantErased;  // drawn in the background colour during the step
  };
  const Case cases[] = {
      {"unaffected (check 2), switch on", kUnaffected, true, 0, 0},
      {"unaffected (check 2), switch off", kUnaffected, false, 0, 0},
      {"valid, switch on", kValid, true, 1, 0},
      {"valid, switch off", kValid, false, 0, 1},
  };
  constexpr Rgb kPurple{128, 0, 128};  // colour code 5
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DragScene scene;
    const ObjRef a = scene.FreePoint(0, 0);
    // A circle that no step makes, with the check state a file may bring in.
    const std::int16_t index = ++scene.app.fig.ObjCount[kCircle];
    CircleRec& circle = scene.app.fig.Circles[index];
    circle.centre = {5, 5};
    circle.radius = 1;
    circle.locusColour = 5;
    scene.app.LocusSW = Bool16(c.locusOn);
    scene.StartDeformation(a);
    circle.check = c.check;

    DragTo(scene.app, 1, 1);

    const double radius = ToPixelLength(scene.app, 1);
    EXPECT_EQ(scene.Count(CircleAt(scene.Px(5, 5), radius, kPurple)), c.wantTraced);
    EXPECT_EQ(scene.Count(CircleAt(scene.Px(5, 5), radius, kGrey)), c.wantErased);
    EXPECT_EQ(scene.Count(CircleAt(scene.Px(5, 5), radius, kBlackRgb)), 1) << "drawn at its place as always";
    EXPECT_EQ(scene.app.fig.loci.LocusCount[kCircle], c.wantTraced);
  }
}

class LocusTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    p = scene.FreePoint(3, 4);
    scene.Point(p).locusColour = 9;
    scene.app.LocusSW = kTrue;
  }

  DragScene scene;
  ObjRef p;
  LocusTables& loci = scene.app.fig.loci;
};

TEST_F(LocusTableTest, TheTwoHundredAndFirstRecordGrowsTheTableByFiftyKeepingItsContents) {
  loci.LocusCount[kPoint] = 200;
  loci.LocusPoints[200].x = 7;

  TraceObject(scene.app, p);

  EXPECT_EQ(loci.LocusCount[kPoint], 201);
  EXPECT_EQ(loci.LocusPoints.size(), 251u);
  EXPECT_EQ(loci.LocusPoints[200].x, 7);
  EXPECT_EQ(loci.LocusPoints[201].x, 3);
  EXPECT_EQ(loci.LocusPoints[201].colour, 9);
}

TEST_F(LocusTableTest, RecordingOfAKindStopsAtItsLargestCount) {
  loci.LocusCount[kPoint] = kMaxLocusRecords - 1;

  TraceObject(scene.app, p);
  ASSERT_EQ(loci.LocusCount[kPoint], kMaxLocusRecords);
  const std::size_t size = loci.LocusPoints.size();
  EXPECT_GT(size, static_cast<std::size_t>(kMaxLocusRecords));
  EXPECT_EQ((size - 201) % 50, 0u) << "the table grows by whole blocks of 50";
  EXPECT_EQ(loci.LocusPoints[kMaxLocusRecords].x, 3);

  scene.Point(p).x = 8;
  TraceObject(scene.app, p);
  EXPECT_EQ(loci.LocusCount[kPoint], kMaxLocusRecords);
  EXPECT_EQ(loci.LocusPoints.size(), size);
  EXPECT_EQ(loci.LocusPoints[kMaxLocusRecords].x, 3);
  EXPECT_EQ(loci.LocusCount[kLine], 0) << "the other kinds still record";
}

TEST_F(LocusTableTest, DrawTracesDrawsPointsThenLinesThenCirclesWithoutLabels) {
  CircleRec circle;
  circle.centre = {1, 1};
  circle.radius = 2;
  circle.check = kValid;
  circle.colour = 4;
  LineRec line;
  line.end1 = {0, 0};
  line.end2 = {1, 0};
  line.direction = {1, 0};
  line.kind = 1;
  line.check = kValid;
  line.colour = 4;
  PointRec point;
  point.x = 2;
  point.y = 3;
  point.check = kValid;
  point.colour = 4;
  PointRec gone = point;
  gone.check = kInvalid;
  loci.LocusCircles[1] = circle;
  loci.LocusLines[1] = line;
  loci.LocusPoints[1] = gone;
  loci.LocusPoints[2] = point;
  loci.LocusCount[kCircle] = 1;
  loci.LocusCount[kLine] = 1;
  loci.LocusCount[kPoint] = 2;

  DrawTraces(scene.app);

  const std::vector<Drawn>& calls = scene.surface.Calls();
  ASSERT_EQ(calls.size(), 3u) << "a stored record that was invalid is not drawn; no labels";
  EXPECT_TRUE(PixelAt(scene.Px(2, 3), kDarkRed)(calls[0]));
  EXPECT_TRUE(LineFrom(scene.Px(0, 0), scene.Px(1, 0), kDarkRed)(calls[1]));
  EXPECT_TRUE(CircleAt(scene.Px(1, 1), ToPixelLength(scene.app, 2), kDarkRed)(calls[2]));
}

}  // namespace
}  // namespace zm
