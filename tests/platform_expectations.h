#pragma once

// What the window tests expect where Windows and Linux differ, each as that platform does it:
// the one place for those differences. What Windows cannot run at all is left out in
// WindowsWindowTests.cmake, with its reason.

#include <QString>
#include <string>

namespace armoursmith::testing {

// The line end of text copied out of a box, as a program pasting it gets it: Qt puts CR LF on
// the Windows clipboard, as Windows programs expect, and LF elsewhere.
#ifdef _WIN32
inline const QString kClipboardLineEnd = QStringLiteral("\r\n");
#else
inline const QString kClipboardLineEnd = QStringLiteral("\n");
#endif

// The files of the libraries the test program has loaded, the program's own among them, one a
// line.
std::string LoadedLibraryFiles();

}  // namespace armoursmith::testing
