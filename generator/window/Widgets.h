// The generator window's own widgets: the up-down spinner, the status bar
// with owner-drawn panels, and the two-column key/value grid with its cell
// editor (a pick list or a line) and owner-drawn cells.
#pragma once

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPointer>
#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <vector>

namespace tessel::generator {

// A panel that places its children itself when it is resized.
class TPanel : public QFrame {
 public:
  explicit TPanel(QWidget* parent, QFrame::Shape Shape = QFrame::NoFrame) : QFrame(parent) { setFrameShape(Shape); }
  std::function<void()> OnResize;

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QFrame::resizeEvent(event);
    if (OnResize) OnResize();
  }
};

// An up-down spinner: two arrow buttons stepping a position by 1 within
// Min..Max. Every click is reported, also at a limit.
class TUpDown : public QWidget {
 public:
  static constexpr int DefaultWidth = 17, DefaultHeight = 18;
  explicit TUpDown(QWidget* parent);

  void SetRange(int Min, int Max);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetPosition(int Value);
  // Steps up (true) or down as a click on an arrow does.
  void Click(bool Up);

  int Tag = 0;  // the grid row the spinner serves
  std::function<void()> OnClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int min_ = 0, max_ = 100, position_ = 0;
};

// A status bar of fixed-width panels; owner-drawn panels are painted by
// OnDrawPanel, the others show their text.
class TStatusPanels : public QWidget {
 public:
  struct TPanel {
    QString Text;
    int Width = 50;
    bool OwnerDraw = false;
  };
  explicit TStatusPanels(QWidget* parent);

  std::vector<TPanel>& Panels() { return panels_; }
  const TPanel& Panel(int Index) const { return panels_.at(static_cast<std::size_t>(Index)); }
  void SetText(int Index, const QString& Text);
  void SetWidth(int Index, int Width);
  QRect PanelRect(int Index) const;

  std::function<void(QPainter&, int Index, const QRect&)> OnDrawPanel;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<TPanel> panels_;
};

// A key/value grid: column 0 the names, column 1 the values; data rows
// count from 1 as in the window's descriptions. The value cell's editor is
// always shown; it is a pick list when GetPickList offers items for the row.
class TValueGrid : public QTableWidget {
 public:
  TValueGrid(const QString& KeyTitle, const QString& ValueTitle, int KeyWidth, int ValueWidth, QWidget* parent);

  int DataRowCount() const { return rowCount(); }
  void ClearRows();
  void AppendRow(const QString& Name, const QString& Value);
  QString Name(int Row) const;
  QString Value(int Row) const;
  // The row whose name matches exactly, or 0.
  int FindRow(const QString& Name) const;
  // A write by the program: the cell and an open editor show Value, and
  // OnStringsChange follows.
  void SetValue(int Row, const QString& Value);
  // What the cell editor reports when the user types or picks Value.
  void EditValue(int Row, const QString& Value);
  // The current data row (0 when none).
  int CurrentRow() const;
  void SelectRow(int Row);
  // The value cell of a row in the coordinates of `widget`.
  QRect ValueCellRect(int Row, const QWidget* Widget) const;

  // The open cell editor and its pick list, if any.
  QWidget* Editor() const { return editor_; }
  QComboBox* PickEditor() const { return dynamic_cast<QComboBox*>(editor_.data()); }
  // Reloads the editor's pick list and drops it down.
  void DropDownPickList();
  void CloseEditor();

  int Tag = -1;

  std::function<QStringList(int Row)> GetPickList;
  std::function<void(int Row, const QString& Value)> OnSetEditText;
  std::function<void()> OnStringsChange;
  std::function<void(int Col, int Row)> OnSelectCell;
  std::function<void()> OnEnter, OnExit;
  // Paints what comes before a value's text (a swatch); returns the text's
  // left inset, or -1 when the value is drawn without text.
  std::function<int(QPainter&, const QRect& Cell, int Row, const QString& Value)> OnDrawValue;

 private:
  class TDelegate;
  friend class TDelegate;
  void EditorCreated(QWidget* Editor, int Row);
  void FillPickList(QComboBox& Combo, int Row, const QString& Text);
  void FocusMoved(QWidget* Now);

  int keyWidth_;
  QPointer<QWidget> editor_;
  int editorRow_ = 0;
  bool inside_ = false;
  int writes_ = 0;  // cell writes by the program
};

}  // namespace tessel::generator
