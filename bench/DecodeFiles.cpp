// Prints the text a barcode reader (zxing-cpp) finds in each PNG, BMP or SVG
// file named on the command line, one line a file: "file<TAB>text", or
// "file<TAB>" when it finds none. SVG files are rasterised by Qt's renderer.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

#include "qt/QtTestSupport.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  for (int i = 1; i < argc; ++i) {
    const QString path = QString::fromLocal8Bit(argv[i]);
    QImage image;
    if (path.endsWith(".svg")) {
      QSvgRenderer renderer(path);
      image = QImage(renderer.defaultSize(), QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter painter(&image);
      renderer.render(&painter);
    } else {
      image.load(path);
    }
    // A white border, as a reader wants a quiet zone however the file was made.
    QImage framed(image.width() + 40, image.height() + 40, QImage::Format_RGB32);
    framed.fill(Qt::white);
    QPainter(&framed).drawImage(20, 20, image);
    const auto decoded = tessel::testing::Decode(framed);
    std::printf("%s\t%s\n", argv[i], decoded ? decoded->Text.c_str() : "");
  }
  return 0;
}
