#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "output_file.h"

namespace armoursmith::batch {
namespace {

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

struct OutputFile::Handle {
  int file = -1;
  std::string path;
  // The new file's name, while there is one; empty when the path is written directly.
  std::string replacement;
  bool committed = false;
};

OutputFile::OutputFile(const std::string& path) : handle_(std::make_unique<Handle>()) {
  handle_->path = path;
  struct stat existing = {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode)) {
    handle_->file = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (handle_->file < 0) failure_ = std::strerror(errno);
    return;
  }
  std::string replacement = path + ".XXXXXX";
  handle_->file = ::mkstemp(replacement.data());
  if (handle_->file < 0) {
    failure_ = std::strerror(errno);
    return;
  }
  handle_->replacement = std::move(replacement);
  const mode_t mode = exists ? existing.st_mode & 07777 : NewFileMode();
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
  if (replacing && ::fsync(handle_->file) != 0) {
    failure_ = std::strerror(errno);
    return false;
  }
  const int file = std::exchange(handle_->file, -1);
  if (::close(file) != 0 ||
      (replacing && ::rename(handle_->replacement.c_str(), handle_->path.c_str()) != 0)) {
    failure_ = std::strerror(errno);
    return false;
  }
  handle_->committed = true;
  return true;
}

}  // namespace armoursmith::batch
