#include "cli/cli.h"

#include <QString>
#include <charconv>
#include <iomanip>
#include <optional>
#include <string_view>

#include "cli/null_surface.h"
#include "cli/scripted_shell.h"
#include "figure/modes.h"
#include "qt/gui_session.h"
#include "qt/raster_surface.h"
#include "qt/svg_surface.h"
#include "text/report.h"
#include "view/drag.h"
#include "view/render.h"
#include "view/viewport.h"
#include "window/file_commands.h"

namespace zm {

namespace {

constexpr std::string_view kUsage =
    "usage: zomeda-cli report FILE\n"
    "       zomeda-cli save IN OUT\n"
    "       zomeda-cli render FILE OUT.png|OUT.svg [--size WxH]\n"
    "       zomeda-cli bench FILE [--size WxH]\n";

// The client area of a picture or a benchmark unless --size says otherwise, and the largest
// side accepted: a picture of 8192 x 8192 pixels already takes 256 MiB.
constexpr PixelSize kDefaultSize{640, 480};
constexpr int kMaxSide = 8192;

// The words of one command line after the command's name.
struct Invocation {
  std::vector<std::string> operands;
  PixelSize size = kDefaultSize;
};

// The report is built with CR LF line ends, as the report window shows it; the command prints LF.
std::string WithLfLineEnds(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
  return out;
}

// Loads a file as the load command does; tells on `err` why a file could not be used.
bool Load(App& app, const std::string& path, std::ostream& err) {
  const FileStatus status = LoadFigure(app, path);
  if (status == FileStatus::kMissing) err << "zomeda-cli: " << path << ": cannot open the file\n";
  return status == FileStatus::kDone;
}

int Report(const Invocation& call, std::ostream& out, std::ostream& err) {
  ScriptedShell shell(&err);
  NullSurface surface;
  App app(shell, surface);
  if (!Load(app, call.operands[0], err)) return kExitUnusable;
  out << WithLfLineEnds(ReportText(app.fig, app.CurrentFile));
  return kExitDone;
}

int Save(const Invocation& call, std::ostream&, std::ostream& err) {
  ScriptedShell shell(&err);
  NullSurface surface;
  App app(shell, surface);
  if (!Load(app, call.operands[0], err)) return kExitUnusable;
  return SaveFigure(app, call.operands[1]) == FileStatus::kDone ? kExitDone : kExitUnusable;
}

// Sets the run up on the surface as the window does at start-up, loads the file and draws the
// full redraw; false when the file cannot be used.
bool LoadAndRedraw(App& app, const std::string& path, std::ostream& err) {
  SetScreen(app);
  PushMode(app, kModeStandard);
  if (!Load(app, path, err)) return false;
  Redraw(app);
  return true;
}

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

int Render(const Invocation& call, std::ostream&, std::ostream& err) {
  const std::string& in = call.operands[0];
  const std::string& picture = call.operands[1];
  const bool png = EndsWith(picture, ".png");
  if (!png && !EndsWith(picture, ".svg")) {
    err << "zomeda-cli: " << picture << ": a picture is written as .png or .svg\n" << kUsage;
    return kExitUsage;
  }
  GuiSession gui;
  ScriptedShell shell(&err);
  bool written = false;
  if (png) {
    RasterSurface surface(call.size, Smoothing::kAntialiased);
    App app(shell, surface);
    if (!LoadAndRedraw(app, in, err)) return kExitUnusable;
    written = surface.Image().save(QString::fromStdString(picture), "PNG");
  } else {
    SvgSurface surface(call.size);
    App app(shell, surface);
    if (!LoadAndRedraw(app, in, err)) return kExitUnusable;
    written = surface.Save(picture);
  }
  if (!written) err << "zomeda-cli: " << picture << ": cannot write the picture\n";
  return written ? kExitDone : kExitUnusable;
}

// The benchmark on the window's own kind of surface: aliased, erased by overdrawing.
int Bench(const Invocation& call, std::ostream& out, std::ostream& err) {
  GuiSession gui;
  ScriptedShell shell(&err);
  RasterSurface surface(call.size, Smoothing::kAliased);
  App app(shell, surface);
  if (!LoadAndRedraw(app, call.operands[0], err)) return kExitUnusable;
  const double ms = Benchmark(app) * 1000;
  out << std::fixed << std::setprecision(3) << "bench: 100 steps in " << ms << " ms\n"
      << std::setprecision(1) << "per_step_us: " << ms * 1000 / 100 << "\n";
  return kExitDone;
}

// "WxH" with both sides whole numbers from 1 to kMaxSide.
std::optional<PixelSize> ParseSize(std::string_view text) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return std::nullopt;
  const auto side = [](std::string_view digits) -> std::optional<int> {
    int value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size() || value < 1 || value > kMaxSide)
      return std::nullopt;
    return value;
  };
  const auto width = side(text.substr(0, x)), height = side(text.substr(x + 1));
  if (!width || !height) return std::nullopt;
  return PixelSize{*width, *height};
}

struct Command {
  std::string_view name;
  std::size_t operands;
  bool sized;  // takes --size WxH after its operands
  int (*run)(const Invocation&, std::ostream&, std::ostream&);
};

constexpr Command kCommands[] = {
    {"report", 1, false, Report},
    {"save", 2, false, Save},
    {"render", 2, true, Render},
    {"bench", 1, true, Bench},
};

// The command's operands and options, or nothing when the words do not fit it.
std::optional<Invocation> Parse(const Command& command, const std::vector<std::string>& args) {
  Invocation call;
  call.operands.assign(args.begin() + 1, args.end());
  if (command.sized && call.operands.size() == command.operands + 2) {
    if (call.operands[command.operands] != "--size") return std::nullopt;
    const auto size = ParseSize(call.operands.back());
    if (!size) return std::nullopt;
    call.size = *size;
    call.operands.resize(command.operands);
  }
  if (call.operands.size() != command.operands) return std::nullopt;
  return call;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (!args.empty()) {
    for (const Command& command : kCommands) {
      if (args[0] != command.name) continue;
      if (const auto call = Parse(command, args)) return command.run(*call, out, err);
    }
  }
  err << kUsage;
  return kExitUsage;
}

}  // namespace zm
