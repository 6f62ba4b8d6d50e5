// The image files the library writes, read back to the grey the reader
// scans: PNG, BMP and TIFF, opaque and with a transparent background.
#include <gtest/gtest.h>

#include <memory>

#include "components/pBarcode.h"
#include "output/SymbolFile.h"
#include "platform/Platform.h"
#include "reader/ImageFile.h"

using namespace tessel;

TEST(ImageFile, TheLibrarysImagesReadBackPixelForPixel) {
  std::unique_ptr<TBarcode> barcode(static_cast<TBarcode*>(CreateComponent("TBarcode_Code39", nullptr)));
  barcode->SetBarcode("IMAGE");
  barcode->SetDisplayText(dtBarcode);  // text: grey levels of its edges as well
  TSymbolRenderer renderer;
  ASSERT_EQ(renderer.Render(*barcode), ecValid);
  const TGreyImage expected = ToGrey(*renderer.Image());
  for (const TFileFormat format : {TFileFormat::Png, TFileFormat::Bmp, TFileFormat::Tiff})
    for (const bool transparent : {false, true}) {
      SCOPED_TRACE(std::string(Extension(format)) + (transparent ? " transparent" : ""));
      std::string file;
      ASSERT_TRUE(EncodeSymbol(*barcode, file, {.Format = format, .TransparentBackground = transparent}));
      TGreyImage read;
      ASSERT_EQ(DecodeImageFile(file, read), "");
      EXPECT_EQ(read.Width, expected.Width);
      EXPECT_EQ(read.Height, expected.Height);
      EXPECT_TRUE(read.Pixels == expected.Pixels);
      EXPECT_NE(DecodeImageFile(file.substr(0, file.size() / 2), read), "");
    }
}
