#include "text/value_list.h"

#include <algorithm>

#include "figure/fixed_text.h"
#include "text/number_text.h"
#include "view/render.h"
#include "view/viewport.h"

namespace zm {

namespace {

// Independence flags of the numbers the list leaves out: typed-in values and parameters.
constexpr std::int16_t kIndependent = -1;
constexpr std::int16_t kHiddenParameter = 7;

// The list's rows sit this many pixels above the bottom edge, at 1.2 times the font size apart.
constexpr double kBasePixels = 41;
constexpr double kRowPitchPerPoint = 1.2;

constexpr std::int16_t kForeground = 7;   // black
constexpr std::int16_t kBackground = 0;   // light grey

bool Listed(const NumberRec& n) {
  return n.independenceFlag != kIndependent && n.independenceFlag != kHiddenParameter;
}

// A row: "NN:" + the name fitted to the width + " = " + the value. Names are at most 40
// characters of at most 4 bytes.
using RowText = ShortText<256>;

// The name with blanks removed at both ends, cut to `width` characters or filled with blanks.
template <int N>
void AppendFittedName(RowText& out, const FixedText<N>& name, int width) {
  const int end = name.TrimmedLength();
  int first = 0;
  while (first < end && name.At(first) == U' ') ++first;
  int count = 0;
  for (int i = first; i < end && count < width; ++i, ++count) out.AppendCodePoint(name.At(i));
  out.Append(static_cast<std::size_t>(width - count), ' ');
}

void AppendValue(RowText& out, double value, int digits) {
  ValueChars shown;
  AppendFormattedValue(shown, NumberTextChars(value).View(), digits);
  out.Append(shown.View());
}

}  // namespace

void DrawValueList(App& app) {
  const Figure& fig = app.fig;
  const int count = fig.ObjCount[kNumber];
  int listed = 0;
  int width = 0;
  for (int i = 1; i <= count; ++i) {
    if (Listed(fig.Numbers[i])) ++listed;
    width = std::max(width, fig.Numbers[i].name.TrimmedLength());
  }
  if (listed == 0 || ViewIsEmpty(app)) return;

  const double pitch = kRowPitchPerPoint * app.fontSize * app.dp;
  const double base = kBasePixels * app.dp - app.MaxOfY;
  const Rgb foreground = ColorOf(app.shell, kForeground);
  const Rgb background = ColorOf(app.shell, kBackground);
  int row = 0;
  for (int i = 1; i <= count; ++i) {
    const NumberRec& number = fig.Numbers[i];
    if (!Listed(number)) continue;
    ++row;
    // The row's top edge: row 1 on top, the last row one pitch above the base.
    const PixelPoint at = ToPixel(app, {-app.MaxOfX, base + (listed - row + 1) * pitch});
    RowText index;
    index.Append(NumberTextChars(i).View());
    index.Append(":");
    RowText name;
    AppendFittedName(name, number.name, width);
    name.Append(" = ");
    app.surface.Text(at, index.View(), foreground, app.fontSize);
    // Overwrite what the row showed last time in the background colour, then write it afresh.
    const PixelPoint behind{at.x + app.surface.TextWidth(index.View(), app.fontSize), at.y};
    RowText shown = name;
    AppendValue(shown, fig.SnapshotNumbers[i].value, app.ValueDigits);
    app.surface.Text(behind, shown.View(), background, app.fontSize);
    RowText now = index;
    now.Append(name.View());
    AppendValue(now, number.value, app.ValueDigits);
    app.surface.Text(at, now.View(), foreground, app.fontSize);
  }
}

void AppendFormattedValue(ValueChars& out, std::string_view numberText, int digits) {
  const std::size_t point = numberText.find('.');
  if (numberText.find('E') != std::string_view::npos || point == std::string_view::npos) {
    out.Append(numberText);
    return;
  }
  // Cut, never rounded; missing digits show as blanks.
  const std::string_view fraction = numberText.substr(point + 1);
  const std::size_t shown = std::min(fraction.size(), static_cast<std::size_t>(std::max(digits, 0)));
  out.Append(numberText.substr(0, point + 1));
  out.Append(fraction.substr(0, shown));
  out.Append(static_cast<std::size_t>(std::max(digits, 0)) - shown, ' ');
}

std::string FormatValue(std::string_view numberText, int digits) {
  ValueChars out;
  AppendFormattedValue(out, numberText, digits);
  return std::string(out.View());
}

}  // namespace zm
