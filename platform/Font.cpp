#include "platform/Font.h"

namespace tessel {

TFont::TFont(const TFont& other)
    : name_(other.name_), size_(other.size_), color_(other.color_), style_(other.style_), charset_(other.charset_) {}

void TFont::Changed() {
  if (OnChange) OnChange();
}

void TFont::SetName(const std::string& value) {
  if (name_ == value) return;
  name_ = value;
  Changed();
}

void TFont::SetSize(int value) {
  if (size_ == value) return;
  size_ = value;
  Changed();
}

void TFont::SetColor(TColor value) {
  if (color_ == value) return;
  color_ = value;
  Changed();
}

void TFont::SetStyle(TFontStyles value) {
  if (style_ == value) return;
  style_ = value;
  Changed();
}

void TFont::SetCharset(int value) {
  if (charset_ == value) return;
  charset_ = value;
  Changed();
}

bool TFont::SameAs(const TFont& other) const {
  return name_ == other.name_ && size_ == other.size_ && color_ == other.color_ && style_ == other.style_ &&
         charset_ == other.charset_;
}

void TFont::Assign(const TFont& source) {
  if (&source == this || SameAs(source)) return;
  name_ = source.name_;
  size_ = source.size_;
  color_ = source.color_;
  style_ = source.style_;
  charset_ = source.charset_;
  Changed();
}

}  // namespace tessel
