// Writes a Code 128 symbol with the plain library (no Qt) into the file
// named by the first argument, in the format its extension names.
#include <tessel/tessel.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  tessel::TBarcode_Code128 bc(nullptr);
  bc.SetBarcode("Tessel 0123");
  const auto format = tessel::FormatFromName(argv[1]);
  if (!format) return 2;
  const tessel::TWriteResult result = tessel::WriteSymbol(bc, argv[1], {.Format = *format});
  if (!result) std::fprintf(stderr, "%s\n", result.Message.c_str());
  return result ? 0 : 1;
}
