// Test databases: SQLite in memory or in a file, and a PostgreSQL server
// started for the test run on a Unix socket in a private folder.
#pragma once

#include <QProcess>
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>

namespace tessel::testing {

enum class TBackend { SqliteMemory, SqliteFile, Postgres };
const char* BackendName(TBackend backend);

// A name as an SQL identifier, for building the tests' own statements.
QString SqlName(const QString& name);

// The PostgreSQL server of this test run, started at first use and stopped
// (its folder removed) by Stop, at exit, or when the test process dies.
class TPostgresServer {
 public:
  // The running server, or null with the reason in Why.
  static TPostgresServer* Get(QString& Why);
  static void Stop();

  QString SocketFolder() const { return socketFolder_; }
  int Port() const { return port_; }
  // A URL of stripemaker's --db form for the server's "postgres" database.
  QString Url() const;

 private:
  static bool WaitUntilReady(const QString& bin, const TPostgresServer& pg);

  std::unique_ptr<QProcess> process_;
  QString root_;
  QString socketFolder_;
  int port_ = 0;
};

// A fresh database of one backend with its own connection. The server's
// database is shared, so tables are named with Name(), unique per object.
class TTestDatabase {
 public:
  // Skips (sets Why) when the backend is not available.
  static std::unique_ptr<TTestDatabase> Create(TBackend backend, QString& Why);
  ~TTestDatabase();

  QSqlDatabase& Database() { return database_; }
  // A second connection to the same database (not for SQLite in memory).
  QSqlDatabase OpenSecondConnection();
  // stripemaker's --db URL of this database (not for SQLite in memory).
  QString Url() const { return url_; }
  TBackend Backend() const { return backend_; }
  QString Name(const QString& table) const { return table + suffix_; }

  // Runs statements; fails the test on an error.
  void Exec(const QString& sql);
  // The value of one column in the row with id.
  QString Value(const QString& table, const QString& column, int id);

 private:
  TTestDatabase() = default;
  QSqlDatabase Connect(const QString& name);

  TBackend backend_ = TBackend::SqliteMemory;
  std::unique_ptr<QTemporaryDir> folder_;
  QString suffix_;
  QString url_;
  QStringList connections_;
  QSqlDatabase database_;
};

}  // namespace tessel::testing
