#include "byte_streams.h"

namespace armoursmith::batch {

// POSIX makes no difference between text and binary streams.
void UseBinaryStandardStreams() {}

std::FILE* OpenForReading(const std::string& path) { return std::fopen(path.c_str(), "rb"); }

}  // namespace armoursmith::batch
