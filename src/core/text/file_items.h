#pragma once
// The items of a construction file as the program has always read them: items are separated by
// commas and line ends, a text item stands between double quotes and may hold commas, and the
// lines after the records are read whole.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zm {

struct FileItem {
  std::string text;  // between the quotes, or the unquoted item without blanks at both ends
  bool quoted = false;
};

enum class ItemError {
  kNone,
  kEndOfFile,   // no item left, or a quoted text cut off by the end of the file
  kOpenQuote,   // a quoted text not closed before its line ends
  kAfterQuote,  // something other than a comma or line end after the closing quote
};

class ItemReader {
 public:
  explicit ItemReader(std::string_view text) : text_(text) {}

  // Reads the next item and the comma or line end that ends it.
  ItemError Next(FileItem& item);

  // The rest of the current line, its line end consumed; none at the end of the file.
  std::optional<std::string> NextLine();

  // Where the last item (or line) started: its line, counted from 1, and its byte offset.
  int ItemLine() const { return itemLine_; }
  std::size_t ItemOffset() const { return itemOffset_; }

 private:
  bool AtLineEnd() const;
  void SkipBlanks();
  void SkipLineEnd();
  void StartItem();

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
  int itemLine_ = 1;
  std::size_t itemOffset_ = 0;
};

}  // namespace zm
