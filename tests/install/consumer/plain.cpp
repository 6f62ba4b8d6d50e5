// Lays out a Code 128 symbol with the plain library (no Qt) and prints its
// size.
#include <tessel/tessel.h>

#include <cstdio>

int main() {
  tessel::TBarcode_Code128 bc(nullptr);
  bc.SetBarcode("Tessel 0123");
  int width = 0, height = 0;
  if (bc.DrawToSize(width, height, 2, 60, 0) != tessel::ecValid) return 1;
  std::printf("%dx%d\n", width, height);
  return 0;
}
