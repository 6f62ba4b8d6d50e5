#include "generator/window/Widgets.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QStyledItemDelegate>
#include <algorithm>

namespace tessel::generator {
namespace {

// Values are drawn in blue (0x00BBGGRR 0xFF0000).
const QColor ValueColor(0, 0, 255);
constexpr int TextInsetX = 4, TextInsetY = 2;
constexpr int StatusBarHeight = 19;

}  // namespace

// ---- TUpDown ----------------------------------------------------------------

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
  resize(DefaultWidth, DefaultHeight);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void TUpDown::SetRange(int Min, int Max) {
  min_ = Min;
  max_ = std::max(Min, Max);
  SetPosition(position_);
}

void TUpDown::SetPosition(int Value) { position_ = std::clamp(Value, min_, max_); }

void TUpDown::Click(bool Up) {
  SetPosition(Up ? (position_ < max_ ? position_ + 1 : max_) : (position_ > min_ ? position_ - 1 : min_));
  if (OnClick) OnClick();
}

void TUpDown::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int half = height() / 2;
  const QRect halves[] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
  const QStyle::PrimitiveElement arrows[] = {QStyle::PE_IndicatorArrowUp, QStyle::PE_IndicatorArrowDown};
  for (int i = 0; i < 2; ++i) {
    QStyleOptionButton button;
    button.initFrom(this);
    button.rect = halves[i];
    style()->drawControl(QStyle::CE_PushButtonBevel, &button, &painter, this);
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = halves[i].adjusted(3, 1, -3, -1);
    style()->drawPrimitive(arrows[i], &arrow, &painter, this);
  }
}

void TUpDown::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Click(event->position().y() < height() / 2.0);
}

// ---- TStatusPanels ----------------------------------------------------------

TStatusPanels::TStatusPanels(QWidget* parent) : QWidget(parent) { setFixedHeight(StatusBarHeight); }

void TStatusPanels::SetText(int Index, const QString& Text) {
  panels_.at(static_cast<std::size_t>(Index)).Text = Text;
  update();
}

void TStatusPanels::SetWidth(int Index, int Width) {
  panels_.at(static_cast<std::size_t>(Index)).Width = Width;
  update();
}

QRect TStatusPanels::PanelRect(int Index) const {
  int left = 0;
  for (int i = 0; i < Index; ++i) left += panels_[static_cast<std::size_t>(i)].Width;
  return QRect(left, 0, panels_.at(static_cast<std::size_t>(Index)).Width, height());
}

QSize TStatusPanels::sizeHint() const { return QSize(200, StatusBarHeight); }

void TStatusPanels::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (int i = 0; i < static_cast<int>(panels_.size()); ++i) {
    const QRect rect = PanelRect(i).adjusted(0, 1, -2, -1);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = rect;
    frame.lineWidth = 1;
    frame.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
    painter.save();
    painter.setClipRect(rect.adjusted(1, 1, -1, -1));
    if (panels_[static_cast<std::size_t>(i)].OwnerDraw && OnDrawPanel) {
      OnDrawPanel(painter, i, rect);
    } else {
      const QRect textRect = rect.adjusted(TextInsetX, 0, -2, 0);
      painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                       painter.fontMetrics().elidedText(panels_[static_cast<std::size_t>(i)].Text, Qt::ElideRight,
                                                        textRect.width()));
    }
    painter.restore();
  }
}

// ---- TValueGrid -------------------------------------------------------------

class TValueGrid::TDelegate : public QStyledItemDelegate {
 public:
  explicit TDelegate(TValueGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
    if (index.column() != 1) return nullptr;
    const int row = index.row() + 1;
    const QStringList items = grid_->GetPickList ? grid_->GetPickList(row) : QStringList();
    QWidget* editor = nullptr;
    if (!items.isEmpty()) {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      combo->setFrame(false);
      combo->setMaxVisibleItems(24);
      QObject::connect(combo, &QComboBox::textActivated, grid_,
                       [g = grid_, row](const QString& text) { g->EditValue(row, text); });
      QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, grid_,
                       [g = grid_, row](const QString& text) { g->EditValue(row, text); });
      editor = combo;
    } else {
      auto* line = new QLineEdit(parent);
      line->setFrame(false);
      QObject::connect(line, &QLineEdit::textEdited, grid_,
                       [g = grid_, row](const QString& text) { g->EditValue(row, text); });
      editor = line;
    }
    grid_->EditorCreated(editor, row);
    return editor;
  }

  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    const QString text = index.data().toString();
    if (auto* combo = dynamic_cast<QComboBox*>(editor)) {
      grid_->FillPickList(*combo, index.row() + 1, text);
    } else if (auto* line = dynamic_cast<QLineEdit*>(editor)) {
      if (line->text() != text) line->setText(text);
    }
  }

  // Values reach the cell while they are typed.
  void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    painter->fillRect(option.rect, option.palette.base());
    const QString text = index.data().toString();
    QRect textRect = option.rect.adjusted(TextInsetX, TextInsetY, -TextInsetY, -TextInsetY);
    if (index.column() == 0) {
      painter->setPen(option.palette.text().color());
    } else {
      int inset = TextInsetX;
      if (grid_->OnDrawValue) inset = grid_->OnDrawValue(*painter, option.rect, index.row() + 1, text);
      if (inset < 0) {
        painter->restore();
        return;
      }
      textRect.setLeft(option.rect.left() + inset);
      painter->setPen(ValueColor);
    }
    painter->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                      option.fontMetrics.elidedText(text, Qt::ElideRight, textRect.width()));
    painter->restore();
  }

 private:
  TValueGrid* grid_;
};

TValueGrid::TValueGrid(const QString& KeyTitle, const QString& ValueTitle, int KeyWidth, int ValueWidth,
                       QWidget* parent)
    : QTableWidget(0, 2, parent), keyWidth_(KeyWidth) {
  setHorizontalHeaderLabels({KeyTitle, ValueTitle});
  horizontalHeader()->setMinimumSectionSize(16);
  horizontalHeader()->setDefaultSectionSize(ValueWidth);
  horizontalHeader()->resizeSection(0, KeyWidth);
  horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->hide();
  // The value column takes the width that is left; the names never scroll
  // out of sight when a cell is brought into view.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
    if (value != 0) horizontalScrollBar()->setValue(0);
  });
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::AllEditTriggers);
  setShowGrid(true);
  setItemDelegate(new TDelegate(this));
  connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column, int, int) {
    if (row < 0) return;
    if (column != 1) {
      setCurrentCell(row, 1);
      return;
    }
    // The editor opens by itself: every change of the current cell starts editing.
    if (OnSelectCell) OnSelectCell(column, row + 1);
  });
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FocusMoved(now); });
}

void TValueGrid::ClearRows() {
  CloseEditor();
  setRowCount(0);
}

void TValueGrid::AppendRow(const QString& Name, const QString& Value) {
  const int row = rowCount();
  insertRow(row);
  auto* name = new QTableWidgetItem(Name);
  name->setFlags(Qt::ItemIsEnabled);
  setItem(row, 0, name);
  setItem(row, 1, new QTableWidgetItem(Value));
  // The names column shows the longest name whole, and is never narrower
  // than its design width.
  resizeColumnToContents(0);
  horizontalHeader()->resizeSection(0, std::max(keyWidth_, columnWidth(0)));
}

QString TValueGrid::Name(int Row) const {
  const QTableWidgetItem* i = item(Row - 1, 0);
  return i ? i->text() : QString();
}

QString TValueGrid::Value(int Row) const {
  const QTableWidgetItem* i = item(Row - 1, 1);
  return i ? i->text() : QString();
}

int TValueGrid::FindRow(const QString& Name) const {
  for (int row = 1; row <= rowCount(); ++row)
    if (this->Name(row) == Name) return row;
  return 0;
}

void TValueGrid::SetValue(int Row, const QString& Value) {
  QTableWidgetItem* i = item(Row - 1, 1);
  if (!i) return;
  ++writes_;
  i->setText(Value);  // an open editor follows through setEditorData
  if (OnStringsChange) OnStringsChange();
}

void TValueGrid::EditValue(int Row, const QString& Value) {
  QTableWidgetItem* i = item(Row - 1, 1);
  if (!i) return;
  // The handler sees the cell as it was; when it writes the cell itself, its
  // text stands and the change has been reported.
  const int writes = writes_;
  if (OnSetEditText) OnSetEditText(Row, Value);
  if (writes_ != writes) return;
  i->setText(Value);
  if (OnStringsChange) OnStringsChange();
}

int TValueGrid::CurrentRow() const { return currentRow() + 1; }

void TValueGrid::SelectRow(int Row) { setCurrentCell(Row - 1, 1); }

QRect TValueGrid::ValueCellRect(int Row, const QWidget* Widget) const {
  const QRect cell = visualRect(model()->index(Row - 1, 1));
  const QPoint topLeft = viewport()->mapTo(window(), cell.topLeft());
  return QRect(Widget->mapFrom(window(), topLeft), cell.size());
}

void TValueGrid::DropDownPickList() {
  QComboBox* combo = PickEditor();
  if (!combo) return;
  FillPickList(*combo, editorRow_, Value(editorRow_));
  combo->showPopup();
}

void TValueGrid::CloseEditor() {
  // Ends editing without writing the editor back (values are already in the cell).
  if (editor_) QAbstractItemView::closeEditor(editor_, QAbstractItemDelegate::NoHint);
  editor_ = nullptr;
}

void TValueGrid::EditorCreated(QWidget* Editor, int Row) {
  editor_ = Editor;
  editorRow_ = Row;
}

void TValueGrid::FillPickList(QComboBox& Combo, int Row, const QString& Text) {
  const QStringList items = GetPickList ? GetPickList(Row) : QStringList();
  QStringList current;
  for (int i = 0; i < Combo.count(); ++i) current << Combo.itemText(i);
  const QSignalBlocker blocker(&Combo);
  if (current != items) {
    Combo.clear();
    Combo.addItems(items);
  }
  if (Combo.currentText() != Text) Combo.setEditText(Text);
}

void TValueGrid::FocusMoved(QWidget* Now) {
  const bool inside = Now && (Now == this || isAncestorOf(Now));
  if (inside == inside_) return;
  inside_ = inside;
  if (inside ? OnEnter : OnExit) (inside ? OnEnter : OnExit)();
}

}  // namespace tessel::generator
