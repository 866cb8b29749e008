#pragma once

#include <QApplication>

// The application object. An error that no handler caught is shown with its own text and the
// screen that raised it stays open.
class QuilletApplication : public QApplication
{
public:
    QuilletApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // Shows the text of an error that escaped an event handler.
    static void showUncaughtError(const QString &text);
};
