#include "window/file_commands.h"

#include "figure/recompute.h"
#include "view/snapshot.h"

namespace zm {

FileStatus LoadFigure(App& app, const std::string& path) {
  app.CurrentFile = path;
  const FileStatus status = FigureFile(app.fig, app.shell, app.CurrentFile, 'R');
  RecomputeFromScratch(app.fig, app.shell);
  TakeSnapshot(app.fig);
  return status;
}

FileStatus SaveFigure(App& app, const std::string& path) {
  app.CurrentFile = path;
  return FigureFile(app.fig, app.shell, app.CurrentFile, 'W');
}

}  // namespace zm
