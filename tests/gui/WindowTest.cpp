// The Stripemaker window driven as a user drives it: the symbology list,
// typing into the property grid, the spinners, the font and bar-colour
// editors, the preview and its commands, the status bar and the layout.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include "generator/PropertyApply.h"
#include "generator/window/PrintParameters.h"
#include "gui/WindowTestSupport.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtPrinter.h"
#include "qt/QtTestSupport.h"

using namespace tessel;
using namespace tessel::generator;
using namespace tessel::testing;

TEST_F(WindowTest, StartsWithCodabarDrawnAtTheMarginsWithItsDefaults) {
  EXPECT_EQ(window->windowTitle(), "Stripemaker 2.3.5.1141");
  const std::vector<const TClassInfo*> classes = RegisteredClasses();
  const auto symbologies = std::count_if(classes.begin(), classes.end(),
                                         [](const TClassInfo* cls) { return InheritsFrom(*cls, "TBarcode"); });
  EXPECT_EQ(window->cmbBarcode->count(), symbologies);
  EXPECT_EQ(window->cmbBarcode->currentText(), "Codabar");
  EXPECT_EQ(window->prpBarcode->DataRowCount(), 21);
  EXPECT_EQ(Cell("Barcode"), "1234567890");
  EXPECT_EQ(window->prpBarcode->Name(21), "Locked");
  EXPECT_EQ(window->StatusText(TfrmDemo::spType), "Codabar");
  EXPECT_EQ(State(), "");
  ASSERT_NE(window->Barcode(), nullptr);
  EXPECT_EQ(window->StatusText(TfrmDemo::spBarcode), QString::fromStdString(window->Barcode()->GetFullEncoded()));

  // Module 1 at 5,5: the symbol with its text below is 80 pixels high.
  const QImage preview = window->PreviewImage();
  EXPECT_EQ(preview.size(), window->imgView->size());
  const QRect ink = InkBox(preview);
  EXPECT_EQ(ink.topLeft(), QPoint(5, 5));
  EXPECT_LE(ink.height(), 80);
  EXPECT_GT(ColumnRuns(preview, 5).front(), 60);
  EXPECT_EQ(Runs(preview, 10).front(), 1);  // one module
  EXPECT_TRUE(window->Barcode()->Locked() == false);
}

TEST_F(WindowTest, SwitchingReplacesTheRowsWithTheEntrysRows) {
  Select("FIM");
  EXPECT_EQ(window->prpBarcode->Name(1), "FIMType");
  EXPECT_EQ(Row("Barcode"), 0);
  Select("OneCode");
  EXPECT_EQ(window->prpBarcode->Name(1), "Tracking");
  EXPECT_EQ(window->prpBarcode->Name(2), "Routing");
  EXPECT_EQ(Cell("SplitText"), "stmNone");
  Select("EAN-13");
  EXPECT_EQ(Cell("Barcode"), "123456789012");
  EXPECT_EQ(Cell("DisplayText"), "dtFullEncoded");
  ASSERT_NE(window->Barcode(), nullptr);
  EXPECT_EQ(window->Barcode()->ClassName(), "TBarcode_EAN13");
  EXPECT_EQ(window->StatusText(TfrmDemo::spType), "EAN-13");
}

TEST_F(WindowTest, TypingIntoACellReappliesAndRedraws) {
  const QRect before = InkBox(window->PreviewImage());
  Type("Module", "2");
  EXPECT_EQ(window->Barcode()->Module(), 2);
  EXPECT_GT(InkBox(window->PreviewImage()).width(), before.width() * 3 / 2);

  Type("Module", "");  // an empty cell leaves a number unchanged
  EXPECT_EQ(window->Barcode()->Module(), 2);
  Type("Module", "two");  // so does a value that does not convert
  EXPECT_EQ(window->Barcode()->Module(), 2);
  Type("BarColor", " clRed ");
  EXPECT_EQ(window->Barcode()->BarColor(), 0x0000FFu);
  Type("BarColor", "no colour");  // the row's default colour
  EXPECT_EQ(window->Barcode()->BarColor(), 0x000000u);

  Type("Barcode", "");  // an empty text is a text
  EXPECT_EQ(window->Barcode()->Barcode(), "");
}

TEST_F(WindowTest, BarcodeCellsAreUnescapedWhenApplied) {
  Type("Barcode", "A%41B");
  EXPECT_EQ(window->Barcode()->Barcode(), "AAB");
  EXPECT_EQ(Cell("Barcode"), "A%41B");  // the cell keeps what was typed
  Type("Barcode", "50%%");
  EXPECT_EQ(window->Barcode()->Barcode(), "50%");
}

TEST_F(WindowTest, InvalidTextsAreReportedInTheStatusBar) {
  Type("Barcode", "12\t3");
  EXPECT_EQ(State(), "Inavlid character(3): %09");
  Type("Barcode", "123");
  EXPECT_EQ(State(), "");  // the next apply clears it
  Select("EAN-13");
  Type("Barcode", "12345678901234");
  EXPECT_EQ(State(), "Inavlid barcode length: 14");
}

TEST_F(WindowTest, EAN128TakesABracketedElementStringAndSaysWhatIsWrong) {
  Select("EAN-128");
  Type("Barcode", "(01)09501101530003(10)ABC(17)250101");
  EXPECT_EQ(State(), "");
  EXPECT_EQ(window->Barcode()->Barcode(),
            "0109501101530003"
            "10ABC\\1"
            "17250101");
  EXPECT_EQ(Cell("Barcode"), "(01)09501101530003(10)ABC(17)250101");  // the cell keeps the bracketed form
  Type("Barcode", "(01)09501101530003(17)251301");
  EXPECT_EQ(State(), "GS1 (17) 251301: month 13 is not a month");
  EXPECT_EQ(window->Barcode()->Barcode(),
            "0109501101530003"
            "10ABC\\1"
            "17250101");  // left as it was
}

TEST_F(WindowTest, SpinnerStepsNumericRowsWithinTheirLimits) {
  const int ratio = Row("Ratio");
  window->prpBarcode->SelectRow(ratio);
  ASSERT_TRUE(window->updProperties->isVisible());
  EXPECT_EQ(window->updProperties->Tag, ratio);
  window->updProperties->Click(true);
  EXPECT_EQ(Cell("Ratio"), "2.1");
  EXPECT_DOUBLE_EQ(window->Barcode()->Ratio(), 2.1);

  Type("Module", "99");
  window->updProperties->Click(true);
  EXPECT_EQ(Cell("Module"), "99");
  Type("Module", "1");
  window->updProperties->Click(false);
  EXPECT_EQ(Cell("Module"), "1");

  window->prpBarcode->SelectRow(Row("BarColor"));  // no spinner on a colour row
  EXPECT_FALSE(window->updProperties->isVisible());
}

TEST_F(WindowTest, FontRowTakesPresetsAndTheFontDialog) {
  const int row = Row("TextFont");
  EXPECT_EQ(window->prpBarcodeGetPickList(row),
            (QStringList{"(Custom)", "\"OCR-B 10 BT\", 8, clBalck, 1", "\"Tahoma\", 8, clBalck, 1"}));
  Type("TextFont", "\"OCR-B 10 BT\", 8, clBalck, 1");
  const TFont& font = window->Barcode()->TextFont();
  EXPECT_EQ(font.Name(), "OCR-B 10 BT");
  EXPECT_EQ(font.Size(), 8);
  EXPECT_EQ(font.Color(), 0u);
  EXPECT_EQ(font.Charset(), 1);
  EXPECT_TRUE(font.Style().Empty());

  // Cancelling the dialog keeps the previous text and font.
  const QString previous = Cell("TextFont");
  Type("TextFont", "(Custom)");
  EXPECT_EQ(recorded.FontDialogs, 1);
  EXPECT_EQ(Cell("TextFont"), previous);
  EXPECT_EQ(window->Barcode()->TextFont().Name(), "OCR-B 10 BT");

  QFont chosen("DejaVu Serif", 12);
  chosen.setBold(true);
  chosen.setItalic(true);
  recorded.FontToChoose = chosen;
  Type("TextFont", "(custom)");
  EXPECT_EQ(Cell("TextFont"), "\"DejaVu Serif\", 12, 0, 1, fsBold, fsItalic");
  EXPECT_EQ(window->Barcode()->TextFont().Name(), "DejaVu Serif");
  EXPECT_EQ(window->Barcode()->TextFont().Size(), 12);
  EXPECT_EQ(window->Barcode()->TextFont().Style(), (TFontStyles{TFontStyle::fsBold, TFontStyle::fsItalic}));
}

TEST_F(WindowTest, BarColorsAreEditedInTwoSteps) {
  Select("PharmacodeOneTrack");
  const int row = Row("BarColors");
  ASSERT_GT(row, 0);
  window->prpBarcode->SelectRow(row);
  QComboBox* editor = window->prpBarcode->PickEditor();
  ASSERT_NE(editor, nullptr);
  ASSERT_EQ(editor->count(), 16);
  EXPECT_EQ(editor->itemText(3), "03: clBlack");

  window->prpBarcode->EditValue(row, "03: clBlack");  // choosing entry 03 of the index list
  EXPECT_EQ(Cell("BarColors"), "[03: clBlack]");
  EXPECT_EQ(window->prpBarcode->Tag, 3);
  // After 100 ms the list drops down again, now with the colour names.
  QTRY_VERIFY_WITH_TIMEOUT(editor->view()->isVisible(), 2000);
  EXPECT_EQ(editor->count(), 24);
  editor->hidePopup();

  window->prpBarcode->EditValue(row, "clRed");
  EXPECT_EQ(Cell("BarColors"),
            "clBlack,clBlack,clBlack,clRed,clBlack,clBlack,clBlack,clBlack,"
            "clBlack,clBlack,clBlack,clBlack,clBlack,clBlack,clBlack,clBlack");
  EXPECT_EQ(window->prpBarcode->Tag, -1);
  ASSERT_NE(window->Barcode(), nullptr);
  const std::vector<std::string> colors = SplitCommaText(GetPropValue(*window->Barcode(), "BarColors"));
  ASSERT_EQ(colors.size(), 16u);
  // Each entry as a colour name or number.
  const auto color = [&](std::size_t i) { return ColorByName(colors[i], IntOrDefault(colors[i], -1)); };
  EXPECT_EQ(color(3), 0x0000FFu);
  EXPECT_EQ(color(2), 0u);
}

TEST_F(WindowTest, CopyAreaOfAStretchedSymbolReachesTheRightEdge) {
  Type("StretchWidth", "True");  // BarcodeWidth is -1
  int width = 0, height = 0;
  window->GetCopyArea(width, height);
  EXPECT_EQ(width, window->imgView->width() - 5 - 1);
  window->btnCopyClick();
  const QImage copied = QGuiApplication::clipboard()->image();
  EXPECT_EQ(copied.width(), width);
  EXPECT_EQ(copied.height(), height);
  EXPECT_TRUE(recorded.Errors.isEmpty());
}

TEST_F(WindowTest, SaveWritesAFileOrSaysWhyNot) {
  QTemporaryDir dir;
  recorded.SavePath = dir.filePath("codabar.bmp");
  window->btnSaveClick();
  EXPECT_FALSE(QImage(recorded.SavePath, "BMP").isNull());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"codabar.bmp"});  // no temporary left

  recorded.SavePath = dir.filePath("missing/folder/x.bmp");
  window->btnSaveClick();
  ASSERT_EQ(recorded.Errors.size(), 1);
  EXPECT_TRUE(recorded.Errors[0].contains("could not be saved")) << recorded.Errors[0].toStdString();

  Type("Barcode", "12\t3");  // nothing valid to save
  window->btnSaveClick();
  EXPECT_EQ(recorded.Errors.size(), 2);
}

TEST_F(WindowTest, MinimumWidthKeepsTheAttributionLineAndTheRightPanel) {
  const int attribution = window->panCopyright->width();
  EXPECT_GT(attribution, 0);
  EXPECT_EQ(window->minimumWidth(), window->MinimumWidth());
  EXPECT_GE(window->minimumWidth(), attribution + 18);
  EXPECT_GE(window->minimumWidth(), window->panLeft->width() + window->splProperties->handleWidth() + 508);
  window->resize(100, 100);
  EXPECT_GE(window->width(), attribution + 18);
  // The five labels form one line without gaps.
  int left = 0;
  for (const QLabel* label : window->labCopyright) {
    EXPECT_EQ(label->x(), left);
    left += label->width();
  }
  EXPECT_EQ(left, attribution);
}

TEST_F(WindowTest, LinksOpenTheProjectsOwnPages) {
  QTest::mouseClick(window->labCopyright[1], Qt::LeftButton);
  QTest::mouseClick(window->labCopyright[3], Qt::LeftButton);
  ASSERT_EQ(recorded.OpenedUrls.size(), 2);
  for (const QUrl& url : recorded.OpenedUrls) {
    EXPECT_TRUE(url.isLocalFile()) << url.toString().toStdString();
    EXPECT_TRUE(QFile::exists(url.toLocalFile())) << url.toString().toStdString();
  }
  EXPECT_NE(recorded.OpenedUrls[0], recorded.OpenedUrls[1]);
}

TEST_F(WindowTest, PrintGridFallsBackAndSteps) {
  EXPECT_DOUBLE_EQ(PrintValue(prHeight, "letters"), 20);
  EXPECT_DOUBLE_EQ(PrintValue(prModule, " 0.3 "), 0.3);
  EXPECT_EQ(PrintAngle("90.4"), 90);
  EXPECT_EQ(PrintAngle("abc"), 0);
  EXPECT_EQ(PrintAngle("1e300"), 0);

  window->prpPrint->SelectRow(prModule);
  ASSERT_TRUE(window->updPrint->isVisible());
  window->updPrint->Click(true);
  EXPECT_EQ(window->prpPrint->Value(prModule), "0.21");
  window->prpPrint->EditValue(prModule, "1.00");
  window->updPrint->Click(true);
  EXPECT_EQ(window->prpPrint->Value(prModule), "1.00");
  window->prpPrint->SelectRow(prAngle);
  window->updPrint->Click(true);
  EXPECT_EQ(window->prpPrint->Value(prAngle), "0.1");
  window->prpPrint->SelectRow(prReduction);
  window->updPrint->Click(true);
  EXPECT_EQ(window->prpPrint->Value(prReduction), "0.001");
}

TEST_F(WindowTest, PrintWithoutAPrinterSaysSo) {
  window->btnPrintClick();
  ASSERT_EQ(recorded.Errors.size(), 1);
  EXPECT_TRUE(recorded.Errors[0].contains("No printer")) << recorded.Errors[0].toStdString();
  EXPECT_EQ(window->labWidth->text(), "");
}

TEST_F(WindowTest, PrintShowsThePrintedWidthUntilAPrintCellChanges) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath("print.pdf");
  TQtPlatform::Instance().UsePdfPrinter(pdf, 600);
  recorded.Printer = TQtPlatform::Instance().QtPrinter();
  window->btnPrintClick();
  const double expected = window->Barcode()->ActualPrintWidth(0.2, 0, 0, 0);
  TQtPlatform::Instance().UseSystemPrinter();
  EXPECT_TRUE(recorded.Errors.isEmpty()) << recorded.Errors.join('\n').toStdString();
  EXPECT_EQ(window->labWidth->text(), QString::asprintf("Width: %.2f mm", expected));
  EXPECT_GT(QFileInfo(pdf).size(), 0);
  window->prpPrint->EditValue(prLeft, "10");
  EXPECT_EQ(window->labWidth->text(), "");
}

// Whatever is typed into any cell, the window keeps working.
TEST_F(WindowTest, AnyTextInAnyCellIsSurvived) {
  const QString bytes = QString::fromLatin1(QByteArray("\x01\x7f\x80\xff%\"[,", 9));
  const QStringList values = {"",
                              " ",
                              bytes,
                              QString(1000, 'A'),
                              "99999999999999999999",
                              "-1e308",
                              "1e999",
                              "nan",
                              "%",
                              "%4",
                              "[03: clRed",
                              "15: x",
                              "-7",
                              "(Custom)",
                              "\"",
                              QString::fromUtf8("\u20ac\u4e2d")};
  QTemporaryDir dir;
  recorded.SavePath = dir.filePath("any.png");
  for (const char* name : {"Codabar", "EAN-13", "Code-128", "ITF-14"}) {
    Select(name);
    for (int row = 1; row <= window->prpBarcode->DataRowCount(); ++row)
      for (const QString& value : values) window->prpBarcode->EditValue(row, value);
    for (int row = prModule; row <= prLast; ++row)
      for (const QString& value : values) {
        window->prpPrint->EditValue(row, value);
        window->btnSaveClick();  // written, or refused with a message
      }
    window->btnDrawClick();
    int width = 0, height = 0;
    window->GetCopyArea(width, height);
  }
  EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowTest, PickListsFollowTheRowKind) {
  struct TCase {
    const char* Row;
    QStringList Expected;
  };
  const TCase cases[] = {
      {"StartCode", {"A", "B", "C", "D"}},
      {"Orientation", {"boLeftRight", "boRightLeft", "boTopBottom", "boBottomTop"}},
      {"Locked", {"True", "False"}},
      {"Module", {}},
      {"Barcode", {}},
  };
  for (const TCase& c : cases) EXPECT_EQ(window->prpBarcodeGetPickList(Row(c.Row)), c.Expected) << c.Row;
  const QStringList colors = window->prpBarcodeGetPickList(Row("SpaceColor"));
  ASSERT_EQ(colors.size(), 24);
  EXPECT_EQ(colors.last(), "clWebLightPink");
}
