// A form designed in Qt Designer with the tesselide plug-in: an EAN-13
// component drawing on an image control. uic turns label.ui into
// ui_label.h at build time.
//
//   designer_label              shows the form
//   designer_label -o FILE      writes the form's symbol (PNG, BMP, SVG, PDF or
//                               EPS by the name's extension) and exits
#include <QApplication>
#include <QWidget>
#include <cstdio>

#include "output/SymbolOutput.h"
#include "ui_label.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget form;
  Ui::LabelForm ui;
  ui.setupUi(&form);

  const QStringList args = app.arguments();
  const qsizetype output = args.indexOf("-o");
  if (output < 0) {
    form.show();
    return app.exec();
  }
  if (output + 1 >= args.size()) {
    std::fprintf(stderr, "usage: designer_label [-o FILE]\n");
    return 2;
  }
  const std::string file = args[output + 1].toStdString();
  const auto format = tessel::FormatFromName(file);
  auto* barcode = dynamic_cast<tessel::TBarcode*>(ui.barcode1->Component());
  if (!format || !barcode) {
    std::fprintf(stderr, "designer_label: %s is not a .png, .bmp, .svg, .pdf or .eps file\n", file.c_str());
    return 2;
  }
  if (const tessel::TWriteResult result = tessel::WriteSymbol(*barcode, file, {.Format = *format}); !result) {
    std::fprintf(stderr, "designer_label: cannot write %s: %s\n", file.c_str(), result.Message.c_str());
    return 1;
  }
  return 0;
}
