#include "gui/app/QuilletApplication.h"

#include "core/errors/CorvaneError.h"
#include "gui/dialogs/MessageSeam.h"

QuilletApplication::QuilletApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool QuilletApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const CorvaneError &e) {
        showUncaughtError(e.message());
    } catch (const std::exception &e) {
        showUncaughtError(QString::fromUtf8(e.what()));
    }
    return false;
}

void QuilletApplication::showUncaughtError(const QString &text)
{
    MessageRequest request;
    request.icon = QMessageBox::Critical;
    request.title = QApplication::applicationName();
    request.text = text;
    MessageSeam::ask(request);
}
