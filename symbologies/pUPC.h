// TBarcode_UPC: the common base of the EAN/UPC family. It supplies
// fixed-length numeric input padded on the left with '0', the EAN/UPC check
// digit, the three digit tables, the retail human-readable layout used with
// taCustom (digit groups under the halves, marks and outer digits in the quiet
// zones, data bars cut short above the digits) and the hooks through which a
// composite partner measures, draws and follows the linear symbol.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "components/pComposite.h"

namespace tessel {

// Number set A (odd parity), number set B (even parity) and number set C
// (right half), indexed by digit; elements alternate space, bar, space, bar
// for A and B and bar, space, bar, space for C.
inline constexpr std::array<std::string_view, 10> Tabelle_UPC_L = {
    "2605",  // [0] 0
    "1615",  // [1] 1
    "1516",  // [2] 2
    "0805",  // [3] 3
    "0526",  // [4] 4
    "0625",  // [5] 5
    "0508",  // [6] 6
    "0706",  // [7] 7
    "0607",  // [8] 8
    "2506",  // [9] 9
};
inline constexpr std::array<std::string_view, 10> Tabelle_UPC_G = {
    "0517",  // [0] 0
    "0616",  // [1] 1
    "1606",  // [2] 2
    "0535",  // [3] 3
    "1705",  // [4] 4
    "0715",  // [5] 5
    "3505",  // [6] 6
    "1525",  // [7] 7
    "2515",  // [8] 8
    "1507",  // [9] 9
};
inline constexpr std::array<std::string_view, 10> Tabelle_UPC_R = {
    "7150",  // [0] 0
    "6160",  // [1] 1
    "6061",  // [2] 2
    "5350",  // [3] 3
    "5071",  // [4] 4
    "5170",  // [5] 5
    "5053",  // [6] 6
    "5251",  // [7] 7
    "5152",  // [8] 8
    "7051",  // [9] 9
};

// The guard patterns, one module an element: the normal guard (bar, space,
// bar) at either end of EAN-13, EAN-8 and UPC-A and on the left of UPC-E;
// the centre guard between the halves; UPC-E's special guard on its right;
// the add-on's guard (bar, space, double bar) and the separator (space, bar)
// between its digits.
inline constexpr std::string_view NormalGuard = "505";
inline constexpr std::string_view CentreGuard = "05050";
inline constexpr std::string_view SpecialGuard = "050505";
inline constexpr std::string_view AddOnGuard = "506";
inline constexpr std::string_view AddOnSeparator = "05";

// The table index of a digit; any other character counts as 0, so that an
// unverified text can never index outside a table.
inline int UPCDigit(char C) { return C >= '0' && C <= '9' ? C - '0' : 0; }

enum TCustomAlignmentType { catSingleZone, catDoubleZone };

// How the retail layout splits a symbol's text and its pattern: the texts of
// the quiet zones, the digit groups under the halves and the pixel widths of
// the guards and halves along the bars.
struct TCustomAlignmentDefine {
  std::string LeftText;
  std::string LeftDigits;
  std::string RightDigits;
  std::string RightText;
  TCustomAlignmentType AlignmentType = catSingleZone;
  int LeftGuardWidth = 0;
  int LeftHalfWidth = 0;
  int CenterGuardWidth = 0;
  int RightHalfWidth = 0;
  int RightGuardWidth = 0;
};

class TBarcode_UPC : public TCompositeLinearBarcode {
  TESSEL_CLASS_INFO
 public:
  explicit TBarcode_UPC(TComponent* AOwner);

  bool ShowQuietZoneMark() const { return showQuietZoneMark_; }
  void SetShowQuietZoneMark(bool Value);
  int LeftQuietZoneSpacing() const { return leftQuietZoneSpacing_; }
  void SetLeftQuietZoneSpacing(int Value);
  int RightQuietZoneSpacing() const { return rightQuietZoneSpacing_; }
  void SetRightQuietZoneSpacing(int Value);

  void Assign(const TPersistent* Source) override;

  // The number of digits of the full symbol, check digit included; each
  // symbology defines it, so the family base itself is abstract.
  virtual int NumberChars() = 0;

  bool VerifyLength(const std::string& Barcode, bool AutoCheckDigit) override;
  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  std::string AppendCheckDigit(const std::string& Barcode) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  void GetQuietZonesWidth(TCanvas& Canvas, const std::string& FullEncoded, TDisplayText DisplayText,
                          TTextAlignment Alignment, int& LeftTextWidth, int& RightTextWidth, int& LeftSpacing,
                          int& RightSpacing, int& LeftHeight, int& RightHeight) override;
  void DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define, TBarcodeParameters& Parameters,
                        bool& Continue, TPoint& LeftTop, TPoint& RightBottom, std::span<const int>& PDx) override;

  // Fills Define for the given text and pattern (subclasses); true when the
  // retail layout applies: a text, taCustom and a displayed text.
  virtual bool GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText,
                                        TTextAlignment Alignment, const std::string& Pattern, double Ratio, int Module,
                                        TCustomAlignmentDefine& Define);

 protected:
  // Mark as a quiet-zone text when ShowQuietZoneMark is set, else empty.
  std::string QuietZoneMark(char Mark) const { return std::string(showQuietZoneMark_ ? 1 : 0, Mark); }
  // The pattern of a symbol in two halves: the guard, the digits of
  // LeftDigits in number set A ('A' in LeftParities) or B (any other), the
  // centre guard, RightDigits in number set C, the guard.
  static std::string TwoHalvesPattern(std::string_view LeftDigits, std::string_view LeftParities,
                                      std::string_view RightDigits);
  // The layout of EAN-13 and EAN-8 (patterns of TwoHalvesPattern): guards
  // of three modules, two halves of HalfDigits digits after the leading
  // ones, each half counting with one module of the centre guard, and the
  // mark '>' in the right quiet zone.
  void SetEANLayout(const std::string& FullEncoded, const std::string& Pattern, int HalfDigits, double Ratio,
                    int Module, TCustomAlignmentDefine& Define);
  // The quiet-zone texts and the digits beyond the lines, without the
  // quiet-zone spacings.
  void GetCompositeExtents(const TBarcodeParameters& Parameters, int& LeftExtent, int& RightExtent) override;

 private:
  // Draws a quiet-zone text at a layout-frame point in the quiet-zone font.
  static void DrawQuietZoneText(TCanvas& Canvas, const TBarcodeDefine& Define, const TBarcodeParameters& Parameters,
                                TPoint At, const std::string& Text);
  // Spreads a digit group over Width pixels from Left and draws it on the
  // text line in the canvas's current font.
  static void DrawDigitGroup(TCanvas& Canvas, const TBarcodeParameters& Parameters, const std::string& Digits, int Left,
                             int Width, TJustifyOffsetMode Mode);
  // Cuts the data bars above the digits of each half and leaves the core the
  // lower part of the text band to clear, so the guard bars run down between.
  static void ClearRetailTextBand(TCanvas& Canvas, const TBarcodeDefine& Define, const TBarcodeParameters& Parameters,
                                  const TCustomAlignmentDefine& Layout, TPoint& LeftTop, TPoint& RightBottom);
  // Draws the digit groups and the quiet-zone texts of the retail layout.
  static void PrintRetailText(TCanvas& Canvas, const TBarcodeDefine& Define, const TBarcodeParameters& Parameters,
                              const TCustomAlignmentDefine& Layout);

  bool showQuietZoneMark_ = false;
  int leftQuietZoneSpacing_ = 1;
  int rightQuietZoneSpacing_ = 1;
};

// The n characters of S from the 1-based position i, fewer at its end.
std::string UPCCopy(const std::string& S, int i, int n);

// Published-property entries for the options each EAN/UPC class publishes
// where they apply.
TPropInfo ShowQuietZoneMarkProperty();
TPropInfo LeftQuietZoneSpacingProperty();
TPropInfo RightQuietZoneSpacingProperty();

}  // namespace tessel
