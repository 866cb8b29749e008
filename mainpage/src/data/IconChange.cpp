#include "data/IconChange.h"

#include "core/db/AdoFunc.h"
#include "core/db/Transaction.h"
#include "core/files/DurableFile.h"
#include "core/globals/ProgramFolder.h"
#include "core/picture/PictureError.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

namespace {

QByteArray bitmapBytes(const QImage &icon)
{
    // A bitmap has no transparency: the padding becomes white.
    QImage opaque(icon.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter(&opaque).drawImage(0, 0, icon);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    opaque.save(&buffer, "BMP");
    return bytes;
}

// Copies the picture into the icons folder under its own name; the folder's own file stays.
QString copyIntoIconFolder(const QString &pictureFile)
{
    const QString name = QFileInfo(pictureFile).fileName();
    const QString target = ProgramFile(QStringLiteral("icons/") + name);
    if (QFileInfo(pictureFile).canonicalFilePath() == QFileInfo(target).canonicalFilePath())
        return name;
    QDir().mkpath(QFileInfo(target).path());
    // An icon of the same name is replaced as a whole, never left missing or half written.
    if (!CopyFileDurably(pictureFile, target).isEmpty())
        throw PictureError(QStringLiteral("不能复制图片文件%1").arg(QDir::toNativeSeparators(pictureFile)));
    return name;
}

} // namespace

QImage IconSizedPicture(const QImage &picture)
{
    QImage icon(kUiIconSize, kUiIconSize, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.drawImage((kUiIconSize - picture.width()) / 2, (kUiIconSize - picture.height()) / 2, picture);
    return icon;
}

QImage ChangeTemplateIcon(const QSqlDatabase &db, qint64 refNo, const QString &pictureFile)
{
    const QImage picture(pictureFile);
    if (picture.isNull())
        throw PictureError(QStringLiteral("不能打开图片文件%1").arg(QDir::toNativeSeparators(pictureFile)));
    const QImage icon = IconSizedPicture(picture);
    const QString name = copyIntoIconFolder(pictureFile);

    Transaction tx(db);
    const QByteArray bytes = bitmapBytes(icon);
    ExecTmpQuery(db, QStringLiteral("update s_MenuIcon set DefIcon = ? where MenuId = ?"), {bytes, refNo});
    if (SqlTableIsEmpty(db, QStringLiteral("select 1 from s_MenuIcon where MenuId = ?"), {refNo}))
        ExecTmpQuery(db, QStringLiteral("insert into s_MenuIcon (MenuId, DefIcon) values (?, ?)"), {refNo, bytes});
    ExecTmpQuery(db, QStringLiteral("update p_NoteList set smallpic = ? where RefNo = ?"), {name, QString::number(refNo)});
    tx.commit();
    return icon;
}
