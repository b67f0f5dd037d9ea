#include "output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace armoursmith::batch {
namespace {

bool WriteAll(int file, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(file, text.data(), text.size());
    if (written < 0 && errno != EINTR) return false;
    if (written > 0) text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Writes `text` to `file` and closes it; a file made to take another's place first gets
// `replacementMode` and reaches the disk before it is closed. errno tells why it failed.
bool WriteAndClose(int file, std::string_view text, std::optional<mode_t> replacementMode) {
  const bool written = (!replacementMode || ::fchmod(file, *replacementMode) == 0) &&
                       WriteAll(file, text) && (!replacementMode || ::fsync(file) == 0);
  const int error = errno;
  const bool closed = ::close(file) == 0;
  if (!written) errno = error;
  return written && closed;
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view text) {
  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode)) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (file < 0 || !WriteAndClose(file, text, std::nullopt)) return std::strerror(errno);
    return std::nullopt;
  }
  std::string temporary = path + ".XXXXXX";
  const int file = ::mkstemp(temporary.data());
  if (file < 0) return std::strerror(errno);
  const mode_t mode = exists ? existing.st_mode & 07777 : NewFileMode();
  const bool moved =
      WriteAndClose(file, text, mode) && ::rename(temporary.c_str(), path.c_str()) == 0;
  if (!moved) {
    std::string reason = std::strerror(errno);
    ::unlink(temporary.c_str());
    return reason;
  }
  return std::nullopt;
}

}  // namespace armoursmith::batch
