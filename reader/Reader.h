// Reads back the symbols the library draws: finds the symbol in a grey image
// at 0, 90, 180 or 270 degrees, decodes it with every decoder that fits and
// grades its print quality on ten scans across its bars.
//
//   const tessel::TReadResult result = tessel::ReadSymbol(tessel::ToGrey(image));
//   if (result.Found) std::cout << result.ClassName << ' ' << result.Text << ' ' << result.GradeLetter() << '\n';
#pragma once

#include <string>
#include <vector>

#include "platform/Types.h"
#include "reader/Grade.h"
#include "reader/GreyImage.h"

namespace tessel {

struct TReadOptions {
  // The class to prefer where several fit (e.g. "TBarcode_Code39"); empty
  // for none.
  std::string PreferredClass;
  // Read with the preferred class's decoders alone: a check of a symbol of
  // a known class, in a fraction of the time. Nothing is found when the
  // symbol does not read as that class, and no other fit is listed.
  bool PreferredOnly = false;
  // The symbol was drawn without the check characters its symbology may
  // leave out (a component's AutoCheckDigit off): its characters are read
  // unchecked, all of them data. Symbologies whose check is part of the
  // data given (EAN, UPC) or always drawn are read as ever.
  bool WithoutCheckCharacters = false;
};

struct TReadResult {
  bool Found = false;
  std::string ClassName;   // the symbology read
  std::string Text;        // as the class shows it, check characters included
  int Angle = 0;           // the symbol's rotation, counter-clockwise: 0, 90, 180 or 270
  TRect Box{};             // the bars' box in the image's pixels
  double ModuleWidth = 0;  // the X dimension measured, in pixels: the mean of the narrowest bar and space
  // Every class whose decoder read the symbol, in the reader's order of
  // preference, with the text each read.
  std::vector<std::pair<std::string, std::string>> Fits;
  std::vector<TScanGrade> Scans;  // the ten grading scans
  double Grade = 0;               // their mean, 4 (A) to 0 (F)

  char GradeLetter() const { return tessel::GradeLetter(Grade); }
};

TReadResult ReadSymbol(const TGreyImage& Image, const TReadOptions& Options = {});

}  // namespace tessel
