// TBarcode output operations: drawing on the image control, on any canvas
// and on the printer, clearing, and measuring.
#include <memory>

#include "components/pBarcode.h"
#include "platform/Image.h"
#include "platform/Platform.h"

namespace tessel {
namespace {

// The bitmap of an image control's picture, sized to the control when empty.
TCanvas* PictureCanvas(TPicture& Picture, const TControl* Control) {
  TBitmap* bitmap = Picture.Bitmap();
  if (!bitmap) return nullptr;
  if (bitmap->Empty() && Control) bitmap->SetSize(Control->Width(), Control->Height());
  return &bitmap->Canvas();
}

}  // namespace

TCanvas* TBarcode::GetCanvas() {
  if (!image_) return nullptr;
  const std::string_view cls = image_->ClassName();
  const bool known = cls == "TImage" || cls == "TQRImage";
  auto* control = dynamic_cast<TControl*>(image_);
  if (Designing()) return known && control ? control->ControlCanvas() : nullptr;
  if (cls == "TImage") {
    auto* image = dynamic_cast<TImage*>(image_);
    return image ? PictureCanvas(image->Picture(), image) : nullptr;
  }
  if (cls == "TQRImage") {
    const TPropInfo* picture = FindProperty(image_->ClassType(), "Picture");
    if (!picture || picture->Kind != TTypeKind::tkClass || picture->ObjectClass != "TPicture" || !picture->GetObject)
      return nullptr;
    return PictureCanvas(*static_cast<TPicture*>(picture->GetObject(*image_)), control);
  }
  return nullptr;
}

void TBarcode::NotifyImageChanged() {
  if (auto* image = dynamic_cast<TImage*>(image_)) image->Changed();
}

int TBarcode::GetRegion(TCanvas* Canvas, int& Width, int& LinesHeight, int& NaturalWidth, int& Height,
                        const TFont* Font, int ExtraFontSize) {
  const auto* control = dynamic_cast<const TControl*>(image_);
  const int imageWidth = control ? control->Width() : 0;
  const int imageHeight = control ? control->Height() : 0;
  if (barcodeHeight_ > 0)
    LinesHeight = barcodeHeight_;
  else
    LinesHeight = Vertical() ? imageWidth - leftMargin_ + barcodeHeight_ : imageHeight - topMargin_ + barcodeHeight_;

  TBarcodeDefineExtra define = BuildBarcodeDefineExtra(false, 0);
  if (Font) define.TextFont = Font;
  if (ExtraFontSize != -1) define.ExtraFontSize = ExtraFontSize;
  TBarcodeParameters p;
  const int error = BuildBarcodeParameters(Canvas, barcode_, define, p, 0, 0, LinesHeight, 1, 1, nullptr);
  Height = p.TotalHeight;
  NaturalWidth = Width = p.TotalWidth;
  if (stretchWidth_) {
    if (barcodeWidth_ > 0)
      Width = barcodeWidth_;
    else
      Width = Vertical() ? imageHeight - topMargin_ + barcodeWidth_ : imageWidth - leftMargin_ + barcodeWidth_;
  }
  return error;
}

void TBarcode::ClearRegion(TCanvas& Canvas, const TRect& Rect, bool UseSpaceColor) {
  TCanvasStateSaver saved(Canvas);
  if (UseSpaceColor) Canvas.Brush.Color = spaceColor_;
  Canvas.Brush.Style = TBrushStyle::bsSolid;
  Canvas.Pen.Color = Canvas.Brush.Color;
  Canvas.Pen.Mode = TPenMode::pmCopy;
  Canvas.Pen.Style = TPenStyle::psSolid;
  Canvas.Rectangle(Rect);
}

int TBarcode::InternalClear(bool Silent, const TFont* Font, bool UseSpaceColor, bool, int ExtraFontSize) {
  if ((Silent && locked_) || Loading() || !image_) return ecValid;
  TCanvas* canvas = GetCanvas();
  if (!canvas) return ecValid;
  int width, linesHeight, naturalWidth, height;
  int error = GetRegion(canvas, width, linesHeight, naturalWidth, height, Font, ExtraFontSize);
  if (error == ecValid) {
    if (stretchWidth_) {
      if (Vertical()) std::swap(width, height);
      ClearRegion(*canvas, {leftMargin_, topMargin_, leftMargin_ + width, topMargin_ + height}, UseSpaceColor);
    } else {
      TBarcodeDefineExtra define = BuildBarcodeDefineExtra(false, 0);
      if (Font) define.TextFont = Font;
      if (ExtraFontSize != -1) define.ExtraFontSize = ExtraFontSize;
      error =
          ClearBarcode(*canvas, barcode_, leftMargin_, topMargin_, linesHeight, spaceColor_, define, 0, UseSpaceColor);
    }
    NotifyImageChanged();
  }
  if (!Silent) ReportError(error);
  return error;
}

void TBarcode::Draw() {
  TCanvas* canvas = image_ ? GetCanvas() : nullptr;
  if (!canvas) return;
  int width, linesHeight, naturalWidth, height;
  int error = GetRegion(canvas, width, linesHeight, naturalWidth, height, nullptr, -1);
  if (error == ecValid && !stretchWidth_) {
    error = DrawBarcode(*canvas, barcode_, leftMargin_, topMargin_, linesHeight, barColor_, spaceColor_, spaceColor_,
                        BuildBarcodeDefineExtra(false, 0), 1, 1, nullptr);
  } else if (error == ecValid) {
    // Draw at the natural size off screen, then stretch onto the image.
    if (std::unique_ptr<TBitmap> bitmap = Platform().CreateBitmap()) {
      if (Vertical()) {
        bitmap->SetSize(height, naturalWidth);
        std::swap(width, height);
      } else {
        bitmap->SetSize(naturalWidth, height);
      }
      error = DrawBarcode(bitmap->Canvas(), barcode_, 0, 0, linesHeight, barColor_, spaceColor_, spaceColor_,
                          BuildBarcodeDefineExtra(false, 0), 1, 1, nullptr);
      if (error == ecValid)
        canvas->StretchDraw({leftMargin_, topMargin_, leftMargin_ + width, topMargin_ + height}, *bitmap);
    }
  }
  NotifyImageChanged();
  ReportError(error);
}

void TBarcode::Clear(bool UseSpaceColor) {
  InternalClear(ClearReporting, nullptr, UseSpaceColor, !ReservedArgument, NoExtraFontSize);
}

TBarcodeDefineExtra TBarcode::FullDefine(bool AutoCheckDigit, double Ratio, TDisplayText DisplayText,
                                         TTextAlignment TextAlignment, const TFont* Font, int Angle,
                                         int ExtraFontSize) {
  TBarcodeDefineExtra define = BuildBarcodeDefineExtra(true, Angle);
  define.Ratio = Ratio;
  define.AutoCheckDigit = AutoCheckDigit;
  define.DisplayText = DisplayText;
  define.TextAlignment = TextAlignment;
  define.TextFont = Font;
  define.ExtraFontSize = ExtraFontSize;
  return define;
}

int TBarcode::DrawTo(TCanvas& Canvas, int Module, int Left, int Top, int Height, int Angle) {
  TBarcodeDefineExtra define = BuildBarcodeDefineExtra(Angle != -1, Angle);
  define.Module = Module;
  return DrawBarcode(Canvas, barcode_, Left, Top, Height, barColor_, spaceColor_, spaceColor_, define, 1, 1, nullptr);
}

int TBarcode::DrawTo(TCanvas& Canvas, const std::string& Barcode, bool AutoCheckDigit, double Ratio, int Module,
                     int Left, int Top, int Height, TColor BarColor, TColor SpaceColor, TDisplayText DisplayText,
                     TTextPosition TextPosition, TTextAlignment TextAlignment, const TFont* Font, int Angle,
                     int ExtraFontSize) {
  TBarcodeDefineExtra define =
      FullDefine(AutoCheckDigit, Ratio, DisplayText, TextAlignment, Font, Angle, ExtraFontSize);
  define.Module = Module;
  define.TextPosition = TextPosition;
  return DrawBarcode(Canvas, Barcode, Left, Top, Height, BarColor, SpaceColor, SpaceColor, define, 1, 1, nullptr);
}

int TBarcode::DefaultDisplayWidth(int Module, int Angle) {
  TBarcodeDefineExtra define = BuildBarcodeDefineExtra(Angle != -1, Angle);
  if (Module > 0) define.Module = Module;
  TBarcodeParameters p;
  const int error = BuildBarcodeParameters(GetCanvas(), barcode_, define, p, 0, 0, 0, 1, 1, nullptr);
  ReportError(error);
  return error == ecValid ? p.TotalWidth : 0;
}

int TBarcode::DefaultDisplayWidth(TCanvas* Canvas, const std::string& Barcode, bool AutoCheckDigit, double Ratio,
                                  int Module, TDisplayText DisplayText, TTextAlignment TextAlignment, int& ErrorCode,
                                  const TFont* Font, int Angle, int ExtraFontSize) {
  TBarcodeDefineExtra define =
      FullDefine(AutoCheckDigit, Ratio, DisplayText, TextAlignment, Font, Angle, ExtraFontSize);
  define.Module = Module;
  define.TextPosition = tpBottomOut;
  TBarcodeParameters p;
  ErrorCode = BuildBarcodeParameters(Canvas, Barcode, define, p, 0, 0, 0, 1, 1, nullptr);
  return ErrorCode == ecValid ? p.TotalWidth : 0;
}

int TBarcode::DrawToSize(int& Width, int& Height, int Module, int BarHeight, int Angle) {
  return DrawToSize(Width, Height, barcode_, autoCheckDigit_, ratio_, Module, BarHeight, displayText_, textAlignment_,
                    &textFont_, Angle == -1 ? GetAngle() : Angle, extraFontSize_);
}

int TBarcode::DrawToSize(int& Width, int& Height, const std::string& Barcode, bool AutoCheckDigit, double Ratio,
                         int Module, int BarHeight, TDisplayText DisplayText, TTextAlignment TextAlignment,
                         const TFont* Font, int Angle, int ExtraFontSize) {
  TBarcodeDefineExtra define =
      FullDefine(AutoCheckDigit, Ratio, DisplayText, TextAlignment, Font, Angle, ExtraFontSize);
  define.Module = Module;
  Height = BarHeight;
  return DrawSize(Barcode, define, Width, Height);
}

int TBarcode::LayOut(TCanvas& Canvas, int Module, int Left, int Top, int Height, TBarcodeLayout& Layout) {
  Layout.Define = BuildBarcodeDefineExtra(false, -1);
  Layout.Define.Module = Module;
  const int error =
      BuildBarcodeParameters(&Canvas, barcode_, Layout.Define, Layout.Parameters, Left, Top, Height, 1, 1, nullptr);
  Layout.Width = error == ecValid ? Layout.Parameters.TotalWidth : 0;
  Layout.Height = error == ecValid ? Layout.Parameters.TotalHeight : 0;
  if (error == ecValid) RotatedExtent(Layout.Width, Layout.Height, 1, Layout.Parameters.Angle);
  return error;
}

void TBarcode::DrawLayout(TCanvas& Canvas, TBarcodeLayout& Layout) {
  DrawBarcodeLayout(Canvas, Layout.Define, Layout.Parameters, barColor_, spaceColor_, spaceColor_);
}

int TBarcode::Print(double ModuleMM, double LeftMM, double TopMM, double HeightMM, int Angle, double WidthMM) {
  return Print(barcode_, autoCheckDigit_, ratio_, ModuleMM, LeftMM, TopMM, HeightMM, barColor_, spaceColor_,
               displayText_, textPosition_, textAlignment_, &textFont_, Angle == -1 ? GetAngle() : Angle, WidthMM,
               extraFontSize_);
}

int TBarcode::Print(const std::string& Barcode, bool AutoCheckDigit, double Ratio, double ModuleMM, double LeftMM,
                    double TopMM, double HeightMM, TColor BarColor, TColor SpaceColor, TDisplayText DisplayText,
                    TTextPosition TextPosition, TTextAlignment TextAlignment, const TFont* Font, int Angle,
                    double WidthMM, int ExtraFontSize) {
  TBarcodeDefineExtra define =
      FullDefine(AutoCheckDigit, Ratio, DisplayText, TextAlignment, Font, Angle, ExtraFontSize);
  define.TextPosition = TextPosition;
  return PrintBarcode(Barcode, ModuleMM, LeftMM, TopMM, HeightMM, BarColor, SpaceColor, SpaceColor, define, WidthMM);
}

double TBarcode::ActualPrintWidth(double ModuleMM, int Angle, double TargetWidthMM, int Resolution) {
  int error = ecValid;
  return ActualPrintWidth(barcode_, autoCheckDigit_, ratio_, ModuleMM, displayText_, textAlignment_, &textFont_, error,
                          Angle == -1 ? GetAngle() : Angle, TargetWidthMM, Resolution, extraFontSize_);
}

double TBarcode::ActualPrintWidth(const std::string& Barcode, bool AutoCheckDigit, double Ratio, double ModuleMM,
                                  TDisplayText DisplayText, TTextAlignment TextAlignment, const TFont* Font,
                                  int& ErrorCode, int Angle, double TargetWidthMM, int Resolution, int ExtraFontSize) {
  const TBarcodeDefineExtra define =
      FullDefine(AutoCheckDigit, Ratio, DisplayText, TextAlignment, Font, Angle, ExtraFontSize);
  int module = 0;
  return tessel::ActualPrintWidth(Barcode, ModuleMM, define, module, ErrorCode, TargetWidthMM, Resolution);
}

int TBarcode::PrintSize(double& Width, double& Height, double ModuleMM, double BarHeightMM, int Angle,
                        double TargetWidthMM, int ResolutionX, int ResolutionY) {
  return PrintSize(Width, Height, barcode_, autoCheckDigit_, ratio_, ModuleMM, displayText_, textAlignment_, &textFont_,
                   BarHeightMM, Angle == -1 ? GetAngle() : Angle, TargetWidthMM, ResolutionX, ResolutionY,
                   extraFontSize_);
}

int TBarcode::PrintSize(double& Width, double& Height, const std::string& Barcode, bool AutoCheckDigit, double Ratio,
                        double ModuleMM, TDisplayText DisplayText, TTextAlignment TextAlignment, const TFont* Font,
                        double BarHeightMM, int Angle, double TargetWidthMM, int ResolutionX, int ResolutionY,
                        int ExtraFontSize) {
  const TBarcodeDefineExtra define =
      FullDefine(AutoCheckDigit, Ratio, DisplayText, TextAlignment, Font, Angle, ExtraFontSize);
  int module = 0;
  Height = BarHeightMM;
  return tessel::PrintSize(Barcode, ModuleMM, define, module, Width, Height, TargetWidthMM, ResolutionX, ResolutionY);
}

}  // namespace tessel
