// Symbols of this library compared module by module with the independent
// encoder zint.
#include <gtest/gtest.h>
#include <zint.h>

#include "SymbolTestSupport.h"
#include "ZintSymbol.h"
#include "symbologies/pCode39.h"

using namespace tessel;
using namespace tessel::testing;

TEST(ZintCrossCheck, Code39AgreesModuleByModule) {
  for (const char* text : {"A", "CODE39", "TESSEL-1234.5 $/+%", "0123456789"}) {
    SCOPED_TRACE(text);
    TBarcode_Code39 bc(nullptr);
    const TZintSymbol zint = ZintEncode(BARCODE_CODE39, text);
    ASSERT_EQ(zint.Error, 0);
    ASSERT_EQ(zint.Rows.size(), 1u);
    EXPECT_EQ(Modules(Encode(bc, text, false).Pattern), zint.Rows[0]);
  }
}
