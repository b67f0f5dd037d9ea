// The batch run as the program starts it, without the toolkit that reads the program's command
// line: batch_command TABLE [OUT] runs `--batch TABLE [-o OUT]`. Built for Windows too, where
// it takes its arguments as the program does, in UTF-16 whatever the code page.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "batch_command.h"

#ifdef _WIN32
int wmain(int argc, wchar_t* argv[]) {
#else
int main(int argc, char* argv[]) {
#endif
  if (argc < 2 || argc > 3) return 64;
  try {
    const auto utf8 = [&](int index) {
      const std::u8string text = std::filesystem::path(argv[index]).u8string();
      return std::string(text.begin(), text.end());
    };
    return armoursmith::batch::RunBatchCommand(
        {.table = utf8(1), .output = argc == 3 ? utf8(2) : "-"});
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 70;
  }
}
