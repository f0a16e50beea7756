#include "figure/modes.h"

#include "figure/short_text.h"

#include <array>

namespace zm {

namespace {

// The program title and its version, major.minor.revision.
constexpr std::string_view kTitleAndVersion = "Zomeda / Win 0.2.4";

// Names of modes 1 ... 28, shown in status panel 1.
constexpr std::array<std::string_view, 29> kModeNames = {
    "",         "スタート",     "標準",     "ｵﾌﾟｼｮﾝ",   "補助",     "ヘルプ",   "変形",
    "ズーム",   "例__読込",     "保存中",   "編集",     "軌跡",     "関数選択", "選択",
    "複数選択", "選択(作図中)", "計算中",   "作図構成", "作図開始", "測定",     "ﾌｧｲﾙ消去",
    "数式入力", "数値変化",     "ｻﾌﾞﾒﾆｭｰ",  "マクロ",   "図形追加", "回転",     "ﾌｧｲﾙ改名",
    "点の追加"};

constexpr std::string_view kUnnamedMode = "________";

// Index just past the last separator of the path; 0 when it has none. "/" separates too, since
// paths on this platform use it.
std::size_t FileNameStart(std::string_view path) {
  const std::size_t last = path.find_last_of(":\\/");
  return last == std::string_view::npos ? 0 : last + 1;
}

}  // namespace

void PushMode(App& app, std::int16_t mode) {
  if (mode == -1) {
    PopMode(app);
    return;
  }
  // The stack is never enlarged: a push beyond it is refused rather than written past its end.
  if (app.ModeTop + 1 >= kModeStackEntries) {
    app.shell.Beep();
    return;
  }
  ++app.ModeTop;
  app.ModeStack[static_cast<std::size_t>(app.ModeTop)] = mode;
  RefreshStatus(app);
}

void PopMode(App& app) {
  if (app.ModeTop >= 1) {
    app.ModeStack[static_cast<std::size_t>(app.ModeTop)] = 0;
    --app.ModeTop;
  }
  RefreshStatus(app);
}

std::int16_t CurrentMode(const App& app) { return app.ModeStack[static_cast<std::size_t>(app.ModeTop)]; }

std::string_view ModeName(Alerts& alerts, std::int16_t mode) {
  if (mode >= 1 && mode < static_cast<int>(kModeNames.size()))
    return kModeNames[static_cast<std::size_t>(mode)];
  alerts.Beep();
  return kUnnamedMode;
}

void RefreshStatus(App& app) {
  Shell& shell = app.shell;
  const std::string_view file = FileNamePart(app.CurrentFile);
  ShortText<512> caption;  // a file name has at most 255 bytes
  caption.Append("[");
  caption.Append(file);
  caption.Append("] ");
  caption.Append(kTitleAndVersion);
  shell.SetCaption(caption.View());
  shell.SetStatusPanel(1, ModeName(shell, CurrentMode(app)));
  shell.SetStatusPanel(2, file);
  const bool locus = app.LocusSW != kFalse;
  shell.SetStatusPanel(3, locus ? "軌" : "×軌");
  shell.SetMenuChecked("mnuLocusOn", locus);
  shell.SetMenuChecked("mnuLocusOff", !locus);
  shell.SetMenuChecked("mnuOchrDisp", app.NotChrDisp != kTrue);
  shell.SetMenuChecked("mnuOAxis", app.AxisSW != 0);
}

std::string_view FileNamePart(std::string_view path) { return path.substr(FileNameStart(path)); }

std::string_view DirectoryPart(std::string_view path) { return path.substr(0, FileNameStart(path)); }

}  // namespace zm
