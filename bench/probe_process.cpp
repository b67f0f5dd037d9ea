#include "probe_process.h"

#include <QCoreApplication>
#include <QProcess>
#include <chrono>
#include <stdexcept>

namespace armoursmith::bench {

ProbeResult RunProbeProcess(const QStringList& arguments) {
  QProcess process;
  process.setProgram(QCoreApplication::applicationFilePath());
  process.setArguments(arguments);
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  const auto start = std::chrono::steady_clock::now();
  process.start();
  const bool finished = process.waitForFinished(600000);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    throw std::runtime_error("probe failed: " + arguments.join(' ').toStdString());
  }
  return {elapsed.count(), process.readAllStandardOutput().toStdString()};
}

}  // namespace armoursmith::bench
