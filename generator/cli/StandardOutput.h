// Writing a whole file to the program's standard output, for -o -.
#pragma once

#include <string>

namespace tessel::generator {

// Writes Contents to standard output, unbuffered, retrying short and
// interrupted writes. Returns an empty string on success, else the reason
// (a full device, a closed pipe: the caller ignores SIGPIPE).
std::string WriteStandardOutput(const std::string& Contents);

}  // namespace tessel::generator
