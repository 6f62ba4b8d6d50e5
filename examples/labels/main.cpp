// The label example: labels [DATABASE] opens (or creates) a SQLite file of
// labels, "labels.sqlite" in the current folder by default.
#include <QApplication>
#include <cstdio>

#include "LabelWindow.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QStringList arguments = QApplication::arguments();
  const QString path = arguments.size() > 1 ? arguments[1] : QStringLiteral("labels.sqlite");
  try {
    tessel::examples::TLabelWindow window(path);
    window.resize(520, 520);
    window.show();
    return QApplication::exec();
  } catch (const tessel::EDatabaseError& e) {
    std::fprintf(stderr, "labels: %s\n", e.what());
    return 2;
  }
}
