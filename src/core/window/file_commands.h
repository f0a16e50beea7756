#pragma once
// What the load and save commands do once the file dialog has returned a path.

#include <string>

#include "text/figure_file.h"
#include "figure/app.h"

namespace zm {

// CurrentFile := path; the reader empties the figure to the standard capacity, reads the file
// (leaving the emptied figure when it cannot be used) and rebuilds the labels; then the steps
// are recomputed as a full redraw does and the snapshot is taken.
FileStatus LoadFigure(App& app, const std::string& path);

// CurrentFile := path; labels are rebuilt and the figure is written.
FileStatus SaveFigure(App& app, const std::string& path);

}  // namespace zm
