// Physical sizing in millimetres and printing on the default printer.
#include <memory>

#include "core/pCore.h"
#include "platform/Platform.h"

namespace tessel {
namespace {

int PrinterResolution(int Resolution, bool Horizontal) {
  return Resolution != 0 ? Resolution : GetPrinterResolution(Platform().Printer(), Horizontal);
}

int ToPixels(int Resolution, double Millimetres, bool Horizontal) {
  return Round(PrinterResolution(Resolution, Horizontal) * Millimetres / MillimetresPerInch);
}

double ToMillimetres(int Pixels, int Resolution, bool Horizontal) {
  const int resolution = PrinterResolution(Resolution, Horizontal);
  return resolution > 0 ? Pixels * MillimetresPerInch / resolution : 0.0;
}

// The canvas a symbol is measured on for printing: the printer's, else a
// scratch bitmap's, else none.
TCanvas* MeasuringCanvas(std::unique_ptr<TBitmap>& scratch) {
  if (TPrinter* printer = Platform().Printer()) return &printer->Canvas();
  scratch = Platform().CreateBitmap();
  return scratch ? &scratch->Canvas() : nullptr;
}

// The module in printer pixels: from ModuleMM, or fitted so that the whole
// symbol comes as close as it can to TargetWidthMM. Sets ErrorCode.
int PrintModule(const std::string& Barcode, double ModuleMM, const TBarcodeDefineExtra& Define, int& ErrorCode,
                double TargetWidthMM, int Resolution, TCanvas* Canvas) {
  ErrorCode = ecValid;
  if (TargetWidthMM == 0) return MillimetresToPixelsX(Resolution, ModuleMM);

  ErrorCode = VerifyBarcode(Barcode, Define);
  if (ErrorCode != ecValid) return 0;
  std::string fullEncoded;
  const std::string pattern = Define.MakeData ? Define.MakeData(Barcode, Define.AutoCheckDigit, fullEncoded) : "";
  int modules = GetLinesWidth(pattern, 1, Define.Ratio);
  int leftText = 0, rightText = 0, leftSpacing = 0, rightSpacing = 0, leftHeight = 0, rightHeight = 0;
  if (Define.GetQuietZonesWidth && Canvas) {
    TCanvasStateSaver saved(*Canvas);
    SelectTextFont(*Canvas, Define, true);
    Canvas->CharExtra = 1;
    Define.GetQuietZonesWidth(*Canvas, fullEncoded, Define.DisplayText, Define.TextAlignment, leftText, rightText,
                              leftSpacing, rightSpacing, leftHeight, rightHeight);
  }
  modules += leftSpacing + rightSpacing;
  if (modules <= 0) return 0;
  const double textMM = PixelsToMillimetresX(leftText + rightText, Resolution);
  // A target too narrow for one pixel per module gives a module of 0.
  return std::max(0, MillimetresToPixelsX(Resolution, (TargetWidthMM - textMM) / modules));
}

}  // namespace

int GetPrinterResolution(TPrinter* Printer, bool Horizontal) {
  if (!Printer) return 0;
  return Horizontal ? Printer->PixelsPerInchX() : Printer->PixelsPerInchY();
}

int MillimetresToPixelsX(int Resolution, double Millimetres) { return ToPixels(Resolution, Millimetres, true); }
int MillimetresToPixelsY(int Resolution, double Millimetres) { return ToPixels(Resolution, Millimetres, false); }
double PixelsToMillimetresX(int Pixels, int Resolution) { return ToMillimetres(Pixels, Resolution, true); }
double PixelsToMillimetresY(int Pixels, int Resolution) { return ToMillimetres(Pixels, Resolution, false); }

double ActualPrintWidth(const std::string& Barcode, double ModuleMM, const TBarcodeDefineExtra& Define, int& Module,
                        int& ErrorCode, double TargetWidthMM, int Resolution) {
  std::unique_ptr<TBitmap> scratch;
  TCanvas* canvas = MeasuringCanvas(scratch);
  Module = PrintModule(Barcode, ModuleMM, Define, ErrorCode, TargetWidthMM, Resolution, canvas);
  if (ErrorCode != ecValid) return 0;
  TBarcodeDefineExtra define = Define;
  define.Module = Module;
  TBarcodeParameters p;
  ErrorCode = BuildBarcodeParameters(canvas, Barcode, define, p, 0, 0, 0, 1, 1, nullptr);
  return ErrorCode == ecValid ? PixelsToMillimetresX(p.TotalWidth, Resolution) : 0.0;
}

int PrintSize(const std::string& Barcode, double ModuleMM, const TBarcodeDefineExtra& Define, int& Module,
              double& WidthMM, double& HeightMM, double TargetWidthMM, int ResolutionX, int ResolutionY) {
  std::unique_ptr<TBitmap> scratch;
  TCanvas* canvas = MeasuringCanvas(scratch);
  int error = ecValid;
  Module = PrintModule(Barcode, ModuleMM, Define, error, TargetWidthMM, ResolutionX, canvas);
  if (error != ecValid) return error;
  TBarcodeDefineExtra define = Define;
  define.Module = Module;
  TBarcodeParameters p;
  const int barHeight = MillimetresToPixelsX(ResolutionX, HeightMM);
  // The layout measures y in horizontal pixels, as printing does; on a
  // printer whose resolutions differ, the extent turns them into vertical
  // pixels before they are converted with the vertical resolution.
  const int resolutionX = PrinterResolution(ResolutionX, true), resolutionY = PrinterResolution(ResolutionY, false);
  const bool square = resolutionX <= 0 || resolutionY <= 0 || resolutionX == resolutionY;
  error = BuildBarcodeParameters(canvas, Barcode, define, p, 0, 0, barHeight, square ? 1 : resolutionX,
                                 square ? 1 : resolutionY, nullptr);
  if (error != ecValid) return error;
  int width = p.TotalWidth, height = p.TotalHeight;
  if (p.Angle == 0)
    height = Round(height / p.AspectRatio);
  else
    RotatedExtent(width, height, p.AspectRatio, p.Angle);
  WidthMM = PixelsToMillimetresX(width, ResolutionX);
  HeightMM = PixelsToMillimetresY(height, ResolutionY);
  return ecValid;
}

int PrintBarcode(const std::string& Barcode, double ModuleMM, double LeftMM, double TopMM, double HeightMM,
                 TColor BarColor, TColor SpaceColor, TColor TextBackColor, const TBarcodeDefineExtra& Define,
                 double WidthMM) {
  TPrinter* printer = Platform().Printer();
  if (!printer) return ecNoPrinter;
  const int left = MillimetresToPixelsX(0, LeftMM);
  const int top = MillimetresToPixelsY(0, TopMM);
  const int barHeight = MillimetresToPixelsX(0, HeightMM);
  int module = 0;
  if (WidthMM != 0) {
    int error = ecValid;
    ActualPrintWidth(Barcode, 0, Define, module, error, WidthMM, 0);
    if (error != ecValid) return error;
  } else {
    // An invalid text reports its own error whatever the module.
    if (const int error = VerifyBarcode(Barcode, Define); error != ecValid) return error;
    module = MillimetresToPixelsX(0, ModuleMM);
  }
  // Nothing printable at less than one printer pixel per module.
  if (module < 1) return ecModuleTooSmall;
  TBarcodeDefineExtra define = Define;
  define.Module = module;
  return DrawBarcode(printer->Canvas(), Barcode, left, top, barHeight, BarColor, SpaceColor, TextBackColor, define,
                     printer->PixelsPerInchX(), printer->PixelsPerInchY(), nullptr);
}

int DrawSize(const std::string& Barcode, const TBarcodeDefineExtra& Define, int& Width, int& Height) {
  const std::unique_ptr<TBitmap> scratch = Platform().CreateBitmap();
  TCanvas* Canvas = scratch ? &scratch->Canvas() : nullptr;
  TBarcodeDefineExtra define = Define;
  TBarcodeParameters p;
  const int error = BuildBarcodeParameters(Canvas, Barcode, define, p, 0, 0, Height, 1, 1, nullptr);
  if (error != ecValid) {
    Width = Height = 0;
    return error;
  }
  Width = p.TotalWidth;
  Height = p.TotalHeight;
  RotatedExtent(Width, Height, 1, p.Angle);
  return ecValid;
}

}  // namespace tessel
