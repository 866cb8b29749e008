#include "bills/printing/PrintTemplate.h"

#include "bills/printing/PrintRefusal.h"
#include "core/globals/ProgramFolder.h"
#include "core/template/TemplateStore.h"

#include <QFileInfo>

QString PrintTemplate::picturePath() const
{
    // The column holds a bare file name; anything else in it is not followed out of the folder.
    return ProgramFile(QStringLiteral("images/") + QFileInfo(note().imgFile.trimmed()).fileName());
}

PrintTemplate LoadPrintTemplate(const QSqlDatabase &db, const QString &noteName)
{
    std::optional<TemplateDocument> document = LoadTemplate(db, noteName);
    if (!document)
        throw PrintRefusal(QStringLiteral("找不到单据格式“%1”").arg(noteName));
    return {std::move(*document)};
}
