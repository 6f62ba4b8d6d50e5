// The "Common properties:" grid of the window: pick lists, the spinner of
// numeric rows, the font row with its dialog and presets, colour swatches
// and the two-step editor of the sixteen bar colours.
#include <QPainter>
#include <cmath>
#include <limits>

#include "generator/PropertyApply.h"
#include "generator/window/MainWindow.h"
#include "generator/window/PrintParameters.h"
#include "platform/qt/QtCanvas.h"

namespace tessel::generator {
namespace {

constexpr const char* CustomFont = "(Custom)";
// The font presets after "(Custom)": a face at 8 points; their colour item
// is not a colour, so a preset gives black.
constexpr const char* FontPresets[] = {"\"OCR-B 10 BT\", 8, clBalck, 1", "\"Tahoma\", 8, clBalck, 1"};
constexpr int SwatchInset = 2, SwatchTextGap = 4;
// Bar-colour swatches: 4 pixels wide on a pitch of 5.
constexpr int StripSwatchWidth = 4, StripSwatchPitch = 5;
// The spinner's position is 16 bits wide.
constexpr int SpinnerLimit = std::numeric_limits<std::int16_t>::max();

std::string Latin1(const QString& text) { return text.toLatin1().toStdString(); }

QStringList ToStringList(const std::vector<std::string>& items) {
  QStringList list;
  for (const std::string& item : items) list << QString::fromLatin1(item);
  return list;
}

// A rounded spinner position, bounded to the spinner's 16 bits (also for
// huge or undefined numbers).
int SpinnerPosition(double value) {
  if (!std::isfinite(value)) return 0;
  return static_cast<int>(std::lround(std::clamp(value, -double(SpinnerLimit) - 1, double(SpinnerLimit))));
}

// Colour i of a BarColors list, else of the default list, else black.
QString BarColorItem(const QStringList& items, const QStringList& defaults, int i) {
  if (i < items.size()) return items[i];
  return i < defaults.size() ? defaults[i] : QString("clBlack");
}

}  // namespace

QStringList TfrmDemo::prpBarcodeGetPickList(int Row) {
  const TProperty* row = RowProperty(Row);
  if (!row) return {};
  switch (row->Kind) {
    case pkCharChoice: {
      QStringList items;
      for (char c : row->PickList) items << QString(QChar::fromLatin1(c));
      return items;
    }
    case pkColor:
    case pkBoolean:
    case pkEnumeration: return ToStringList(SplitCommaText(row->PickList));
    case pkFont: return {CustomFont, FontPresets[0], FontPresets[1]};
    case pkColorList: {
      if (prpBarcode->Tag >= 0 && prpBarcode->Tag < row->ItemCount) return ToStringList(SplitCommaText(row->PickList));
      const QStringList items = ToStringList(SplitCommaText(Latin1(prpBarcode->Value(Row))));
      const QStringList defaults = ToStringList(SplitCommaText(row->DefaultValue));
      QStringList list;
      for (int i = 0; i < row->ItemCount; ++i)
        list << QString::asprintf("%02d: ", i) + BarColorItem(items, defaults, i);
      return list;
    }
    default: return {};
  }
}

void TfrmDemo::prpBarcodeSetEditText(int Row, const QString& Value) {
  const QString name = prpBarcode->Name(Row).toUpper();
  if (name == "TEXTFONT")
    EditFontRow(Row, Value);
  else if (name == "BARCOLORS")
    EditBarColorsRow(Row, Value);
}

void TfrmDemo::EditFontRow(int Row, const QString& Value) {
  if (Value.toUpper() != QString(CustomFont).toUpper()) {
    FFontText = Value;
    return;
  }
  if (FFontGuard) return;  // the dialog is already open
  FFontGuard = true;
  const TFont current = FBarcode ? TFont(FBarcode->TextFont()) : FontFromText(Latin1(FFontText));
  QFont initial(QString::fromLatin1(current.Name()));
  initial.setPointSize(std::max(1, current.Size()));
  initial.setBold(current.Style().Contains(TFontStyle::fsBold));
  initial.setItalic(current.Style().Contains(TFontStyle::fsItalic));
  initial.setUnderline(current.Style().Contains(TFontStyle::fsUnderline));
  initial.setStrikeOut(current.Style().Contains(TFontStyle::fsStrikeOut));
  if (const std::optional<QFont> chosen = services_.ChooseFont(this, initial)) {
    // The dialog chooses face, size and styles; colour and character set stay.
    QString text = QString("\"%1\", %2, %3, %4")
                       .arg(chosen->family())
                       .arg(chosen->pointSize() > 0 ? chosen->pointSize() : current.Size())
                       .arg(current.Color())
                       .arg(current.Charset());
    if (chosen->bold()) text += ", fsBold";
    if (chosen->italic()) text += ", fsItalic";
    if (chosen->underline()) text += ", fsUnderline";
    if (chosen->strikeOut()) text += ", fsStrikeOut";
    FFontText = text;
  }
  prpBarcode->SetValue(Row, FFontText);
  FFontGuard = false;
}

void TfrmDemo::EditBarColorsRow(int Row, const QString& Value) {
  const TProperty* row = RowProperty(Row);
  if (!row || FColorGuard) return;
  const QStringList defaults = ToStringList(SplitCommaText(row->DefaultValue));
  const int tag = prpBarcode->Tag;
  if (tag < 0 || tag >= row->ItemCount) {
    // An entry chosen from the index list: edit that entry.
    const int index = IntOrDefault(Latin1(Value.left(2)), -1);
    if (index < 0 || index >= row->ItemCount) return;
    FColorGuard = true;
    if (FBarColorsText.isEmpty()) FBarColorsText = prpBarcode->Value(Row);
    const QStringList items = ToStringList(SplitCommaText(Latin1(FBarColorsText)));
    prpBarcode->Tag = index;
    prpBarcode->SetValue(Row, QString::asprintf("[%02d: %s]", index, qPrintable(BarColorItem(items, defaults, index))));
    timOpenColors->start();
    FColorGuard = false;
  } else if (!Value.trimmed().startsWith('[')) {
    // A colour chosen for the entry being edited.
    FColorGuard = true;
    QStringList items = ToStringList(SplitCommaText(Latin1(FBarColorsText)));
    while (items.size() <= tag) items << BarColorItem(items, defaults, static_cast<int>(items.size()));
    items[tag] = Value;
    prpBarcode->Tag = -1;
    FBarColorsText = items.join(",");
    prpBarcode->SetValue(Row, FBarColorsText);
    FColorGuard = false;
  }
}

void TfrmDemo::timOpenColorsTimer() {
  timOpenColors->stop();
  prpBarcode->DropDownPickList();
}

void TfrmDemo::prpBarcodeStringsChange() {
  if (FUpdating) return;
  RefreshPropertyUpDown(prpBarcode->CurrentRow());
  ApplyProperties();
}

void TfrmDemo::prpBarcodeSelectCell(int Col, int Row) {
  if (Col == 0) return;
  updProperties->hide();
  ShowPropertyUpDown(Row);
}

void TfrmDemo::ShowPropertyUpDown(int Row) {
  const TProperty* row = RowProperty(Row);
  if (!row) {
    updProperties->hide();
    return;
  }
  const int scale = TenPower(row->Digits);
  if (row->Kind == pkInteger) updProperties->SetRange(row->MinInt, row->MaxInt);
  if (row->Kind == pkFloat)
    updProperties->SetRange(SpinnerPosition(scale * row->MinFloat), SpinnerPosition(scale * row->MaxFloat));
  updProperties->Tag = Row;
  RefreshPropertyUpDown(Row);
  const bool numeric = row->Kind == pkInteger || row->Kind == pkFloat;
  updProperties->setVisible(numeric);
  PlaceUpDowns();
}

void TfrmDemo::RefreshPropertyUpDown(int Row) {
  if (Row != updProperties->Tag) return;
  const TProperty* row = RowProperty(Row);
  if (!row) return;
  const std::string cell = Trim(Latin1(prpBarcode->Value(Row)));
  if (row->Kind == pkInteger)
    updProperties->SetPosition(IntOrDefault(cell, IntOrDefault(row->DefaultValue, 0)));
  else if (row->Kind == pkFloat)
    updProperties->SetPosition(
        SpinnerPosition(TenPower(row->Digits) * FloatOrDefault(cell, FloatOrDefault(row->DefaultValue, 0))));
}

void TfrmDemo::updPropertiesClick() {
  const int Row = updProperties->Tag;
  const TProperty* row = RowProperty(Row);
  if (!row) return;
  if (row->Kind == pkInteger)
    prpBarcode->SetValue(Row, QString::number(updProperties->Position()));
  else if (row->Kind == pkFloat)
    prpBarcode->SetValue(Row, SpinnerText(updProperties->Position(), row->Digits));
}

void TfrmDemo::PlaceUpDown(TUpDown& UpDown, TValueGrid& Grid, QWidget& Panel) {
  if (UpDown.isHidden() || UpDown.Tag < 1 || UpDown.Tag > Grid.DataRowCount()) return;
  const QRect cell = Grid.ValueCellRect(UpDown.Tag, &Panel);
  UpDown.move(cell.right() + 1 - UpDown.width(), cell.top());
  UpDown.raise();
}

void TfrmDemo::PlaceUpDowns() {
  PlaceUpDown(*updPrint, *prpPrint, *panParameters);
  PlaceUpDown(*updProperties, *prpBarcode, *panProperties);
}

int TfrmDemo::prpBarcodeDrawValue(QPainter& Painter, const QRect& Cell, int Row, const QString& Value) {
  const TProperty* row = RowProperty(Row);
  if (!row) return SwatchTextGap;
  const int side = Cell.height() - 2 * SwatchInset;
  if (row->Kind == pkColor) {
    const TColor color = ColorByName(Trim(Latin1(Value)), ColorByName(row->DefaultValue, 0));
    const QRect swatch(Cell.left() + SwatchInset, Cell.top() + SwatchInset, side, side);
    Painter.fillRect(swatch, ToQColor(color));
    Painter.setPen(Qt::black);
    Painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    return SwatchInset + side + SwatchTextGap;
  }
  if (row->Kind == pkColorList && IsColorListForm(Latin1(Value))) {
    const std::vector<std::string> items = SplitCommaText(Latin1(Value));
    const std::vector<std::string> defaults = SplitCommaText(row->DefaultValue);
    const int count = static_cast<int>(defaults.size());
    for (int k = 0; k < count; ++k) {
      const auto i = static_cast<std::size_t>(count - 1 - k);  // the leftmost swatch is the last colour
      const TColor fallback = ColorByName(defaults[i], 0);
      const TColor color = i < items.size() ? ColorByName(items[i], fallback) : fallback;
      Painter.fillRect(
          QRect(Cell.left() + SwatchInset + k * StripSwatchPitch, Cell.top() + SwatchInset, StripSwatchWidth, side),
          ToQColor(color));
    }
    return -1;
  }
  return SwatchTextGap;
}

}  // namespace tessel::generator
