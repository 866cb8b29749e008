#include "gui/picture/ShowEncTxtJpgImage.h"

#include "core/picture/Pic.h"

#include <QLabel>
#include <QPixmap>

QSize ShowEncTxtJpgImage(const QString &fileName, QLabel *control)
{
    QImage image;
    const QSize size = SetJpegImg(fileName, image);
    control->setPixmap(QPixmap::fromImage(image));
    return size;
}
