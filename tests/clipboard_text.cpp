// Writes the text on the Windows clipboard to standard output in UTF-8, byte for byte as a
// Windows program pasting it gets it, its CR LF line ends included: the checks of the program
// under Wine read a copy out of its windows with it, since Wine hands the clipboard to X with
// LF line ends. Exit status 1 when the clipboard holds no text.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main() {
  if (OpenClipboard(nullptr) == 0) return EXIT_FAILURE;
  std::string utf8;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
      const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
      utf8.resize(static_cast<std::size_t>(size));
      WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  if (utf8.empty()) return EXIT_FAILURE;
  utf8.pop_back();                       // the terminating null
  _setmode(_fileno(stdout), _O_BINARY);  // no CR added before each LF
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  return EXIT_SUCCESS;
}
