// A form designed in Qt Designer with the tesselide plug-in: an EAN-13
// component drawing on an image control. uic turns label.ui into
// ui_label.h at build time.
//
//   designer_label              shows the form
//   designer_label -o FILE.png  writes the image control's picture and exits
#include <QApplication>
#include <QImage>
#include <QWidget>
#include <cstdio>

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
    std::fprintf(stderr, "usage: designer_label [-o FILE.png]\n");
    return 2;
  }
  const QString& file = args[output + 1];
  if (!ui.image1->grab().toImage().save(file)) {
    std::fprintf(stderr, "designer_label: cannot write %s\n", qPrintable(file));
    return 1;
  }
  return 0;
}
