#include "qt/gui_session.h"

#include <cstdio>

namespace zm {

namespace {

// While the application starts, Qt's warnings about the desktop environment (no
// XDG_RUNTIME_DIR when run as root or in CI) are dropped: they are noise on the command's
// error stream. Critical and fatal messages still go out.
void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

}  // namespace

GuiSession::GuiSession() {
  if (QCoreApplication::instance() != nullptr) return;
  const QtMessageHandler previous = qInstallMessageHandler(StartupMessages);
  app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  qInstallMessageHandler(previous);
}

GuiSession::~GuiSession() = default;

}  // namespace zm
