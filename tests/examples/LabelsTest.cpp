// The label example under QtTest: selecting rows changes the preview (read
// back with zxing-cpp), and editing the text writes the row.
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "LabelWindow.h"
#include "platform/qt/QtBitmap.h"
#include "qt/QtTestSupport.h"

using tessel::examples::TLabelWindow;

class LabelsTest : public QObject {
  Q_OBJECT

 private:
  // The text the preview's symbol reads as.
  static QString Preview(TLabelWindow& window) {
    const auto* bitmap = dynamic_cast<const tessel::TQtBitmap*>(window.imgPreview().Picture().Bitmap());
    if (!bitmap) return "<no bitmap>";
    const auto decoded = tessel::testing::Decode(bitmap->Image(), "Code128");
    return decoded ? QString::fromStdString(decoded->Text) : "<unreadable>";
  }
  static QString StoredCode(const QString& databasePath, int id) {
    QString code;
    {
      QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
      db.setDatabaseName(databasePath);
      db.open();
      QSqlQuery query(db);
      query.prepare("SELECT code FROM labels WHERE id = ?");
      query.addBindValue(id);
      if (query.exec() && query.next()) code = query.value(0).toString();
    }
    QSqlDatabase::removeDatabase("check");
    return code;
  }

 private slots:
  void selectingRowsChangesThePreview() {
    QTemporaryDir dir;
    TLabelWindow window(dir.filePath("labels.sqlite"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(Preview(window), QString("TESSEL-0001"));
    window.tblLabels().selectRow(3);
    QCOMPARE(window.Table().RecNo(), 3);
    QCOMPARE(Preview(window), QString("RETURNS-77"));
    QCOMPARE(window.edtCode().text(), QString("RETURNS-77"));
  }

  void editingTheTextWritesTheRow() {
    QTemporaryDir dir;
    const QString path = dir.filePath("labels.sqlite");
    TLabelWindow window(path);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.tblLabels().selectRow(1);
    window.edtCode().setFocus();
    window.edtCode().selectAll();
    QTest::keyClicks(&window.edtCode(), "SHELF-A2");
    QTest::keyClick(&window.edtCode(), Qt::Key_Return);
    QCOMPARE(StoredCode(path, 2), QString("SHELF-A2"));
    QCOMPARE(Preview(window), QString("SHELF-A2"));
    QCOMPARE(window.Table().RecNo(), 1);
    QCOMPARE(StoredCode(path, 1), QString("TESSEL-0001"));
  }
};

QTEST_MAIN(LabelsTest)
#include "LabelsTest.moc"
