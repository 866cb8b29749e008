#include "designer/model/AddFieldPlacement.h"

QPoint AddFieldPlacement::next(const QSize &picture)
{
    int x = m_last.x() + 10;
    int y = m_last.y() + 10;
    if (y > picture.height() - 20)
        y = kStart.y();
    if (x > picture.width() - 20)
        x = kStart.x();
    m_last = QPoint(x, y);
    return m_last;
}

QString AddedFieldCaption(const QString &kindName, int controlsOnPage)
{
    return kindName + QString::number(controlsOnPage + 1);
}
