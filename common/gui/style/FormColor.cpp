#include "gui/style/FormColor.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QToolButton>

namespace {
void setColor(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

void paintFace(QWidget *widget, QPalette::ColorRole role)
{
    setColor(widget, role, FormFaceColor);
    widget->setAutoFillBackground(true);
}

bool isPanel(const QWidget *widget)
{
    // Plain frames are the panels; frames that are something more (views, labels) are not.
    return widget->metaObject() == &QFrame::staticMetaObject || qobject_cast<const QGroupBox *>(widget)
        || qobject_cast<const QScrollArea *>(widget);
}
}

void SetFormColor(QWidget *form)
{
    const QPalette system = QApplication::palette();
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        if (qobject_cast<QPushButton *>(widget) || qobject_cast<QToolButton *>(widget)) {
            paintFace(widget, QPalette::Button);
        } else if (isPanel(widget)) {
            paintFace(widget, QPalette::Window);
        } else if (auto *view = qobject_cast<QTableView *>(widget)) {
            paintFace(view->horizontalHeader(), QPalette::Button);
            paintFace(view->verticalHeader(), QPalette::Button);
            setColor(view, QPalette::Base, system.color(QPalette::Base));
            setColor(view, QPalette::Text, system.color(QPalette::Text));
        } else if (auto *label = qobject_cast<QLabel *>(widget); label && label->objectName() != QLatin1String("TitleLabel")) {
            label->setAutoFillBackground(false);
            setColor(label, QPalette::WindowText, system.color(QPalette::WindowText));
        }
    }
}
