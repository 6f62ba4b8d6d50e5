#include "generator/cli/Verify.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "generator/TextEscape.h"
#include "generator/cli/Cli.h"
#include "generator/cli/TextCodec.h"
#include "reader/GreyImage.h"
#include "reader/ImageFile.h"

namespace tessel::generator {
namespace {

// One graded parameter of the report: its name, and its grade and value
// in a scan.
struct TParameter {
  std::string_view Name;
  std::string_view JsonName;
  int TScanGrade::*Grade;
  double TScanGrade::*Value;  // null for decode, which has none
  std::string_view Unit;
};
constexpr std::array Parameters{
    TParameter{"decode", "decode", &TScanGrade::DecodeGrade, nullptr, ""},
    TParameter{"Rmin", "rmin", &TScanGrade::RminGrade, &TScanGrade::Rmin, " %"},
    TParameter{"symbol contrast", "symbol_contrast", &TScanGrade::ContrastGrade, &TScanGrade::SymbolContrast, " %"},
    TParameter{"minimum edge contrast", "minimum_edge_contrast", &TScanGrade::EdgeContrastGrade,
               &TScanGrade::MinimumEdgeContrast, " %"},
    TParameter{"modulation", "modulation", &TScanGrade::ModulationGrade, &TScanGrade::Modulation, ""},
    TParameter{"defects", "defects", &TScanGrade::DefectsGrade, &TScanGrade::Defects, ""},
    TParameter{"decodability", "decodability", &TScanGrade::DecodabilityGrade, &TScanGrade::Decodability, ""},
};

// The scan where the parameter grades lowest.
const TScanGrade& WorstScan(const TReadResult& read, const TParameter& parameter) {
  return *std::min_element(read.Scans.begin(), read.Scans.end(), [&](const TScanGrade& a, const TScanGrade& b) {
    return a.*parameter.Grade < b.*parameter.Grade;
  });
}

std::string Number(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// A read text as the command line shows texts: escaped, in UTF-8.
std::string Shown(const std::string& text) { return Latin1ToUtf8(EscapeText(text)); }

std::string JsonString(const std::string& latin1) {
  std::string out = "\"";
  for (const char c : Latin1ToUtf8(latin1)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\')
      out += std::string("\\") + c;
    else if (byte < 0x20)
      out += "\\u00" + std::string(1, "0123456789abcdef"[byte >> 4]) + "0123456789abcdef"[byte & 15];
    else
      out += c;
  }
  return out + "\"";
}

std::string TextReport(const std::string& file, const TReadResult& read) {
  std::string report = Latin1ToUtf8(file) + ": ";
  if (!read.Found) return report + "does not read\n";
  report += read.ClassName + " \"" + Shown(read.Text) + "\" at " + std::to_string(read.Angle) + " degrees, grade " +
            read.GradeLetter() + " (" + Number(read.Grade, 1) + ")\n ";
  for (const TParameter& parameter : Parameters) {
    const TScanGrade& worst = WorstScan(read, parameter);
    report += std::string(" ") + std::string(parameter.Name) + " " + GradeLetter(worst.*parameter.Grade);
    if (parameter.Value) report += " (" + Number(worst.*parameter.Value, 2) + std::string(parameter.Unit) + ")";
    report += &parameter == &Parameters.back() ? "\n" : ",";
  }
  for (std::size_t k = 1; k < read.Fits.size(); ++k)
    report += "  also reads as " + read.Fits[k].first + " \"" + Shown(read.Fits[k].second) + "\"\n";
  return report;
}

std::string JsonReport(const std::string& file, const TReadResult& read) {
  std::string json = "{\"file\": " + JsonString(file) + ", \"read\": " + (read.Found ? "true" : "false");
  if (read.Found) {
    json += ", \"class\": " + JsonString(read.ClassName) + ", \"text\": " + JsonString(read.Text) +
            ", \"angle\": " + std::to_string(read.Angle) + ", \"box\": [" + std::to_string(read.Box.Left) + ", " +
            std::to_string(read.Box.Top) + ", " + std::to_string(read.Box.Right) + ", " +
            std::to_string(read.Box.Bottom) + "], \"grade\": " + Number(read.Grade, 2) + ", \"letter\": \"" +
            read.GradeLetter() + "\", \"scans\": [";
    for (std::size_t s = 0; s < read.Scans.size(); ++s) {
      json += s ? ", {" : "{";
      json += "\"grade\": \"" + std::string(1, GradeLetter(read.Scans[s].Grade())) + "\"";
      for (const TParameter& parameter : Parameters) {
        json += ", \"" + std::string(parameter.JsonName) + "\": {\"grade\": \"" +
                GradeLetter(read.Scans[s].*parameter.Grade) + "\"";
        if (parameter.Value) json += ", \"value\": " + Number(read.Scans[s].*parameter.Value, 4);
        json += "}";
      }
      json += "}";
    }
    json += "], \"fits\": [";
    for (std::size_t k = 0; k < read.Fits.size(); ++k)
      json += (k ? ", " : "") + std::string("{\"class\": ") + JsonString(read.Fits[k].first) +
              ", \"text\": " + JsonString(read.Fits[k].second) + "}";
    json += "]";
  }
  return json + "}";
}

// The file's bytes, or the reason they cannot be had.
std::string ReadFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "cannot be opened";
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return "cannot be read";
  return {};
}

// Reads back Grey, the component's symbol as drawn: why it fails its
// check, or "".
std::string CheckGrey(TBarcode& barcode, const TGreyImage& grey, const TSymbolCheck& check) {
  const std::string className(barcode.ClassName());
  TVerifyOptions options = check.Options;
  options.PreferredClass = className;
  options.PreferredOnly = true;  // its own class's decoders alone: the quick way when it passes
  options.WithoutCheckCharacters = !barcode.AutoCheckDigit();
  TReadResult read = VerifySymbol(grey, options);
  if (!read.Found) {
    options.PreferredOnly = false;  // what it reads as instead, for the message
    read = VerifySymbol(grey, options);
  }
  return CheckRefusal(read, className, barcode.GetFullEncoded(), check.MinimumGrade);
}

}  // namespace

std::string ReadSummary(const TReadResult& Read) {
  if (!Read.Found) return "does not read";
  return "reads as " + Read.ClassName + " \"" + Shown(Read.Text) + "\", grade " + Read.GradeLetter();
}

std::string CheckRefusal(const TReadResult& Read, const std::string& ClassName, const std::string& Text, char Minimum) {
  if (!Read.Found) return "the symbol written does not read back";
  if (Read.ClassName != ClassName || Read.Text != Text)
    return "the symbol written does not read back as " + ClassName + " \"" + Shown(Text) + "\" (it " +
           ReadSummary(Read) + ")";
  if (Read.GradeLetter() > Minimum)
    return "the symbol written grades " + std::string(1, Read.GradeLetter()) + " (" + Number(Read.Grade, 1) +
           "), below " + Minimum;
  return {};
}

std::string CheckImage(TBarcode& Barcode, const TRasterImage& Image, const TSymbolCheck& Check) {
  return CheckGrey(Barcode, ToGrey(Image), Check);
}

bool ChecksWrittenImage(TFileFormat Format) {
  return Format == TFileFormat::Png || Format == TFileFormat::Bmp || Format == TFileFormat::Tiff;
}

std::string CheckSymbol(TBarcode& Barcode, const TOutputOptions& Output, const TSymbolCheck& Check) {
  TOutputOptions image = Output;
  image.Format = TFileFormat::Png;  // what a printer's dots are, whatever the file's format
  std::string png;
  if (!EncodeSymbol(Barcode, png, image)) return {};
  TGreyImage grey;
  if (const std::string reason = DecodeImageFile(png, grey); !reason.empty())
    return "cannot check the symbol: " + reason;
  return CheckGrey(Barcode, grey, Check);
}

int RunVerify(const TVerifyRun& Run) {
  int status = ExitOk;
  TVerifyOptions options = Run.Options;
  if (!Run.Class.empty()) options.PreferredClass = Run.Class;
  if (Run.Format == TReportFormat::Json) std::fputs("[", stdout);
  for (std::size_t k = 0; k < Run.Files.size(); ++k) {
    const std::string& file = Run.Files[k];
    std::string bytes;
    TGreyImage image;
    std::string reason = ReadFile(file, bytes);
    if (reason.empty()) reason = DecodeImageFile(bytes, image);
    if (!reason.empty()) {
      std::fprintf(stderr, "stripemaker: %s: %s\n", Latin1ToUtf8(file).c_str(), reason.c_str());
      status = ExitFile;
      continue;
    }
    TReadResult read = VerifySymbol(image, options);
    if (read.Found && !Run.Class.empty() && read.ClassName != Run.Class) {
      TReadResult another;  // not as the class asked for: reported with what it reads as
      another.Fits = std::move(read.Fits);
      read = std::move(another);
    }
    if (!read.Found) status = std::max(status, ExitInvalidBarcode);
    const std::string report = Run.Format == TReportFormat::Json ? JsonReport(file, read) : TextReport(file, read);
    if (Run.Format == TReportFormat::Json) std::fputs(k ? ",\n " : "\n ", stdout);
    std::fputs(report.c_str(), stdout);
  }
  if (Run.Format == TReportFormat::Json) std::fputs("\n]\n", stdout);
  return status;
}

}  // namespace tessel::generator
