#include <fcntl.h>
#include <io.h>

#include "byte_streams.h"
#include "utf8_path.h"

namespace armoursmith::batch {
namespace {

// The C runtime starts standard streams in text mode, which writes CR LF for every LF and
// ends input at the first byte 1A. A program started without standard streams (from the
// desktop) has no descriptor behind them: those are left alone.
void UseBinaryMode(std::FILE* stream) {
  const int descriptor = _fileno(stream);
  if (descriptor >= 0) _setmode(descriptor, _O_BINARY);
}

}  // namespace

void UseBinaryStandardStreams() {
  UseBinaryMode(stdin);
  UseBinaryMode(stdout);
}

std::FILE* OpenForReading(const std::string& path) {
  return _wfopen(Utf8Path(path).c_str(), L"rb");
}

}  // namespace armoursmith::batch
