#include "reader/decoders/ReedSolomon64.h"

namespace tessel {
namespace {

constexpr int FieldSize = 64;
constexpr int Reduction = 0x43;  // x^6 + x + 1
constexpr int PrimitiveElement = 2;

int Multiply(int a, int b) {
  int product = 0;
  for (; b != 0; b >>= 1) {
    if ((b & 1) != 0) product ^= a;
    a <<= 1;
    if (a >= FieldSize) a ^= Reduction;
  }
  return product;
}

}  // namespace

bool IsCodeword64(std::span<const int> Symbols, int CheckSymbols) {
  int root = 1;
  for (int k = 1; k <= CheckSymbols; ++k) {
    root = Multiply(root, PrimitiveElement);
    int value = 0;
    for (const int symbol : Symbols) value = Multiply(value, root) ^ symbol;
    if (value != 0) return false;
  }
  return true;
}

}  // namespace tessel
