// Replacing a file completely or not at all: the contents go to a temporary
// in the same folder, reach the disk, and only then take the file's name. A
// failure leaves an existing file exactly as it was.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace tessel {

// How the temporary is made: without a name where the file system supports
// that, so a killed run leaves nothing behind, else (or always, with Hidden)
// as ".NAME-XXXXXX.tmp" next to the file: hidden, and never matching the
// pattern of the final names (a long NAME is shortened to fit the file
// system's limit of 255 bytes).
enum class TTemporaryName { UnnamedWherePossible, Hidden };

// When the contents reach the disk before the file takes its name: synced
// each (and the folder after the name), or, for a staged file only, by the
// caller, who syncs many files at once with SyncFileSystem between staging
// and Commit. A file that is not staged is always synced each.
enum class TDurability { SyncEachFile, SyncLater };

// What a symbolic link under the file's name means. WriteThrough: the name
// the user gave stands for the file the link points to, which is replaced
// (the link stays); links to anything but a regular file are refused.
// ReplaceLink: for names made from data, in folders others may write to:
// the link itself is replaced by the new file and never followed.
enum class TLinkPolicy { WriteThrough, ReplaceLink };

class TStagedFile;

struct TReplaceOptions {
  TTemporaryName Temporary = TTemporaryName::UnnamedWherePossible;
  TDurability Durability = TDurability::SyncEachFile;
  TLinkPolicy Links = TLinkPolicy::WriteThrough;
  // When given, the file is written into its temporary and left there, in
  // Stage, to take its name with Stage->Commit().
  TStagedFile* Stage = nullptr;
};

// Writes Contents to Path. Path must name a regular file, a symbolic link
// (see TLinkPolicy) or nothing yet in an existing folder; devices, folders
// and pipes are refused. A replaced file keeps its permissions, and its
// owner and group where the process may set them; a new file gets read and
// write for all less the umask. Returns an empty string on success, else the
// reason.
std::string ReplaceFile(const std::string& Path, const std::string& Contents, const TReplaceOptions& Options = {});

// Why ReplaceFile would refuse what Path names now (a folder, a device, a
// pipe, a link it may not follow), before anything is written; an empty
// string when it would not, or when nothing has that name.
std::string ExistingEntryRefusal(const std::string& Path, TLinkPolicy Links = TLinkPolicy::WriteThrough);

class TTemporary;

// A file written into its temporary that has not taken its name yet.
// Destroyed before Commit, it removes the temporary. An unnamed temporary
// holds an open descriptor until then.
class TStagedFile {
 public:
  TStagedFile();
  ~TStagedFile();
  TStagedFile(TStagedFile&&) noexcept;
  TStagedFile& operator=(TStagedFile&&) noexcept;

  bool Pending() const { return temporary_ != nullptr; }
  // Gives the file its name (with TDurability::SyncLater, after the caller's
  // SyncFileSystem): the name is taken only then, so a name that appeared
  // since staging is looked at again. Returns an empty string on success,
  // else the reason.
  std::string Commit();

 private:
  friend std::string ReplaceFile(const std::string&, const std::string&, const TReplaceOptions&);
  std::unique_ptr<TTemporary> temporary_;
};

// Writes everything written to the file system that holds Folder to disk
// (files and folders). Returns an empty string on success, else the reason.
std::string SyncFileSystem(const std::string& Folder);

// Makes sure the process may hold Count more open descriptors than it
// needs for other work, raising its soft limit when the hard limit allows.
// False when it may not.
bool ReserveDescriptors(std::size_t Count);

// For the message of a record that was not written: " (the file PATH from an
// earlier run is left as it was)" when something has that name, else empty.
std::string LeftAsItWasNote(const std::string& Path);

// Creates a folder and its parents where missing. Returns an empty string on
// success, else the reason.
std::string MakeFolder(const std::string& Path);

}  // namespace tessel
