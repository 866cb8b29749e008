#include "data/TemplateFacts.h"

#include "core/db/AdoFunc.h"
#include "core/globals/ProgramFolder.h"

#include <QFileInfo>

namespace {
QString refNoText(qint64 refNo)
{
    return QString::number(refNo);
}
} // namespace

bool TemplateExists(const QSqlDatabase &db, qint64 refNo)
{
    return !SqlTableIsEmpty(db, QStringLiteral("select 1 from p_NoteList where RefNo = ?"), {refNoText(refNo)});
}

QString TemplateNoteName(const QSqlDatabase &db, qint64 refNo)
{
    return SelTableStringValue(db, QStringLiteral("select NoteName from p_NoteList where RefNo = ?"), {refNoText(refNo)});
}

qint64 DefaultFormatRefNo(const QSqlDatabase &db, const QString &kind)
{
    return SelTableStringValue(db,
                               QStringLiteral("select RefNo from p_NoteList where NoteType = ? and \"default\" = '是'"
                                              " and DefNote = 1 order by autoid limit 1"),
                               {kind})
        .trimmed()
        .toLongLong();
}

QList<TemplateFormat> FormatsOfCategory(const QSqlDatabase &db, qint64 refNo)
{
    QSqlQuery query = RunStatement(db,
                                   QStringLiteral("select RefNo, NoteName from p_NoteList where NoteNameType ="
                                                  " (select NoteNameType from p_NoteList where RefNo = ?) order by autoid"),
                                   {refNoText(refNo)});
    QList<TemplateFormat> formats;
    while (query.next())
        formats.append({query.value(0).toString().trimmed().toLongLong(), query.value(1).toString()});
    return formats;
}

QString TemplatePictureFile(const QSqlDatabase &db, qint64 refNo)
{
    // Only the file name counts: a stored name never reaches outside the pictures folder.
    const QString name = QFileInfo(SelTableStringValue(db, QStringLiteral("select ImgFile from p_NoteList where RefNo = ?"),
                                                       {refNoText(refNo)})
                                       .trimmed())
                             .fileName();
    return name.isEmpty() ? QString() : ProgramFile(QStringLiteral("images/") + name);
}
