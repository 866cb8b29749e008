#include "gui/FolderDialog.h"

#include <QApplication>
#include <QFileDialog>

namespace {
std::function<QString(const QString &)> &handler()
{
    static std::function<QString(const QString &)> installed;
    return installed;
}
} // namespace

QString ChooseFolder(const QString &title)
{
    if (handler())
        return handler()(title);
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title);
}

void SetFolderDialogHandler(std::function<QString(const QString &title)> installed)
{
    handler() = std::move(installed);
}
