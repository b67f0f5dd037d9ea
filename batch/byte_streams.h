#pragma once

#include <cstdio>
#include <string>

namespace armoursmith::batch {

// Puts standard input and output in binary mode, so that a batch run reads and writes the
// bytes themselves, the same on every platform.
void UseBinaryStandardStreams();

// Opens the file `path` (UTF-8) to read its bytes; null, with errno set, when it cannot.
std::FILE* OpenForReading(const std::string& path);

}  // namespace armoursmith::batch
