// A Stripemaker window for tests: its dialogs, browser and printer are
// replaced by recorders, so nothing modal opens and nothing leaves the test.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QStringList>
#include <memory>
#include <optional>

#include "generator/window/MainWindow.h"

namespace tessel::testing {

struct TRecordedServices {
  std::optional<QFont> FontToChoose;  // none: the font dialog is cancelled
  int FontDialogs = 0;
  QString SavePath;  // empty: the save dialog is cancelled
  QStringList Errors;
  QList<QUrl> OpenedUrls;
  TQtPrinter* Printer = nullptr;
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Picks a symbology in the list as the user does.
  void Select(const QString& name);
  int Row(const QString& name) const;
  QString Cell(const QString& name) const;
  // Types a value into a row's cell as the user does.
  void Type(const QString& name, const QString& value);
  QString State() const { return window->StatusText(generator::TfrmDemo::spState); }

  TRecordedServices recorded;
  std::unique_ptr<generator::TfrmDemo> window;
};

// The extent of the non-white pixels of an image (null when all white).
QRect InkBox(const QImage& image);

}  // namespace tessel::testing
