// TBarcode: the base class of every symbology component. It holds the text
// and the appearance settings, owns its text fonts, draws itself on an
// attached image control and defines the encoding pipeline that each
// symbology fills in.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "core/pCore.h"
#include "platform/Component.h"
#include "platform/Font.h"
#include "platform/Reflection.h"

namespace tessel {

TESSEL_PUBLISHED_ENUM(TBarcodeOrientation, boLeftRight, boRightLeft, boTopBottom, boBottomTop)

// The view of a drawing given to the OnDrawText and OnDrawBarcode handlers.
struct TBarcodeCustomParameters {
  double Angle = 0;
  TPoint Origin;
  TPoint RotationOffset;
  std::string FullEncoded;
  std::string Text;
  TDisplayText DisplayText = dtNone;
  TTextPosition TextPosition = tpBottomOut;
  TTextAlignment TextAlignment = taCenter;
  const TFont* TextFont = nullptr;
  int ExtraFontSize = 0;
  int LeftSpacing = 0, RightSpacing = 0, LeftZoneWidth = 0, RightZoneWidth = 0, LeftHeight = 0, RightHeight = 0;
  int SymbolWidth = 0, LinesHeight = 0, TopOffset = 0, LeftOffset = 0, Left = 0, Top = 0;
  int TotalWidth = 0, TotalHeight = 0;
};

// A symbol laid out once, to be measured and then drawn without laying it
// out again (a writer sizes its image from the layout it draws).
struct TBarcodeLayout {
  TBarcodeDefineExtra Define;
  TBarcodeParameters Parameters;
  int Width = 0, Height = 0;  // the drawing's extent, turned by its angle
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TOnInvalidChar = std::function<void(TObject* Sender, int Index, char BarcodeChar)>;
using TOnInvalidLength = std::function<void(TObject* Sender, const std::string& Barcode)>;
using TOnDrawText = std::function<void(TObject* Sender, TCanvas& Canvas, TDrawTextStep Step,
                                       TBarcodeCustomParameters& BarcodeParameters, bool& Continue, TPoint& LeftTop,
                                       TPoint& RightBottom, std::span<const int>& PDx)>;
using TOnDrawBarcode =
    std::function<void(TObject* Sender, TCanvas& Canvas, const TBarcodeCustomParameters& Parameters)>;

class TBarcode : public TComponent {
  TESSEL_CLASS_INFO
 public:
  explicit TBarcode(TComponent* AOwner);
  ~TBarcode() override;

  // ---- properties published by TBarcode ----
  TComponent* Image() const { return image_; }
  void SetImage(TComponent* Value);
  int Module() const { return module_; }
  void SetModule(int Value);
  TColor BarColor() const { return barColor_; }
  virtual void SetBarColor(TColor Value);
  TColor SpaceColor() const { return spaceColor_; }
  void SetSpaceColor(TColor Value);
  TBarcodeOrientation Orientation() const { return orientation_; }
  void SetOrientation(TBarcodeOrientation Value);
  bool StretchWidth() const { return stretchWidth_; }
  void SetStretchWidth(bool Value);
  int LeftMargin() const { return leftMargin_; }
  void SetLeftMargin(int Value);
  int TopMargin() const { return topMargin_; }
  void SetTopMargin(int Value);
  int BarcodeWidth() const { return barcodeWidth_; }
  void SetBarcodeWidth(int Value);
  int BarcodeHeight() const { return barcodeHeight_; }
  void SetBarcodeHeight(int Value);
  TDisplayText DisplayText() const { return displayText_; }
  void SetDisplayText(TDisplayText Value);
  TTextPosition TextPosition() const { return textPosition_; }
  void SetTextPosition(TTextPosition Value);
  TTextAlignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(TTextAlignment Value);
  // The owned text font; changing it redraws the symbol.
  TFont& TextFont() { return textFont_; }
  const TFont& TextFont() const { return textFont_; }
  void SetTextFont(const TFont& Value);
  int TextVSpacing() const { return textVSpacing_; }
  void SetTextVSpacing(int Value);
  bool Locked() const { return locked_; }
  void SetLocked(bool Value);
  // The bar width reduction in millimetres on every device (whole device
  // pixels where the device draws whole pixels; never a bar's last pixel).
  // A run-time setting, not published: it belongs to the printer, not the
  // symbol.
  double BarWidthReduction() const { return barWidthReduction_; }
  void SetBarWidthReduction(double Millimetres);

  // ---- properties each symbology publishes where they apply ----
  const std::string& Barcode() const { return barcode_; }
  void SetBarcode(const std::string& Value);
  double Ratio() const { return ratio_; }
  virtual void SetRatio(double Value);
  bool AutoCheckDigit() const { return autoCheckDigit_; }
  void SetAutoCheckDigit(bool Value);
  int TextHSpacing() const { return textHSpacing_; }
  void SetTextHSpacing(int Value);
  int ExtraFontSize() const { return extraFontSize_; }
  void SetExtraFontSize(int Value);

  // The text with the check characters the symbology adds.
  std::string GetFullEncoded();

  // ---- events ----
  TNotifyEvent OnChange;
  TOnInvalidChar OnInvalidChar;
  TOnInvalidLength OnInvalidLength;
  TOnDrawText OnDrawText;
  TOnDrawBarcode OnDrawBarcode;
  // A second change notification, reserved for the data-aware component.
  TNotifyEvent LinkChangeHandler;

  void Assign(const TPersistent* Source) override;

  // ---- encoding pipeline ----
  virtual bool VerifyLength(const std::string& Barcode, bool AutoCheckDigit);
  virtual bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit);
  virtual int VerifyAllChars(const std::string& Barcode, bool AutoCheckDigit);
  virtual std::string AppendCheckDigit(const std::string& Barcode);
  virtual std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded);
  virtual void GetQuietZonesWidth(TCanvas& Canvas, const std::string& FullEncoded, TDisplayText DisplayText,
                                  TTextAlignment Alignment, int& LeftTextWidth, int& RightTextWidth, int& LeftSpacing,
                                  int& RightSpacing, int& LeftHeight, int& RightHeight);
  virtual bool IsMultiState();
  virtual void DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define,
                                TBarcodeParameters& Parameters, bool& Continue, TPoint& LeftTop, TPoint& RightBottom,
                                std::span<const int>& PDx);
  virtual void DoDrawLine(int Index, TLineType LineType, TColor& Color, int& Left, int& Top, int& Width, int& Height);
  virtual void DoAfterDrawBarcode(TCanvas& Canvas, const TBarcodeDefine& Define, const TBarcodeParameters& Parameters);
  virtual TBarcodeCustomParameters BuildCustomParameters(const TBarcodeDefine& Define,
                                                         const TBarcodeParameters& Parameters);

  // The component's definition, with its pipeline bound to this instance.
  TBarcodeDefineExtra BuildBarcodeDefineExtra(bool UseAngle, int Angle);
  int GetAngle() const;

  // ---- output operations (angles in degrees; -1: the orientation's) ----
  virtual void Draw();
  virtual void Clear(bool UseSpaceColor);
  virtual int DrawTo(TCanvas& Canvas, int Module, int Left, int Top, int Height, int Angle);
  virtual int DrawTo(TCanvas& Canvas, const std::string& Barcode, bool AutoCheckDigit, double Ratio, int Module,
                     int Left, int Top, int Height, TColor BarColor, TColor SpaceColor, TDisplayText DisplayText,
                     TTextPosition TextPosition, TTextAlignment TextAlignment, const TFont* Font, int Angle,
                     int ExtraFontSize);
  virtual int DefaultDisplayWidth(int Module, int Angle);
  virtual int DefaultDisplayWidth(TCanvas* Canvas, const std::string& Barcode, bool AutoCheckDigit, double Ratio,
                                  int Module, TDisplayText DisplayText, TTextAlignment TextAlignment, int& ErrorCode,
                                  const TFont* Font, int Angle, int ExtraFontSize);
  virtual int DrawToSize(int& Width, int& Height, int Module, int BarHeight, int Angle);
  virtual int DrawToSize(int& Width, int& Height, const std::string& Barcode, bool AutoCheckDigit, double Ratio,
                         int Module, int BarHeight, TDisplayText DisplayText, TTextAlignment TextAlignment,
                         const TFont* Font, int Angle, int ExtraFontSize);
  // Lays the symbol out as DrawTo(Canvas, Module, Left, Top, Height, -1)
  // would, with its texts measured on Canvas; returns the error code.
  int LayOut(TCanvas& Canvas, int Module, int Left, int Top, int Height, TBarcodeLayout& Layout);
  // Draws a layout made by LayOut; the text events may change it, so a
  // layout is drawn once.
  void DrawLayout(TCanvas& Canvas, TBarcodeLayout& Layout);
  virtual int Print(double ModuleMM, double LeftMM, double TopMM, double HeightMM, int Angle, double WidthMM);
  virtual int Print(const std::string& Barcode, bool AutoCheckDigit, double Ratio, double ModuleMM, double LeftMM,
                    double TopMM, double HeightMM, TColor BarColor, TColor SpaceColor, TDisplayText DisplayText,
                    TTextPosition TextPosition, TTextAlignment TextAlignment, const TFont* Font, int Angle,
                    double WidthMM, int ExtraFontSize);
  virtual double ActualPrintWidth(double ModuleMM, int Angle, double TargetWidthMM, int Resolution);
  virtual double ActualPrintWidth(const std::string& Barcode, bool AutoCheckDigit, double Ratio, double ModuleMM,
                                  TDisplayText DisplayText, TTextAlignment TextAlignment, const TFont* Font,
                                  int& ErrorCode, int Angle, double TargetWidthMM, int Resolution, int ExtraFontSize);
  virtual int PrintSize(double& Width, double& Height, double ModuleMM, double BarHeightMM, int Angle,
                        double TargetWidthMM, int ResolutionX, int ResolutionY);
  virtual int PrintSize(double& Width, double& Height, const std::string& Barcode, bool AutoCheckDigit, double Ratio,
                        double ModuleMM, TDisplayText DisplayText, TTextAlignment TextAlignment, const TFont* Font,
                        double BarHeightMM, int Angle, double TargetWidthMM, int ResolutionX, int ResolutionY,
                        int ExtraFontSize);

  // The canvas of the attached image control, or null.
  TCanvas* GetCanvas();
  virtual int GetRegion(TCanvas* Canvas, int& Width, int& LinesHeight, int& NaturalWidth, int& Height,
                        const TFont* Font, int ExtraFontSize);
  void ClearRegion(TCanvas& Canvas, const TRect& Rect, bool UseSpaceColor);
  virtual int InternalClear(bool Silent, const TFont* Font, bool UseSpaceColor, bool Reserved, int ExtraFontSize);

 protected:
  virtual void DoChange(bool NotifyChange);
  virtual void DoClearForComposite() {}
  virtual void DoChangeForComposite() {}
  virtual void DoInvalidLength(const std::string& Barcode);
  virtual void DoInvalidChar(const std::string& Barcode, int Index);
  // The text font reports a change.
  void Changed();
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;

  // Turns a layout error into OnInvalidLength or OnInvalidChar.
  void ReportError(int ErrorCode);
  // The arguments of InternalClear, by name.
  static constexpr bool ClearSilently = true;     // raise no invalid-text events
  static constexpr bool ClearReporting = false;   // raise them
  static constexpr bool OnSpaceColor = true;      // paint the region with SpaceColor
  static constexpr bool OnBrushColor = false;     // paint it with the canvas's current brush
  static constexpr bool ReservedArgument = true;  // unused; kept for classes that override InternalClear
  static constexpr int NoExtraFontSize = -1;      // the component's own ExtraFontSize

  // Erases the symbol as laid out with the current settings (or Font),
  // silently.
  void Erase(const TFont* Font = nullptr) {
    InternalClear(ClearSilently, Font, OnBrushColor, ReservedArgument, NoExtraFontSize);
  }
  // Paints the region of the symbol with SpaceColor and draws it there; an
  // invalid text raises its event and draws nothing.
  void Redraw() {
    if (InternalClear(ClearReporting, nullptr, OnSpaceColor, ReservedArgument, NoExtraFontSize) == ecValid) Draw();
  }

  // The setter forms: Plain stores and redraws; Erasing erases first;
  // Composite also lets a composite partner erase and follow.
  template <class T, class V>
  void SetPlain(T& Field, const V& Value) {
    if (Field == Value) return;
    Field = Value;
    DoChange(false);
  }
  template <class T, class V>
  void SetErasing(T& Field, const V& Value) {
    if (Field == Value) return;
    Erase();
    Field = Value;
    DoChange(false);
  }
  template <class T, class V>
  void SetComposite(T& Field, const V& Value, bool NotifyChange) {
    if (Field == Value) return;
    Erase();
    DoClearForComposite();
    Field = Value;
    DoChangeForComposite();
    DoChange(NotifyChange);
  }

 private:
  bool Vertical() const { return orientation_ == boTopBottom || orientation_ == boBottomTop; }
  void AttachImage(TComponent* Value);
  void NotifyImageChanged();
  TBarcodeDefineExtra FullDefine(bool AutoCheckDigit, double Ratio, TDisplayText DisplayText,
                                 TTextAlignment TextAlignment, const TFont* Font, int Angle, int ExtraFontSize);

  TComponent* image_ = nullptr;
  std::string barcode_;
  int module_ = 1;
  double ratio_ = 2.0;
  bool autoCheckDigit_ = true;
  TColor barColor_ = clBlack;
  TColor spaceColor_ = clWhite;
  TBarcodeOrientation orientation_ = boLeftRight;
  bool stretchWidth_ = false;
  int leftMargin_ = 0;
  int topMargin_ = 0;
  int barcodeWidth_ = 0;
  int barcodeHeight_ = 0;
  TDisplayText displayText_ = dtNone;
  TTextPosition textPosition_ = tpBottomOut;
  TTextAlignment textAlignment_ = taCenter;
  TFont textFont_;
  TFont previousTextFont_;
  int textHSpacing_ = 0;
  int textVSpacing_ = 0;
  int extraFontSize_ = 0;
  bool locked_ = false;
  double barWidthReduction_ = 0;
  TRect savedRegion_;
  bool inChange_ = false;
};

// Published-property entries for the properties TBarcode declares and each
// symbology publishes where they apply.
TPropInfo BarcodeProperty();
TPropInfo RatioProperty();
TPropInfo AutoCheckDigitProperty();
TPropInfo TextHSpacingProperty();
TPropInfo ExtraFontSizeProperty();

template <>
struct TPropertyType<TFont> {
  static constexpr TTypeKind Kind = TTypeKind::tkClass;
  // "Name,Size,Color,Charset[,fsBold][,fsItalic][,fsUnderline][,fsStrikeOut]"
  static std::string ToText(const TFont& Font);
  static TFont FromText(std::string_view Text);
};

}  // namespace tessel
