#include "design/qt/DesignerPlugin.h"

#include <QAction>
#include <QIcon>
#include <QInputDialog>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionFactory>
#include <QtDesigner/QExtensionManager>
#include <algorithm>

#include "components/pBarcode.h"
#include "design/pBarcodeReg.h"
#include "tessel/designer/TesselWidgets.h"

namespace tessel::design {
namespace {

constexpr const char* IncludeFile = "tessel/designer/TesselWidgets.h";
constexpr const char* ImageControlGroup = "Display Widgets";
constexpr const char* ImageControlClass = "TImageControl";
constexpr std::string_view ImageProperty = "Image";
constexpr const char* PaletteResource = ":/tesselide/palette/";

// The palette bitmaps of a class at their three sizes.
QIcon PaletteIcon(std::string_view className) {
  const QString base = PaletteResource + QString::fromLatin1(className).toUpper();
  QIcon icon;
  for (const char* suffix : {"16", "", "32"}) icon.addFile(base + suffix);
  return icon;
}

QString DomXml(const QString& className, const QString& objectName, int width, int height) {
  return QString(R"(<ui language="c++"><widget class="%1" name="%2"><property name="geometry"><rect>)"
                 R"(<x>0</x><y>0</y><width>%3</width><height>%4</height></rect></property></widget></ui>)")
      .arg(className, objectName)
      .arg(width)
      .arg(height);
}

QString DefaultObjectName(const QString& className) {
  QString name = className.mid(1);  // without the T prefix
  name.remove('_');
  name[0] = name[0].toLower();
  return name;
}

// One palette class in Designer's widget box.
class TComponentWidgetInterface : public QObject, public QDesignerCustomWidgetInterface {
  Q_OBJECT
  Q_INTERFACES(QDesignerCustomWidgetInterface)
 public:
  TComponentWidgetInterface(TTesselDesignerPlugin* plugin, const QString& page, const TClassInfo& cls)
      : QObject(plugin),
        plugin_(plugin),
        page_(page),
        name_(QString::fromLatin1(cls.Name)),
        icon_(PaletteIcon(cls.Name)) {}
  QString name() const override { return name_; }
  QString group() const override { return page_; }
  QString toolTip() const override { return name_; }
  QString whatsThis() const override { return name_ + " (a component: invisible at run time)"; }
  QString includeFile() const override { return IncludeFile; }
  QIcon icon() const override { return icon_; }
  bool isContainer() const override { return false; }
  QString domXml() const override {
    return DomXml(name_, DefaultObjectName(name_), TComponentWidget::DesignSize, TComponentWidget::DesignSize);
  }
  QWidget* createWidget(QWidget* parent) override {
    TComponentWidget* widget = CreateTesselWidget(name_, parent);
    if (widget) widget->SetDesignIcon(icon_);
    return widget;
  }
  bool isInitialized() const override { return initialized_; }
  void initialize(QDesignerFormEditorInterface* core) override {
    if (initialized_) return;
    plugin_->Initialize(core);
    initialized_ = true;
  }

 private:
  TTesselDesignerPlugin* plugin_;
  QString page_, name_;
  QIcon icon_;
  bool initialized_ = false;
};

// The image control in Designer's widget box.
class TImageControlInterface : public QObject, public QDesignerCustomWidgetInterface {
  Q_OBJECT
  Q_INTERFACES(QDesignerCustomWidgetInterface)
 public:
  using QObject::QObject;
  QString name() const override { return ImageControlClass; }
  QString group() const override { return ImageControlGroup; }
  QString toolTip() const override { return "Image control on which barcode components draw"; }
  QString whatsThis() const override { return toolTip(); }
  QString includeFile() const override { return IncludeFile; }
  QIcon icon() const override { return PaletteIcon("TBarcode_EAN13"); }
  bool isContainer() const override { return false; }
  QString domXml() const override {
    constexpr int Width = 200, Height = 100;
    return DomXml(ImageControlClass, "image1", Width, Height);
  }
  QWidget* createWidget(QWidget* parent) override { return new TImageControl(parent); }
  bool isInitialized() const override { return true; }
  void initialize(QDesignerFormEditorInterface*) override {}
};

// "Choose Image..." in the context menu of a barcode component.
class TChooseImageTaskMenu : public QObject, public QDesignerTaskMenuExtension {
  Q_OBJECT
  Q_INTERFACES(QDesignerTaskMenuExtension)
 public:
  TChooseImageTaskMenu(const TTesselDesignerPlugin& plugin, TComponentWidget* widget, QObject* parent)
      : QObject(parent), plugin_(plugin), widget_(widget), action_(new QAction(tr("Choose Image..."), this)) {
    connect(action_, &QAction::triggered, this, &TChooseImageTaskMenu::Choose);
  }
  QAction* preferredEditAction() const override { return action_; }
  QList<QAction*> taskActions() const override { return {action_}; }

 private:
  void Choose() {
    const QStringList choices = plugin_.imageChoices(widget_);
    const QString current = widget_->property("Image").toString();
    bool ok = false;
    const QString chosen = QInputDialog::getItem(
        widget_, tr("Image of %1").arg(widget_->objectName()), tr("Image control:"), QStringList{QString()} + choices,
        std::max(0, static_cast<int>(choices.indexOf(current)) + 1), false, &ok);
    if (!ok) return;
    // Through the form's cursor, so that the change can be undone and marks the form modified.
    if (QDesignerFormWindowInterface* form = QDesignerFormWindowInterface::findFormWindow(widget_))
      form->cursor()->setWidgetProperty(widget_, "Image", chosen);
    else
      widget_->setProperty("Image", chosen);
  }

  const TTesselDesignerPlugin& plugin_;
  TComponentWidget* widget_;
  QAction* action_;
};

class TTaskMenuFactory : public QExtensionFactory {
 public:
  TTaskMenuFactory(const TTesselDesignerPlugin& plugin, QExtensionManager* manager)
      : QExtensionFactory(manager), plugin_(plugin) {}

 protected:
  QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override {
    auto* widget = qobject_cast<TComponentWidget*>(object);
    if (iid != Q_TYPEID(QDesignerTaskMenuExtension) || !widget || !dynamic_cast<TBarcode*>(widget->Component()))
      return nullptr;
    return new TChooseImageTaskMenu(plugin_, widget, parent);
  }

 private:
  const TTesselDesignerPlugin& plugin_;
};

}  // namespace

// ---- the host ------------------------------------------------------------------

void TQtDesignHost::RegisterComponents(std::string_view page, std::span<const TClassInfo* const> classes) {
  for (const TClassInfo* cls : classes) palette_.push_back({QString::fromLatin1(page), cls});
}

void TQtDesignHost::RegisterPropertyEditor(const TClassInfo& propertyType, const TClassInfo& componentClass,
                                           std::string_view propertyName, const TPropertyEditorClass& editor) {
  editors_.push_back({&propertyType, &componentClass, std::string(propertyName), &editor});
}

void TQtDesignHost::RegisterPropertiesInCategory(std::string_view category, const TClassInfo& componentClass,
                                                 std::span<const std::string_view> propertyNames) {
  categories_.push_back({QString::fromLatin1(category), &componentClass, {propertyNames.begin(), propertyNames.end()}});
}

// The registration nearest to the class wins; among equals, the later one.
QString TQtDesignHost::Category(const TClassInfo& cls, std::string_view property) const {
  for (const TClassInfo* c = &cls; c; c = c->Parent)
    for (auto it = categories_.rbegin(); it != categories_.rend(); ++it)
      if (it->ComponentClass == c && std::any_of(it->Properties.begin(), it->Properties.end(),
                                                 [property](std::string_view p) { return SameText(p, property); }))
        return it->Name;
  return {};
}

QStringList TQtDesignHost::EditorValues(const TClassInfo& cls, std::string_view property, QWidget* root) const {
  QStringList values;
  for (const TEditor& e : editors_)
    if (InheritsFrom(cls, e.ComponentClass->Name) && SameText(e.PropertyName, property)) {
      const TQtFormDesigner designer(root);
      const std::unique_ptr<TPropertyEditor> editor =
          e.Editor->Create(designer, *e.PropertyType, TComponentProperty::DefaultAttributes);
      editor->GetValues([&values](const std::string& name) { values << QString::fromStdString(name); });
      break;
    }
  return values;
}

// ---- the form ------------------------------------------------------------------

void TQtFormDesigner::GetComponentNames(const TClassInfo& type, const TGetStrProc& proc) const {
  for (QWidget* w : root_->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || qobject_cast<TComponentWidget*>(w)) continue;  // components are no controls
    const auto* holder = dynamic_cast<TComponentHolder*>(w);
    if (holder && holder->Component() && !holder->Component()->InheritsFrom(type.Name)) continue;
    proc(w->objectName().toStdString());
  }
}

TPersistent* TQtFormDesigner::GetComponent(std::string_view name) const {
  auto* holder = dynamic_cast<TComponentHolder*>(
      root_->findChild<QWidget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))));
  return holder ? holder->Component() : nullptr;
}

// ---- the collection ------------------------------------------------------------

TTesselDesignerPlugin::TTesselDesignerPlugin(QObject* parent) : QObject(parent) {
  Register(host_);
  for (const TQtDesignHost::TPaletteEntry& entry : host_.Palette())
    widgets_.append(new TComponentWidgetInterface(this, entry.Page, *entry.Class));
  widgets_.append(new TImageControlInterface(this));
}

TTesselDesignerPlugin::~TTesselDesignerPlugin() = default;

QString TTesselDesignerPlugin::propertyCategory(const QString& className, const QString& property) const {
  const TClassInfo* cls = FindClass(className.toStdString());
  return cls ? host_.Category(*cls, property.toStdString()) : QString();
}

QStringList TTesselDesignerPlugin::imageChoices(QWidget* widget) const {
  auto* holder = dynamic_cast<TComponentHolder*>(widget);
  if (!holder || !holder->Component()) return {};
  return host_.EditorValues(holder->Component()->ClassType(), ImageProperty, widget->window());
}

void TTesselDesignerPlugin::Initialize(QDesignerFormEditorInterface* core) {
  if (initialized_) return;
  initialized_ = true;
  QExtensionManager* manager = core->extensionManager();
  manager->registerExtensions(new TTaskMenuFactory(*this, manager), Q_TYPEID(QDesignerTaskMenuExtension));
  QDesignerFormWindowManagerInterface* forms = core->formWindowManager();
  connect(forms, &QDesignerFormWindowManagerInterface::formWindowAdded, this,
          [this, core](QDesignerFormWindowInterface* form) {
            connect(form, &QDesignerFormWindowInterface::widgetManaged, this,
                    [this, core](QWidget* widget) { ApplyPropertyGroups(core, widget); });
          });
}

void TTesselDesignerPlugin::ApplyPropertyGroups(QDesignerFormEditorInterface* core, QWidget* widget) const {
  auto* component = qobject_cast<TComponentWidget*>(widget);
  if (!component || !component->Component()) return;
  auto* sheet = qt_extension<QDesignerPropertySheetExtension*>(core->extensionManager(), widget);
  if (!sheet) return;
  const TClassInfo& cls = component->Component()->ClassType();
  for (int i = 0; i < sheet->count(); ++i)
    if (const QString group = host_.Category(cls, sheet->propertyName(i).toStdString()); !group.isEmpty())
      sheet->setPropertyGroup(i, group);
}

}  // namespace tessel::design

#include "DesignerPlugin.moc"
