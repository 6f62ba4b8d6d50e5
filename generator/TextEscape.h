// The generator's escaping of texts for display and entry: "%" becomes
// "%%", control bytes (0-31 and DEL) and non-ASCII bytes become "%" and two
// hexadecimal digits.
#pragma once

#include <string>
#include <string_view>

namespace tessel::generator {

std::string EscapeText(std::string_view Text);
std::string UnescapeText(std::string_view Text);

}  // namespace tessel::generator
