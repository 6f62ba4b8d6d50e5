// Replacing a file completely or not at all: the contents go to a temporary
// in the same folder, are synced to disk (unless a batch syncs once at its
// end), and only then take the file's name. A failure leaves an existing
// file exactly as it was.
#pragma once

#include <QByteArray>
#include <QString>

namespace tessel::generator {

// How the temporary is made: without a name where the file system supports
// that, so a killed run leaves nothing behind, else (or always, with Hidden)
// as ".NAME-XXXXXX.tmp" next to the file: hidden, and never matching the
// pattern of the final names.
enum class TTemporaryName { UnnamedWherePossible, Hidden };

// When the file reaches the disk: synced before it takes its name (and the
// folder after), or left to the caller, who syncs many files at once with
// SyncFileSystem. Either way a reader never sees a partial file under the
// final name; without the sync a crash of the machine may lose the newest
// files, never corrupt an older one.
enum class TDurability { SyncEachFile, SyncLater };

// Writes Contents to Path. Path must name a regular file, a symbolic link to
// one (the link's target is replaced, the link stays) or nothing yet in an
// existing folder; devices, folders, pipes and dangling links are refused.
// Returns an empty string on success, else the reason.
QString ReplaceFile(const QString& Path, const QByteArray& Contents,
                    TTemporaryName Temporary = TTemporaryName::UnnamedWherePossible,
                    TDurability Durability = TDurability::SyncEachFile);

// Writes everything written to the file system that holds Folder to disk
// (files and folders). Returns an empty string on success, else the reason.
QString SyncFileSystem(const QString& Folder);

// Creates a folder and its parents where missing. Returns an empty string on
// success, else the reason.
QString MakeFolder(const QString& Path);

}  // namespace tessel::generator
