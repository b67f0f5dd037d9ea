#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#include "output_file.h"

namespace armoursmith::batch {
namespace {

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// The file `path` names, symbolic links followed, also when it does not exist yet (the shell's
// `>` creates a link's missing target). The kernel gives up after 40 links; so does this.
std::string FollowLinks(std::string path) {
  for (int link = 0; link < 40; ++link) {
    std::error_code notALink;
    const std::filesystem::path target = std::filesystem::read_symlink(path, notALink);
    if (notALink) break;
    path = (std::filesystem::path(path).parent_path() / target).string();
  }
  return path;
}

}  // namespace

struct OutputFile::Handle {
  int file = -1;
  // The file that takes the output's place, links followed.
  std::string path;
  // The new file's name, while there is one; empty when the path is written directly.
  std::string replacement;
  bool committed = false;
};

OutputFile::OutputFile(const std::string& path) : handle_(std::make_unique<Handle>()) {
  // Opening what is there for writing, without changing it, refuses what the shell's `>`
  // refuses (a file the user may not write, a folder) and tells what it is.
  const int existing = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (existing < 0 && errno != ENOENT) {
    failure_ = std::strerror(errno);
    return;
  }
  struct stat old = {};
  if (existing >= 0 && (::fstat(existing, &old) != 0 || !S_ISREG(old.st_mode))) {
    handle_->file = existing;  // a terminal, a pipe, /dev/null
    return;
  }
  const bool replacesFile = existing >= 0;
  if (replacesFile) ::close(existing);

  handle_->path = FollowLinks(path);
  std::string replacement = handle_->path + ".XXXXXX";
  handle_->file = ::mkstemp(replacement.data());
  if (handle_->file < 0) {
    failure_ = std::strerror(errno);
    return;
  }
  handle_->replacement = std::move(replacement);
  // The old file's owner where this user may give it (root may, others only their own
  // groups), before the mode: a change of owner clears the set-user-ID bit.
  if (replacesFile && ::fchown(handle_->file, old.st_uid, old.st_gid) != 0) {
    // The new file stays this user's, as a file this user had made would be.
  }
  const mode_t mode = replacesFile ? old.st_mode & 07777 : NewFileMode();
  if (::fchmod(handle_->file, mode) != 0) failure_ = std::strerror(errno);
}

OutputFile::~OutputFile() {
  if (handle_->file >= 0) ::close(handle_->file);
  if (!handle_->committed && !handle_->replacement.empty()) {
    ::unlink(handle_->replacement.c_str());
  }
}

void OutputFile::Write(std::string_view bytes) {
  while (!failure_ && !bytes.empty()) {
    const ssize_t written = ::write(handle_->file, bytes.data(), bytes.size());
    if (written < 0 && errno != EINTR) failure_ = std::strerror(errno);
    if (written > 0) bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

bool OutputFile::Commit() {
  if (failure_) return false;
  const bool replacing = !handle_->replacement.empty();
  // When the sync fails, the file stays open for the destructor to close.
  if ((replacing && ::fsync(handle_->file) != 0) ||
      ::close(std::exchange(handle_->file, -1)) != 0 ||
      (replacing && ::rename(handle_->replacement.c_str(), handle_->path.c_str()) != 0)) {
    failure_ = std::strerror(errno);
    return false;
  }
  handle_->committed = true;
  return true;
}

}  // namespace armoursmith::batch
