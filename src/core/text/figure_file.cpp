#include "text/figure_file.h"

#include <algorithm>

#include "text/figure_file_reader.h"
#include "text/figure_file_writer.h"
#include "text/file_bytes.h"
#include "text/labels.h"
#include "text/sjis.h"

namespace zm {

namespace {

constexpr const char* kReadFailed = "作図データの読み込みに失敗しました。";
constexpr const char* kWriteFailed = "作図データの保存に失敗しました。";
constexpr const char* kReadOnlyTarget =
    "上書しようとしたファイルは読み取り専用なので,上書できません。"
    "ファイル名を変えて,保存し直してください。";

std::string AtLine(int line, const std::string& reason) {
  return std::to_string(line) + "行目: " + reason;
}

int LineOfOffset(std::string_view bytes, std::size_t offset) {
  return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + offset, '\n'));
}

// Reads the text in the current layout, and in the older one when that fails. When both fail,
// the layout that got further into the file is the one it was meant to be, so its reason is told.
std::optional<ReadFailure> ParseEitherLayout(std::string_view text, Figure& fig) {
  auto current = ReadFigureText(text, fig, FileLayout::kCurrent);
  if (!current) return std::nullopt;
  // The older pass starts again from an empty figure: nothing read from misaligned lines stays.
  NewFigure(fig, kStandardCapacity);
  auto older = ReadFigureText(text, fig, FileLayout::kOlder);
  if (!older) return std::nullopt;
  return older->offset > current->offset ? older : current;
}

struct LoadOutcome {
  FileStatus status = FileStatus::kDone;
  std::string reason;  // for kRefused
};

LoadOutcome Refused(std::string reason) { return {FileStatus::kRefused, std::move(reason)}; }

LoadOutcome Load(Figure& fig, const std::string& path) {
  std::string bytes;
  switch (ReadFileBytes(path, bytes)) {
    case ReadBytesResult::kDone: break;
    case ReadBytesResult::kMissing: return {FileStatus::kMissing, {}};
    case ReadBytesResult::kUnreadable: return Refused("ファイルを開けません。");
    case ReadBytesResult::kTooLarge: return Refused("ファイルが大きすぎます。");
  }
  std::size_t badOffset = 0;
  const auto text = DecodeSjis(bytes, &badOffset);
  if (!text)
    return Refused(AtLine(LineOfOffset(bytes, badOffset), "Shift-JISとして読めない文字があります。"));
  if (const auto failure = ParseEitherLayout(*text, fig))
    return Refused(AtLine(failure->line, failure->reason));
  return {};
}

std::string WriteFailureText(ReplaceResult result) {
  switch (result) {
    case ReplaceResult::kNoFolder: return "保存先のフォルダがありません。";
    case ReplaceResult::kFolderRefused: return "保存先のフォルダに書き込めません。";
    case ReplaceResult::kDiskFull: return "ディスクの空き容量が足りません。";
    default: return "ファイルを書き込めません。";
  }
}

}  // namespace

FileStatus WriteFigureFile(Figure& fig, Alerts& alerts, const std::string& path) {
  RebuildLabels(fig);
  const ReplaceResult result = ReplaceFileContents(path, EncodeSjis(FigureText(fig)));
  if (result == ReplaceResult::kDone) return FileStatus::kDone;
  alerts.Beep();
  if (result == ReplaceResult::kReadOnly) {
    alerts.MessageBox(kReadOnlyTarget);
    return FileStatus::kReadOnly;
  }
  alerts.MessageBox(kWriteFailed + WriteFailureText(result));
  return FileStatus::kWriteFailed;
}

FileStatus ReadFigureFile(Figure& fig, Alerts& alerts, const std::string& path) {
  NewFigure(fig, kStandardCapacity);
  const LoadOutcome outcome = Load(fig, path);
  if (outcome.status == FileStatus::kDone) {
    RebuildLabels(fig);
    return FileStatus::kDone;
  }
  NewFigure(fig, kStandardCapacity);
  alerts.Beep();
  if (outcome.status == FileStatus::kRefused) alerts.MessageBox(kReadFailed + outcome.reason);
  return outcome.status;
}

FileStatus FigureFile(Figure& fig, Alerts& alerts, const std::string& currentFile, char mode) {
  if (mode == 'W') return WriteFigureFile(fig, alerts, currentFile);
  if (mode == 'R') return ReadFigureFile(fig, alerts, currentFile);
  return FileStatus::kRefused;
}

}  // namespace zm
