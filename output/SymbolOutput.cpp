#include "output/SymbolOutput.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "output/SymbolFile.h"

namespace tessel {

std::optional<TFileFormat> FormatFromName(std::string_view ExtensionOrPath) {
  static constexpr std::pair<std::string_view, TFileFormat> Names[] = {
      {"png", TFileFormat::Png}, {"bmp", TFileFormat::Bmp},   {"svg", TFileFormat::Svg}, {"pdf", TFileFormat::Pdf},
      {"eps", TFileFormat::Eps}, {"tiff", TFileFormat::Tiff}, {"tif", TFileFormat::Tiff}};
  std::string_view suffix = ExtensionOrPath;
  if (suffix.find('.') != std::string_view::npos) {
    const std::string_view name =
        suffix.substr(suffix.rfind('/') == std::string_view::npos ? 0 : suffix.rfind('/') + 1);
    const std::string_view::size_type dot = name.rfind('.');
    suffix = dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
  }
  std::string lower(suffix);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const auto& [name, format] : Names)
    if (lower == name) return format;
  return std::nullopt;
}

const char* Extension(TFileFormat Format) {
  switch (Format) {
    case TFileFormat::Png: return "png";
    case TFileFormat::Bmp: return "bmp";
    case TFileFormat::Svg: return "svg";
    case TFileFormat::Pdf: return "pdf";
    case TFileFormat::Eps: return "eps";
    case TFileFormat::Tiff: return "tiff";
  }
  return "png";
}

TWriteResult WriteSymbol(TBarcode& Barcode, const std::string& Path, const TOutputOptions& Options) {
  return WriteSymbol(Barcode, Path, Options, TReplaceOptions{});
}

TWriteResult EncodeSymbol(TBarcode& Barcode, std::string& Contents, const TOutputOptions& Options) {
  TSymbolWriter writer;
  TWriteResult result = writer.Encode(Barcode, Options);
  Contents = result ? writer.TakeContents() : std::string();
  return result;
}

}  // namespace tessel
