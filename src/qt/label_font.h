#pragma once
// The font of point labels and the value list: a fixed-pitch face with Japanese glyphs, so that
// the value list's names, padded with blanks to one character count, put their " = " in one
// column. The font size is taken as a pixel size, as the value list's row pitch (1.2 times the
// font size, in pixels) takes it: rows then never overlap, and erasing one row's old text by
// printing it in the background colour leaves the row above intact. The same size on every
// device, window or file.

#include <QFont>

namespace zm {

enum class Smoothing { kAliased, kAntialiased };

QFont LabelFont(int fontSize, Smoothing smoothing);

}  // namespace zm
