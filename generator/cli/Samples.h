// One sample symbol of every registered class, for a first look at the
// library.
#pragma once

#include <string>

namespace tessel::generator {

// Writes <folder>/<ClassName>.png for every catalogue entry, set up with the
// entry's defaults as the window and -s set it up, and prints the paths;
// false when a file could not be written.
bool WriteSamples(const std::string& Folder);

}  // namespace tessel::generator
