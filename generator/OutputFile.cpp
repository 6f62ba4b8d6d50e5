#include "generator/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

namespace tessel::generator {
namespace {

QString SystemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// The file a path finally names, and how it may be replaced.
struct TTarget {
  std::string Path;                    // symbolic links resolved
  std::optional<mode_t> ExistingMode;  // permissions of the file being replaced
  QString Refusal;                     // non-empty: the path must not be written
};

TTarget ResolveTarget(const std::string& path) {
  TTarget target;
  struct stat link {};
  if (lstat(path.c_str(), &link) != 0) {
    if (errno != ENOENT) target.Refusal = SystemReason(errno);
    target.Path = path;
    return target;
  }
  struct stat file {};
  if (S_ISLNK(link.st_mode) && stat(path.c_str(), &file) != 0)
    target.Refusal = "it is a symbolic link to a missing file";
  else if (!S_ISLNK(link.st_mode))
    file = link;
  if (target.Refusal.isEmpty() && !S_ISREG(file.st_mode))
    target.Refusal = S_ISDIR(file.st_mode) ? "it is a folder" : "it is not a regular file";
  if (!target.Refusal.isEmpty()) return target;
  target.ExistingMode = file.st_mode & 07777;
  if (S_ISLNK(link.st_mode)) {
    char resolved[PATH_MAX];
    if (!realpath(path.c_str(), resolved)) {
      target.Refusal = SystemReason(errno);
      return target;
    }
    target.Path = resolved;
  } else {
    target.Path = path;
  }
  return target;
}

// The permissions a new file gets: read and write for all, less the umask.
// Reading the umask means setting it for a moment, so it is read once (the
// static's initialisation is serialised): threads writing files at the same
// time would otherwise see and restore each other's temporary value.
mode_t NewFileMode() {
  static const mode_t mode = [] {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
  }();
  return mode;
}

// Writes everything, retrying short and interrupted writes.
bool WriteAll(int fd, const QByteArray& contents) {
  const char* data = contents.constData();
  qsizetype left = contents.size();
  while (left > 0) {
    const ssize_t written = write(fd, data, static_cast<size_t>(left));
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = EIO;
    if (written <= 0) return false;
    data += written;
    left -= written;
  }
  return true;
}

// Gives an unnamed temporary a name; fails with EEXIST if it is taken.
bool LinkUnnamedTo(int fd, const std::string& name) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// Makes a rename or link durable; the contents are already on disk, so a
// file system that cannot sync folders is no failure.
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

std::string FolderOf(const std::string& path) {
  const std::string::size_type slash = path.rfind('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// The common case of a batch, a file that does not exist yet, written as an
// unnamed temporary linked to its name without looking the name up first
// (a link never replaces a name). None when it cannot be done that way (the
// name exists, the file system has no unnamed temporaries, or any other
// failure before the link): the general way then runs and reports. After
// the link, the result is final: empty on success, else the reason.
std::optional<QString> LinkedAsNewFile(const std::string& path, const QByteArray& contents, TDurability durability) {
#ifdef O_TMPFILE
  const std::string folder = FolderOf(path);
  const int fd = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) return std::nullopt;
  const bool sync = durability == TDurability::SyncEachFile;
  if (!WriteAll(fd, contents) || (sync && fsync(fd) != 0) || !LinkUnnamedTo(fd, path)) {
    close(fd);
    return std::nullopt;
  }
  if (close(fd) != 0) return SystemReason(errno);
  if (sync) SyncFolder(folder);
  return QString();
#else
  return std::nullopt;
#endif
}

// A temporary next to the final file (see TTemporaryName).
class TTemporary {
 public:
  TTemporary(const std::string& finalPath, [[maybe_unused]] TTemporaryName kind) : finalPath_(finalPath) {
    const std::string::size_type slash = finalPath.rfind('/');
    folder_ = FolderOf(finalPath);
    base_ = slash == std::string::npos ? finalPath : finalPath.substr(slash + 1);
#ifdef O_TMPFILE
    if (kind == TTemporaryName::UnnamedWherePossible) {
      fd_ = open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
      unnamed_ = fd_ >= 0;
      if (unnamed_) return;
    }
#endif
    std::string name = HiddenName("XXXXXX");
    fd_ = mkostemps(name.data(), static_cast<int>(std::strlen(TemporarySuffix)), O_CLOEXEC);
    if (fd_ >= 0) name_ = name;
  }
  ~TTemporary() {
    if (fd_ >= 0) close(fd_);
    if (!name_.empty()) unlink(name_.c_str());
  }
  TTemporary(const TTemporary&) = delete;
  TTemporary& operator=(const TTemporary&) = delete;

  bool Opened() const { return fd_ >= 0; }

  bool Write(const QByteArray& contents) { return WriteAll(fd_, contents); }

  // Gives the file its permissions. An unnamed temporary for a new file
  // already has them: it was created with the umask applied.
  bool SetMode(std::optional<mode_t> existing) {
    if (unnamed_ && !existing) return true;
    return fchmod(fd_, existing.value_or(NewFileMode())) == 0;
  }

  // Syncs (when asked) and closes the temporary and gives it the final name:
  // an unnamed temporary of a new file is linked to it directly (a link
  // never replaces a name, so a file made meanwhile is not overwritten);
  // otherwise the temporary is renamed over it.
  bool Commit(TDurability durability, bool replacing) {
    const bool sync = durability == TDurability::SyncEachFile;
    if (sync && fsync(fd_) != 0) return false;
    const bool linked = unnamed_ && !replacing && Link(finalPath_);
    if (!linked && errno != EEXIST && unnamed_ && !replacing) return false;
    if (!linked && name_.empty() && !LinkUnnamed()) return false;
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) return false;
    if (!linked && rename(name_.c_str(), finalPath_.c_str()) != 0) return false;
    name_.clear();
    if (sync) SyncFolder(folder_);
    return true;
  }

 private:
  static constexpr const char* TemporarySuffix = ".tmp";

  std::string HiddenName(const std::string& unique) const {
    return folder_ + "/." + base_ + "-" + unique + TemporarySuffix;
  }

  // Gives an unnamed temporary a hidden name, to be renamed over the final
  // file (a link cannot replace an existing name itself).
  bool LinkUnnamed() {
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::string name = HiddenName(QString::number(QRandomGenerator::global()->generate64(), 36).toStdString());
      if (Link(name)) {
        name_ = name;
        return true;
      }
      if (errno != EEXIST) return false;
    }
    return false;
  }

  bool Link(const std::string& name) const { return LinkUnnamedTo(fd_, name); }

  std::string finalPath_, folder_, base_;
  std::string name_;  // the temporary's name once it has one
  int fd_ = -1;
  bool unnamed_ = false;  // made with O_TMPFILE: no name until linked
};

}  // namespace

QString ReplaceFile(const QString& Path, const QByteArray& Contents, TTemporaryName Temporary, TDurability Durability) {
  const std::string path = QFile::encodeName(Path).toStdString();
  if (Temporary == TTemporaryName::UnnamedWherePossible)
    if (std::optional<QString> done = LinkedAsNewFile(path, Contents, Durability)) return *done;
  const TTarget target = ResolveTarget(path);
  if (!target.Refusal.isEmpty()) return target.Refusal;
  TTemporary temporary(target.Path, Temporary);
  if (!temporary.Opened()) return SystemReason(errno);
  if (!temporary.SetMode(target.ExistingMode) || !temporary.Write(Contents) ||
      !temporary.Commit(Durability, target.ExistingMode.has_value()))
    return SystemReason(errno);
  return {};
}

QString SyncFileSystem(const QString& Folder) {
  const int fd = open(QFile::encodeName(Folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return SystemReason(errno);
  const bool synced = syncfs(fd) == 0;
  const int error = errno;
  close(fd);
  return synced ? QString() : SystemReason(error);
}

QString MakeFolder(const QString& Path) {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(Path).toStdString()), error);
  return error ? QString::fromLocal8Bit(error.message().c_str()) : QString();
}

}  // namespace tessel::generator
