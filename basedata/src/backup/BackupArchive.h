#pragma once

#include <QDateTime>
#include <QString>

// Backup archives: one entry, the database file, protected with a fixed password.
namespace BackupArchive {

inline const QString kPassword = QStringLiteral("vorp");
inline const QString kExtension = QStringLiteral("bak");

// The folder archives are written to and looked for in ("backup/" in the program folder).
QString Folder();

// The proposed archive name without extension: year, month, day, hour, minute.
QString ProposedName(const QDateTime &when);

}
