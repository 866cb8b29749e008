#pragma once

#include <QString>

class QBoxLayout;
class QPushButton;
class QWidget;

// A push button of a screen's button bar, named so that tests find it, laid out at the end of
// `bar`. It never takes Enter as the dialog's default button: Enter belongs to the screen's boxes.
QPushButton *AddBarButton(QWidget *owner, QBoxLayout *bar, const QString &caption, const char *name);
