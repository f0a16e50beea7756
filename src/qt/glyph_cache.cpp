#include "qt/glyph_cache.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cmath>

#include "qt/label_font.h"

namespace zm {

namespace {

// Paints the character white on black, aliased, with the top of the text line at row 0 and
// room for parts that reach left of the pen position or below the line.
Glyph RenderGlyph(char32_t codePoint, int fontSize) {
  const QFont font = LabelFont(fontSize, Smoothing::kAliased);
  const QFontMetricsF metrics(font);
  const QString text = QString::fromUcs4(&codePoint, 1);
  Glyph glyph;
  glyph.advance = metrics.horizontalAdvance(text);
  const int margin = font.pixelSize();
  QImage image(static_cast<int>(std::ceil(glyph.advance)) + 2 * margin,
               static_cast<int>(std::ceil(metrics.height())) + margin, QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QPointF(margin, metrics.ascent()), text);
  }
  for (int row = 0; row < image.height(); ++row) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
    for (int x = 0; x < image.width();) {
      if (qRed(line[x]) < 128) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < image.width() && qRed(line[x]) >= 128) ++x;
      glyph.spans.push_back({row, start - margin, x - 1 - margin});
    }
  }
  return glyph;
}

}  // namespace

const Glyph& GlyphCache::Get(char32_t codePoint, int fontSize) {
  const std::uint64_t key = (std::uint64_t{static_cast<std::uint32_t>(fontSize)} << 32) | codePoint;
  if (const auto found = glyphs_.find(key); found != glyphs_.end()) return found->second;
  if (glyphs_.size() >= kMaxGlyphs) glyphs_.clear();
  return glyphs_.emplace(key, RenderGlyph(codePoint, fontSize)).first->second;
}

}  // namespace zm
