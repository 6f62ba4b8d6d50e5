// Memory of stripemaker --db: the records of a table are streamed, so the
// peak resident memory while rendering every record of a 1,000,000-row
// SQLite table stays that of a 1,000-row table plus a small constant.
// Compare the peak_rss_kB counters of the two sizes (run the smaller first).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>

#include "generator/cli/qt/DbBatch.h"
#include "symbologies/pCode128.h"

namespace {

// How often the resident size is sampled while the batch runs.
constexpr qint64 SampleEveryRecords = 100;

long ResidentKilobytes() {
  long pages = 0, resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// A SQLite file with a table "items" of `rows` texts, made once per size.
QString TableOfRows(long rows) {
  static QTemporaryDir folder;
  static std::map<long, QString> made;
  if (const auto it = made.find(rows); it != made.end()) return it->second;
  const QString path = folder.filePath(QString("items-%1.sqlite").arg(rows));
  {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "bench-fill");
    db.setDatabaseName(path);
    db.open();
    QSqlQuery query(db);
    query.exec("CREATE TABLE items (id INTEGER PRIMARY KEY, code VARCHAR(20))");
    db.transaction();
    query.prepare("INSERT INTO items (id, code) VALUES (?, ?)");
    for (long id = 1; id <= rows; ++id) {
      query.addBindValue(static_cast<qlonglong>(id));
      query.addBindValue(QString("ITEM-%1").arg(id, 8, 10, QChar('0')));
      query.exec();
    }
    db.commit();
  }
  QSqlDatabase::removeDatabase("bench-fill");
  return made[rows] = path;
}

// Every record is rendered as the batch renders it, without writing files.
void BM_DbBatchPeakMemory(benchmark::State& state) {
  const long rows = static_cast<long>(state.range(0));
  tessel::generator::TDbBatchOptions options;
  options.Url = ("sqlite:" + TableOfRows(rows)).toStdString();
  options.Table = "items";
  options.Field = "code";
  tessel::TBarcode_Code128 barcode(nullptr);
  const long baseline = ResidentKilobytes();
  long peak = baseline;
  qint64 records = 0;
  for (auto _ : state) {
    const std::unique_ptr<tessel::generator::TRecordSource> source = tessel::generator::OpenDbSource(options);
    tessel::generator::TRecord record;
    while (source->Next(record)) {
      barcode.SetBarcode(record.Fields.front());  // ASCII codes: their UTF-8 is their text
      tessel::TSymbolRenderer renderer;
      if (renderer.Render(barcode) != 0) state.SkipWithError("a record failed");
      if (++records % SampleEveryRecords == 0) peak = std::max(peak, ResidentKilobytes());
    }
  }
  state.SetItemsProcessed(records);
  state.counters["rows"] = static_cast<double>(rows);
  state.counters["peak_rss_kB"] = static_cast<double>(peak);
  state.counters["growth_kB"] = static_cast<double>(peak - baseline);
}
BENCHMARK(BM_DbBatchPeakMemory)->Arg(1000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
