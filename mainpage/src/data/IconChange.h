#pragma once

#include <QImage>
#include <QSqlDatabase>
#include <QString>

// Icons of the main page are 50 x 50. A picture of another size is cut or padded around its
// centre, never scaled.
constexpr int kUiIconSize = 50;
QImage IconSizedPicture(const QImage &picture);

// Gives the format a new icon from a picture file: the picture is stored in s_MenuIcon, copied
// into "icons" (unless it is that file already) and named in the format's smallpic. Returns the
// icon; raises PictureError when the file holds no picture it can read.
QImage ChangeTemplateIcon(const QSqlDatabase &db, qint64 refNo, const QString &pictureFile);
