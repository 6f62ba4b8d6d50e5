// Templates that build a record's barcode text, file name and caption lines
// from its fields: "{sku}" names a field, "{2}" is the second field, "{n}"
// the record number; ":0W" after any of them pads a number with leading
// zeros to W digits ("{n:06}"); "{{" and "}}" are literal braces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessel::generator {

// The widest padding a placeholder takes.
inline constexpr std::size_t MaxTemplateWidth = 64;

class TTemplate {
 public:
  // The template of one field, as it is.
  static TTemplate OfField(std::size_t Index, const std::string& Name);

  // Appends the text for a record's fields and number to Out; returns why
  // it cannot be made (a field the record lacks, padding of a value that is
  // not a number), else an empty string.
  std::string Expand(const std::vector<std::string>& Fields, std::int64_t Number, std::string& Out) const;

 private:
  friend std::string ParseTemplate(std::string_view Text, const std::vector<std::string>& FieldNames,
                                   TTemplate& Template);
  struct TPiece {
    enum class TKind { Literal, Field, Number };
    TKind Kind = TKind::Literal;
    std::string Text;       // a literal's text, or the placeholder as written for messages
    std::size_t Field = 0;  // 0-based
    std::size_t Width = 0;  // pad to this many digits; 0: as it is
  };
  std::string ExpandPiece(const TPiece& piece, const std::vector<std::string>& fields, std::int64_t number,
                          std::string& out) const;

  std::vector<TPiece> pieces_;
};

// Parses Text into Template against the names of the source's fields;
// returns the reason it cannot be parsed (an unclosed brace, a field that
// does not exist, with the names that do), else an empty string.
std::string ParseTemplate(std::string_view Text, const std::vector<std::string>& FieldNames, TTemplate& Template);

}  // namespace tessel::generator
