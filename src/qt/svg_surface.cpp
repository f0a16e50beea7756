#include "qt/svg_surface.h"

#include <fstream>

namespace zm {

namespace {

QSvgGenerator& Prepare(QSvgGenerator& generator, QBuffer& buffer, PixelSize size) {
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(size.width, size.height));
  generator.setViewBox(QRect(0, 0, size.width, size.height));
  // Font sizes are pixel sizes (qt/label_font.h); the document's unit is the pixel as well.
  generator.setResolution(96);
  generator.setTitle(QStringLiteral("zomeda"));
  return generator;
}

}  // namespace

SvgSurface::SvgSurface(PixelSize size)
    : buffer_(&document_),
      painter_(&Prepare(generator_, buffer_, size)),
      painted_(painter_, size) {}

bool SvgSurface::Save(const std::string& path) {
  if (painter_.isActive()) painter_.end();
  std::ofstream out(path, std::ios::binary);
  out.write(document_.constData(), document_.size());
  out.close();
  return static_cast<bool>(out);
}

}  // namespace zm
