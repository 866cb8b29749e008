#include "mainwindow/TM1Form.h"

#include "core/globals/PubDm.h"

#include <QApplication>
#include <QMdiArea>
#include <QScreen>

TM1Form::TM1Form(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("M1Form"));
    setWindowTitle(QStringLiteral("Quillet系统"));
    resize(928, 480);
    m_mdiArea = new QMdiArea(this);
    setCentralWidget(m_mdiArea);
    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FmSysMain = this;
}
