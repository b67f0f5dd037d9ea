#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "output_file.h"
#include "utf8_path.h"

namespace armoursmith::batch {
namespace {

// Windows' own words for an error, as one line without its full stop.
std::string Describe(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring description(text, length);
  LocalFree(text);
  description.erase(description.find_last_not_of(L" \t\r\n.") + 1);
  if (description.empty()) return "error " + std::to_string(error);
  const std::u8string utf8 = std::filesystem::path(description).u8string();
  return {utf8.begin(), utf8.end()};
}

// The file an open handle reaches, symbolic links followed; the name given when Windows
// cannot tell (some network and virtual drives).
std::filesystem::path FinalPath(HANDLE file, const std::filesystem::path& given) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()), 0);
    if (length == 0) return given;
    if (length < path.size()) return path.substr(0, length);
    path.resize(length);
  }
}

}  // namespace

struct OutputFile::Handle {
  HANDLE file = INVALID_HANDLE_VALUE;
  // The file that takes the output's place, links followed.
  std::filesystem::path path;
  // The new file's name, while there is one; empty when the path is written directly.
  std::filesystem::path replacement;
  bool replacesExisting = false;
  bool committed = false;
};

OutputFile::OutputFile(const std::string& path) : handle_(std::make_unique<Handle>()) {
  const std::filesystem::path given = Utf8Path(path);
  // Opening what is there for writing, without changing it, refuses what the shell's `>`
  // refuses (a read-only file, one another program holds, a folder) and tells what it is.
  const HANDLE existing = CreateFileW(given.c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (existing == INVALID_HANDLE_VALUE) {
    if (GetLastError() != ERROR_FILE_NOT_FOUND) {
      failure_ = Describe(GetLastError());
      return;
    }
    handle_->path = given;
  } else if (GetFileType(existing) != FILE_TYPE_DISK) {
    handle_->file = existing;  // a console, a pipe, NUL
    return;
  } else {
    handle_->path = FinalPath(existing, given);
    handle_->replacesExisting = true;
    CloseHandle(existing);
  }
  // The new file goes beside the output, on the same drive, under a name no one else uses.
  for (int attempt = 0; handle_->file == INVALID_HANDLE_VALUE; ++attempt) {
    handle_->replacement = handle_->path.native() + L"." + std::to_wstring(GetCurrentProcessId()) +
                           L"-" + std::to_wstring(attempt);
    handle_->file = CreateFileW(handle_->replacement.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_->file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
      failure_ = Describe(GetLastError());
      handle_->replacement.clear();
      return;
    }
  }
}

OutputFile::~OutputFile() {
  if (handle_->file != INVALID_HANDLE_VALUE) CloseHandle(handle_->file);
  if (!handle_->committed && !handle_->replacement.empty()) {
    DeleteFileW(handle_->replacement.c_str());
  }
}

void OutputFile::Write(std::string_view bytes) {
  constexpr std::size_t kLargestWrite = 1 << 30;
  while (!failure_ && !bytes.empty()) {
    DWORD written = 0;
    if (!WriteFile(handle_->file, bytes.data(),
                   static_cast<DWORD>(std::min(bytes.size(), kLargestWrite)), &written, nullptr)) {
      failure_ = Describe(GetLastError());
    }
    bytes.remove_prefix(written);
  }
}

bool OutputFile::Commit() {
  if (failure_) return false;
  const bool replacing = !handle_->replacement.empty();
  if (replacing && !FlushFileBuffers(handle_->file)) {
    failure_ = Describe(GetLastError());
    return false;
  }
  bool done = CloseHandle(std::exchange(handle_->file, INVALID_HANDLE_VALUE));
  if (done && replacing) {
    const wchar_t* path = handle_->path.c_str();
    const wchar_t* replacement = handle_->replacement.c_str();
    // ReplaceFileW keeps the old file's access rights, attributes and creation time.
    done = handle_->replacesExisting
               ? ReplaceFileW(path, replacement, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                              nullptr)
               : MoveFileExW(replacement, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  }
  if (!done) {
    failure_ = Describe(GetLastError());
    return false;
  }
  handle_->committed = true;
  return true;
}

}  // namespace armoursmith::batch
