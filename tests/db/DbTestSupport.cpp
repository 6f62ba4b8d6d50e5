#include "db/DbTestSupport.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUuid>
#include <cstdlib>

namespace tessel::testing {
namespace {

// Any port names the socket file; the server listens on no TCP address.
constexpr int SocketPort = 54329;
constexpr int ToolTimeoutMs = 120000;

std::unique_ptr<TPostgresServer> server;
QString serverFailure;
bool serverTried = false;

// The newest installed PostgreSQL server binaries.
QString ServerBinaries() {
  QStringList versions = QDir("/usr/lib/postgresql").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  std::sort(versions.begin(), versions.end(), [](const QString& a, const QString& b) { return a.toInt() > b.toInt(); });
  for (const QString& v : versions)
    if (QFile::exists("/usr/lib/postgresql/" + v + "/bin/initdb")) return "/usr/lib/postgresql/" + v + "/bin/";
  return {};
}

// Runs a server tool, as the "postgres" user when the tests run as root
// (the server refuses root). Returns the tool's output on failure.
bool RunTool(const QString& program, const QStringList& arguments, const passwd* user, QString& output) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  if (user) {
    const uid_t uid = user->pw_uid;
    const gid_t gid = user->pw_gid;
    process.setChildProcessModifier([uid, gid] {
      if (setgid(gid) != 0 || setuid(uid) != 0) _exit(127);
    });
  }
  process.start(program, arguments);
  const bool finished = process.waitForFinished(ToolTimeoutMs);
  output = QString::fromLocal8Bit(process.readAll());
  if (!finished) process.kill();
  return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

const passwd* ServerUser(QString& why) {
  if (geteuid() != 0) return nullptr;
  const passwd* user = getpwnam("postgres");
  if (!user) why = "running as root and there is no 'postgres' user to run the server as";
  return user;
}

}  // namespace

const char* BackendName(TBackend backend) {
  switch (backend) {
    case TBackend::SqliteMemory: return "SqliteMemory";
    case TBackend::SqliteFile: return "SqliteFile";
    case TBackend::Postgres: return "Postgres";
  }
  return "?";
}

TPostgresServer* TPostgresServer::Get(QString& Why) {
  if (serverTried) {
    Why = serverFailure;
    return server.get();
  }
  serverTried = true;
  std::atexit(&TPostgresServer::Stop);
  const QString bin = ServerBinaries();
  if (bin.isEmpty()) {
    Why = serverFailure = "no PostgreSQL server binaries (initdb) under /usr/lib/postgresql";
    return nullptr;
  }
  const passwd* user = ServerUser(serverFailure);
  if (geteuid() == 0 && !user) {
    Why = serverFailure;
    return nullptr;
  }
  auto started = std::make_unique<TPostgresServer>();
  QByteArray root = QDir::temp().filePath("tessel-pg-XXXXXX").toLocal8Bit();
  if (!mkdtemp(root.data())) {
    Why = serverFailure = "cannot make a folder for the server";
    return nullptr;
  }
  started->root_ = QString::fromLocal8Bit(root);
  started->socketFolder_ = started->root_;
  started->port_ = SocketPort;
  if (user && chown(root.constData(), user->pw_uid, user->pw_gid) != 0) {
    QDir(started->root_).removeRecursively();
    Why = serverFailure = "cannot give the server's folder to the 'postgres' user";
    return nullptr;
  }
  server = std::move(started);  // from here on Stop removes the folder
  const QString data = server->root_ + "/data";
  QString output;
  if (!RunTool(bin + "initdb", {"-D", data, "-U", "postgres", "--auth=trust", "--no-sync", "-E", "UTF8"}, user,
               output)) {
    Why = serverFailure = "initdb failed: " + output.trimmed();
    Stop();
    return nullptr;
  }
  const QString options =
      QString("-k %1 -p %2 -c listen_addresses='' -F").arg(server->socketFolder_).arg(server->port_);
  if (!RunTool(bin + "pg_ctl", {"-D", data, "-l", server->root_ + "/log", "-w", "-t", "60", "-o", options, "start"},
               user, output)) {
    Why = serverFailure = "the server did not start: " + output.trimmed();
    Stop();
    return nullptr;
  }
  return server.get();
}

void TPostgresServer::Stop() {
  if (!server) return;
  QString ignored;
  const QString data = server->root_ + "/data";
  if (QFile::exists(data + "/postmaster.pid")) {
    QString why;
    RunTool(ServerBinaries() + "pg_ctl", {"-D", data, "-m", "immediate", "-w", "stop"}, ServerUser(why), ignored);
  }
  QDir(server->root_).removeRecursively();
  server.reset();
}

QString TPostgresServer::Url() const {
  return "postgresql://postgres@" + QString::fromLatin1(QUrl::toPercentEncoding(socketFolder_)) + ':' +
         QString::number(port_) + "/postgres";
}

// ---- TTestDatabase ---------------------------------------------------------

std::unique_ptr<TTestDatabase> TTestDatabase::Create(TBackend backend, QString& Why) {
  std::unique_ptr<TTestDatabase> db(new TTestDatabase);
  db->backend_ = backend;
  if (backend == TBackend::SqliteFile) {
    db->folder_ = std::make_unique<QTemporaryDir>();
    db->url_ = "sqlite:" + db->folder_->filePath("test.sqlite");
  } else if (backend == TBackend::Postgres) {
    TPostgresServer* pg = TPostgresServer::Get(Why);
    if (!pg) return nullptr;
    db->url_ = pg->Url();
    db->suffix_ = "_" + QUuid::createUuid().toString(QUuid::Id128).left(12);
  }
  db->database_ = db->Connect("main");
  if (!db->database_.isOpen()) {
    Why = "cannot connect: " + db->database_.lastError().text();
    return nullptr;
  }
  return db;
}

TTestDatabase::~TTestDatabase() {
  database_ = QSqlDatabase();
  for (const QString& name : connections_) QSqlDatabase::removeDatabase(name);
}

QSqlDatabase TTestDatabase::Connect(const QString& name) {
  const QString connection = name + "-" + QUuid::createUuid().toString(QUuid::Id128);
  connections_ << connection;
  QSqlDatabase db;
  switch (backend_) {
    case TBackend::SqliteMemory:
      db = QSqlDatabase::addDatabase("QSQLITE", connection);
      db.setDatabaseName(":memory:");
      break;
    case TBackend::SqliteFile:
      db = QSqlDatabase::addDatabase("QSQLITE", connection);
      db.setDatabaseName(url_.mid(QString("sqlite:").size()));
      break;
    case TBackend::Postgres: {
      QString why;
      const TPostgresServer* pg = TPostgresServer::Get(why);
      db = QSqlDatabase::addDatabase("QPSQL", connection);
      db.setHostName(pg->SocketFolder());
      db.setPort(pg->Port());
      db.setUserName("postgres");
      db.setDatabaseName("postgres");
      break;
    }
  }
  db.open();
  return db;
}

QSqlDatabase TTestDatabase::OpenSecondConnection() { return Connect("second"); }

void TTestDatabase::Exec(const QString& sql) {
  QSqlQuery query(database_);
  EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
}

QString TTestDatabase::Value(const QString& table, const QString& column, int id) {
  QSqlQuery query(database_);
  query.prepare(QString("SELECT %1 FROM %2 WHERE id = ?").arg(column, table));
  query.addBindValue(id);
  if (!query.exec() || !query.next()) return "<no row>";
  return query.value(0).toString();
}

}  // namespace tessel::testing
