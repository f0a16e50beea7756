#include "text/file_items.h"

namespace zm {

namespace {
constexpr char kQuote = '"';
constexpr char kComma = ',';
}  // namespace

bool ItemReader::AtLineEnd() const {
  return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n');
}

void ItemReader::SkipBlanks() {
  while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
}

// CR LF ends a line; a lone LF or CR is taken as a line end too.
void ItemReader::SkipLineEnd() {
  if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  ++line_;
}

void ItemReader::StartItem() {
  itemLine_ = line_;
  itemOffset_ = pos_;
}

ItemError ItemReader::Next(FileItem& item) {
  SkipBlanks();
  StartItem();
  if (pos_ >= text_.size()) return ItemError::kEndOfFile;

  item.quoted = text_[pos_] == kQuote;
  if (item.quoted) {
    const std::size_t start = pos_ + 1;
    std::size_t end = start;
    while (end < text_.size() && text_[end] != kQuote && text_[end] != '\r' && text_[end] != '\n')
      ++end;
    if (end >= text_.size()) return ItemError::kEndOfFile;
    if (text_[end] != kQuote) return ItemError::kOpenQuote;
    item.text.assign(text_.substr(start, end - start));
    pos_ = end + 1;
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] != kComma && !AtLineEnd()) return ItemError::kAfterQuote;
  } else {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != kComma && !AtLineEnd()) ++pos_;
    std::string_view raw = text_.substr(start, pos_ - start);
    while (!raw.empty() && (raw.back() == ' ' || raw.back() == '\t')) raw.remove_suffix(1);
    item.text.assign(raw);
  }

  if (pos_ < text_.size() && text_[pos_] == kComma) {
    ++pos_;
  } else if (AtLineEnd()) {
    SkipLineEnd();
  }
  return ItemError::kNone;
}

std::optional<std::string> ItemReader::NextLine() {
  StartItem();
  if (pos_ >= text_.size()) return std::nullopt;
  const std::size_t start = pos_;
  while (pos_ < text_.size() && !AtLineEnd()) ++pos_;
  std::string line(text_.substr(start, pos_ - start));
  if (AtLineEnd()) SkipLineEnd();
  return line;
}

}  // namespace zm
