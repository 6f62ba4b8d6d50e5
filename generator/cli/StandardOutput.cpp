#include "generator/cli/StandardOutput.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tessel::generator {

std::string WriteStandardOutput(const std::string& Contents) {
  const char* at = Contents.data();
  std::size_t left = Contents.size();
  while (left > 0) {
    const ssize_t written = write(STDOUT_FILENO, at, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return std::strerror(errno);
    }
    at += written;
    left -= static_cast<std::size_t>(written);
  }
  return {};
}

}  // namespace tessel::generator
