#pragma once
// The construction file: the whole figure saved to and loaded from one Shift-JIS text file.

#include <string>

#include "figure/figure.h"
#include "platform/alerts.h"

namespace zm {

enum class FileStatus {
  kDone,
  kMissing,      // the file to read does not exist: the figure is left empty
  kRefused,      // the file cannot be read or does not hold a usable figure: left empty
  kReadOnly,     // the file to replace may not be written: it is left as it was
  kWriteFailed,  // any other failure to save: the previous file is left as it was
};

// Rebuilds the labels, then writes the figure to `path`.
FileStatus WriteFigureFile(Figure& fig, Alerts& alerts, const std::string& path);

// Empties the figure to the standard capacity, reads `path` into it and rebuilds the labels.
// A file that cannot be used leaves the emptied figure, never a half-read one.
FileStatus ReadFigureFile(Figure& fig, Alerts& alerts, const std::string& path);

// Mode 'W' writes, 'R' reads the file named by currentFile; any other mode does nothing and
// gives kRefused. Every failure beeps first; the file's problem is told in a message box (a
// missing file to read only beeps).
FileStatus FigureFile(Figure& fig, Alerts& alerts, const std::string& currentFile, char mode);

}  // namespace zm
