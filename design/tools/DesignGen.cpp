// Build-time tool of the design-time package. It learns the palette classes
// by calling Register against a host that only records, then
//   --widgets DIR  writes TesselWidgets.h: one Qt widget class per palette
//                  class, with a Qt property per published property;
//   --palette DIR  draws each class's palette bitmaps with the library
//                  itself (24, 16 and 32 pixels) and writes palette.qrc.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "components/pBarcode.h"
#include "design/pBarcodeReg.h"
#include "generator/Catalogue.h"
#include "platform/Image.h"
#include "platform/qt/QtBitmap.h"

using namespace tessel;
using namespace tessel::design;

namespace {

// ---- the registered classes --------------------------------------------------

class TPaletteRecorder : public IDesignHost {
 public:
  std::vector<const TClassInfo*> Classes;
  void RegisterComponents(std::string_view, std::span<const TClassInfo* const> classes) override {
    Classes.insert(Classes.end(), classes.begin(), classes.end());
  }
  void RegisterPropertyEditor(const TClassInfo&, const TClassInfo&, std::string_view,
                              const TPropertyEditorClass&) override {}
  void RegisterPropertiesInCategory(std::string_view, const TClassInfo&, std::span<const std::string_view>) override {}
};

std::vector<const TClassInfo*> RegisteredPalette() {
  TPaletteRecorder host;
  Register(host);
  return host.Classes;
}

bool WriteText(const QString& path, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  QFile file(path);
  // An unchanged file keeps its time stamp, so what depends on it does not rebuild.
  if (file.open(QIODevice::ReadOnly) && file.readAll() == bytes) return true;
  file.close();
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// ---- the widget classes ------------------------------------------------------

// How one published property appears as a Qt property.
struct TQtProperty {
  QString Type;      // the Qt property's C++ type
  QString Access;    // the TComponentWidget accessor pair: Access() / SetAccess()
  bool ByReference;  // the setter takes a const reference
};

// A tkClass property: a reference to another component (empty text on a new
// component), a font, or otherwise text.
TQtProperty ClassProperty(const TPropInfo& p, const TComponent& fresh) {
  const std::string text = p.Get(fresh);
  if (text.empty()) return {"QString", "Reference", true};
  try {
    (void)TPropertyType<TFont>::FromText(text);
    return {"QFont", "FontValue", true};
  } catch (const EConvertError&) {
    return {"QString", "TextValue", true};
  }
}

TQtProperty QtPropertyOf(const TPropInfo& p, const TComponent& fresh) {
  switch (p.Kind) {
    case TTypeKind::tkInteger: return {"int", "IntValue", false};
    case TTypeKind::tkFloat: return {"double", "FloatValue", false};
    case TTypeKind::tkBoolean: return {"bool", "BoolValue", false};
    case TTypeKind::tkEnumeration: return {"TesselEnums::" + QString::fromLatin1(p.Enum->TypeName), "EnumValue", false};
    case TTypeKind::tkColor: return {"QColor", "ColorValue", true};
    case TTypeKind::tkClass: return ClassProperty(p, fresh);
    case TTypeKind::tkString:
    case TTypeKind::tkChar: break;
  }
  return {"QString", "TextValue", true};
}

QString SetterName(const QString& access) { return "Set" + access; }

// The published properties of a class, each name once (the nearest class's).
std::vector<const TPropInfo*> UniqueProperties(const TClassInfo& cls) {
  std::vector<const TPropInfo*> result;
  std::set<std::string_view> seen;
  for (const TPropInfo* p : PublishedProperties(cls)) {
    const TPropInfo* nearest = FindProperty(cls, p->Name);
    if (seen.insert(nearest->Name).second && !nearest->GetObject) result.push_back(nearest);
  }
  return result;
}

QString WidgetClass(const TClassInfo& cls) {
  const QString name = QString::fromLatin1(cls.Name);
  std::unique_ptr<TComponent> fresh(cls.Create(nullptr));
  QString declarations, accessors;
  for (const TPropInfo* p : UniqueProperties(cls)) {
    const QString prop = QString::fromLatin1(p->Name);
    const TQtProperty q = QtPropertyOf(*p, *fresh);
    const QString arg = q.ByReference ? "const " + q.Type + "& value" : q.Type + " value";
    const QString read = q.Access + "(\"" + prop + "\")";
    declarations += QString("  Q_PROPERTY(%1 %2 READ get%2 WRITE set%2)\n").arg(q.Type, prop);
    accessors += QString("  %1 get%2() const { return %3; }\n")
                     .arg(q.Type, prop, q.Access == "EnumValue" ? "static_cast<" + q.Type + ">(" + read + ")" : read);
    accessors += QString("  void set%1(%2) { %3(\"%1\", value); }\n").arg(prop, arg, SetterName(q.Access));
  }
  return QString(
             "class %1 : public TComponentWidget {\n  Q_OBJECT\n%2\n public:\n"
             "  explicit %1(QWidget* parent = nullptr) : TComponentWidget(\"%1\", parent) {}\n%3};\n\n")
      .arg(name, declarations, accessors);
}

// The published enumerations, with the same value order as the library's.
QString EnumNamespace(const std::vector<const TClassInfo*>& classes) {
  std::map<std::string_view, const TEnumInfo*> enums;
  for (const TClassInfo* cls : classes)
    for (const TPropInfo* p : UniqueProperties(*cls))
      if (p->Kind == TTypeKind::tkEnumeration) enums.emplace(p->Enum->TypeName, p->Enum);
  QString text = "namespace TesselEnums {\nQ_NAMESPACE\n";
  for (const auto& [typeName, info] : enums) {
    QStringList names;
    for (std::string_view n : info->Names) names << QString::fromLatin1(n);
    text += QString("enum %1 { %2 };\nQ_ENUM_NS(%1)\n").arg(QString::fromLatin1(typeName), names.join(", "));
  }
  return text + "}  // namespace TesselEnums\n\n";
}

bool WriteWidgets(const QString& folder, const std::vector<const TClassInfo*>& classes) {
  QString text =
      "// Generated at build time from the class registry: one widget class per\n"
      "// palette class. Do not edit.\n#pragma once\n\n#include \"design/qt/ComponentWidget.h\"\n\n";
  text += EnumNamespace(classes);
  for (const TClassInfo* cls : classes) text += WidgetClass(*cls);
  text +=
      "// A new widget of the palette class `className`, or null.\n"
      "inline TComponentWidget* CreateTesselWidget(const QString& className, QWidget* parent) {\n";
  for (const TClassInfo* cls : classes)
    text += QString("  if (className == QLatin1String(\"%1\")) return new %1(parent);\n")
                .arg(QString::fromLatin1(cls->Name));
  text += "  return nullptr;\n}\n";
  return WriteText(QDir(folder).filePath("TesselWidgets.h"), text);
}

// ---- the palette bitmaps -----------------------------------------------------

struct TBitmapSize {
  int Pixels;
  const char* Suffix;
};
constexpr TBitmapSize bitmapSizes[] = {{24, ""}, {16, "16"}, {32, "32"}};
constexpr int PaletteColours = 256;
constexpr int IconMargin = 1;
constexpr TColor PaletteBarColor = 0x000000;
constexpr std::string_view DataAwareClass = "TDBBarcode";
// The symbology whose symbol the data-aware component's bitmaps show.
constexpr std::string_view DataAwareSymbol = "TBarcode_EAN13";

// The symbol of `className` drawn by the library on a square of `pixels`
// without text, one pixel a module: the square shows the symbol's start.
QImage DrawSymbol(std::string_view className, int pixels) {
  std::unique_ptr<TComponent> component(CreateComponent(className, nullptr));
  auto* barcode = dynamic_cast<TBarcode*>(component.get());
  TImage image(nullptr);
  image.SetBounds(pixels, pixels);
  if (!barcode) return {};
  barcode->SetLocked(true);
  for (const generator::TBarcodeComponent& entry : generator::Catalogue())
    if (entry.BarcodeClass == className)
      if (const generator::TProperty* row = entry.FindRow("Barcode"))
        barcode->SetBarcode(std::string(row->DefaultValue));
  barcode->SetImage(&image);
  barcode->SetDisplayText(dtNone);
  barcode->SetModule(1);
  barcode->SetBarColor(PaletteBarColor);
  barcode->SetLeftMargin(IconMargin);
  barcode->SetTopMargin(IconMargin);
  barcode->SetBarcodeHeight(pixels - 2 * IconMargin);
  barcode->SetLocked(false);
  const auto* bitmap = dynamic_cast<const TQtBitmap*>(image.Picture().Bitmap());
  return bitmap ? bitmap->Image().copy() : QImage();
}

// A small database cylinder in the lower right corner.
void DrawDatabaseMark(QImage& image) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const int side = image.width() / 2;
  const QRectF body(image.width() - side - 0.5, image.height() - side - 0.5, side, side);
  const qreal cap = side / 4.0;
  painter.setPen(QPen(QColor(0x1F, 0x3A, 0x93), 1));
  painter.setBrush(QColor(0x4A, 0x90, 0xE2));
  painter.drawRect(body.adjusted(0, cap / 2, 0, -cap / 2));
  painter.drawEllipse(QRectF(body.left(), body.bottom() - cap, body.width(), cap));
  painter.setBrush(QColor(0x9C, 0xC8, 0xF5));
  painter.drawEllipse(QRectF(body.left(), body.top(), body.width(), cap));
}

// The 24-pixel bitmaps of symbology classes have 256 palette colours, all
// others 24-bit colour (the BMP writer stores non-palette images so).
QImage PaletteFormat(const QImage& image, bool indexed) {
  if (!indexed) return image.convertToFormat(QImage::Format_RGB888);
  QImage result = image.convertToFormat(QImage::Format_Indexed8);
  result.setColorCount(PaletteColours);
  return result;
}

bool WritePalette(const QString& folder, const std::vector<const TClassInfo*>& classes) {
  QString qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/tesselide/palette\">\n";
  for (const TClassInfo* cls : classes) {
    const bool dataAware = cls->Name == DataAwareClass;
    for (const TBitmapSize& size : bitmapSizes) {
      QImage image = DrawSymbol(dataAware ? DataAwareSymbol : cls->Name, size.Pixels);
      if (image.isNull()) {
        std::fprintf(stderr, "tesselide: cannot draw %s\n", cls->Name.data());
        return false;
      }
      if (dataAware) DrawDatabaseMark(image);
      const QString name = QString::fromLatin1(cls->Name).toUpper() + size.Suffix;
      const bool indexed = !dataAware && size.Pixels == bitmapSizes[0].Pixels;
      if (!PaletteFormat(image, indexed).save(QDir(folder).filePath(name + ".bmp"), "BMP")) return false;
      qrc += QString("  <file alias=\"%1\">%1.bmp</file>\n").arg(name);
    }
  }
  qrc += "</qresource>\n</RCC>\n";
  return WriteText(QDir(folder).filePath("palette.qrc"), qrc);
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 3 || (args[1] != "--widgets" && args[1] != "--palette")) {
    std::fprintf(stderr, "usage: tesselide_gen --widgets|--palette FOLDER\n");
    return 2;
  }
  if (!QDir().mkpath(args[2])) return 1;
  const std::vector<const TClassInfo*> classes = RegisteredPalette();
  const bool ok = args[1] == "--widgets" ? WriteWidgets(args[2], classes) : WritePalette(args[2], classes);
  return ok ? 0 : 1;
}
