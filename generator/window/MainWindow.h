// The Stripemaker window: the symbology list, the "Common properties:" and
// "Print parameters:" grids, the live preview with its buttons, the status
// bar and the attribution line. It owns one barcode component at a time.
#pragma once

#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTimer>
#include <QUrl>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "components/pBarcode.h"
#include "generator/Catalogue.h"
#include "generator/window/Widgets.h"
#include "generator/window/ZoomView.h"
#include "output/SymbolOutput.h"
#include "platform/Image.h"
#include "platform/qt/QtImageView.h"

namespace tessel {
class TQtPrinter;
}

namespace tessel::generator {

// What the window asks of the desktop. Tests replace these so that no modal
// dialog opens and no printer or browser is needed.
struct TWindowServices {
  // The font dialog: the chosen font, or none when cancelled.
  std::function<std::optional<QFont>(QWidget* Parent, const QFont& Initial)> ChooseFont;
  // The save dialog (overwrite asked): the chosen path, or empty.
  std::function<QString(QWidget* Parent)> ChooseSaveFile;
  std::function<void(QWidget* Parent, const QString& Message)> ShowError;
  std::function<bool(const QUrl& Url)> OpenUrl;
  // The default printer, or null when none is installed.
  std::function<TQtPrinter*()> DefaultPrinter;
};
TWindowServices DesktopServices();

// The pages the two attribution links open: local documentation files.
QUrl MakerPage();
QUrl ProductPage();

class TfrmDemo : public QWidget {
 public:
  static constexpr const char* ApplicationTitle = "Stripemaker";
  static constexpr const char* Caption = "Stripemaker 2.3.5.1141";
  // Status bar panels; the last two show the X dimension Save writes and how
  // that symbol reads back.
  enum TStatusPanel { spTypeLabel, spType, spBarcodeLabel, spBarcode, spStateLabel, spState, spXDimension, spReading };

  explicit TfrmDemo(TWindowServices Services = DesktopServices());
  ~TfrmDemo() override;

  TBarcode* Barcode() const { return FBarcode.get(); }
  const TBarcodeComponent* Entry() const { return entry_; }
  QString StatusText(int Panel) const { return staBarcode->Panel(Panel).Text; }
  // The symbol Save writes reads back as drawn (the reading panel is not red).
  bool SymbolReads() const { return FReads; }
  // The preview bitmap as drawn.
  QImage PreviewImage();
  // The symbol area of the preview that Copy and Save take.
  void GetCopyArea(int& Width, int& Height);
  int MinimumWidth() const;

  // ---- main window ----
  void cmbBarcodeChange();
  void ApplyProperties();
  void btnClearClick();
  void btnDrawClick();
  void btnCopyClick();
  void btnSaveClick();
  void btnExitClick();
  void cmbZoomChange();
  void labCopyright2Click(const QLabel* Sender);
  void FormResize();
  void SplittersMoved();
  void panBottomResize();

  // ---- property grid ----
  QStringList prpBarcodeGetPickList(int Row);
  void prpBarcodeSetEditText(int Row, const QString& Value);
  void prpBarcodeStringsChange();
  void prpBarcodeSelectCell(int Col, int Row);
  void updPropertiesClick();
  void timOpenColorsTimer();
  void ShowPropertyUpDown(int Row);
  void RefreshPropertyUpDown(int Row);
  void PlaceUpDowns();

  // ---- print parameters ----
  void prpPrintStringsChange();
  // What Save writes in a format: the print parameters' sizes at their
  // resolution, without margins.
  TOutputOptions SaveOptions(TFileFormat Format) const;
  // The width Save gives a stretched symbol: the Width row in dots at Dpi,
  // or 0 for its natural width.
  int SaveWidthDots(int Dpi) const;
  void ShowXDimension();
  // How the symbol Save writes at the print parameters reads back, in the
  // last panel: red when it does not. ReadSoon asks for it once the changes
  // pause (reading takes milliseconds; a change takes less).
  void ShowReading();
  void ReadSoon();
  void prpPrintSelectCell(int Col, int Row);
  void DisplayPrintUpDown(int Row);
  void UpdatePrintUpDown(int Row);
  void updPrintClick();
  void btnPrintClick();

  // The window's parts, named by kind as in the window's description.
  TPanel* panTop;
  QComboBox* cmbBarcode;
  QComboBox* cmbZoom;
  QSplitter* splProperties;
  QSplitter* splParameters;
  QWidget* panLeft;
  TPanel* panProperties;
  QLabel* labProperties;
  TValueGrid* prpBarcode;
  TUpDown* updProperties;
  TPanel* panParameters;
  QLabel* labParameters;
  TValueGrid* prpPrint;
  TUpDown* updPrint;
  TPanel* panRight;
  TPanel* panBarcode;
  TQtImageView* imgView;  // the preview fitted to the panel
  TZoomView* zoomView;    // the preview at 100 % and more
  QLabel* labWidth;
  QFrame* bvlLine;
  QPushButton* btnClear;
  QPushButton* btnDraw;
  QPushButton* btnCopy;
  QPushButton* btnSave;
  QPushButton* btnPrint;
  QPushButton* btnExit;
  TPanel* panBottom;
  QWidget* panCopyright;
  std::array<QLabel*, 5> labCopyright;
  TStatusPanels* staBarcode = nullptr;
  QTimer* timOpenColors;
  QTimer* timReading = nullptr;  // reads the symbol back once the changes pause
  TImage imgBarcode{nullptr};

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void BuildLayout();
  void BuildPreview();
  void BuildGrids();
  void BuildAttribution();
  void FormCreate();
  void FormActivate();
  void panRightResize();
  void panBarcodeResize();
  void UpdatePreview();
  void ApplyRows();
  // Applies the grid's rows to Barcode; gives why a GS1 element string was
  // refused, or "".
  std::string ApplyRowsTo(TBarcode& Barcode) const;
  const TProperty* RowProperty(int Row) const;
  void BarcodeChange();
  void BarcodeInvalidChar(int Index, char BarcodeChar);
  void BarcodeInvalidLength(const std::string& Text);
  void staBarcodeDrawPanel(QPainter& Painter, int Index, const QRect& Rect);
  int prpBarcodeDrawValue(QPainter& Painter, const QRect& Cell, int Row, const QString& Value);
  void EditFontRow(int Row, const QString& Value);
  void EditBarColorsRow(int Row, const QString& Value);
  void PlaceUpDown(TUpDown& UpDown, TValueGrid& Grid, QWidget& Panel);
  bool WriteArea(int Width, int Height, const TOutputOptions& Options, const QString& Path, std::string& Contents,
                 QString& Error);

  TWindowServices services_;
  std::unique_ptr<TBarcode> FBarcode;
  const TBarcodeComponent* entry_ = nullptr;
  bool FUpdating = false;
  bool FReads = false;  // the reading panel's symbol reads back as drawn
  QString FFontText;
  QString FBarColorsText;
  bool FFontGuard = false;
  bool FColorGuard = false;
};

// Opens the window and runs the application until it closes.
int RunWindow();

}  // namespace tessel::generator
