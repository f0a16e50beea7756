#include "figure/fixed_text.h"

#include "figure/short_text.h"

namespace zm {

namespace {
constexpr char32_t kReplacement = 0xFFFD;

int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}
}  // namespace

char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const int length = SequenceLength(lead);
  if (length == 1) {
    ++pos;
    return lead;
  }
  if (length == 0 || pos + length > text.size()) {
    ++pos;
    return kReplacement;
  }
  char32_t cp = lead & (0xFF >> (length + 1));
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return kReplacement;
    }
    cp = (cp << 6) | (next & 0x3F);
  }
  const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
  const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
  if (overlong || surrogate || cp > 0x10FFFF) {
    ++pos;
    return kReplacement;
  }
  pos += length;
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
  ShortText<4> bytes;
  bytes.AppendCodePoint(cp);
  out += bytes.View();
}

std::size_t CharCount(std::string_view utf8) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < utf8.size(); ++count) NextCodePoint(utf8, pos);
  return count;
}

}  // namespace zm
