#include "platform_expectations.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <array>
#else
#include <fstream>
#include <sstream>
#endif

namespace armoursmith::testing {

#ifdef _WIN32
std::string LoadedLibraryFiles() {
  std::array<HMODULE, 1024> modules{};
  DWORD size = 0;
  std::string files;
  if (EnumProcessModules(GetCurrentProcess(), modules.data(), sizeof(modules), &size) == 0) {
    return files;
  }
  for (DWORD k = 0; k < size / sizeof(HMODULE) && k < modules.size(); ++k) {
    std::array<char, MAX_PATH> file{};
    const DWORD length = GetModuleFileNameA(modules[k], file.data(), MAX_PATH);
    files.append(file.data(), length).push_back('\n');
  }
  return files;
}
#else
std::string LoadedLibraryFiles() {
  std::ostringstream mappedFiles;
  mappedFiles << std::ifstream("/proc/self/maps").rdbuf();
  return mappedFiles.str();
}
#endif

}  // namespace armoursmith::testing
