#include "backup/BackupArchive.h"

#include "core/globals/ProgramFolder.h"

namespace BackupArchive {

QString Folder()
{
    return ProgramFile(QStringLiteral("backup/"));
}

QString ProposedName(const QDateTime &when)
{
    return when.toString(QStringLiteral("yyyyMMddHHmm"));
}

}
