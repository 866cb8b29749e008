#include "gui/app/QuilletApplication.h"

#include "core/errors/CorvaneError.h"
#include "gui/app/ProgramIcon.h"
#include "gui/dialogs/MessageSeam.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QuilletApplication::QuilletApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // The interface is Chinese whatever the desktop's language: standard buttons and dialogs too.
    auto *translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
    // Every window, and the corner of a maximised screen in the menu bar, shows the program's
    // own icon instead of the toolkit's.
    setWindowIcon(ProgramIcon());
}

bool QuilletApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const DatabaseError &e) {
        // The driver speaks English: the clerk reads what happened, the detail says why.
        showUncaughtError(QStringLiteral("数据库操作失败，操作没有完成。\n详细信息：%1").arg(e.message()));
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
