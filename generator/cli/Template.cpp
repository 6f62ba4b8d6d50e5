#include "generator/cli/Template.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace tessel::generator {
namespace {

// The placeholder of the record number: a field named so is reached by its
// column number.
constexpr std::string_view NumberName = "n";
constexpr std::string_view PaddingMark = ":0";

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string FieldList(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
  return list.empty() ? "none" : list;
}

// A whole number written with digits only, or 0 when it is none or too large.
std::size_t DigitsValue(std::string_view text) {
  std::size_t value = 0;
  if (!AllDigits(text)) return 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

}  // namespace

TTemplate TTemplate::OfField(std::size_t Index, const std::string& Name) {
  TTemplate single;
  single.pieces_.push_back({.Kind = TPiece::TKind::Field, .Text = "{" + Name + "}", .Field = Index});
  return single;
}

std::string TTemplate::Expand(const std::vector<std::string>& Fields, std::int64_t Number, std::string& Out) const {
  for (const TPiece& piece : pieces_)
    if (std::string problem = ExpandPiece(piece, Fields, Number, Out); !problem.empty()) return problem;
  return {};
}

std::string TTemplate::ExpandPiece(const TPiece& piece, const std::vector<std::string>& fields, std::int64_t number,
                                   std::string& out) const {
  if (piece.Kind == TPiece::TKind::Literal) {
    out += piece.Text;
    return {};
  }
  std::string value;
  if (piece.Kind == TPiece::TKind::Number) {
    value = std::to_string(number);
  } else if (piece.Field < fields.size()) {
    value = fields[piece.Field];
  } else {
    return "the record has no field for " + piece.Text;
  }
  if (piece.Width > 0) {
    if (!AllDigits(value)) return piece.Text + " pads numbers, not '" + value + "'";
    if (value.size() < piece.Width) out.append(piece.Width - value.size(), '0');
  }
  out += value;
  return {};
}

namespace {

// Reads the placeholder "{...}" starting at Text[Start] into Piece; returns
// why it is not one, else an empty string.
template <typename TPiece>
std::string ParsePlaceholder(std::string_view text, std::size_t start, const std::vector<std::string>& names,
                             TPiece& piece, std::size_t& end) {
  end = text.find('}', start);
  if (end == std::string_view::npos) return "a '{' is not closed (write {{ for a brace)";
  piece.Text = std::string(text.substr(start, end - start + 1));
  std::string_view inside = text.substr(start + 1, end - start - 1);
  if (const std::size_t mark = inside.rfind(PaddingMark); mark != std::string_view::npos) {
    const std::string_view width = inside.substr(mark + PaddingMark.size());
    piece.Width = DigitsValue(width);
    if (piece.Width == 0 || piece.Width > MaxTemplateWidth)
      return piece.Text + ": the width after :0 must be from 1 to " + std::to_string(MaxTemplateWidth);
    inside = inside.substr(0, mark);
  }
  if (inside.empty()) return piece.Text + " names no field";
  if (inside == NumberName) {
    piece.Kind = TPiece::TKind::Number;
    return {};
  }
  piece.Kind = TPiece::TKind::Field;
  if (AllDigits(inside)) {
    const std::size_t column = DigitsValue(inside);
    if (column == 0 || column > names.size())
      return "there is no column " + std::string(inside) + " (the fields are: " + FieldList(names) + ")";
    piece.Field = column - 1;
    return {};
  }
  const auto found = std::find(names.begin(), names.end(), inside);
  if (found == names.end())
    return "there is no field named '" + std::string(inside) + "' (the fields are: " + FieldList(names) + ")";
  piece.Field = static_cast<std::size_t>(found - names.begin());
  return {};
}

}  // namespace

std::string ParseTemplate(std::string_view Text, const std::vector<std::string>& FieldNames, TTemplate& Template) {
  using TPiece = TTemplate::TPiece;
  std::vector<TPiece> pieces;
  std::string literal;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    const char c = Text[i];
    const bool doubled = i + 1 < Text.size() && Text[i + 1] == c;
    if ((c == '{' || c == '}') && doubled) {
      literal += c;
      ++i;
    } else if (c == '}') {
      return "a '}' has no '{' (write }} for a brace)";
    } else if (c == '{') {
      if (!literal.empty()) pieces.push_back({.Text = std::exchange(literal, {})});
      TPiece& piece = pieces.emplace_back();
      if (std::string problem = ParsePlaceholder(Text, i, FieldNames, piece, i); !problem.empty()) return problem;
    } else {
      literal += c;
    }
  }
  if (!literal.empty()) pieces.push_back({.Text = std::move(literal)});
  Template.pieces_ = std::move(pieces);
  return {};
}

}  // namespace tessel::generator
