// A windowed stand-in for the program, for the console companion's test under Wine: it writes
// each argument it was given in brackets, one a line, in UTF-8, then copies its standard input
// to its standard output, says "error stream" on its standard error, and ends with the status
// given as its first argument. Given "outlive FILE", it writes "started" to FILE, and two
// seconds later "outlived".
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>

namespace {

void Put(DWORD stream, std::string_view bytes) {
  DWORD written = 0;
  WriteFile(GetStdHandle(stream), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
            nullptr);
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  if (argc == 3 && std::wstring_view(argv[1]) == L"outlive") {
    std::ofstream file(std::filesystem::path(argv[2]), std::ios::binary);
    file << "started\n" << std::flush;  // seen while this waits
    std::this_thread::sleep_for(std::chrono::seconds(2));
    file << "outlived\n";
    return 0;
  }
  for (int index = 1; index < argc; ++index) {
    const std::u8string argument = std::filesystem::path(argv[index]).u8string();
    Put(STD_OUTPUT_HANDLE, "[");
    Put(STD_OUTPUT_HANDLE, {reinterpret_cast<const char*>(argument.data()), argument.size()});
    Put(STD_OUTPUT_HANDLE, "]\n");
  }
  char buffer[4096];
  DWORD count = 0;
  while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &count, nullptr) &&
         count > 0) {
    Put(STD_OUTPUT_HANDLE, {buffer, count});
  }
  Put(STD_ERROR_HANDLE, "error stream\n");
  return argc > 1 ? _wtoi(argv[1]) : 0;
}
