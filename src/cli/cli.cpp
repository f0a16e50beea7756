#include "cli/cli.h"

#include <string_view>

#include "cli/null_surface.h"
#include "cli/scripted_shell.h"
#include "text/report.h"
#include "window/file_commands.h"

namespace zm {

namespace {

constexpr std::string_view kUsage =
    "usage: zomeda-cli report FILE\n"
    "       zomeda-cli save IN OUT\n";

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

int Report(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ScriptedShell shell(&err);
  NullSurface surface;
  App app(shell, surface);
  if (!Load(app, args[0], err)) return kExitUnusable;
  out << WithLfLineEnds(ReportText(app.fig, app.CurrentFile));
  return kExitDone;
}

int Save(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  ScriptedShell shell(&err);
  NullSurface surface;
  App app(shell, surface);
  if (!Load(app, args[0], err)) return kExitUnusable;
  return SaveFigure(app, args[1]) == FileStatus::kDone ? kExitDone : kExitUnusable;
}

struct Command {
  std::string_view name;
  std::size_t operands;
  int (*run)(const std::vector<std::string>&, std::ostream&, std::ostream&);
};

constexpr Command kCommands[] = {
    {"report", 1, Report},
    {"save", 2, Save},
};

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (!args.empty()) {
    for (const Command& command : kCommands) {
      if (args[0] != command.name || args.size() != command.operands + 1) continue;
      return command.run(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    }
  }
  err << kUsage;
  return kExitUsage;
}

}  // namespace zm
