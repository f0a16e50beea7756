#include "qt/painter_surface.h"

#include <QFontMetricsF>
#include <QPen>
#include <QString>
#include <algorithm>
#include <cmath>

#include "qt/label_font.h"

namespace zm {

namespace {

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

QPen ToQPen(Rgb colour, Pen pen) {
  QPen qpen(ToQColor(colour), std::max(pen.width, 1));
  qpen.setStyle(pen.style == LineStyle::kDotted ? Qt::DotLine : Qt::SolidLine);
  return qpen;
}

bool Finite(PixelPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The pixels from corner 1's to corner 2's, both included, in painter units.
QRectF PixelArea(PixelPoint corner1, PixelPoint corner2) {
  const double x0 = std::floor(std::min(corner1.x, corner2.x) + 0.5);
  const double y0 = std::floor(std::min(corner1.y, corner2.y) + 0.5);
  const double x1 = std::floor(std::max(corner1.x, corner2.x) + 0.5);
  const double y1 = std::floor(std::max(corner1.y, corner2.y) + 0.5);
  return QRectF(QPointF(x0 - 0.5, y0 - 0.5), QPointF(x1 + 0.5, y1 + 0.5));
}

}  // namespace

PainterSurface::PainterSurface(QPainter& painter, PixelSize size) : painter_(painter), size_(size) {
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.setRenderHint(QPainter::TextAntialiasing);
  // Pixel centres at whole numbers: a 1-pixel line on a pixel row stays sharp.
  painter_.translate(0.5, 0.5);
}

void PainterSurface::Clear(Rgb background) {
  painter_.fillRect(QRectF(-0.5, -0.5, size_.width, size_.height), ToQColor(background));
}

void PainterSurface::Line(PixelPoint from, PixelPoint to, Rgb colour, Pen pen) {
  if (!Finite(from) || !Finite(to)) return;
  painter_.setPen(ToQPen(colour, pen));
  painter_.drawLine(QLineF(from.x, from.y, to.x, to.y));
}

void PainterSurface::Box(PixelPoint corner1, PixelPoint corner2, Rgb colour, Pen pen) {
  if (!Finite(corner1) || !Finite(corner2)) return;
  painter_.setPen(ToQPen(colour, pen));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(QRectF(QPointF(corner1.x, corner1.y), QPointF(corner2.x, corner2.y)).normalized());
}

void PainterSurface::FilledBox(PixelPoint corner1, PixelPoint corner2, Rgb colour) {
  if (!Finite(corner1) || !Finite(corner2)) return;
  painter_.fillRect(PixelArea(corner1, corner2), ToQColor(colour));
}

// Circles are drawn solid whatever the pen's style, as in the window.
void PainterSurface::Circle(PixelPoint centre, double radius, Rgb colour, Pen pen) {
  if (!Finite(centre) || !std::isfinite(radius) || radius < 0) return;
  painter_.setPen(ToQPen(colour, {pen.width, LineStyle::kSolid}));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawEllipse(QPointF(centre.x, centre.y), radius, radius);
}

void PainterSurface::Pixel(PixelPoint at, Rgb colour) {
  if (Finite(at)) painter_.fillRect(PixelArea(at, at), ToQColor(colour));
}

void PainterSurface::Text(PixelPoint at, std::string_view utf8, Rgb colour, int fontSize) {
  if (!Finite(at)) return;
  const QFont font = LabelFont(fontSize, Smoothing::kAntialiased);
  painter_.setFont(font);
  painter_.setPen(ToQColor(colour));
  painter_.drawText(QPointF(at.x, at.y + QFontMetricsF(font).ascent()), ToQString(utf8));
}

double PainterSurface::TextWidth(std::string_view utf8, int fontSize) const {
  return QFontMetricsF(LabelFont(fontSize, Smoothing::kAntialiased)).horizontalAdvance(ToQString(utf8));
}

}  // namespace zm
