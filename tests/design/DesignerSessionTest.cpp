// The plug-in inside Designer's own form editor: the example form loaded
// into a form window, its property groups, the component's context menu, a
// change through the form's cursor drawn live, and the form's saved text.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerIntegration>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionManager>
#include <memory>

#include "qt/QtTestSupport.h"

namespace {

struct TDesignerSession {
  TDesignerSession() {
    QCoreApplication::addLibraryPath(TESSELIDE_PLUGIN_PATH);
    Core.reset(QDesignerComponents::createFormEditor(nullptr));
    QDesignerComponents::initializeResources();
    QDesignerComponents::initializePlugins(Core.get());
    Core->setWidgetBox(QDesignerComponents::createWidgetBox(Core.get(), Host.get()));
    Core->setPropertyEditor(QDesignerComponents::createPropertyEditor(Core.get(), Host.get()));
    Core->setIntegration(new QDesignerIntegration(Core.get(), Core.get()));
    Form = Core->formWindowManager()->createFormWindow(nullptr);
  }
  QString Group(QWidget* widget, const char* property) const {
    auto* sheet = qt_extension<QDesignerPropertySheetExtension*>(Core->extensionManager(), widget);
    return sheet->propertyGroup(sheet->indexOf(property));
  }
  std::unique_ptr<QDesignerFormEditorInterface> Core;
  // Holds Designer's tool windows; freed before the editor core.
  std::unique_ptr<QWidget> Host = std::make_unique<QWidget>();
  QDesignerFormWindowInterface* Form = nullptr;
};

TEST(DesignerSession, EditsTheExampleFormAndSavesIt) {
  TDesignerSession designer;
  QFile ui(LABEL_FORM);
  ASSERT_TRUE(ui.open(QIODevice::ReadOnly));
  ASSERT_TRUE(designer.Form->setContents(&ui));
  QWidget* barcode = designer.Form->mainContainer()->findChild<QWidget*>("barcode1");
  QWidget* image = designer.Form->mainContainer()->findChild<QWidget*>("image1");
  ASSERT_NE(barcode, nullptr);
  ASSERT_NE(image, nullptr);

  EXPECT_EQ(designer.Group(barcode, "Barcode"), "Barcode");
  EXPECT_EQ(designer.Group(barcode, "Image"), "Position");
  EXPECT_EQ(designer.Group(barcode, "TextFont"), "Text");
  EXPECT_EQ(designer.Group(barcode, "Locked"), "TBarcode_EAN13");  // not categorised: the class's own group

  auto* menu = qt_extension<QDesignerTaskMenuExtension*>(designer.Core->extensionManager(), barcode);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->preferredEditAction()->text(), "Choose Image...");

  designer.Form->cursor()->setWidgetProperty(barcode, "Barcode", QString("501234567890"));
  const auto decoded = tessel::testing::Decode(image->grab().toImage(), "EAN13");
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->Text, "5012345678900");

  const QString saved = designer.Form->contents();
  EXPECT_TRUE(saved.contains("<string>501234567890</string>")) << saved.toStdString();
  EXPECT_TRUE(saved.contains("<enum>TesselEnums::dtBarcode</enum>"));
  EXPECT_TRUE(saved.contains("<class>TBarcode_EAN13</class>"));
  EXPECT_TRUE(saved.contains("<header>tessel/designer/TesselWidgets.h</header>"));
}

}  // namespace
