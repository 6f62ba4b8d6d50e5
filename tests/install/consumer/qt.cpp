// Draws a Code 128 symbol through the Qt part into the PNG file named by
// the first argument.
#include <tessel/tessel-qt.h>

#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  tessel::TBarcode_Code128 bc(nullptr);
  bc.SetBarcode("Tessel 0123");
  int width = 0, height = 0;
  if (bc.DrawToSize(width, height, 2, 60, 0) != tessel::ecValid) return 1;
  tessel::TQtBitmap bitmap;
  bitmap.SetSize(width, height);
  bc.DrawTo(bitmap.Canvas(), 2, 0, 0, 60, 0);
  if (!bitmap.Image().save(argv[1])) return 3;
  std::printf("%dx%d\n", width, height);
  return 0;
}
