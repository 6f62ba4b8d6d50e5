// tesselide for Qt Designer: a custom-widget collection that adapts the
// design-time registration (Register) to Qt Designer. The registered palette
// becomes the widget box group "Corvella"; the property categories become
// the property groups of Designer's property editor; the Image editor
// backs the "Choose Image..." entry of a barcode component's context menu.
#pragma once

#include <QObject>
#include <QStringList>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <memory>
#include <vector>

#include "design/DesignIntf.h"

class QDesignerFormEditorInterface;

namespace tessel::design {

// The Qt Designer side of IDesignHost: what Register asked for.
class TQtDesignHost : public IDesignHost {
 public:
  void RegisterComponents(std::string_view page, std::span<const TClassInfo* const> classes) override;
  void RegisterPropertyEditor(const TClassInfo& propertyType, const TClassInfo& componentClass,
                              std::string_view propertyName, const TPropertyEditorClass& editor) override;
  void RegisterPropertiesInCategory(std::string_view category, const TClassInfo& componentClass,
                                    std::span<const std::string_view> propertyNames) override;

  struct TPaletteEntry {
    QString Page;
    const TClassInfo* Class;
  };
  const std::vector<TPaletteEntry>& Palette() const { return palette_; }
  // The category of a property of `cls`, or empty (the host's default).
  QString Category(const TClassInfo& cls, std::string_view property) const;
  // The values the registered editor of the property offers on the form
  // under `root`; empty when no editor is registered.
  QStringList EditorValues(const TClassInfo& cls, std::string_view property, QWidget* root) const;

 private:
  struct TEditor {
    const TClassInfo* PropertyType;
    const TClassInfo* ComponentClass;
    std::string PropertyName;
    const TPropertyEditorClass* Editor;
  };
  struct TCategory {
    QString Name;
    const TClassInfo* ComponentClass;
    std::vector<std::string_view> Properties;
  };
  std::vector<TPaletteEntry> palette_;
  std::vector<TEditor> editors_;
  std::vector<TCategory> categories_;
};

// The designer of a Qt form: every widget under `root` is a control; the
// widgets that hold a component of the library answer with it.
class TQtFormDesigner : public IDesigner {
 public:
  explicit TQtFormDesigner(QWidget* root) : root_(root) {}
  void GetComponentNames(const TClassInfo& type, const TGetStrProc& proc) const override;
  TPersistent* GetComponent(std::string_view name) const override;

 private:
  QWidget* root_;
};

class TTesselDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
  Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)
 public:
  explicit TTesselDesignerPlugin(QObject* parent = nullptr);
  ~TTesselDesignerPlugin() override;
  QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return widgets_; }

  // The property group of `property` of the palette class `className`.
  Q_INVOKABLE QString propertyCategory(const QString& className, const QString& property) const;
  // The names the Image editor offers for the barcode component `widget`.
  Q_INVOKABLE QStringList imageChoices(QWidget* widget) const;

  // Hooks the plug-in into Designer once: the property groups of new
  // component widgets, and the "Choose Image..." task menu.
  void Initialize(QDesignerFormEditorInterface* core);

 private:
  void ApplyPropertyGroups(QDesignerFormEditorInterface* core, QWidget* widget) const;

  TQtDesignHost host_;
  QList<QDesignerCustomWidgetInterface*> widgets_;
  bool initialized_ = false;
};

}  // namespace tessel::design
