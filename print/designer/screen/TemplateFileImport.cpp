#include "designer/screen/TemplateFileImport.h"

#include "core/errors/CorvaneError.h"
#include "core/files/DurableFile.h"
#include "core/template/PictureSize.h"
#include "core/template/TemplateColumns.h"
#include "core/template/TemplateNote.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>


namespace {

bool sameBytes(const QString &a, const QString &b)
{
    QFile first(a);
    QFile second(b);
    if (first.size() != second.size() || !first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly))
        return false;
    return first.readAll() == second.readAll();
}

bool samePlace(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

} // namespace

TemplateFileImport PlanTemplateFileImport(const QSqlDatabase &db, TemplateFileKind kind, const QString &chosenPath,
                                          const QString &refNo)
{
    TemplateFileImport plan;
    plan.source = chosenPath;
    const QFileInfo chosen(chosenPath);
    const QString folder = TemplateFileFolder(kind);
    const QString suffix = chosen.suffix().isEmpty() ? QString() : QLatin1Char('.') + chosen.suffix();
    for (int n = 1;; ++n) {
        const QString name = n == 1 ? chosen.fileName() : QStringLiteral("%1_%2%3").arg(chosen.completeBaseName()).arg(n).arg(suffix);
        const QString target = folder + name;
        plan.fileName = name;
        plan.target = target;
        if (samePlace(chosenPath, target)) {
            plan.copy = false;
            return plan;
        }
        if (!QFileInfo::exists(target)) {
            plan.copy = true;
            return plan;
        }
        if (sameBytes(chosenPath, target)) {
            plan.copy = false;
            return plan;
        }
        if (!TemplateFileInUse(db, kind, name, refNo)) {
            plan.copy = true;  // nobody else's: the new picture replaces it
            return plan;
        }
    }
}

void CarryOutFileImport(const TemplateFileImport &plan)
{
    if (!plan.copy)
        return;
    QDir().mkpath(QFileInfo(plan.target).absolutePath());
    if (!CopyFileDurably(plan.source, plan.target).isEmpty())
        throw CorvaneError(QStringLiteral("文件%1不能复制到%2").arg(plan.source, plan.target));
}

QVariantMap ImportedPictureColumns(const QString &fileName, const CheckedPicture &picture)
{
    TemplateNote note;
    ApplyPictureImport(note, fileName, picture.resolution, picture.size);
    QVariantMap columns;
    for (const char *name : {"ImgFile", "xDpi", "yDpi", "DpiUnit", "ImgEnc", "ConvertRate1", "ConvertRate2", "tWidth", "tHeight"}) {
        const QString column = QString::fromLatin1(name);
        columns.insert(column, NoteColumn(column).stored(note));
    }
    // Without a size the old picture's paper size must not stay: printing then refuses.
    for (const char *name : {"tWidth", "tHeight"})
        if (columns.value(QString::fromLatin1(name)).isNull())
            columns.insert(QString::fromLatin1(name), QString());
    return columns;
}
