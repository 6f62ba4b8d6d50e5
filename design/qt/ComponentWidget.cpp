#include "design/qt/ComponentWidget.h"

#include <QPainter>
#include <QResizeEvent>
#include <stdexcept>

#include "components/pBarcode.h"
#include "components/pDBBarcode.h"
#include "platform/Data.h"
#include "platform/Reflection.h"

using namespace tessel;

namespace {

// TColor is 0x00BBGGRR.
constexpr int RedShift = 0, GreenShift = 8, BlueShift = 16;
constexpr TColor ChannelMask = 0xFF;

QColor ToQColor(TColor c) {
  return {static_cast<int>((c >> RedShift) & ChannelMask), static_cast<int>((c >> GreenShift) & ChannelMask),
          static_cast<int>((c >> BlueShift) & ChannelMask)};
}

TColor ToTColor(const QColor& c) {
  return static_cast<TColor>(c.red()) << RedShift | static_cast<TColor>(c.green()) << GreenShift |
         static_cast<TColor>(c.blue()) << BlueShift;
}

// The component of a widget of the form, if it holds one.
TComponent* ComponentOf(QObject* object) {
  auto* holder = dynamic_cast<TComponentHolder*>(object);
  return holder ? holder->Component() : nullptr;
}

// The component called `name` on the form under `root`, or null.
TComponent* FindFormComponent(QWidget* root, const QString& name) {
  if (name.isEmpty()) return nullptr;
  if (root->objectName() == name) return ComponentOf(root);
  for (QWidget* w : root->findChildren<QWidget*>(name))
    if (TComponent* c = ComponentOf(w)) return c;
  return nullptr;
}

// Links `property` of `source` to `target` (null unlinks). The reference
// properties: a barcode's Image, a data-aware component's Barcode and
// DataSource.
void ApplyReference(TComponent& source, const std::string& property, TComponent* target) {
  if (auto* barcode = dynamic_cast<TBarcode*>(&source); barcode && property == "Image") {
    barcode->SetImage(dynamic_cast<TControl*>(target));
  } else if (auto* link = dynamic_cast<TDBBarcode*>(&source)) {
    if (property == "Barcode") link->SetBarcode(dynamic_cast<TBarcode*>(target));
    if (property == "DataSource") link->SetDataSource(dynamic_cast<TDataSource*>(target));
  }
}

}  // namespace

TComponentWidget::TComponentWidget(const char* className, QWidget* parent)
    : QWidget(parent), component_(CreateComponent(className, nullptr)) {
  if (!component_) qWarning("tessel: no component class %s", className);
  resize(DesignSize, DesignSize);
  hide();  // a component has no appearance at run time
  connect(this, &QObject::objectNameChanged, this, [this](const QString& name) {
    if (component_) component_->SetName(name.toStdString());
    ResolveReferences(this);
  });
}

TComponentWidget::~TComponentWidget() = default;

void TComponentWidget::SetDesignIcon(const QIcon& icon) {
  designIcon_ = icon;
  setToolTip(QString::fromLatin1(component_ ? component_->ClassName() : std::string_view()));
  show();
  update();
}

void TComponentWidget::paintEvent(QPaintEvent*) {
  if (designIcon_.isNull()) return;
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Mid));
  painter.setBrush(palette().color(QPalette::Button));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  constexpr int IconSize = 24;
  designIcon_.paint(&painter, QRect((width() - IconSize) / 2, (height() - IconSize) / 2, IconSize, IconSize));
}

// ---- property access ---------------------------------------------------------

QString TComponentWidget::TextValue(const char* name) const {
  return component_ ? QString::fromStdString(GetPropValue(*component_, name)) : QString();
}

void TComponentWidget::SetTextValue(const char* name, const QString& value) {
  if (!component_) return;
  try {
    SetPropValue(*component_, name, value.toStdString());
  } catch (const std::exception& e) {
    qWarning("tessel: %s", e.what());
  }
}

int TComponentWidget::IntValue(const char* name) const {
  return component_ ? TPropertyType<int>::FromText(GetPropValue(*component_, name)) : 0;
}

void TComponentWidget::SetIntValue(const char* name, int value) {
  SetTextValue(name, QString::fromStdString(TPropertyType<int>::ToText(value)));
}

double TComponentWidget::FloatValue(const char* name) const {
  return component_ ? TPropertyType<double>::FromText(GetPropValue(*component_, name)) : 0.0;
}

void TComponentWidget::SetFloatValue(const char* name, double value) {
  SetTextValue(name, QString::fromStdString(TPropertyType<double>::ToText(value)));
}

bool TComponentWidget::BoolValue(const char* name) const {
  return component_ && TPropertyType<bool>::FromText(GetPropValue(*component_, name));
}

void TComponentWidget::SetBoolValue(const char* name, bool value) {
  SetTextValue(name, QString::fromStdString(TPropertyType<bool>::ToText(value)));
}

int TComponentWidget::EnumValue(const char* name) const {
  if (!component_) return 0;
  const TPropInfo* p = FindProperty(component_->ClassType(), name);
  return p && p->Enum ? EnumValueFromText(*p->Enum, p->Get(*component_)) : 0;
}

void TComponentWidget::SetEnumValue(const char* name, int value) {
  if (!component_) return;
  const TPropInfo* p = FindProperty(component_->ClassType(), name);
  if (!p || !p->Enum || value < 0 || static_cast<std::size_t>(value) >= p->Enum->Names.size()) return;
  SetTextValue(name, QString::fromLatin1(p->Enum->Names[static_cast<std::size_t>(value)]));
}

QColor TComponentWidget::ColorValue(const char* name) const {
  return component_ ? ToQColor(TPropertyType<TColor>::FromText(GetPropValue(*component_, name))) : QColor();
}

void TComponentWidget::SetColorValue(const char* name, const QColor& value) {
  SetTextValue(name, QString::fromStdString(TPropertyType<TColor>::ToText(ToTColor(value))));
}

QFont TComponentWidget::FontValue(const char* name) const {
  if (!component_) return {};
  const TFont font = TPropertyType<TFont>::FromText(GetPropValue(*component_, name));
  QFont result(QString::fromStdString(font.Name()), font.Size());
  result.setBold(font.Style().Contains(TFontStyle::fsBold));
  result.setItalic(font.Style().Contains(TFontStyle::fsItalic));
  result.setUnderline(font.Style().Contains(TFontStyle::fsUnderline));
  result.setStrikeOut(font.Style().Contains(TFontStyle::fsStrikeOut));
  return result;
}

// The font's colour and character set are kept: a QFont has neither.
void TComponentWidget::SetFontValue(const char* name, const QFont& value) {
  if (!component_) return;
  TFont font = TPropertyType<TFont>::FromText(GetPropValue(*component_, name));
  font.SetName(value.family().toStdString());
  if (value.pointSize() > 0) font.SetSize(value.pointSize());
  TFontStyles style;
  if (value.bold()) style.Include(TFontStyle::fsBold);
  if (value.italic()) style.Include(TFontStyle::fsItalic);
  if (value.underline()) style.Include(TFontStyle::fsUnderline);
  if (value.strikeOut()) style.Include(TFontStyle::fsStrikeOut);
  font.SetStyle(style);
  SetTextValue(name, QString::fromStdString(TPropertyType<TFont>::ToText(font)));
}

// ---- references ----------------------------------------------------------------

QString TComponentWidget::Reference(const char* name) const {
  const auto it = references_.find(name);
  return it == references_.end() ? QString() : it->second;
}

void TComponentWidget::SetReference(const char* name, const QString& target) {
  references_[name] = target;
  ResolveOwnReferences(window());
}

void TComponentWidget::ResolveOwnReferences(QWidget* root) {
  if (!component_) return;
  for (const auto& [property, target] : references_)
    ApplyReference(*component_, property, FindFormComponent(root, target));
}

void TComponentWidget::ResolveReferences(QWidget* widget) {
  QWidget* root = widget->window();
  for (TComponentWidget* w : root->findChildren<TComponentWidget*>()) w->ResolveOwnReferences(root);
}

// ---- the image control ---------------------------------------------------------

TImageControl::TImageControl(QWidget* parent)
    : TQtImageView(nullptr, parent), image_(std::make_unique<TImage>(nullptr)) {
  SetImage(image_.get());
  connect(this, &QObject::objectNameChanged, this, [this](const QString& name) {
    image_->SetName(name.toStdString());
    TComponentWidget::ResolveReferences(this);
  });
}

TImageControl::~TImageControl() { SetImage(nullptr); }

// A new size clears the picture: the barcodes drawn on it draw again.
void TImageControl::resizeEvent(QResizeEvent* event) {
  TQtImageView::resizeEvent(event);
  for (TComponentWidget* w : window()->findChildren<TComponentWidget*>())
    if (auto* barcode = dynamic_cast<TBarcode*>(w->Component()); barcode && barcode->Image() == image_.get())
      barcode->Draw();
}
