#include "core/template/TemplateFiles.h"

#include "core/db/AdoFunc.h"
#include "core/globals/ProgramFolder.h"
#include "core/package/PackageFileNames.h"

#include <QFile>

QString TemplateFileFolder(TemplateFileKind kind)
{
    return ProgramFile(kind == TemplateFileKind::Picture ? QStringLiteral("images/") : QStringLiteral("icons/"));
}

QString TemplateFilePath(TemplateFileKind kind, const QString &storedName)
{
    const QString name = storedName.trimmed();
    if (!IsPlainFileName(name))
        return {};
    return TemplateFileFolder(kind) + name;
}

bool TemplateFileInUse(const QSqlDatabase &db, TemplateFileKind kind, const QString &fileName,
                       const QString &exceptRefNo)
{
    const QString column = kind == TemplateFileKind::Picture ? QStringLiteral("ImgFile") : QStringLiteral("smallpic");
    // An empty RefNo must still be bound as text: "RefNo <> NULL" would match no row at all.
    return !SqlTableIsEmpty(db, QStringLiteral("select 1 from p_NoteList where trim(%1) = ? and RefNo <> ?").arg(column),
                            {fileName.trimmed(), exceptRefNo.isNull() ? QStringLiteral("") : exceptRefNo});
}

void RemoveTemplateFileWhenUnused(const QSqlDatabase &db, TemplateFileKind kind, const QString &storedName,
                                  const QString &exceptRefNo)
{
    const QString path = TemplateFilePath(kind, storedName);
    if (!path.isEmpty() && !TemplateFileInUse(db, kind, storedName, exceptRefNo))
        QFile::remove(path);
}
