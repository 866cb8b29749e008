#include "designer/screen/TemplateFiles.h"

#include "core/db/AdoFunc.h"
#include "core/globals/ProgramFolder.h"
#include "core/package/PackageFileNames.h"

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
    const QString sql = kind == TemplateFileKind::Picture
        ? QStringLiteral("select 1 from p_NoteList where trim(ImgFile) = ? and RefNo <> ?")
        : QStringLiteral("select 1 from p_NoteList where trim(smallpic) = ? and RefNo <> ?");
    return !SqlTableIsEmpty(db, sql, {fileName.trimmed(), exceptRefNo});
}
