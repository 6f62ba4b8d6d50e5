#include "gui/WindowTestSupport.h"

#include <QTest>

namespace tessel::testing {

void WindowTest::SetUp() {
  generator::TWindowServices services;
  services.ChooseFont = [this](QWidget*, const QFont&) {
    ++recorded.FontDialogs;
    return recorded.FontToChoose;
  };
  services.ChooseSaveFile = [this](QWidget*) { return recorded.SavePath; };
  services.ShowError = [this](QWidget*, const QString& message) { recorded.Errors << message; };
  services.OpenUrl = [this](const QUrl& url) {
    recorded.OpenedUrls << url;
    return true;
  };
  services.DefaultPrinter = [this] { return recorded.Printer; };
  window = std::make_unique<generator::TfrmDemo>(services);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void WindowTest::TearDown() { window.reset(); }

void WindowTest::Select(const QString& name) {
  const int index = window->cmbBarcode->findText(name);
  ASSERT_GE(index, 0) << name.toStdString();
  window->cmbBarcode->setCurrentIndex(index);
  ASSERT_EQ(window->cmbBarcode->currentText(), name);
}

int WindowTest::Row(const QString& name) const { return window->prpBarcode->FindRow(name); }

QString WindowTest::Cell(const QString& name) const { return window->prpBarcode->Value(Row(name)); }

void WindowTest::Type(const QString& name, const QString& value) {
  const int row = Row(name);
  ASSERT_GT(row, 0) << name.toStdString();
  window->prpBarcode->SelectRow(row);
  window->prpBarcode->EditValue(row, value);
}

QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) box |= QRect(x, y, 1, 1);
  return box;
}

}  // namespace tessel::testing
