// The independent encoder zint (libzint), used only to cross-check the
// symbols this library encodes: its rows of modules as strings of '1' (dark)
// and '0' (light).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessel::testing {

struct TZintOptions {
  int Option1 = -1;  // zint's per-symbology options; -1/0 leave its defaults
  int Option2 = 0;
  int Option3 = 0;
  int InputMode = 0;  // zint's input_mode, e.g. GS1_MODE | GS1PARENS_MODE; 0 for plain data
};

struct TZintSymbol {
  int Error = 0;  // zint's return code: 0 done, below 5 a warning, 5 and above an error
  std::vector<std::string> Rows;
};

TZintSymbol ZintEncode(int symbology, std::string_view text, TZintOptions options = {});

}  // namespace tessel::testing
