// TBarcode: properties, the encoding pipeline's base steps, the change and
// lock mechanism, events and the published-property table.
#include "components/pBarcode.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

namespace tessel {

TBarcode::TBarcode(TComponent* AOwner) : TComponent(AOwner) {
  textFont_.OnChange = [this] { Changed(); };
}

TBarcode::~TBarcode() {
  textFont_.OnChange = nullptr;
  if (image_) image_->RemoveFreeNotification(this);
}

// ---- setters ---------------------------------------------------------------

void TBarcode::AttachImage(TComponent* Value) {
  if (image_) {
    image_->RemoveFreeNotification(this);
    RemoveFreeNotification(image_);
  }
  image_ = Value;
  if (image_) image_->FreeNotification(this);
}

void TBarcode::SetImage(TComponent* Value) {
  if (image_ == Value) return;
  AttachImage(Value);
  DoChange(false);
}

void TBarcode::SetModule(int Value) {
  if (Value <= 0 || Value > MaxModule) return;
  SetErasing(module_, Value);
}

void TBarcode::SetBarColor(TColor Value) { SetPlain(barColor_, Value); }
void TBarcode::SetSpaceColor(TColor Value) { SetPlain(spaceColor_, Value); }
void TBarcode::SetOrientation(TBarcodeOrientation Value) { SetErasing(orientation_, Value); }
void TBarcode::SetStretchWidth(bool Value) { SetErasing(stretchWidth_, Value); }
void TBarcode::SetLeftMargin(int Value) { SetErasing(leftMargin_, ClampExtent(Value)); }
void TBarcode::SetTopMargin(int Value) { SetErasing(topMargin_, ClampExtent(Value)); }

void TBarcode::SetBarWidthReduction(double Millimetres) {
  if (!(Millimetres >= 0) || !std::isfinite(Millimetres)) return;  // NaN, infinite and negative are ignored
  SetPlain(barWidthReduction_, Millimetres);
}

void TBarcode::SetBarcodeWidth(int Value) {
  Value = ClampExtent(Value);
  if (!stretchWidth_)
    barcodeWidth_ = Value;  // takes effect when StretchWidth is set
  else
    SetErasing(barcodeWidth_, Value);
}

void TBarcode::SetBarcodeHeight(int Value) { SetComposite(barcodeHeight_, ClampExtent(Value), false); }
void TBarcode::SetDisplayText(TDisplayText Value) { SetComposite(displayText_, Value, false); }
void TBarcode::SetTextPosition(TTextPosition Value) { SetComposite(textPosition_, Value, false); }
void TBarcode::SetTextAlignment(TTextAlignment Value) { SetComposite(textAlignment_, Value, false); }
void TBarcode::SetTextVSpacing(int Value) {
  SetComposite(textVSpacing_, std::clamp(Value, -MaxSpacing, MaxSpacing), false);
}
void TBarcode::SetBarcode(const std::string& Value) { SetComposite(barcode_, Value, true); }
void TBarcode::SetAutoCheckDigit(bool Value) { SetComposite(autoCheckDigit_, Value, true); }
void TBarcode::SetTextHSpacing(int Value) {
  SetComposite(textHSpacing_, std::clamp(Value, -MaxSpacing, MaxSpacing), false);
}
void TBarcode::SetExtraFontSize(int Value) { SetComposite(extraFontSize_, Value, false); }
// A ratio at or below MinRatio (or not a number) would make wide lines
// vanish; it is ignored, as a module below 1 is.
void TBarcode::SetRatio(double Value) {
  if (!(Value > MinRatio) || !std::isfinite(Value)) return;
  SetErasing(ratio_, Value);
}

void TBarcode::SetTextFont(const TFont& Value) {
  if (&Value == &textFont_) return;
  Erase();
  DoClearForComposite();
  inChange_ = true;  // the copy must not run the font-change path as well
  textFont_.Assign(Value);
  inChange_ = false;
  DoChangeForComposite();
  DoChange(false);
  previousTextFont_.Assign(textFont_);
}

void TBarcode::SetLocked(bool Value) {
  if (locked_ == Value) return;
  locked_ = Value;
  TCanvas* canvas = GetCanvas();
  if (Value) {
    savedRegion_ = {};
    int width, linesHeight, naturalWidth, height;
    if (canvas && GetRegion(canvas, width, linesHeight, naturalWidth, height, nullptr, -1) == ecValid) {
      if (Vertical()) std::swap(width, height);
      savedRegion_ = {leftMargin_, topMargin_, leftMargin_ + width, topMargin_ + height};
    }
    return;
  }
  if (!savedRegion_.IsZero() && canvas) {
    ClearRegion(*canvas, savedRegion_, false);
    NotifyImageChanged();
  }
  Redraw();
}

// ---- change mechanism ------------------------------------------------------

void TBarcode::DoChange(bool NotifyChange) {
  if (!locked_ && !Loading()) {
    Redraw();
  }
  if (NotifyChange) {
    if (LinkChangeHandler) LinkChangeHandler(this);
    if (OnChange) OnChange(this);
  }
}

void TBarcode::Changed() {
  if (inChange_) return;
  inChange_ = true;
  struct TResetFlag {
    bool& flag;
    ~TResetFlag() { flag = false; }
  } reset{inChange_};
  Erase(&previousTextFont_);
  // A composite partner erases itself with the old font too.
  const TFont newFont(textFont_);
  textFont_.Assign(previousTextFont_);
  DoClearForComposite();
  textFont_.Assign(newFont);
  inChange_ = false;
  DoChangeForComposite();
  DoChange(false);
  previousTextFont_.Assign(textFont_);
}

void TBarcode::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBarcode*>(Source);
  if (!source || source == this) return;
  AttachImage(source->image_);
  barcode_ = source->barcode_;
  module_ = source->module_;
  ratio_ = source->ratio_;
  autoCheckDigit_ = source->autoCheckDigit_;
  spaceColor_ = source->spaceColor_;
  barColor_ = source->barColor_;
  orientation_ = source->orientation_;
  stretchWidth_ = source->stretchWidth_;
  leftMargin_ = source->leftMargin_;
  topMargin_ = source->topMargin_;
  barcodeWidth_ = source->barcodeWidth_;
  barcodeHeight_ = source->barcodeHeight_;
  displayText_ = source->displayText_;
  textPosition_ = source->textPosition_;
  textAlignment_ = source->textAlignment_;
  inChange_ = true;
  textFont_.Assign(source->textFont_);
  previousTextFont_.Assign(source->previousTextFont_);
  inChange_ = false;
  extraFontSize_ = source->extraFontSize_;
  textHSpacing_ = source->textHSpacing_;
  textVSpacing_ = source->textVSpacing_;
  OnChange = source->OnChange;
  OnInvalidChar = source->OnInvalidChar;
  OnInvalidLength = source->OnInvalidLength;
  OnDrawText = source->OnDrawText;
  LinkChangeHandler = source->LinkChangeHandler;
  // OnDrawBarcode and Locked stay as they are on purpose: the drawing hook
  // belongs to the target's own owner, and a copy must not lock or unlock it.
  Erase();
  DoClearForComposite();
  DoChange(true);
}

void TBarcode::Loaded() {
  TComponent::Loaded();
  Redraw();
}

void TBarcode::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == image_) image_ = nullptr;
}

// ---- events ------------------------------------------------------------------

void TBarcode::DoInvalidLength(const std::string& Barcode) {
  if (OnInvalidLength) OnInvalidLength(this, Barcode);
}

void TBarcode::DoInvalidChar(const std::string& Barcode, int Index) {
  if (!OnInvalidChar) return;
  if (Index >= 1 && Index <= static_cast<int>(Barcode.size()))
    OnInvalidChar(this, Index, Barcode[Index - 1]);
  else
    OnInvalidChar(this, -Index, ' ');  // a check-character position
}

void TBarcode::ReportError(int ErrorCode) {
  if (ErrorCode == ecInvalidLength)
    DoInvalidLength(barcode_);
  else if (ErrorCode > 0)
    DoInvalidChar(barcode_, ErrorCode);
}

// ---- pipeline ------------------------------------------------------------------

bool TBarcode::VerifyLength(const std::string&, bool) { return true; }

bool TBarcode::VerifyChar(const std::string&, int, bool) { return true; }

int TBarcode::VerifyAllChars(const std::string& Barcode, bool AutoCheckDigit) {
  for (int i = 1; i <= static_cast<int>(Barcode.size()); ++i)
    if (!VerifyChar(Barcode, i, AutoCheckDigit)) return i;
  return ecValid;
}

std::string TBarcode::AppendCheckDigit(const std::string& Barcode) { return Barcode; }

std::string TBarcode::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  FullEncoded = AutoCheckDigit ? AppendCheckDigit(Barcode) : Barcode;
  return {};
}

void TBarcode::GetQuietZonesWidth(TCanvas&, const std::string&, TDisplayText, TTextAlignment, int& LeftTextWidth,
                                  int& RightTextWidth, int& LeftSpacing, int& RightSpacing, int& LeftHeight,
                                  int& RightHeight) {
  LeftTextWidth = RightTextWidth = LeftSpacing = RightSpacing = LeftHeight = RightHeight = 0;
}

bool TBarcode::IsMultiState() { return false; }

TBarcodeCustomParameters TBarcode::BuildCustomParameters(const TBarcodeDefine& Define, const TBarcodeParameters& P) {
  TBarcodeCustomParameters c;
  c.Angle = P.Angle;
  c.Origin = P.Origin;
  c.RotationOffset = P.RotationOffset;
  c.FullEncoded = P.FullEncoded;
  c.Text = P.Text;
  c.DisplayText = Define.DisplayText;
  c.TextPosition = Define.TextPosition;
  c.TextAlignment = Define.TextAlignment;
  c.TextFont = Define.TextFont;
  c.ExtraFontSize = Define.ExtraFontSize;
  c.LeftSpacing = P.LeftSpacing;
  c.RightSpacing = P.RightSpacing;
  c.LeftZoneWidth = P.LeftZoneWidth;
  c.RightZoneWidth = P.RightZoneWidth;
  c.LeftHeight = P.LeftHeight;
  c.RightHeight = P.RightHeight;
  c.SymbolWidth = P.SymbolWidth;
  c.LinesHeight = P.LinesHeight;
  c.TopOffset = P.TopOffset;
  c.LeftOffset = P.LeftOffset;
  c.Left = P.Left;
  c.Top = P.Top;
  c.TotalWidth = P.TotalWidth;
  c.TotalHeight = P.TotalHeight;
  return c;
}

void TBarcode::DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define,
                                TBarcodeParameters& Parameters, bool& Continue, TPoint& LeftTop, TPoint& RightBottom,
                                std::span<const int>& PDx) {
  if (!OnDrawText) return;
  TBarcodeCustomParameters custom = BuildCustomParameters(Define, Parameters);
  OnDrawText(this, Canvas, Step, custom, Continue, LeftTop, RightBottom, PDx);
  if (Step == dtsPrepare) {
    Parameters.Text = custom.Text;
    Define.TextFont = custom.TextFont;
    Define.TextPosition = custom.TextPosition;
    Define.TextAlignment = custom.TextAlignment;
    Define.ExtraFontSize = custom.ExtraFontSize;
  }
}

void TBarcode::DoDrawLine(int, TLineType, TColor&, int&, int&, int&, int&) {}

void TBarcode::DoAfterDrawBarcode(TCanvas& Canvas, const TBarcodeDefine& Define, const TBarcodeParameters& Parameters) {
  if (OnDrawBarcode) OnDrawBarcode(this, Canvas, BuildCustomParameters(Define, Parameters));
}

std::string TBarcode::GetFullEncoded() {
  std::string fullEncoded;
  MakeData(barcode_, autoCheckDigit_, fullEncoded);
  return fullEncoded;
}

int TBarcode::GetAngle() const {
  switch (orientation_) {
    case boRightLeft: return 180;
    case boTopBottom: return 270;
    case boBottomTop: return 90;
    case boLeftRight: break;
  }
  return 0;
}

TBarcodeDefineExtra TBarcode::BuildBarcodeDefineExtra(bool UseAngle, int Angle) {
  TBarcodeDefineExtra d;
  d.Module = module_;
  d.Ratio = ratio_;
  d.Angle = UseAngle ? Angle : GetAngle();
  d.AutoCheckDigit = autoCheckDigit_;
  d.DisplayText = displayText_;
  d.TextHSpacing = textHSpacing_;
  d.TextVSpacing = textVSpacing_;
  d.TextFont = &textFont_;
  d.TextPosition = textPosition_;
  d.TextAlignment = textAlignment_;
  d.MultiState = IsMultiState();
  d.ExtraFontSize = extraFontSize_;
  d.BarReductionMM = barWidthReduction_;
  d.MakeData = TMakeData::Bind<&TBarcode::MakeData>(this);
  d.GetQuietZonesWidth = TGetQuietZonesWidth::Bind<&TBarcode::GetQuietZonesWidth>(this);
  d.CustomDrawText = TCustomDrawText::Bind<&TBarcode::DoCustomDrawText>(this);
  d.VerifyLength = TVerifyLength::Bind<&TBarcode::VerifyLength>(this);
  d.VerifyAllChars = TVerifyAllChars::Bind<&TBarcode::VerifyAllChars>(this);
  d.DrawLine = TDrawLine::Bind<&TBarcode::DoDrawLine>(this);
  d.AfterDrawBarcode = TAfterDrawBarcode::Bind<&TBarcode::DoAfterDrawBarcode>(this);
  return d;
}

// ---- reflection ----------------------------------------------------------------

namespace {

constexpr std::string_view fontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
static_assert(std::size(fontStyleNames) == static_cast<std::size_t>(TFontStyle::fsStrikeOut) + 1);

// The image is published as a reference to a component of the same owner,
// written as its name.
TPropInfo ImageProperty() {
  return TPropInfo{"Image", TTypeKind::tkClass, nullptr,
                   [](const TPersistent& o) {
                     const TComponent* image = static_cast<const TBarcode&>(o).Image();
                     return image ? image->Name() : std::string();
                   },
                   [](TPersistent& o, std::string_view text) {
                     auto& barcode = static_cast<TBarcode&>(o);
                     TComponent* image = nullptr;
                     if (!text.empty()) {
                       image = barcode.Owner() ? barcode.Owner()->FindComponent(text) : nullptr;
                       if (!image) throw EConvertError("no component named '" + std::string(text) + "'");
                     }
                     barcode.SetImage(image);
                   }};
}

const TPropInfo barcodeProperties[] = {
    ImageProperty(),
    Published<&TBarcode::Module, &TBarcode::SetModule>("Module"),
    Published<&TBarcode::BarColor, &TBarcode::SetBarColor>("BarColor"),
    Published<&TBarcode::SpaceColor, &TBarcode::SetSpaceColor>("SpaceColor"),
    Published<&TBarcode::Orientation, &TBarcode::SetOrientation>("Orientation"),
    Published<&TBarcode::StretchWidth, &TBarcode::SetStretchWidth>("StretchWidth"),
    Published<&TBarcode::LeftMargin, &TBarcode::SetLeftMargin>("LeftMargin"),
    Published<&TBarcode::TopMargin, &TBarcode::SetTopMargin>("TopMargin"),
    Published<&TBarcode::BarcodeWidth, &TBarcode::SetBarcodeWidth>("BarcodeWidth"),
    Published<&TBarcode::BarcodeHeight, &TBarcode::SetBarcodeHeight>("BarcodeHeight"),
    Published<&TBarcode::DisplayText, &TBarcode::SetDisplayText>("DisplayText"),
    Published<&TBarcode::TextPosition, &TBarcode::SetTextPosition>("TextPosition"),
    Published<&TBarcode::TextAlignment, &TBarcode::SetTextAlignment>("TextAlignment"),
    Published<static_cast<const TFont& (TBarcode::*)() const>(&TBarcode::TextFont), &TBarcode::SetTextFont>("TextFont"),
    Published<&TBarcode::TextVSpacing, &TBarcode::SetTextVSpacing>("TextVSpacing"),
    Published<&TBarcode::Locked, &TBarcode::SetLocked>("Locked"),
};

}  // namespace

TPropInfo BarcodeProperty() { return Published<&TBarcode::Barcode, &TBarcode::SetBarcode>("Barcode"); }
TPropInfo RatioProperty() { return Published<&TBarcode::Ratio, &TBarcode::SetRatio>("Ratio"); }
TPropInfo AutoCheckDigitProperty() {
  return Published<&TBarcode::AutoCheckDigit, &TBarcode::SetAutoCheckDigit>("AutoCheckDigit");
}
TPropInfo TextHSpacingProperty() {
  return Published<&TBarcode::TextHSpacing, &TBarcode::SetTextHSpacing>("TextHSpacing");
}
TPropInfo ExtraFontSizeProperty() {
  return Published<&TBarcode::ExtraFontSize, &TBarcode::SetExtraFontSize>("ExtraFontSize");
}

const TClassInfo TBarcode::ClassInfo{"TBarcode", nullptr, barcodeProperties, nullptr};

std::string TPropertyType<TFont>::ToText(const TFont& Font) {
  std::string text = Font.Name() + "," + std::to_string(Font.Size()) + "," + std::to_string(Font.Color()) + "," +
                     std::to_string(Font.Charset());
  for (int i = 0; i < 4; ++i)
    if (Font.Style().Contains(static_cast<TFontStyle>(i))) text.append(",").append(fontStyleNames[i]);
  return text;
}

TFont TPropertyType<TFont>::FromText(std::string_view Text) {
  std::vector<std::string> items;
  std::string item;
  std::istringstream in{std::string(Text)};
  while (std::getline(in, item, ',')) items.push_back(item);
  if (items.empty() || items[0].empty()) throw EConvertError("'" + std::string(Text) + "' is not a valid font");
  TFont font;
  font.SetName(items[0]);
  if (items.size() > 1) font.SetSize(TPropertyType<int>::FromText(items[1]));
  if (items.size() > 2) font.SetColor(TPropertyType<TColor>::FromText(items[2]));
  if (items.size() > 3) font.SetCharset(TPropertyType<int>::FromText(items[3]));
  TFontStyles styles;
  for (std::size_t i = 4; i < items.size(); ++i) {
    int style = -1;
    for (int s = 0; s < 4; ++s)
      if (items[i] == fontStyleNames[s]) style = s;
    if (style < 0) throw EConvertError("'" + items[i] + "' is not a font style");
    styles.Include(static_cast<TFontStyle>(style));
  }
  font.SetStyle(styles);
  return font;
}

}  // namespace tessel
