#include "generator/Samples.h"

#include <QDir>
#include <cstdio>
#include <memory>

#include "components/pBarcode.h"
#include "generator/OutputFile.h"
#include "generator/SymbolFile.h"

namespace tessel::generator {
namespace {

// Texts tried in turn until one suits the symbology. The postal ones: an
// Australia Post format control code with delivery point, a Canadian postal
// code, and a OneCode tracking code with routing code.
constexpr const char* OneCodeSample = "20704987654321654321123456789";
constexpr const char* SampleTexts[] = {"1234567890", "123456789012", "12345678901", "1234567", "0123456",
                                       "123456",     "12345",        "12",          "A12345B", "TESSEL-1",
                                       "1139987520", "K1A0B1",       OneCodeSample};

bool ChooseSampleText(TBarcode& barcode) {
  for (const char* text : SampleTexts) {
    barcode.SetBarcode(text);
    int width = 0, height = DefaultBarHeight;
    if (barcode.DrawToSize(width, height, barcode.Module(), DefaultBarHeight, -1) == ecValid) return true;
  }
  return false;
}

}  // namespace

bool WriteSamples(const QString& Folder) {
  if (const QString reason = MakeFolder(Folder); !reason.isEmpty()) {
    std::fprintf(stderr, "stripemaker: cannot create folder %s: %s\n", qPrintable(Folder), qPrintable(reason));
    return false;
  }
  bool ok = true;
  for (const TClassInfo* info : RegisteredClasses()) {
    std::unique_ptr<TComponent> component(info->Create(nullptr));
    auto* barcode = dynamic_cast<TBarcode*>(component.get());
    if (!barcode) continue;
    barcode->SetModule(2);
    barcode->SetLeftMargin(10);
    barcode->SetTopMargin(10);
    barcode->SetDisplayText(dtFullEncoded);
    const QString name = QString::fromLatin1(info->Name);
    if (!ChooseSampleText(*barcode)) {
      std::fprintf(stderr, "stripemaker: no sample text suits %s\n", qPrintable(name));
      continue;
    }
    const QString path = QDir(Folder).filePath(name + ".png");
    const TWriteResult result = WriteSymbol(*barcode, path, TFileFormat::Png, 96);
    if (result.Failure != TWriteFailure::None) {
      const QString reason =
          result.Failure == TWriteFailure::InvalidText ? "the sample text is invalid" : result.Message;
      std::fprintf(stderr, "stripemaker: cannot write %s: %s\n", qPrintable(path), qPrintable(reason));
      ok = false;
      continue;
    }
    std::printf("%s\n", qPrintable(QDir(path).absolutePath()));
  }
  return ok;
}

}  // namespace tessel::generator
