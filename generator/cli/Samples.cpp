#include "generator/cli/Samples.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "components/pBarcode.h"
#include "generator/Catalogue.h"
#include "generator/PropertyApply.h"
#include "output/OutputFile.h"
#include "output/SymbolFile.h"

namespace tessel::generator {

bool WriteSamples(const std::string& Folder) {
  if (const std::string reason = MakeFolder(Folder); !reason.empty()) {
    std::fprintf(stderr, "stripemaker: cannot create folder %s: %s\n", Folder.c_str(), reason.c_str());
    return false;
  }
  bool ok = true;
  for (const TBarcodeComponent& entry : Catalogue()) {
    const std::string name(entry.BarcodeClass);
    const std::unique_ptr<TBarcode> barcode = CreateCatalogueBarcode(entry);
    if (!barcode) {
      std::fprintf(stderr, "stripemaker: the class %s is not available\n", name.c_str());
      ok = false;
      continue;
    }
    ApplyCatalogueDefaults(*barcode, entry);
    const std::filesystem::path path = std::filesystem::path(Folder) / (name + ".png");
    const TWriteResult result = WriteSymbol(*barcode, path.string(), {.Format = TFileFormat::Png, .Dpi = 96});
    if (result.Failure != TWriteFailure::None) {
      const std::string reason =
          result.Failure == TWriteFailure::InvalidText ? "the default text is invalid" : result.Message;
      std::fprintf(stderr, "stripemaker: cannot write %s: %s\n", path.c_str(), reason.c_str());
      ok = false;
      continue;
    }
    std::printf("%s\n", std::filesystem::absolute(path).lexically_normal().c_str());
  }
  return ok;
}

}  // namespace tessel::generator
