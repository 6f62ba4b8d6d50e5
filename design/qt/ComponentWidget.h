// The widgets through which a Qt form holds the library's components.
//
// TComponentWidget is one generic wrapper: it owns a component created by
// class name through the class registry and forwards every property to the
// component's published property of that name. The classes in
// <tessel/designer/TesselWidgets.h>, generated at build time from the class
// registry, derive from it: one per palette class, with the Qt properties
// that Qt Designer edits and that uic writes. A component is not visible:
// at design time it shows its palette icon, at run time it is hidden.
//
// TImageControl is the image control of a form: a TQtImageView that owns
// its TImage. A barcode component draws on the image control named by its
// Image property.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>
#include <QWidget>
#include <map>
#include <memory>
#include <string>

#include "platform/Component.h"
#include "platform/Image.h"
#include "platform/qt/QtImageView.h"

// A widget that holds one of the library's components (the designer's view
// of the form's components).
class TComponentHolder {
 public:
  virtual ~TComponentHolder() = default;
  virtual tessel::TComponent* Component() const = 0;
};

class TComponentWidget : public QWidget, public TComponentHolder {
  Q_OBJECT
 public:
  // The side of the square in which a component shows its palette icon.
  static constexpr int DesignSize = 28;

  TComponentWidget(const char* className, QWidget* parent);
  ~TComponentWidget() override;

  tessel::TComponent* Component() const override { return component_.get(); }
  // Turns design mode on: the widget shows `icon` instead of hiding.
  void SetDesignIcon(const QIcon& icon);
  QSize sizeHint() const override { return {DesignSize, DesignSize}; }

  // Links every component of the form of `widget` to the controls and
  // components its reference properties name.
  static void ResolveReferences(QWidget* widget);

 protected:
  // Typed access to the component's published properties; a value the
  // component refuses is reported with qWarning and leaves it unchanged.
  QString TextValue(const char* name) const;
  void SetTextValue(const char* name, const QString& value);
  int IntValue(const char* name) const;
  void SetIntValue(const char* name, int value);
  double FloatValue(const char* name) const;
  void SetFloatValue(const char* name, double value);
  bool BoolValue(const char* name) const;
  void SetBoolValue(const char* name, bool value);
  int EnumValue(const char* name) const;
  void SetEnumValue(const char* name, int value);
  QColor ColorValue(const char* name) const;
  void SetColorValue(const char* name, const QColor& value);
  QFont FontValue(const char* name) const;
  void SetFontValue(const char* name, const QFont& value);
  // A reference to another component of the form, by its object name.
  QString Reference(const char* name) const;
  void SetReference(const char* name, const QString& target);

  void paintEvent(QPaintEvent* event) override;

 private:
  void ResolveOwnReferences(QWidget* root);

  std::unique_ptr<tessel::TComponent> component_;
  std::map<std::string, QString> references_;  // property name -> target object name
  QIcon designIcon_;
};

class TImageControl : public tessel::TQtImageView, public TComponentHolder {
  Q_OBJECT
 public:
  explicit TImageControl(QWidget* parent = nullptr);
  ~TImageControl() override;
  tessel::TComponent* Component() const override { return image_.get(); }
  tessel::TImage& Image() const { return *image_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::unique_ptr<tessel::TImage> image_;
};
