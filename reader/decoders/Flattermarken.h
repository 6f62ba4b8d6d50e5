// Flattermarken: collation marks, one mark a digit at its place in a field
// of nine modules.
#pragma once

#include "reader/Decoder.h"

namespace tessel {

// The digits from the marks' places in their fields. The fields' ends are
// not drawn (a 0 draws no mark at all), so the symbol's extent comes from
// its frame: the image as the library writes it, the symbol in the middle
// with equal margins. Of the field counts that place every mark, the
// fewest is read: a 0 at both ends cannot be told from none. A symbol of
// one mark (one digit other than 0) is not read: it is any lone bar.
std::optional<TDecoded> DecodeFlattermarken(const TScanLine& Line);

}  // namespace tessel
