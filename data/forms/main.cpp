// The form generator: draws the picture and the main-page icon of every shipped format, the
// program's icon, and writes the formats' rows for the shipped database.
//   QuilletForms <program folder> <sql file>
#include "FormatSql.h"
#include "KindIcon.h"
#include "SheetLayout.h"
#include "ShippedSheets.h"

#include "core/picture/Pic.h"
#include "core/template/PictureSize.h"
#include "gui/app/ProgramIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>

#include <cmath>
#include <cstdio>

namespace {

int fail(const QString &what)
{
    std::fprintf(stderr, "QuilletForms: %s\n", qPrintable(what));
    return 1;
}

bool saveImage(const QImage &image, const QString &path, const char *format, int quality = -1)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, format, quality) && file.commit();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return fail(QStringLiteral("usage: QuilletForms <program folder> <sql file>"));
    const QDir folder(args.at(1));
    if (!folder.mkpath(QStringLiteral("images")) || !folder.mkpath(QStringLiteral("icons")))
        return fail(QStringLiteral("cannot make the picture folders"));

    QList<FormSheet> sheets = ShippedSheets();
    QList<TemplateNote> pictureColumns;
    for (FormSheet &sheet : sheets) {
        QImage picture(sheet.widthPx(), sheet.heightPx(), QImage::Format_RGB32);
        picture.fill(QColor(0xfe, 0xfd, 0xf8));
        // The JFIF density is what gives the picture its size on paper.
        const int dotsPerMetre = static_cast<int>(std::lround(sheet.dpi / 0.0254));
        picture.setDotsPerMeterX(dotsPerMetre);
        picture.setDotsPerMeterY(dotsPerMetre);
        {
            QPainter painter(&picture);
            FormCanvas canvas(painter, sheet.ink);
            SheetLayout layout(sheet, canvas);
            sheet.layOut(layout);
        }
        const QString picturePath = folder.filePath(QStringLiteral("images/") + sheet.imageFile);
        if (!saveImage(picture, picturePath, "JPG", 90))
            return fail(QStringLiteral("cannot write ") + picturePath);
        // The columns as the designer's picture import writes them for this file.
        const JpegResolution resolution = GetJPEGRes(picturePath);
        if (resolution.xDensity != sheet.dpi || resolution.yDensity != sheet.dpi)
            return fail(QStringLiteral("no density of %1 dpi in ").arg(sheet.dpi) + picturePath);
        TemplateNote note;
        ApplyPictureImport(note, sheet.imageFile, resolution, GetJpgSize(picturePath));
        pictureColumns.append(note);

        const QString iconPath = folder.filePath(QStringLiteral("icons/") + sheet.iconFile);
        if (!saveImage(DrawKindIcon(sheet.ink, sheet.iconGlyph), iconPath, "BMP"))
            return fail(QStringLiteral("cannot write ") + iconPath);
    }
    const QString programIcon = folder.filePath(QStringLiteral("icons/quillet.png"));
    if (!saveImage(DrawProgramIcon(256), programIcon, "PNG"))
        return fail(QStringLiteral("cannot write ") + programIcon);

    QSaveFile sql(args.at(2));
    if (!sql.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write ") + args.at(2));
    sql.write(FormatSql(sheets, pictureColumns).toUtf8());
    if (!sql.commit())
        return fail(QStringLiteral("cannot write ") + args.at(2));
    return 0;
}
