#pragma once

#include <QByteArray>
#include <QString>

// Files that must survive a crash: written beside their place, flushed to the disk, then renamed
// over it, so a reader sees the old file or the complete new one. Every routine returns the
// reason of a failure for the user (a full disk is named as such), or an empty text.

// The text for a failed write of `path` with the system's error number.
QString FileWriteFailure(const QString &path, int errorNumber);

// Writes `content` to `path` as described above; the old file stays untouched on failure.
QString WriteFileDurably(const QString &path, const QByteArray &content, unsigned mode = 0644);

// Flushes a written file, or a folder after a rename in it, to the disk. A failure names
// `shownPath` when given (the file a staging copy stands for).
QString SyncFile(const QString &path, const QString &shownPath = {});
QString SyncFolder(const QString &path);

// Renames `from` over `to` (same file system) and flushes the folder. The result is the rename's
// failure only: once renamed the new file is in place. A failed flush of the folder goes to
// `unflushed` when given (the file may not outlast a crash), and is dropped otherwise.
QString RenameDurably(const QString &from, const QString &to, QString *unflushed = nullptr);

// The failure to report for such a file: it is in place at `shownPath` but not confirmed on the
// disk (`unflushed`), so the user must not take it as kept; `again` asks to redo the work.
QString UnconfirmedWriteFailure(const QString &shownPath, const QString &unflushed,
                                const QString &again = QStringLiteral("请再保存一次"));

// Copies `from` to `to` the same way (the copy gets `mode`, e.g. 0600 for owner only).
QString CopyFileDurably(const QString &from, const QString &to, unsigned mode = 0644);

// Staging files of work written for the user, beside the user's file: ".<name>.quillet-<pid>-"
// followed by random letters (and, for an archive, the archive library's own suffix). The name
// holds the writing process, so a later write into the folder can tell one a killed process
// left behind (RemoveStaleStagingFiles) from one another running program is writing.
QString StagingPrefixBeside(const QString &target);
// Removes from `folder` the staging files whose process is gone (or is this one: it writes no
// other at the time). Files of other names are never touched.
void RemoveStaleStagingFiles(const QString &folder);
