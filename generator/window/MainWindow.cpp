#include "generator/window/MainWindow.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "generator/PropertyApply.h"
#include "generator/TextEscape.h"
#include "generator/window/PrintParameters.h"
#include "generator/window/StdString.h"
#include "gs1/pGS1.h"
#include "output/SymbolOutput.h"
#include "platform/qt/QtBitmap.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtPrinter.h"
#include "symbologies/pEAN128.h"

namespace tessel::generator {
namespace {

// Sizes of the window at design, in pixels.
constexpr QSize DesignClientSize(684, 496);
constexpr int TopPanelHeight = 38;
constexpr int LeftPanelWidth = 185;
constexpr int PropertiesPanelHeight = 262;
constexpr int SplitterWidth = 3;
// A panel of the left column keeps more than this height.
constexpr int MinimumPanelHeight = 150;
constexpr QSize RightPanelMinimum(496, 398);
// The right panel's width plus the window frame in the minimum-width rule.
constexpr int RightPanelAllowance = 508;
// Room the attribution line keeps on either side.
constexpr int AttributionAllowance = 18;
constexpr int BottomPanelHeight = 29;
constexpr int ButtonWidth = 75, ButtonHeight = 25;
constexpr int WindowFontPoints = 8;
const char* const WindowFontFamily = "Tahoma";

// The Barcode cell of an EAN-128 entry takes a GS1 element string when it
// starts with a bracket: "(01)09501101530003(10)ABC123" or with [].
bool IsGS1ElementString(std::string_view cell) { return !cell.empty() && (cell[0] == '(' || cell[0] == '['); }

TBarcode_EAN128* GS1Component(TBarcode* barcode) { return dynamic_cast<TBarcode_EAN128*>(barcode); }

// Colours of the owner-drawn texts: links blue, errors red.
const QColor LinkColor(0, 0, 255);
const QColor ErrorColor(255, 0, 0);

struct TStatusPanelLayout {
  const char* Text;
  int Width;
  bool OwnerDraw;
};
constexpr int XDimensionPanelWidth = 80;
constexpr int ReadingPanelWidth = 260;
// How long the symbol stays unchanged before the reading panel reads it, in
// milliseconds.
constexpr int ReadingPause = 150;
constexpr TStatusPanelLayout StatusPanelLayouts[] = {
    {"Type:", 40, false},  {"", 100, true}, {"Barcode: ", 65, false},          {"", 200, true},
    {"State:", 45, false}, {"", 180, true}, {"", XDimensionPanelWidth, false}, {"", ReadingPanelWidth, true},
};
// The encoded-text panel grows with the window beyond this width; narrow
// enough that the X dimension's panel shows whole at the minimum width.
constexpr int EncodedPanelMinimum = 150;
constexpr int OtherPanelsWidth = 440 + XDimensionPanelWidth + ReadingPanelWidth;

// The preview's magnifications; 0 fits the symbol to the panel.
struct TZoomLevel {
  const char* Text;
  int Scale;
};
constexpr TZoomLevel ZoomLevels[] = {{"Fit", 0}, {"100 %", 1}, {"200 %", 2}, {"400 %", 4}};
constexpr int ZoomBoxWidth = 70;
constexpr int TopPanelInset = 8;

// The formats Save writes, as the save dialog lists them: a name typed
// without an extension takes the chosen filter's. Bitmap first, the format
// of a name without a known extension.
struct TSaveFilter {
  const char* Text;
  const char* Suffix;
};
constexpr TSaveFilter SaveFilters[] = {{"Bitmap file (*.bmp)", "bmp"},       {"PNG image (*.png)", "png"},
                                       {"TIFF image (*.tif *.tiff)", "tif"}, {"SVG drawing (*.svg)", "svg"},
                                       {"PDF document (*.pdf)", "pdf"},      {"EPS file (*.eps)", "eps"}};
constexpr TFileFormat FallbackSaveFormat = TFileFormat::Bmp;

bool Horizontal(const TBarcode& barcode) {
  return barcode.Orientation() == boLeftRight || barcode.Orientation() == boRightLeft;
}

// The attribution line: a notice, the maker (link), a connecting text, the
// family (link) and a full stop.
constexpr const char* AttributionTexts[] = {"Stripemaker is drawn with the barcode components by ", "Corvella",
                                            " from the toolkit ", "Tessel", "."};
constexpr int MakerLabel = 1, FamilyLabel = 3;

// The window's font: Tahoma where installed, else the platform's sans-serif
// at the same size.
QFont WindowFont() {
  QFont font(QFontDatabase::hasFamily(WindowFontFamily) ? QString(WindowFontFamily) : QString("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(WindowFontPoints);
  return font;
}

// The first documentation page found: installedName in the installed
// documentation folders, else sourceName in the source tree (builds that
// know it).
QUrl DocumentationPage(const QString& installedName, [[maybe_unused]] const QString& sourceName) {
  const QString candidates[] = {
      QCoreApplication::applicationDirPath() + "/../share/doc/tessel/" + installedName,
#ifdef TESSEL_DOC_DIR
      QString(TESSEL_DOC_DIR) + "/" + installedName,
#endif
#ifdef TESSEL_SOURCE_DIR
      QString(TESSEL_SOURCE_DIR) + "/" + sourceName,
#endif
  };
  for (const QString& path : candidates)
    if (QFileInfo::exists(path)) return QUrl::fromLocalFile(QFileInfo(path).canonicalFilePath());
  return QUrl::fromLocalFile(QDir::cleanPath(candidates[std::size(candidates) - 1]));
}

QPushButton* Button(const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->resize(ButtonWidth, ButtonHeight);
  return button;
}

void FillWhite(TBitmap& bitmap) {
  TCanvas& canvas = bitmap.Canvas();
  TCanvasStateSaver saved(canvas);
  canvas.Brush.Color = clWhite;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  canvas.Pen.Color = clWhite;
  canvas.Pen.Style = TPenStyle::psSolid;
  canvas.Pen.Mode = TPenMode::pmCopy;
  canvas.Rectangle(TRect{0, 0, bitmap.Width(), bitmap.Height()});
}

QString SaveDialog(QWidget* parent) {
  QFileDialog dialog(parent, "Save symbol");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  QStringList filters;
  for (const TSaveFilter& filter : SaveFilters) filters << filter.Text;
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(SaveFilters[0].Suffix);
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& chosen) {
    for (const TSaveFilter& filter : SaveFilters)
      if (chosen == filter.Text) dialog.setDefaultSuffix(filter.Suffix);
  });
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

}  // namespace

TWindowServices DesktopServices() {
  TWindowServices services;
  services.ChooseFont = [](QWidget* parent, const QFont& initial) -> std::optional<QFont> {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    return ok ? std::optional<QFont>(font) : std::nullopt;
  };
  services.ChooseSaveFile = SaveDialog;
  services.ShowError = [](QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, TfrmDemo::ApplicationTitle, message);
  };
  services.OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  services.DefaultPrinter = [] {
    // Asked again at every print, so a printer installed meanwhile is found.
    TQtPlatform::Instance().UseSystemPrinter();
    return TQtPlatform::Instance().QtPrinter();
  };
  return services;
}

QUrl MakerPage() { return DocumentationPage("README.md", "README.md"); }
QUrl ProductPage() { return DocumentationPage("stripemaker.md", "docs/stripemaker.md"); }

// ---- construction -------------------------------------------------------------

TfrmDemo::TfrmDemo(TWindowServices Services) : services_(std::move(Services)) {
  setWindowTitle(Caption);
  setFont(WindowFont());
  BuildLayout();
  FormCreate();
  resize(std::max(DesignClientSize.width(), minimumWidth()), DesignClientSize.height());
}

TfrmDemo::~TfrmDemo() {
  // Closing the window moves the focus and may still signal; nothing may
  // reach this half-destroyed window any more.
  timOpenColors->stop();
  timReading->stop();
  for (TValueGrid* grid : {prpBarcode, prpPrint}) {
    grid->GetPickList = nullptr;
    grid->OnSetEditText = nullptr;
    grid->OnStringsChange = nullptr;
    grid->OnSelectCell = nullptr;
    grid->OnEnter = grid->OnExit = nullptr;
    grid->OnDrawValue = nullptr;
  }
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
  imgView->SetImage(nullptr);
  FBarcode.reset();
}

// Builds the window's widgets top to bottom in the order they appear on
// screen; kept in one piece so that it reads like the form it makes.
void TfrmDemo::BuildLayout() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  panTop = new TPanel(this, QFrame::Panel);
  panTop->setFixedHeight(TopPanelHeight);
  cmbBarcode = new QComboBox(panTop);
  cmbBarcode->setEditable(false);
  cmbBarcode->setMaxVisibleItems(static_cast<int>(Catalogue().size()));
  cmbZoom = new QComboBox(panTop);
  cmbZoom->setToolTip("Preview zoom");
  for (const TZoomLevel& level : ZoomLevels) cmbZoom->addItem(level.Text, level.Scale);
  panTop->OnResize = [this] {
    const int height = cmbBarcode->sizeHint().height();
    const int zoomLeft = panTop->width() - TopPanelInset - ZoomBoxWidth;
    cmbBarcode->setGeometry(TopPanelInset, TopPanelInset, zoomLeft - 2 * TopPanelInset, height);
    cmbZoom->setGeometry(zoomLeft, TopPanelInset, ZoomBoxWidth, height);
  };

  splProperties = new QSplitter(Qt::Horizontal, this);
  splProperties->setHandleWidth(SplitterWidth);
  splProperties->setChildrenCollapsible(false);
  panLeft = new QWidget;
  panLeft->setMinimumWidth(LeftPanelWidth);
  splParameters = new QSplitter(Qt::Vertical, panLeft);
  splParameters->setHandleWidth(SplitterWidth);
  splParameters->setChildrenCollapsible(false);
  auto* leftLayout = new QVBoxLayout(panLeft);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->addWidget(splParameters);
  BuildGrids();

  panRight = new TPanel(nullptr, QFrame::Panel);
  panRight->setMinimumSize(RightPanelMinimum);
  BuildPreview();
  splProperties->addWidget(panLeft);
  splProperties->addWidget(panRight);
  splProperties->setStretchFactor(0, 0);
  splProperties->setStretchFactor(1, 1);
  splProperties->setSizes({LeftPanelWidth, RightPanelMinimum.width()});

  panBottom = new TPanel(this, QFrame::Panel);
  panBottom->setFixedHeight(BottomPanelHeight);
  BuildAttribution();
  panBottom->OnResize = [this] { panBottomResize(); };

  staBarcode = new TStatusPanels(this);
  for (const TStatusPanelLayout& panel : StatusPanelLayouts)
    staBarcode->Panels().push_back({panel.Text, panel.Width, panel.OwnerDraw});
  staBarcode->OnDrawPanel = [this](QPainter& painter, int index, const QRect& rect) {
    staBarcodeDrawPanel(painter, index, rect);
  };

  layout->addWidget(panTop);
  layout->addWidget(splProperties, 1);
  layout->addWidget(panBottom);
  layout->addWidget(staBarcode);

  for (QSplitter* splitter : {splProperties, splParameters})
    connect(splitter, &QSplitter::splitterMoved, this, [this](int, int) { SplittersMoved(); });
  connect(cmbBarcode, &QComboBox::currentIndexChanged, this, [this](int) { cmbBarcodeChange(); });
  connect(cmbZoom, &QComboBox::currentIndexChanged, this, [this](int) { cmbZoomChange(); });

  timOpenColors = new QTimer(this);
  timOpenColors->setSingleShot(true);
  timOpenColors->setInterval(100);
  connect(timOpenColors, &QTimer::timeout, this, [this] { timOpenColorsTimer(); });
  timReading = new QTimer(this);
  timReading->setSingleShot(true);
  timReading->setInterval(ReadingPause);
  connect(timReading, &QTimer::timeout, this, [this] { ShowReading(); });
}

void TfrmDemo::BuildGrids() {
  panProperties = new TPanel(nullptr, QFrame::Panel);
  panProperties->setMinimumHeight(MinimumPanelHeight + 1);
  labProperties = new QLabel("Common properties:", panProperties);
  labProperties->move(5, 3);
  prpBarcode = new TValueGrid("Properties", "Value", 77, 92, panProperties);
  updProperties = new TUpDown(panProperties);
  panProperties->OnResize = [this] {
    prpBarcode->setGeometry(5, 20, panProperties->width() - 10, panProperties->height() - 26);
    PlaceUpDowns();
  };
  prpBarcode->GetPickList = [this](int row) { return prpBarcodeGetPickList(row); };
  prpBarcode->OnSetEditText = [this](int row, const QString& value) { prpBarcodeSetEditText(row, value); };
  prpBarcode->OnStringsChange = [this] { prpBarcodeStringsChange(); };
  prpBarcode->OnSelectCell = [this](int col, int row) { prpBarcodeSelectCell(col, row); };
  prpBarcode->OnEnter = [this] { ShowPropertyUpDown(prpBarcode->CurrentRow()); };
  prpBarcode->OnExit = [this] { updProperties->hide(); };
  connect(prpBarcode->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { PlaceUpDowns(); });
  prpBarcode->OnDrawValue = [this](QPainter& painter, const QRect& cell, int row, const QString& value) {
    return prpBarcodeDrawValue(painter, cell, row, value);
  };
  updProperties->OnClick = [this] { updPropertiesClick(); };

  panParameters = new TPanel(nullptr, QFrame::Panel);
  panParameters->setMinimumHeight(MinimumPanelHeight + 1);
  labParameters = new QLabel("Print parameters:", panParameters);
  labParameters->move(5, 4);
  prpPrint = new TValueGrid("Parameters", "Value (millimeter)", 64, 88, panParameters);
  updPrint = new TUpDown(panParameters);
  panParameters->OnResize = [this] {
    prpPrint->setGeometry(5, 20, panParameters->width() - 10, panParameters->height() - 28);
    PlaceUpDowns();
  };
  for (const TPrintParameterLimit& limit : PrintParameterLimits)
    prpPrint->AppendRow(QString::fromLatin1(limit.Name), QString::fromLatin1(limit.InitialValue));
  prpPrint->OnStringsChange = [this] { prpPrintStringsChange(); };
  prpPrint->OnSelectCell = [this](int col, int row) { prpPrintSelectCell(col, row); };
  prpPrint->OnEnter = [this] { DisplayPrintUpDown(prpPrint->CurrentRow()); };
  prpPrint->OnExit = [this] { updPrint->hide(); };
  connect(prpPrint->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { updPrint->hide(); });
  updPrint->OnClick = [this] { updPrintClick(); };

  splParameters->addWidget(panProperties);
  splParameters->addWidget(panParameters);
  splParameters->setStretchFactor(0, 1);
  splParameters->setStretchFactor(1, 0);
  splParameters->setSizes({PropertiesPanelHeight, MinimumPanelHeight});
}

void TfrmDemo::BuildPreview() {
  panBarcode = new TPanel(panRight, QFrame::StyledPanel);
  panBarcode->setFrameShadow(QFrame::Sunken);
  imgView = new TQtImageView(&imgBarcode, panBarcode);
  zoomView = new TZoomView([this] { return PreviewImage(); }, panBarcode);
  zoomView->hide();
  // Every drawing on the preview repaints both views.
  imgBarcode.OnChange = [this] { UpdatePreview(); };
  panBarcode->OnResize = [this] { panBarcodeResize(); };
  labWidth = new QLabel(panRight);
  bvlLine = new QFrame(panRight);
  bvlLine->setFrameShape(QFrame::HLine);
  bvlLine->setFrameShadow(QFrame::Sunken);
  btnClear = Button("&Clear", panRight);
  btnDraw = Button("&Redraw", panRight);
  btnCopy = Button("&Copy", panRight);
  btnSave = Button("&Save...", panRight);
  btnPrint = Button("&Print", panRight);
  btnExit = Button("&Exit", panRight);
  panRight->OnResize = [this] { panRightResize(); };
  connect(btnClear, &QPushButton::clicked, this, [this] { btnClearClick(); });
  connect(btnDraw, &QPushButton::clicked, this, [this] { btnDrawClick(); });
  connect(btnCopy, &QPushButton::clicked, this, [this] { btnCopyClick(); });
  connect(btnSave, &QPushButton::clicked, this, [this] { btnSaveClick(); });
  connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrintClick(); });
  connect(btnExit, &QPushButton::clicked, this, [this] { btnExitClick(); });
}

void TfrmDemo::BuildAttribution() {
  panCopyright = new QWidget(panBottom);
  for (std::size_t i = 0; i < labCopyright.size(); ++i) {
    labCopyright[i] = new QLabel(AttributionTexts[i], panCopyright);
    labCopyright[i]->setTextFormat(Qt::PlainText);
  }
}

void TfrmDemo::FormCreate() {
  FUpdating = FFontGuard = FColorGuard = false;
  FBarColorsText.clear();
  {
    const QSignalBlocker blocker(cmbBarcode);
    for (const TBarcodeComponent& entry : Catalogue()) cmbBarcode->addItem(QString::fromLatin1(entry.Name));
    cmbBarcode->setCurrentIndex(0);
  }
  cmbBarcodeChange();
  ShowXDimension();

  for (int link : {MakerLabel, FamilyLabel}) {
    QLabel* label = labCopyright[static_cast<std::size_t>(link)];
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, LinkColor);
    label->setPalette(palette);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
  }
  int left = 0;
  for (QLabel* label : labCopyright) {
    label->adjustSize();
    label->move(left, 0);
    left += label->width();
  }
  panCopyright->resize(left, labCopyright[0]->height());
  setMinimumSize(MinimumWidth(), DesignClientSize.height());
}

int TfrmDemo::MinimumWidth() const {
  return std::max(panLeft->width() + splProperties->handleWidth() + RightPanelAllowance,
                  panCopyright->width() + AttributionAllowance);
}

void TfrmDemo::FormActivate() {
  // Leaves no cell editor open and the focus on the top panel.
  prpBarcode->CloseEditor();
  prpPrint->CloseEditor();
  panTop->setFocus();
}

void TfrmDemo::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormActivate();
}

void TfrmDemo::closeEvent(QCloseEvent* event) {
  timOpenColors->stop();
  timReading->stop();
  FBarcode.reset();
  QWidget::closeEvent(event);
}

bool TfrmDemo::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton) {
    for (int link : {MakerLabel, FamilyLabel})
      if (Watched == labCopyright[static_cast<std::size_t>(link)])
        labCopyright2Click(labCopyright[static_cast<std::size_t>(link)]);
  }
  return QWidget::eventFilter(Watched, Event);
}

// ---- switching symbologies and applying the grid --------------------------------

const TProperty* TfrmDemo::RowProperty(int Row) const {
  if (!entry_ || Row < 1 || Row > entry_->PropertyCount) return nullptr;
  return &entry_->Properties[static_cast<std::size_t>(Row - 1)];
}

void TfrmDemo::cmbBarcodeChange() {
  const int index = cmbBarcode->currentIndex();
  if (index < 0 || index >= static_cast<int>(Catalogue().size())) return;
  FUpdating = true;
  timOpenColors->stop();
  prpBarcode->Tag = -1;
  prpBarcode->ClearRows();
  entry_ = &Catalogue()[static_cast<std::size_t>(index)];
  for (const TProperty& row : entry_->Rows()) {
    prpBarcode->AppendRow(QString::fromLatin1(row.Name), QString::fromLatin1(row.DefaultValue));
    if (QString::fromLatin1(row.Name).toUpper() == "TEXTFONT") FFontText = QString::fromLatin1(row.DefaultValue);
  }
  FBarColorsText.clear();
  btnClearClick();
  FBarcode.reset();
  FBarcode = CreateCatalogueBarcode(*entry_);
  if (FBarcode) {
    ApplyProperties();
  } else {
    staBarcode->SetText(spType, QString::fromLatin1(entry_->Name));
    staBarcode->SetText(spBarcode, QString());
    staBarcode->SetText(spState, QString("Unknown symbology class %1").arg(QString::fromLatin1(entry_->BarcodeClass)));
  }
  updProperties->hide();
  updPrint->hide();
  if (isVisible()) FormActivate();
  FUpdating = false;
}

void TfrmDemo::ApplyProperties() {
  if (!FBarcode || !entry_) return;
  staBarcode->SetText(spState, QString());
  FBarcode->SetLocked(true);
  FBarcode->OnChange = [this](TObject*) { BarcodeChange(); };
  FBarcode->OnInvalidChar = [this](TObject*, int index, char c) { BarcodeInvalidChar(index, c); };
  FBarcode->OnInvalidLength = [this](TObject*, const std::string& text) { BarcodeInvalidLength(text); };
  FBarcode->SetImage(&imgBarcode);
  ApplyRows();
  staBarcode->SetText(spType, QString::fromLatin1(entry_->Name));
  staBarcode->SetText(spBarcode, QString::fromLatin1(EscapeText(FBarcode->GetFullEncoded())));
  UpdatePreview();
}

void TfrmDemo::ApplyRows() {
  if (!FBarcode) return;
  if (const std::string error = ApplyRowsTo(*FBarcode); !error.empty())
    staBarcode->SetText(spState, QString::fromLatin1("GS1 " + error));
}

std::string TfrmDemo::ApplyRowsTo(TBarcode& Barcode) const {
  const std::string fontText = FFontText.toLatin1().toStdString();
  std::string gs1Error;
  for (int r = 1; r <= prpBarcode->DataRowCount(); ++r) {
    const TProperty* row = RowProperty(r);
    if (!row) continue;
    const std::string value = prpBarcode->Value(r).toLatin1().toStdString();
    TBarcode_EAN128* gs1 = GS1Component(&Barcode);
    if (gs1 && SameText(row->Name, "Barcode") && IsGS1ElementString(value)) {
      // The cell keeps the bracketed form: the component's steps through
      // its settings are not written back into it. An invalid element
      // string leaves the symbol as it was and says why.
      const TNotifyEvent onChange = std::exchange(Barcode.OnChange, nullptr);
      gs1Error = SetGS1Text(*gs1, value);
      Barcode.OnChange = onChange;
      continue;
    }
    ApplyRow(Barcode, *row, value, fontText);
  }
  return gs1Error;
}

// ---- component events ---------------------------------------------------------

void TfrmDemo::BarcodeChange() {
  if (!FBarcode) return;
  const bool updating = FUpdating;
  FUpdating = true;
  for (int r = 1; r <= prpBarcode->DataRowCount(); ++r) {
    if (prpBarcode->Name(r).toLower() != "barcode") continue;
    // The cell shows the text in its escaped form, so applying it again
    // gives the same text; a cell that already says it is left as typed.
    const std::string& text = FBarcode->Barcode();
    const std::string cell = prpBarcode->Value(r).toLatin1().toStdString();
    if (GS1Component(FBarcode.get()) && IsGS1ElementString(cell) && ParseGS1(cell).Encoded == text) break;
    if (UnescapeText(cell) != text) prpBarcode->SetValue(r, QString::fromLatin1(EscapeText(text)));
    break;
  }
  prpBarcode->viewport()->update();
  FUpdating = updating;
}

// "Inavlid" is the generator's established message text, spelt as scripts
// and users match it; the command line says the same.
void TfrmDemo::BarcodeInvalidChar(int Index, char BarcodeChar) {
  staBarcode->SetText(
      spState, QString::asprintf("Inavlid character(%d): %s", Index, EscapeText(std::string(1, BarcodeChar)).c_str()));
}

void TfrmDemo::BarcodeInvalidLength(const std::string& Text) {
  staBarcode->SetText(spState, QString::asprintf("Inavlid barcode length: %d", static_cast<int>(Text.size())));
}

void TfrmDemo::staBarcodeDrawPanel(QPainter& Painter, int Index, const QRect& Rect) {
  const QRect textRect = Rect.adjusted(2, 0, Index == spState ? -12 : -4, 0);
  const bool error = Index == spState || (Index == spReading && !FReads);
  Painter.setPen(error ? ErrorColor : LinkColor);
  Painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                   Painter.fontMetrics().elidedText(staBarcode->Panel(Index).Text, Qt::ElideRight, textRect.width()));
}

// ---- preview and its commands ---------------------------------------------------

void TfrmDemo::btnClearClick() {
  if (FBarcode) FBarcode->Clear(false);
  if (TBitmap* bitmap = imgBarcode.Picture().Bitmap(); bitmap && !bitmap->Empty()) FillWhite(*bitmap);
  UpdatePreview();
}

void TfrmDemo::btnDrawClick() {
  imgBarcode.SetBounds(imgView->width(), imgView->height());
  if (TBitmap* bitmap = imgBarcode.Picture().Bitmap()) bitmap->SetSize(imgView->width(), imgView->height());
  if (FBarcode) {
    btnClearClick();
    FBarcode->Draw();
  }
  UpdatePreview();
}

void TfrmDemo::panBarcodeResize() {
  imgView->setGeometry(panBarcode->contentsRect());
  zoomView->setGeometry(panBarcode->contentsRect());
  btnDrawClick();
}

void TfrmDemo::UpdatePreview() {
  ReadSoon();
  imgView->update();
  if (zoomView->isVisible()) zoomView->Refresh();
}

void TfrmDemo::cmbZoomChange() {
  // The fitted view keeps its size, so the preview is drawn as before.
  const int scale = cmbZoom->currentData().toInt();
  if (scale > 0) zoomView->SetScale(scale);
  zoomView->setVisible(scale > 0);
  imgView->setVisible(scale == 0);
}

void TfrmDemo::panRightResize() {
  const int w = panRight->width(), h = panRight->height();
  panBarcode->setGeometry(6, 8, w - 14, h - 69);
  labWidth->setGeometry(8, h - 67, w - 16, 17);
  bvlLine->setGeometry(6, h - 48, w - 14, 2);
  int x = 6;
  for (QPushButton* button : {btnClear, btnDraw, btnCopy, btnSave, btnPrint}) {
    button->move(x, button == btnPrint ? h - 38 : h - 37);
    x += 81;
  }
  btnExit->move(w - 84, h - 38);
}

QImage TfrmDemo::PreviewImage() {
  const auto* bitmap = dynamic_cast<const TQtBitmap*>(imgBarcode.Picture().Bitmap());
  return bitmap ? bitmap->Image() : QImage();
}

void TfrmDemo::GetCopyArea(int& Width, int& Height) {
  Width = Height = 0;
  if (!FBarcode) return;
  FBarcode->DrawToSize(Width, Height, FBarcode->Module(), FBarcode->BarcodeHeight(), -1);
  const int w = imgView->width(), h = imgView->height();
  const bool horizontal = Horizontal(*FBarcode);
  int& along = horizontal ? Width : Height;
  int& across = horizontal ? Height : Width;
  const int alongRoom = horizontal ? w - FBarcode->LeftMargin() : h - FBarcode->TopMargin();
  const int acrossRoom = horizontal ? h - FBarcode->TopMargin() : w - FBarcode->LeftMargin();
  if (FBarcode->StretchWidth())
    along = FBarcode->BarcodeWidth() <= 0 ? alongRoom + FBarcode->BarcodeWidth() : FBarcode->BarcodeWidth();
  if (FBarcode->BarcodeHeight() <= 0) across = acrossRoom + FBarcode->BarcodeHeight();
}

// The symbol's settings while Copy and Save write it: the area's size (a
// stretched symbol as wide as the area, bars that fill it as high when the
// component leaves their height to the view), put back afterwards.
class TAreaSettings {
 public:
  TAreaSettings(TBarcode& barcode, int width, int height)
      : barcode_(barcode), barcodeWidth_(barcode.BarcodeWidth()), barcodeHeight_(barcode.BarcodeHeight()) {
    const bool horizontal = Horizontal(barcode);
    if (barcode.StretchWidth()) barcode.SetBarcodeWidth(horizontal ? width : height);
    if (barcodeHeight_ <= 0) barcode.SetBarcodeHeight(horizontal ? height : width);
  }
  ~TAreaSettings() {
    barcode_.SetBarcodeWidth(barcodeWidth_);
    barcode_.SetBarcodeHeight(barcodeHeight_);
  }
  TAreaSettings(const TAreaSettings&) = delete;
  TAreaSettings& operator=(const TAreaSettings&) = delete;

 private:
  TBarcode& barcode_;
  int barcodeWidth_, barcodeHeight_;
};

// Writes the symbol in an area of Width x Height (see TAreaSettings) with
// Options, to Path or (empty Path) into Contents. False when there is no
// valid symbol to write; else Error holds the reason it was not written, or
// is empty.
bool TfrmDemo::WriteArea(int Width, int Height, const TOutputOptions& Options, const QString& Path,
                         std::string& Contents, QString& Error) {
  const TAreaSettings area(*FBarcode, Width, Height);
  const TWriteResult result =
      Path.isEmpty() ? EncodeSymbol(*FBarcode, Contents, Options) : WriteSymbol(*FBarcode, PathString(Path), Options);
  if (result.Failure == TWriteFailure::InvalidText) return false;
  Error = Message(result.Message);
  return true;
}

void TfrmDemo::btnCopyClick() {
  // The copy area as the preview shows it, in screen pixels.
  int width = 0, height = 0;
  GetCopyArea(width, height);
  std::string png;
  QString error;
  if (width <= 0 || height <= 0 ||
      !WriteArea(width, height, {.Format = TFileFormat::Png, .LeftMargin = 0, .TopMargin = 0}, {}, png, error)) {
    services_.ShowError(this, "There is no symbol to copy: the barcode text is not valid for this symbology.");
    return;
  }
  if (!error.isEmpty()) {
    services_.ShowError(this, QString("The symbol could not be copied: %1").arg(error));
    return;
  }
  QGuiApplication::clipboard()->setImage(
      QImage::fromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG"));
}

void TfrmDemo::btnSaveClick() {
  int width = 0, height = 0;
  GetCopyArea(width, height);
  if (width <= 0 || height <= 0) {
    services_.ShowError(this, "There is no symbol to save: the barcode text is not valid for this symbology.");
    return;
  }
  const QString path = services_.ChooseSaveFile(this);
  if (path.isEmpty()) return;
  // The format the name asks for; a bitmap without a known extension.
  const TOutputOptions options = SaveOptions(FormatFromName(PathString(path)).value_or(FallbackSaveFormat));
  // The bars take the Height row through the options.
  const int along = SaveWidthDots(options.Dpi);
  const bool horizontal = Horizontal(*FBarcode);
  std::string unused;
  QString error;
  if (!WriteArea(horizontal ? along : 0, horizontal ? 0 : along, options, path, unused, error))
    error = "the barcode text is not valid for this symbology";
  if (!error.isEmpty())
    services_.ShowError(this,
                        QString("The symbol could not be saved to %1: %2").arg(QDir::toNativeSeparators(path), error));
}

void TfrmDemo::btnExitClick() { close(); }

void TfrmDemo::labCopyright2Click(const QLabel* Sender) {
  if (Sender == labCopyright[MakerLabel])
    services_.OpenUrl(MakerPage());
  else if (Sender == labCopyright[FamilyLabel])
    services_.OpenUrl(ProductPage());
}

// ---- resizing ---------------------------------------------------------------------

void TfrmDemo::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize();
}

void TfrmDemo::FormResize() {
  PlaceUpDowns();
  if (panParameters->height() <= MinimumPanelHeight)
    splParameters->setSizes({panLeft->height() - MinimumPanelHeight, MinimumPanelHeight});
  staBarcode->SetWidth(spBarcode, std::max(EncodedPanelMinimum, staBarcode->width() - OtherPanelsWidth));
}

void TfrmDemo::SplittersMoved() {
  setMinimumWidth(MinimumWidth());
  PlaceUpDowns();
}

void TfrmDemo::panBottomResize() {
  panCopyright->move((panBottom->width() - panCopyright->width()) / 2,
                     (panBottom->height() - panCopyright->height()) / 2);
}

int RunWindow() {
  QApplication::setApplicationName(TfrmDemo::ApplicationTitle);
  TfrmDemo window;
  window.show();
  return QApplication::exec();
}

}  // namespace tessel::generator
