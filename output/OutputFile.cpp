#include "output/OutputFile.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <string>

namespace tessel {
namespace {

std::string SystemReason(int error) { return std::strerror(error); }

// What a replaced file hands on to the file that replaces it.
struct TAttributes {
  mode_t Mode;
  uid_t Owner;
  gid_t Group;
};

// The file a path finally names, and how it may be replaced.
struct TTarget {
  std::string Path;                     // where the new file takes its name
  bool Exists = false;                  // something has that name now
  std::optional<TAttributes> Replaced;  // the regular file being replaced
  std::string Refusal;                  // non-empty: the path must not be written
};

std::string UnfollowableLink(int error) {
  if (error == ENOENT) return "it is a symbolic link to a missing file";
  if (error == ELOOP) return "it is a symbolic link loop (the links lead back to themselves)";
  return "it is a symbolic link that cannot be followed: " + SystemReason(error);
}

TTarget ResolveTarget(const std::string& path, TLinkPolicy links) {
  TTarget target;
  target.Path = path;
  struct stat entry {};
  if (lstat(path.c_str(), &entry) != 0) {
    if (errno != ENOENT) target.Refusal = SystemReason(errno);
    return target;
  }
  target.Exists = true;
  const bool link = S_ISLNK(entry.st_mode);
  // A link replaced as a name hands nothing on: its target is not the file.
  if (link && links == TLinkPolicy::ReplaceLink) return target;
  if (link && stat(path.c_str(), &entry) != 0) {
    target.Refusal = UnfollowableLink(errno);
    return target;
  }
  if (!S_ISREG(entry.st_mode)) {
    target.Refusal = S_ISDIR(entry.st_mode) ? "it is a folder" : "it is not a regular file";
    return target;
  }
  target.Replaced = TAttributes{entry.st_mode & 07777, entry.st_uid, entry.st_gid};
  if (link) {
    char resolved[PATH_MAX];
    if (!realpath(path.c_str(), resolved))
      target.Refusal = SystemReason(errno);
    else
      target.Path = resolved;
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
bool WriteAll(int fd, const std::string& contents) {
  const char* data = contents.data();
  std::size_t left = contents.size();
  while (left > 0) {
    const ssize_t written = write(fd, data, static_cast<size_t>(left));
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = EIO;
    if (written <= 0) return false;
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
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

}  // namespace

// A temporary next to the final file (see TTemporaryName), filled, and then
// given the file's name.
class TTemporary {
 public:
  TTemporary(const TTarget& target, TTemporaryName kind, TLinkPolicy links, TDurability durability)
      : finalPath_(target.Path), links_(links), durability_(durability), newName_(!target.Exists) {
    const std::string::size_type slash = finalPath_.rfind('/');
    folder_ = FolderOf(finalPath_);
    base_ = slash == std::string::npos ? finalPath_ : finalPath_.substr(slash + 1);
#ifdef O_TMPFILE
    if (kind == TTemporaryName::UnnamedWherePossible) {
      fd_ = open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
      unnamed_ = fd_ >= 0;
      if (unnamed_) return;
    }
#else
    (void)kind;
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

  // Gives the temporary the replaced file's attributes and the contents, and
  // syncs it when each file is synced. A named temporary is closed: it is
  // found by its name from now on, so many can wait for their names without
  // holding descriptors. Returns an empty string on success, else the reason.
  std::string Fill(const std::optional<TAttributes>& replaced, const std::string& contents) {
    if (!SetAttributes(replaced) || !WriteAll(fd_, contents)) return SystemReason(errno);
    if (durability_ == TDurability::SyncEachFile && fsync(fd_) != 0) return SystemReason(errno);
    return unnamed_ ? std::string() : Close();
  }

  // Gives the temporary the file's name: an unnamed temporary of a new name
  // is linked to it (a link never replaces a name; when one appeared since
  // the file was written, it is looked at again and replaced as if it had
  // been there); otherwise the temporary is renamed over the name.
  std::string Commit() {
    if (unnamed_ && newName_) {
      if (Link(finalPath_)) return Linked();
      if (errno != EEXIST) return SystemReason(errno);
      const TTarget now = ResolveTarget(finalPath_, links_);
      if (!now.Refusal.empty()) return now.Refusal;
      if (!SetAttributes(now.Replaced)) return SystemReason(errno);
      finalPath_ = now.Path;
    }
    if (unnamed_ && !LinkHidden()) return SystemReason(errno);
    if (fd_ >= 0)
      if (std::string reason = Close(); !reason.empty()) return reason;
    if (rename(name_.c_str(), finalPath_.c_str()) != 0) return SystemReason(errno);
    name_.clear();
    if (durability_ == TDurability::SyncEachFile) SyncFolder(FolderOf(finalPath_));
    return {};
  }

 private:
  static constexpr const char* TemporarySuffix = ".tmp";
  // The longest unique part of a hidden name: a 64-bit number in base 36.
  static constexpr std::size_t MaxUniqueLength = 13;

  // ".NAME-UNIQUE.tmp", within the 255 bytes a name may have: a long NAME is
  // cut (the unique part keeps such names apart).
  std::string HiddenName(const std::string& unique) const {
    const std::size_t room = NAME_MAX - (std::strlen(".-") + MaxUniqueLength + std::strlen(TemporarySuffix));
    return folder_ + "/." + base_.substr(0, room) + "-" + unique + TemporarySuffix;
  }

  // A replaced file's permissions, and its owner and group where the process
  // may give them (only root may give a file away; a member of the group may
  // still keep the group). A named temporary of a new file gets the
  // permissions an unnamed one was created with.
  bool SetAttributes(const std::optional<TAttributes>& replaced) {
    if (!replaced) return unnamed_ || fchmod(fd_, NewFileMode()) == 0;
    if (fchown(fd_, replaced->Owner, replaced->Group) != 0 && errno == EPERM)
      (void)fchown(fd_, static_cast<uid_t>(-1), replaced->Group);
    return fchmod(fd_, replaced->Mode) == 0;
  }

  std::string Close() {
    const int fd = fd_;
    fd_ = -1;
    return close(fd) == 0 ? std::string() : SystemReason(errno);
  }

  std::string Linked() {
    if (std::string reason = Close(); !reason.empty()) return reason;
    if (durability_ == TDurability::SyncEachFile) SyncFolder(folder_);
    return {};
  }

  // Gives an unnamed temporary a name; fails with EEXIST if it is taken.
  bool Link(const std::string& name) const {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
  }

  // Gives an unnamed temporary a hidden name, to be renamed over the final
  // name (a link cannot replace an existing name itself).
  bool LinkHidden() {
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::string name = HiddenName(UniquePart());
      if (Link(name)) {
        name_ = name;
        return true;
      }
      if (errno != EEXIST) return false;
    }
    return false;
  }

  // A random 64-bit number in base 36.
  static std::string UniquePart() {
    thread_local std::mt19937_64 random{std::random_device{}()};
    static constexpr char Digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::uint64_t value = random();
    std::string unique;
    do {
      unique.push_back(Digits[value % 36]);
      value /= 36;
    } while (value != 0);
    return unique;
  }

  std::string finalPath_, folder_, base_;
  std::string name_;  // the temporary's name once it has one
  TLinkPolicy links_;
  TDurability durability_;
  bool newName_;  // nothing had the final name when the file was written
  int fd_ = -1;
  bool unnamed_ = false;  // made with O_TMPFILE: no name until linked
};

std::string ReplaceFile(const std::string& Path, const std::string& Contents, const TReplaceOptions& Options) {
  const TTarget target = ResolveTarget(Path, Options.Links);
  if (!target.Refusal.empty()) return target.Refusal;
  const TDurability durability = Options.Stage ? Options.Durability : TDurability::SyncEachFile;
  auto temporary = std::make_unique<TTemporary>(target, Options.Temporary, Options.Links, durability);
  if (!temporary->Opened()) return SystemReason(errno);
  if (std::string reason = temporary->Fill(target.Replaced, Contents); !reason.empty()) return reason;
  if (!Options.Stage) return temporary->Commit();
  Options.Stage->temporary_ = std::move(temporary);
  return {};
}

std::string ExistingEntryRefusal(const std::string& Path, TLinkPolicy Links) {
  const TTarget target = ResolveTarget(Path, Links);
  return target.Exists ? target.Refusal : std::string();
}

TStagedFile::TStagedFile() = default;
TStagedFile::~TStagedFile() = default;
TStagedFile::TStagedFile(TStagedFile&&) noexcept = default;
TStagedFile& TStagedFile::operator=(TStagedFile&&) noexcept = default;

std::string TStagedFile::Commit() {
  const std::unique_ptr<TTemporary> temporary = std::move(temporary_);
  return temporary ? temporary->Commit() : std::string();
}

std::string SyncFileSystem(const std::string& Folder) {
  const int fd = open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return SystemReason(errno);
  const bool synced = syncfs(fd) == 0;
  const int error = errno;
  close(fd);
  return synced ? std::string() : SystemReason(error);
}

bool ReserveDescriptors(std::size_t Count) {
  // The toolkit, the fonts, the input, folders being synced.
  constexpr rlim_t OtherWork = 256;
  rlimit limit{};
  if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return false;
  const rlim_t wanted = Count + OtherWork;
  if (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur >= wanted) return true;
  if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max < wanted) return false;
  limit.rlim_cur = wanted;
  return setrlimit(RLIMIT_NOFILE, &limit) == 0;
}

std::string LeftAsItWasNote(const std::string& Path) {
  struct stat entry {};
  if (lstat(Path.c_str(), &entry) != 0) return {};
  return " (the file " + Path + " from an earlier run is left as it was)";
}

std::string MakeFolder(const std::string& Path) {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(Path), error);
  return error ? error.message() : std::string();
}

}  // namespace tessel
