#include "helpers/TemplateRows.h"

#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QtEndian>

namespace TemplateRows {

void addTemplate(const QString &refNo, const QString &name, const QString &category, const QString &kind,
                 const QString &isDefault, const QString &imgFile, int defNote)
{
    ExecTmpQuery(CurAdo,
                 QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, DataTablename, \"default\","
                                " DefNote, ImgFile, Xmove, Ymove) values (?, ?, ?, ?, '银行转帐单', ?, ?, ?, 0, 0)"),
                 {refNo, name, category, kind, isDefault, defNote, imgFile});
}

void addField(const QString &refNo, int tag, const QString &caption, int x, int y)
{
    ExecTmpQuery(CurAdo,
                 QStringLiteral("insert into p_NoteCntlList (RefNo, Tag, ParentId, CtlCName, DbFieldName, FieldEditType,"
                                " Ctlx, CtlY, CtlW, CtlH, NeedShow, NeedPrint, CtlFontName) values (?, ?, 0, ?, ?, '编辑器',"
                                " ?, ?, 120, 22, '是', '是', '宋体;12;;;;')"),
                 {refNo, tag, caption, caption, x, y});
}

void addIcon(int tab, const QString &refNo, const QString &caption)
{
    ExecTmpQuery(CurAdo, QStringLiteral("insert into s_ui (UserId, TabNo, ModId, MenuType, Caption) values ('admin', ?, ?, 0, ?)"),
                 {tab, refNo.toLongLong(), caption});
}

QByteArray jfifPicture(int width, int height, quint8 units, quint16 xDensity, quint16 yDensity)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).drawRect(10, 10, width - 20, height - 20);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    // Qt writes the JFIF segment first: FF D8 FF E0, length, "JFIF\0", version, then the density.
    Q_ASSERT(bytes.mid(6, 5) == QByteArray("JFIF\0", 5));
    bytes[13] = char(units);
    qToBigEndian(xDensity, bytes.data() + 14);
    qToBigEndian(yDensity, bytes.data() + 16);
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace TemplateRows
