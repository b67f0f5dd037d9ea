// armoursmith.com, the console companion of the Windows program. The program itself is a
// windowed one, so that starting it from the desktop opens no console window; but a shell
// neither waits for a windowed program nor shows what it prints. Typed as `armoursmith`, cmd
// and PowerShell find armoursmith.com before armoursmith.exe: it starts the program beside it
// with the arguments as typed and the shell's own standard streams, redirections included,
// waits for it and ends with its exit status.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// What follows the program's name on a command line, untouched, quotes and all. The name ends
// at its closing quote when it starts with one, else at the first space or tab.
const wchar_t* Arguments(const wchar_t* commandLine) {
  const wchar_t* at = commandLine;
  if (*at == L'"') {
    do ++at;
    while (*at != L'\0' && *at != L'"');
    return *at == L'"' ? at + 1 : at;
  }
  while (*at != L'\0' && *at != L' ' && *at != L'\t') ++at;
  return at;
}

// This file's own path, with .exe in place of .com.
std::wstring WindowedProgram() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return path.substr(0, path.rfind(L'.')) + L".exe";
    path.resize(path.size() * 2);
  }
}

HANDLE InheritableStandardHandle(DWORD which) {
  const HANDLE handle = GetStdHandle(which);
  SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
  return handle;
}

}  // namespace

int main() {
  const std::wstring program = WindowedProgram();
  std::wstring commandLine = L"\"" + program + L"\"" + Arguments(GetCommandLineW());

  // The program ends with its companion, as a terminal's programs end with it: closing the
  // console or pressing Ctrl+C ends this one, which closes the job's last handle.
  const HANDLE job = CreateJobObjectW(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = InheritableStandardHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = InheritableStandardHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = InheritableStandardHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                      nullptr, nullptr, &startup, &started)) {
    std::fprintf(stderr, "armoursmith: armoursmith.exe could not be started (error %lu)\n",
                 GetLastError());
    return EXIT_FAILURE;
  }
  AssignProcessToJobObject(job, started.hProcess);
  ResumeThread(started.hThread);
  WaitForSingleObject(started.hProcess, INFINITE);
  DWORD status = EXIT_FAILURE;
  GetExitCodeProcess(started.hProcess, &status);
  return static_cast<int>(status);
}
