// The character tables of the Australia Post customer barcode, which Canada
// Post's PostBar uses too for its digits and its alphanumeric characters.
// Bar values as in pFourStateRS.h: '0' full bar, '1' ascender, '2'
// descender, '3' tracker.
#pragma once

#include <array>
#include <string_view>

namespace tessel {

// N table: a digit as two bars.
inline constexpr std::array<std::string_view, 10> Tabelle_FourState_N = {
    "00",  // [0] 0
    "01",  // [1] 1
    "02",  // [2] 2
    "10",  // [3] 3
    "11",  // [4] 4
    "12",  // [5] 5
    "20",  // [6] 6
    "21",  // [7] 7
    "22",  // [8] 8
    "30",  // [9] 9
};

// The characters of the C table; a character's 0-based position indexes it.
inline constexpr std::string_view CharSet_FourState_C =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdefghijklmnopqrstuvwxyz #";

// C table: a character as three bars.
inline constexpr std::array<std::string_view, 64> Tabelle_FourState_C = {
    "000",  // [0] A
    "001",  // [1] B
    "002",  // [2] C
    "010",  // [3] D
    "011",  // [4] E
    "012",  // [5] F
    "020",  // [6] G
    "021",  // [7] H
    "022",  // [8] I
    "100",  // [9] J
    "101",  // [10] K
    "102",  // [11] L
    "110",  // [12] M
    "111",  // [13] N
    "112",  // [14] O
    "120",  // [15] P
    "121",  // [16] Q
    "122",  // [17] R
    "200",  // [18] S
    "201",  // [19] T
    "202",  // [20] U
    "210",  // [21] V
    "211",  // [22] W
    "212",  // [23] X
    "220",  // [24] Y
    "221",  // [25] Z
    "222",  // [26] 0
    "300",  // [27] 1
    "301",  // [28] 2
    "302",  // [29] 3
    "310",  // [30] 4
    "311",  // [31] 5
    "312",  // [32] 6
    "320",  // [33] 7
    "321",  // [34] 8
    "322",  // [35] 9
    "023",  // [36] a
    "030",  // [37] b
    "031",  // [38] c
    "032",  // [39] d
    "033",  // [40] e
    "103",  // [41] f
    "113",  // [42] g
    "123",  // [43] h
    "130",  // [44] i
    "131",  // [45] j
    "132",  // [46] k
    "133",  // [47] l
    "203",  // [48] m
    "213",  // [49] n
    "223",  // [50] o
    "230",  // [51] p
    "231",  // [52] q
    "232",  // [53] r
    "233",  // [54] s
    "303",  // [55] t
    "313",  // [56] u
    "323",  // [57] v
    "330",  // [58] w
    "331",  // [59] x
    "332",  // [60] y
    "333",  // [61] z
    "003",  // [62] space
    "013",  // [63] #
};
static_assert(CharSet_FourState_C.size() == Tabelle_FourState_C.size());

// The N-table bars of a digit.
constexpr std::string_view FourStateDigitBars(char Digit) {
  return Tabelle_FourState_N[static_cast<std::size_t>(Digit - '0')];
}

// The C-table bars of a character of CharSet_FourState_C.
constexpr std::string_view FourStateCharBars(char C) { return Tabelle_FourState_C[CharSet_FourState_C.find(C)]; }

}  // namespace tessel
