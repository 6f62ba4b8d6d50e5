// Text at the command line's edges: arguments and messages are UTF-8, the
// library's texts one byte a character (Latin-1).
#pragma once

#include <string>
#include <string_view>

namespace tessel::generator {

// UTF-8 as Latin-1. The first character beyond Latin-1 (or the replacement
// character for a malformed sequence) goes into Outside, UTF-8 encoded.
std::string Utf8ToLatin1(std::string_view Text, std::string& Outside);
std::string Latin1ToUtf8(std::string_view Text);

// Text without the white space around it.
std::string Trimmed(std::string_view Text);
// ASCII letters compared without regard to case.
bool EqualsIgnoringCase(std::string_view A, std::string_view B);

}  // namespace tessel::generator
