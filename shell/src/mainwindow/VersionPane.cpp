#include "mainwindow/VersionPane.h"

#include <QMouseEvent>

VersionPane::VersionPane(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setAlignment(Qt::AlignCenter);
    QPalette magenta = palette();
    magenta.setColor(QPalette::WindowText, Qt::magenta);
    setPalette(magenta);
}

void VersionPane::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}
