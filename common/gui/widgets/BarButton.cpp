#include "gui/widgets/BarButton.h"

#include <QBoxLayout>
#include <QPushButton>

QPushButton *AddBarButton(QWidget *owner, QBoxLayout *bar, const QString &caption, const char *name)
{
    auto *button = new QPushButton(caption, owner);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    bar->addWidget(button);
    return button;
}
