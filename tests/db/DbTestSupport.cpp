#include "db/DbTestSupport.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUrl>
#include <QUuid>
#include <cstdlib>

namespace tessel::testing {
namespace {

// Any port names the socket file; the server listens on no TCP address.
constexpr int SocketPort = 54329;
constexpr int ToolTimeoutMs = 120000;
constexpr int ReadyPollMs = 100;

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
// The child also gets SIGQUIT (the server's immediate shutdown) when the
// test process dies, so a crashed or timed-out run leaves no server behind.
void RunAs(QProcess& process, const passwd* user) {
  const bool switchUser = user != nullptr;
  const uid_t uid = user ? user->pw_uid : 0;
  const gid_t gid = user ? user->pw_gid : 0;
  process.setChildProcessModifier([switchUser, uid, gid] {
    if (switchUser && (setgid(gid) != 0 || setuid(uid) != 0)) _exit(127);
    prctl(PR_SET_PDEATHSIG, SIGQUIT);
  });
}

bool RunTool(const QString& program, const QStringList& arguments, const passwd* user, QString& output) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  RunAs(process, user);
  process.start(program, arguments);
  const bool finished = process.waitForFinished(ToolTimeoutMs);
  output = QString::fromLocal8Bit(process.readAll());
  if (!finished) process.kill();
  return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Removes the folders of servers that an earlier, killed run left behind:
// older than a few minutes and without a running server.
void RemoveStaleServerFolders() {
  constexpr qint64 StaleAfterSeconds = 600;
  const QDir temp = QDir::temp();
  for (const QFileInfo& folder : temp.entryInfoList({"tessel-pg-*"}, QDir::Dirs | QDir::NoDotAndDotDot)) {
    if (folder.lastModified().secsTo(QDateTime::currentDateTime()) < StaleAfterSeconds) continue;
    QFile pidFile(folder.filePath() + "/data/postmaster.pid");
    if (pidFile.open(QIODevice::ReadOnly)) {
      const pid_t pid = static_cast<pid_t>(pidFile.readLine().trimmed().toInt());
      if (pid > 0 && ::kill(pid, 0) == 0) continue;
    }
    QDir(folder.filePath()).removeRecursively();
  }
}

const passwd* ServerUser(QString& why) {
  if (geteuid() != 0) return nullptr;
  const passwd* user = getpwnam("postgres");
  if (!user) why = "running as root and there is no 'postgres' user to run the server as";
  return user;
}

}  // namespace

QString SqlName(const QString& name) { return '"' + QString(name).replace('"', "\"\"") + '"'; }

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
  RemoveStaleServerFolders();
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
  // The server runs as a child of the tests (not through pg_ctl), so it
  // ends with them whatever happens.
  server->process_ = std::make_unique<QProcess>();
  QProcess& postgres = *server->process_;
  postgres.setStandardOutputFile(server->root_ + "/log");
  postgres.setStandardErrorFile(server->root_ + "/log");
  RunAs(postgres, user);
  postgres.start(bin + "postgres", {"-D", data, "-k", server->socketFolder_, "-p", QString::number(server->port_), "-c",
                                    "listen_addresses=", "-F"});
  if (!WaitUntilReady(bin, *server)) {
    QFile log(server->root_ + "/log");
    log.open(QIODevice::ReadOnly);
    Why = serverFailure = "the server did not start: " + QString::fromLocal8Bit(log.readAll()).trimmed();
    Stop();
    return nullptr;
  }
  return server.get();
}

bool TPostgresServer::WaitUntilReady(const QString& bin, const TPostgresServer& pg) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ToolTimeoutMs) {
    if (pg.process_->state() == QProcess::NotRunning) return false;
    QString ignored;
    if (RunTool(bin + "pg_isready", {"-q", "-h", pg.socketFolder_, "-p", QString::number(pg.port_)}, nullptr, ignored))
      return true;
    QThread::msleep(ReadyPollMs);
  }
  return false;
}

void TPostgresServer::Stop() {
  if (!server) return;
  if (server->process_ && server->process_->state() != QProcess::NotRunning) {
    ::kill(static_cast<pid_t>(server->process_->processId()), SIGINT);  // fast shutdown
    if (!server->process_->waitForFinished(ToolTimeoutMs)) server->process_->kill();
    server->process_->waitForFinished(ToolTimeoutMs);
  }
  server->process_.reset();
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
