#include "gui/dialogs/FolderDialogSeam.h"

#include <QApplication>
#include <QFileDialog>

namespace {
FolderDialogSeam::Handler &installedHandler()
{
    static FolderDialogSeam::Handler handler;
    return handler;
}
} // namespace

QString FolderDialogSeam::ask(const QString &title)
{
    if (installedHandler())
        return installedHandler()(title);
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title);
}

void FolderDialogSeam::setHandler(Handler handler)
{
    installedHandler() = std::move(handler);
}
