#include "qt/label_font.h"

#include <QStringList>
#include <algorithm>

namespace zm {

QFont LabelFont(int fontSize, Smoothing smoothing) {
  QFont font;
  font.setFamilies({QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("Noto Sans CJK JP")});
  font.setStyleHint(QFont::Monospace);
  font.setPixelSize(std::max(fontSize, 1));
  // Aliased text can be erased by printing it again in the background colour.
  font.setStyleStrategy(smoothing == Smoothing::kAliased ? QFont::NoAntialias
                                                         : QFont::PreferAntialias);
  return font;
}

}  // namespace zm
