#include "error_report.h"

#include <QMessageBox>

#include "control_error.h"
#include "qt_text.h"
#include "table_appends.h"

namespace armoursmith {

QString ErrorReportText(const std::exception& error) {
  if (dynamic_cast<const TablesRefused*>(&error)) {
    return "Nothing was added to the script, because of these problems:\n\n" +
           QString::fromUtf8(error.what());
  }
  const auto* failure = dynamic_cast<const ControlError*>(&error);
  if (!failure) return QString("The action could not be completed: %1").arg(error.what());
  return QString(
             "The action stopped because an operation on a control failed.\n\n"
             "Status: %1 (0x%2)\nControl: %3\nInterface: %4\nOperation: %5\n\n"
             "Everything written before it has been kept.")
      .arg(failure->Status())
      .arg(static_cast<std::uint32_t>(failure->Status()), 8, 16, QChar('0'))
      .arg(ToQString(failure->Control()), ToQString(Describe(failure->Interface())),
           ToQString(Describe(failure->Operation())));
}

void ReportError(QWidget* parent, const std::exception& error) {
  QMessageBox::critical(parent, "Armoursmith", ErrorReportText(error));
}

}  // namespace armoursmith
