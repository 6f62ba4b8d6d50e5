// The Qt Designer plug-in loaded as Designer loads it, and the program that
// uic built from the example form.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPluginLoader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <map>
#include <memory>

#include "design/qt/ComponentWidget.h"
#include "platform/Reflection.h"
#include "qt/QtTestSupport.h"
#include "tests/design/DesignExpectations.h"

namespace tessel::design {
namespace {

QObject* Plugin() {
  static QPluginLoader loader(TESSELIDE_PLUGIN);
  QObject* plugin = loader.instance();
  EXPECT_NE(plugin, nullptr) << loader.errorString().toStdString();
  return plugin;
}

QDesignerCustomWidgetCollectionInterface* Collection() {
  return qobject_cast<QDesignerCustomWidgetCollectionInterface*>(Plugin());
}

QDesignerCustomWidgetInterface* WidgetInterface(std::string_view name) {
  for (QDesignerCustomWidgetInterface* w : Collection()->customWidgets())
    if (w->name() == QString::fromLatin1(name)) return w;
  return nullptr;
}

TEST(DesignerPlugin, ShowsThePaletteInOrderWithIcons) {
  ASSERT_NE(Collection(), nullptr);
  QStringList corvella;
  for (QDesignerCustomWidgetInterface* w : Collection()->customWidgets())
    if (w->group() == "Corvella") {
      corvella << w->name();
      EXPECT_FALSE(w->icon().isNull()) << w->name().toStdString();
    }
  QStringList expected;
  for (std::string_view name : testing::PaletteOrder()) expected << QString::fromLatin1(name);
  EXPECT_EQ(corvella, expected);
}

// The BMP header: width, height, bits per pixel and palette colours.
struct TBmpHeader {
  qint32 Width = 0, Height = 0;
  quint16 BitsPerPixel = 0;
  quint32 ColoursUsed = 0;
};

TBmpHeader ReadBmpHeader(const QString& resource) {
  QFile file(resource);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  constexpr int HeaderSize = 54;
  if (bytes.size() < HeaderSize || !bytes.startsWith("BM")) return {};
  const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
  return {qFromLittleEndian<qint32>(data + 18), qFromLittleEndian<qint32>(data + 22),
          qFromLittleEndian<quint16>(data + 28), qFromLittleEndian<quint32>(data + 46)};
}

TEST(DesignerPlugin, PaletteBitmapsHaveTheirSizesAndColourDepths) {
  ASSERT_NE(Plugin(), nullptr);  // the bitmaps are resources of the plug-in
  struct TSize {
    const char* Suffix;
    int Pixels;
  };
  for (const TSize size : {TSize{"", 24}, TSize{"16", 16}, TSize{"32", 32}})
    for (std::string_view cls : testing::PaletteOrder()) {
      const QString name = QString::fromLatin1(cls).toUpper() + size.Suffix;
      const TBmpHeader h = ReadBmpHeader(":/tesselide/palette/" + name);
      const bool indexed = size.Pixels == 24 && cls != "TDBBarcode";
      EXPECT_EQ(h.Width, size.Pixels) << name.toStdString();
      EXPECT_EQ(std::abs(h.Height), size.Pixels) << name.toStdString();
      EXPECT_EQ(h.BitsPerPixel, indexed ? 8 : 24) << name.toStdString();
      if (indexed) {
        EXPECT_EQ(h.ColoursUsed, 256u) << name.toStdString();
      }
    }
}

// The category each published property of TBarcode's descendants is shown in.
std::map<std::string, QString> ExpectedCategories() {
  std::map<std::string, QString> categories;
  for (auto [list, category] : {std::pair{std::span<const std::string_view>(testing::BarcodeCategory), "Barcode"},
                                std::pair{std::span<const std::string_view>(testing::PositionCategory), "Position"},
                                std::pair{std::span<const std::string_view>(testing::TextCategory), "Text"}})
    for (std::string_view name : list) categories[std::string(name)] = category;
  return categories;
}

TEST(DesignerPlugin, EveryPublishedPropertyIsEditableInItsCategory) {
  ASSERT_NE(Plugin(), nullptr);
  const std::map<std::string, QString> barcodeCategories = ExpectedCategories();
  for (std::string_view className : testing::PaletteOrder()) {
    const QString cls = QString::fromLatin1(className);
    QDesignerCustomWidgetInterface* entry = WidgetInterface(className);
    ASSERT_NE(entry, nullptr) << className;
    std::unique_ptr<QWidget> widget(entry->createWidget(nullptr));
    ASSERT_NE(widget, nullptr) << className;
    for (const TPropInfo* p : PublishedProperties(*FindClass(className))) {
      const std::string name(p->Name);
      const int index = widget->metaObject()->indexOfProperty(name.c_str());
      ASSERT_GE(index, 0) << className << "." << name;
      const QVariant value = widget->property(name.c_str());
      EXPECT_TRUE(widget->setProperty(name.c_str(), value)) << className << "." << name;
      EXPECT_EQ(widget->property(name.c_str()), value) << className << "." << name;
      QString expected;
      if (className == "TDBBarcode")
        expected = name == "Barcode" ? "Barcode" : "";
      else if (const auto it = barcodeCategories.find(name); it != barcodeCategories.end())
        expected = it->second;
      QString category;
      QMetaObject::invokeMethod(Plugin(), "propertyCategory", Q_RETURN_ARG(QString, category), Q_ARG(QString, cls),
                                Q_ARG(QString, QString::fromStdString(name)));
      EXPECT_EQ(category, expected) << className << "." << name;
    }
  }
}

QWidget* AddWidget(QWidget* form, std::string_view className, const char* name) {
  QWidget* w = WidgetInterface(className)->createWidget(form);
  w->setObjectName(name);
  return w;
}

TEST(DesignerPlugin, ImageListOffersOnlyImageControlsAndTheSymbolIsDrawnOnTheChosenOne) {
  ASSERT_NE(Plugin(), nullptr);
  QWidget form;
  AddWidget(&form, "TImageControl", "picture")->setGeometry(0, 0, 300, 120);
  (new QLabel("caption", &form))->setObjectName("caption");
  QWidget* barcode = AddWidget(&form, "TBarcode_Code39", "barcode");
  AddWidget(&form, "TDBBarcode", "link");
  AddWidget(&form, "TImageControl", "another")->setGeometry(0, 130, 300, 120);

  QStringList choices;
  QMetaObject::invokeMethod(Plugin(), "imageChoices", Q_RETURN_ARG(QStringList, choices), Q_ARG(QWidget*, barcode));
  EXPECT_EQ(choices, (QStringList{"another", "picture"}));

  barcode->setProperty("Barcode", "TESSEL");
  barcode->setProperty("Module", 2);
  barcode->setProperty("AutoCheckDigit", false);
  barcode->setProperty("Image", "picture");
  const auto decoded = tessel::testing::Decode(form.findChild<QWidget*>("picture")->grab().toImage(), "Code39");
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->Text, "TESSEL");
}

TEST(DesignerForm, UicBuiltProgramDrawsTheFormsSymbol) {
  QTemporaryDir dir;
  const QString png = dir.filePath("label.png");
  QProcess program;
  program.start(DESIGNER_LABEL, {"-o", png});
  ASSERT_TRUE(program.waitForFinished(60000));
  ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
  const auto decoded = tessel::testing::Decode(QImage(png), "EAN13");
  ASSERT_TRUE(decoded.has_value());
  // The form's text with its check digit.
  EXPECT_EQ(decoded->Text, "4006381333931");
}

}  // namespace
}  // namespace tessel::design

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
