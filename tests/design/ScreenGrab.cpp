// Writes a screenshot of the X screen into the file named on the command
// line (used under a virtual X server), trimmed to the part that is not
// black (the empty root window).
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

namespace {
constexpr QRgb RgbMask = 0x00FFFFFF;
}

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: screengrab FILE.png\n");
    return 2;
  }
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return 1;
  const QImage shot = screen->grabWindow(0).toImage();
  QRect used;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x)
      if ((shot.pixel(x, y) & RgbMask) != 0) used |= QRect(x, y, 1, 1);
  return shot.copy(used.isEmpty() ? shot.rect() : used).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
