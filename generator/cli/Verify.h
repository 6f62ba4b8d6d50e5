// stripemaker --verify: reads image files back and prints, for each, the
// symbology, its text and its print-quality grade with the parameters of
// its scans; and the check of the symbols stripemaker writes itself.
#pragma once

#include <string>
#include <vector>

#include "components/pBarcode.h"
#include "output/SymbolFile.h"
#include "reader/Reader.h"
#include "reader/Verify.h"

namespace tessel::generator {

enum class TReportFormat { Text, Json };

struct TVerifyRun {
  std::vector<std::string> Files;
  std::string Class;  // with -c or -s: the file must read as this class
  TVerifyOptions Options;
  TReportFormat Format = TReportFormat::Text;
};

// Prints a report of every file on standard output; returns 0 when every
// file reads (as the class given), 1 when one does not, 3 when one cannot
// be opened or is no image the reader takes.
int RunVerify(const TVerifyRun& Run);

// "reads as TBarcode_Code39 \"CODE39\", grade A", or "does not read".
std::string ReadSummary(const TReadResult& Read);

// The lowest grade --check takes unless told: C.
inline constexpr char DefaultMinimumGrade = 'C';

// Why a symbol written for Text fails its check: it does not read, reads
// as another class or text, or grades below Minimum ('A' to 'D'); empty
// when it passes.
std::string CheckRefusal(const TReadResult& Read, const std::string& ClassName, const std::string& Text, char Minimum);

// --check: each symbol written is read back first, as printed.
struct TSymbolCheck {
  char MinimumGrade = DefaultMinimumGrade;
  TVerifyOptions Options;  // the print simulation
};

// Reads back Image, the component's symbol as drawn for its file: why it
// fails its check, or "" when it passes.
std::string CheckImage(TBarcode& Barcode, const TRasterImage& Image, const TSymbolCheck& Check);

// True for the formats whose writer hands --check the very image it
// encodes (PNG, BMP, TIFF); the vector formats are checked with CheckSymbol.
bool ChecksWrittenImage(TFileFormat Format);

// Draws the component's symbol as Output sizes it, as an image in memory,
// and reads it back: why it fails its check, or "" when it passes or when
// its text is invalid (which the writer reports). For vector files, drawn
// at the same print parameters.
std::string CheckSymbol(TBarcode& Barcode, const TOutputOptions& Output, const TSymbolCheck& Check);

}  // namespace tessel::generator
