// The window's picture through a whole drag: every step erases the figure by drawing it again
// in the background colour and draws it anew without clearing, so moving a point away and back
// must give back exactly the picture of the full redraw, pixel for pixel.

#include <gtest/gtest.h>

#include "cli/scripted_shell.h"
#include "figure/modes.h"
#include "qt/gui_session.h"
#include "qt/raster_surface.h"
#include "view/drag.h"
#include "view/render.h"
#include "view/viewport.h"
#include "window/file_commands.h"

namespace zm {
namespace {

int CountDiffering(const QImage& a, const QImage& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  return n;
}

TEST(DragPictureTest, MovingAPointAwayAndBackLeavesNoTrace) {
  GuiSession gui;
  RasterSurface surface({640, 480});
  ScriptedShell shell;
  App app(shell, surface);
  SetScreen(app);
  PushMode(app, kModeStandard);
  ASSERT_EQ(LoadFigure(app, ZM_SOURCE_DIR "/tests/fixtures/bench60.txt"), FileStatus::kDone);
  Redraw(app);
  const QImage redrawn = surface.Image().copy();

  app.MovingPoint = 1;
  for (int key : {kKeyRight, kKeyRight, kKeyUp, kKeyUp, kKeyRight}) KeyMove(app, key);
  EXPECT_GT(CountDiffering(surface.Image(), redrawn), 1000) << "the figure has moved";
  for (int key : {kKeyLeft, kKeyDown, kKeyDown, kKeyLeft, kKeyLeft}) KeyMove(app, key);
  EXPECT_EQ(CountDiffering(surface.Image(), redrawn), 0);
}

}  // namespace
}  // namespace zm
