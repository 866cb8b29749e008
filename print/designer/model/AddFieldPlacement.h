#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

// Where the add-field buttons put the next field: 10 pixels right of and below the last one,
// starting from (200, 180); y goes back to 180 once it passes the picture's height - 20, x back
// to 200 once it passes its width - 20.
class AddFieldPlacement
{
public:
    static constexpr QPoint kStart{200, 180};

    // The position of the next field on a picture of `picture` pixels.
    QPoint next(const QSize &picture);
    QPoint last() const { return m_last; }

private:
    QPoint m_last = kStart;
};

// The caption of an added field: the kind's name and the number the field gets on the page.
QString AddedFieldCaption(const QString &kindName, int controlsOnPage);
