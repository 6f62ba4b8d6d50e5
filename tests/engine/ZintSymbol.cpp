#include "engine/ZintSymbol.h"

#include <zint.h>

#include <memory>

namespace tessel::testing {

TZintSymbol ZintEncode(int symbology, std::string_view text, TZintOptions options) {
  const std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(), &ZBarcode_Delete);
  symbol->symbology = symbology;
  symbol->option_1 = options.Option1;
  symbol->option_2 = options.Option2;
  symbol->option_3 = options.Option3;
  symbol->input_mode = options.InputMode;
  TZintSymbol result;
  result.Error =
      ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
  if (result.Error >= ZINT_ERROR) return result;
  // zint packs each row eight modules to a byte, the first module in the lowest bit.
  for (int row = 0; row < symbol->rows; ++row) {
    std::string modules(static_cast<std::size_t>(symbol->width), '0');
    for (int x = 0; x < symbol->width; ++x)
      if ((symbol->encoded_data[row][x >> 3] >> (x & 7)) & 1) modules[static_cast<std::size_t>(x)] = '1';
    result.Rows.push_back(std::move(modules));
  }
  return result;
}

}  // namespace tessel::testing
