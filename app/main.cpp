#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "batch_command.h"
#include "command_line.h"
#include "control_gate.h"
#include "error_report.h"
#include "form1.h"
#include "platform_file_dialogs.h"
#include "qt_translations.h"
#include "script_window_holder.h"

namespace {

// Messages from the toolkit's start-up, held back until it is known whether it succeeds.
QStringList& StartupMessages() {
  static QStringList messages;
  return messages;
}

// Without a display the toolkit's start-up warns several times and ends in a fatal message and
// an abort; say in one line what is missing and end with a failure status instead.
void ExitWhenNoDisplay(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtFatalMsg) {
    StartupMessages().append(message.trimmed());
    return;
  }
  const QString reason =
      StartupMessages().isEmpty() ? message.split('\n').first() : StartupMessages().first();
  std::fprintf(stderr,
               "armoursmith: no display could be opened (%s). Run it on a desktop session, "
               "or without one under a virtual display: xvfb-run armoursmith\n",
               qPrintable(reason));
  std::_Exit(EXIT_FAILURE);
}

}  // namespace

int main(int argc, char* argv[]) {
  const armoursmith::CommandLine commandLine = armoursmith::ReadCommandLine(argc, argv);
  if (commandLine.exitStatus) return *commandLine.exitStatus;
  if (commandLine.batch) return armoursmith::batch::RunBatchCommand(*commandLine.batch);

  const QtMessageHandler defaultHandler = qInstallMessageHandler(ExitWhenNoDisplay);
  QApplication app(argc, argv);
  qInstallMessageHandler(defaultHandler);
  for (const QString& message : StartupMessages()) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
  }
  QGuiApplication::setDesktopFileName("armoursmith");
  armoursmith::LoadQtTranslations();

  armoursmith::PlatformFileDialogs dialogs;
  armoursmith::ScriptWindowHolder scriptWindow(dialogs);
  armoursmith::ControlGate gate;
  armoursmith::Form1 form1(scriptWindow, gate, [&form1](const std::exception& error) {
    armoursmith::ReportError(&form1, error);
  });
  form1.show();
  // The tables named on the command line arrive as a drop would, once the window is up.
  if (!commandLine.tables.isEmpty()) {
    QMetaObject::invokeMethod(
        &form1, [&] { form1.AppendTables(commandLine.tables); }, Qt::QueuedConnection);
  }
  return app.exec();
}
