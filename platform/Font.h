// TFont: a font description with a change notification.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Types.h"

namespace tessel {

enum class TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// A set of TFontStyle values.
class TFontStyles {
 public:
  constexpr TFontStyles() = default;
  constexpr TFontStyles(std::initializer_list<TFontStyle> styles) {
    for (TFontStyle s : styles) Include(s);
  }
  constexpr bool Contains(TFontStyle s) const { return bits_ & Bit(s); }
  constexpr void Include(TFontStyle s) { bits_ |= Bit(s); }
  constexpr void Exclude(TFontStyle s) { bits_ &= ~Bit(s); }
  constexpr bool Empty() const { return bits_ == 0; }
  friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

 private:
  static constexpr std::uint8_t Bit(TFontStyle s) { return 1u << static_cast<int>(s); }
  std::uint8_t bits_ = 0;
};

// Face, size in points, colour, styles and character set. Every setter that
// changes a value calls the change handler, so an owner can redraw.
class TFont {
 public:
  static constexpr const char* DefaultName = "Tahoma";
  static constexpr int DefaultSize = 8;
  static constexpr int DefaultCharset = 1;

  TFont() = default;
  // Copies the values only; the copy has no change handler.
  TFont(const TFont& other);
  TFont& operator=(const TFont&) = delete;

  const std::string& Name() const { return name_; }
  int Size() const { return size_; }
  TColor Color() const { return color_; }
  TFontStyles Style() const { return style_; }
  int Charset() const { return charset_; }

  void SetName(const std::string& value);
  void SetSize(int value);
  void SetColor(TColor value);
  void SetStyle(TFontStyles value);
  void SetCharset(int value);

  // Copies all values from Source and reports one change when any differed.
  void Assign(const TFont& source);
  bool SameAs(const TFont& other) const;

  // Called after any value changed.
  std::function<void()> OnChange;

 private:
  void Changed();

  std::string name_ = DefaultName;
  int size_ = DefaultSize;
  TColor color_ = clBlack;
  TFontStyles style_;
  int charset_ = DefaultCharset;
};

}  // namespace tessel
