#include "cli/recording_surface.h"

#include <cstdio>

#include "figure/fixed_text.h"

namespace zm {

namespace {

std::string Number(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.6g", v);
  return buffer;
}

std::string PointText(PixelPoint p) { return Number(p.x) + "," + Number(p.y); }

std::string ColourText(Rgb c) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.r, c.g, c.b);
  return buffer;
}

std::string PenText(Pen pen) {
  return "w" + std::to_string(pen.width) + (pen.style == LineStyle::kDotted ? " dotted" : " solid");
}

}  // namespace

std::string Drawn::ToString() const {
  switch (kind) {
    case Kind::kClear: return "clear " + ColourText(colour);
    case Kind::kLine:
      return "line " + PointText(a) + " " + PointText(b) + " " + ColourText(colour) + " " + PenText(pen);
    case Kind::kBox:
      return "box " + PointText(a) + " " + PointText(b) + " " + ColourText(colour) + " " + PenText(pen);
    case Kind::kFilledBox: return "fill " + PointText(a) + " " + PointText(b) + " " + ColourText(colour);
    case Kind::kCircle:
      return "circle " + PointText(a) + " r" + Number(radius) + " " + ColourText(colour) + " " + PenText(pen);
    case Kind::kPixel: return "pixel " + PointText(a) + " " + ColourText(colour);
    case Kind::kText:
      return "text " + PointText(a) + " " + ColourText(colour) + " " + std::to_string(fontSize) + " " + text;
  }
  return {};
}

void RecordingSurface::Clear(Rgb background) { calls_.push_back({Drawn::Kind::kClear, {}, {}, 0, background, {}, {}, 0}); }

void RecordingSurface::Line(PixelPoint from, PixelPoint to, Rgb colour, Pen pen) {
  calls_.push_back({Drawn::Kind::kLine, from, to, 0, colour, pen, {}, 0});
}

void RecordingSurface::Box(PixelPoint corner1, PixelPoint corner2, Rgb colour, Pen pen) {
  calls_.push_back({Drawn::Kind::kBox, corner1, corner2, 0, colour, pen, {}, 0});
}

void RecordingSurface::FilledBox(PixelPoint corner1, PixelPoint corner2, Rgb colour) {
  calls_.push_back({Drawn::Kind::kFilledBox, corner1, corner2, 0, colour, {}, {}, 0});
}

void RecordingSurface::Circle(PixelPoint centre, double radius, Rgb colour, Pen pen) {
  calls_.push_back({Drawn::Kind::kCircle, centre, {}, radius, colour, pen, {}, 0});
}

void RecordingSurface::Pixel(PixelPoint at, Rgb colour) {
  calls_.push_back({Drawn::Kind::kPixel, at, {}, 0, colour, {}, {}, 0});
}

void RecordingSurface::Text(PixelPoint at, std::string_view utf8, Rgb colour, int fontSize) {
  calls_.push_back({Drawn::Kind::kText, at, {}, 0, colour, {}, std::string(utf8), fontSize});
}

double RecordingSurface::TextWidth(std::string_view utf8, int fontSize) const {
  return static_cast<double>(CharCount(utf8)) * fontSize / 2.0;
}

std::vector<std::string> RecordingSurface::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(calls_.size());
  for (const Drawn& call : calls_) lines.push_back(call.ToString());
  return lines;
}

}  // namespace zm
