#include "text/sjis.h"

#include <cerrno>
#include <iconv.h>

#include "figure/fixed_text.h"

namespace zm {

namespace {

// The strict SHIFT_JIS table lacks characters the program writes (such as "－" and "∠"), so
// the conversion uses the Windows code page table.
constexpr const char* kCodePage = "CP932";

// One iconv conversion descriptor, closed when it goes out of scope.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (Ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  enum class Stop { kDone, kBadInput, kCutOff };

  // Converts as much of `in` as it can, appending to `out`; `in` is left at the first
  // character that could not be converted.
  Stop Convert(std::string_view& in, std::string& out) {
    char buffer[1024];
    while (!in.empty()) {
      char* src = const_cast<char*>(in.data());  // iconv does not write through its input
      std::size_t srcLeft = in.size();
      char* dst = buffer;
      std::size_t dstLeft = sizeof buffer;
      const std::size_t result = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      const int error = errno;
      out.append(buffer, static_cast<std::size_t>(dst - buffer));
      in.remove_prefix(in.size() - srcLeft);
      if (result != static_cast<std::size_t>(-1)) continue;
      if (error == E2BIG) continue;
      return error == EINVAL ? Stop::kCutOff : Stop::kBadInput;
    }
    return Stop::kDone;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::optional<std::string> DecodeSjis(std::string_view bytes, std::size_t* badOffset) {
  Converter converter("UTF-8", kCodePage);
  std::string_view in = bytes;
  std::string out;
  const bool done = converter.Ok() && converter.Convert(in, out) == Converter::Stop::kDone;
  if (done) return out;
  if (badOffset != nullptr) *badOffset = bytes.size() - in.size();
  return std::nullopt;
}

std::string EncodeSjis(std::string_view utf8) {
  Converter converter(kCodePage, "UTF-8");
  std::string out;
  std::string_view in = utf8;
  while (!in.empty()) {
    if (converter.Ok() && converter.Convert(in, out) == Converter::Stop::kDone) break;
    // Replace the one character that the code page lacks (or that is not UTF-8) and go on.
    out += '?';
    std::size_t next = 0;
    NextCodePoint(in, next);
    in.remove_prefix(next);
  }
  return out;
}

}  // namespace zm
