#pragma once
// Fixed-width texts of the figure's records: names, formulas and procedure codes are stored
// blank-padded to a width counted in characters (code points), never in bytes, so that a
// Japanese name of ten characters fits a ten-character field. The storage is a plain array,
// which keeps every record trivially copyable (the snapshot tables are copied on every drag step).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zm {

// Reads the code point that starts at `pos` and advances `pos` past it. Malformed UTF-8 gives
// U+FFFD and advances by one byte, so a loop over any byte string always ends.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);
void AppendUtf8(std::string& out, char32_t cp);
std::size_t CharCount(std::string_view utf8);

template <int N>
class FixedText {
 public:
  static constexpr int kWidth = N;

  FixedText() { chars_.fill(U' '); }

  // Places the text left-aligned, cut at N characters or filled with blanks.
  void Assign(std::string_view utf8) {
    std::size_t pos = 0;
    int i = 0;
    for (; i < N && pos < utf8.size(); ++i) chars_[i] = NextCodePoint(utf8, pos);
    for (; i < N; ++i) chars_[i] = U' ';
  }

  // Length without the trailing blanks.
  int TrimmedLength() const {
    int n = N;
    while (n > 0 && chars_[n - 1] == U' ') --n;
    return n;
  }

  std::string Trimmed() const { return Encode(TrimmedLength()); }
  std::string Padded() const { return Encode(N); }
  char32_t At(int i) const { return chars_[i]; }

  friend bool operator==(const FixedText&, const FixedText&) = default;

 private:
  std::string Encode(int count) const {
    std::string out;
    for (int i = 0; i < count; ++i) AppendUtf8(out, chars_[i]);
    return out;
  }

  std::array<char32_t, N> chars_;
};

// A procedure code ("PC1", "L4", "ND2P") packed into one integer for fast comparison in the
// recomputation loop: up to five ASCII characters, trailing blanks removed.
constexpr std::uint64_t PackCode(std::string_view code) {
  std::uint64_t packed = 0;
  for (char c : code) packed = (packed << 8) | static_cast<unsigned char>(c);
  return packed;
}

// A packed value that no table entry has: the code holds a character outside ASCII.
inline constexpr std::uint64_t kUnpackableCode = ~std::uint64_t{0};

// A procedure code keeps its packed form and its first letter from the moment it is assigned:
// the recomputation loop dispatches on them for every step of every pass.
class ProcCode : public FixedText<5> {
 public:
  void Assign(std::string_view utf8) {
    FixedText<5>::Assign(utf8);
    packed_ = Pack();
    firstLetter_ = FindFirstLetter();
  }

  std::uint64_t Packed() const { return packed_; }
  // First character after leading blanks, 0 for an empty code.
  char32_t FirstLetter() const { return firstLetter_; }

 private:
  std::uint64_t Pack() const {
    std::uint64_t packed = 0;
    for (int i = 0, n = TrimmedLength(); i < n; ++i) {
      if (At(i) > 0x7F) return kUnpackableCode;
      packed = (packed << 8) | At(i);
    }
    return packed;
  }
  char32_t FindFirstLetter() const {
    for (int i = 0; i < kWidth; ++i)
      if (At(i) != U' ') return At(i);
    return 0;
  }

  std::uint64_t packed_ = 0;
  char32_t firstLetter_ = 0;
};

}  // namespace zm
