#pragma once

#include <QString>
#include <exception>

class QWidget;

namespace armoursmith {

// The text shown for an error that ended a handler (a click, or tables dropped or opened): for
// a failed control operation it names the status, the control, its interface and the
// operation; for refused tables it gives their problems.
QString ErrorReportText(const std::exception& error);

// Shows that text in a message box over `parent` and returns when the user has read it.
void ReportError(QWidget* parent, const std::exception& error);

}  // namespace armoursmith
