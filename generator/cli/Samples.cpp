#include "generator/cli/Samples.h"

#include <QDir>
#include <cstdio>
#include <memory>

#include "components/pBarcode.h"
#include "generator/Catalogue.h"
#include "generator/PropertyApply.h"
#include "generator/StdString.h"
#include "output/OutputFile.h"
#include "output/SymbolFile.h"

namespace tessel::generator {

bool WriteSamples(const QString& Folder) {
  if (const std::string reason = MakeFolder(PathString(Folder)); !reason.empty()) {
    std::fprintf(stderr, "stripemaker: cannot create folder %s: %s\n", qPrintable(Folder), reason.c_str());
    return false;
  }
  bool ok = true;
  for (const TBarcodeComponent& entry : Catalogue()) {
    const QString name = QString::fromLatin1(entry.BarcodeClass.data(), qsizetype(entry.BarcodeClass.size()));
    const std::unique_ptr<TBarcode> barcode = CreateCatalogueBarcode(entry);
    if (!barcode) {
      std::fprintf(stderr, "stripemaker: the class %s is not available\n", qPrintable(name));
      ok = false;
      continue;
    }
    ApplyCatalogueDefaults(*barcode, entry);
    const QString path = QDir(Folder).filePath(name + ".png");
    const TWriteResult result = WriteSymbol(*barcode, PathString(path), {.Format = TFileFormat::Png, .Dpi = 96});
    if (result.Failure != TWriteFailure::None) {
      const QString reason =
          result.Failure == TWriteFailure::InvalidText ? "the default text is invalid" : Message(result.Message);
      std::fprintf(stderr, "stripemaker: cannot write %s: %s\n", qPrintable(path), qPrintable(reason));
      ok = false;
      continue;
    }
    std::printf("%s\n", qPrintable(QDir(path).absolutePath()));
  }
  return ok;
}

}  // namespace tessel::generator
