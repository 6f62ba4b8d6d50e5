// The one list of the reader's decoders of bars of several heights, the
// symbols with a frame or check before those any bars could spell.
#include <array>

#include "reader/BarDecoder.h"
#include "reader/decoders/AustraliaPost.h"
#include "reader/decoders/FourState.h"
#include "reader/decoders/IntelligentMail.h"
#include "reader/decoders/PostBar.h"
#include "reader/decoders/Postal.h"
#include "reader/decoders/TwoTrackPharmacode.h"

namespace tessel {
namespace {

constexpr std::array Decoders{
    THeightDecoder{"TBarcode_PostNet", DecodePostNet},
    THeightDecoder{"TBarcode_PLANET", DecodePlanet},
    THeightDecoder{"TBarcode_FIM", DecodeFim},
    THeightDecoder{"TBarcode_RM4SCC", DecodeRm4scc},
    THeightDecoder{"TBarcode_AP4SC", DecodeAustraliaPost},
    THeightDecoder{"TBarcode_AP4SC", DecodeAustraliaPostNumeric},
    THeightDecoder{"TBarcode_PostBar", DecodePostBar},
    THeightDecoder{"TBarcode_OneCode", DecodeIntelligentMail},
    THeightDecoder{"TBarcode_KIX4S", DecodeKix},
    THeightDecoder{"TBarcode_PharmacodeTwoTrack", DecodeTwoTrackPharmacode},
};

}  // namespace

std::span<const THeightDecoder> HeightDecoders() { return Decoders; }

}  // namespace tessel
