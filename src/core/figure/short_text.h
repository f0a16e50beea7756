#pragma once
// A text of bounded length built in a fixed array: the texts that every drag step prints (value
// list rows, labels) are put together without touching the heap. What does not fit is cut.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace zm {

template <std::size_t N>
class ShortText {
 public:
  void Append(std::string_view text) {
    const std::size_t n = std::min(text.size(), N - size_);
    std::copy_n(text.data(), n, chars_.data() + size_);
    size_ += n;
  }

  void Append(std::size_t count, char c) {
    const std::size_t n = std::min(count, N - size_);
    std::fill_n(chars_.data() + size_, n, c);
    size_ += n;
  }

  // Appends the UTF-8 form of one code point, or nothing when it would not fit whole.
  void AppendCodePoint(char32_t cp) {
    char bytes[4];
    std::size_t n = 0;
    if (cp < 0x80) {
      bytes[n++] = static_cast<char>(cp);
    } else if (cp < 0x800) {
      bytes[n++] = static_cast<char>(0xC0 | (cp >> 6));
      bytes[n++] = static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      bytes[n++] = static_cast<char>(0xE0 | (cp >> 12));
      bytes[n++] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      bytes[n++] = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      bytes[n++] = static_cast<char>(0xF0 | (cp >> 18));
      bytes[n++] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      bytes[n++] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      bytes[n++] = static_cast<char>(0x80 | (cp & 0x3F));
    }
    if (size_ + n <= N) Append(std::string_view(bytes, n));
  }

  std::string_view View() const { return {chars_.data(), size_}; }
  std::size_t Size() const { return size_; }

 private:
  std::array<char, N> chars_;
  std::size_t size_ = 0;
};

}  // namespace zm
