#include "reader/decoders/DecimalText.h"

namespace tessel {

std::string ZeroPadded(std::uint64_t Value, std::size_t Digits) {
  constexpr std::uint64_t Decimal = 10;
  std::string digits(Digits, '0');
  for (std::size_t k = Digits; k-- > 0; Value /= Decimal) digits[k] = static_cast<char>('0' + Value % Decimal);
  return digits;
}

}  // namespace tessel
