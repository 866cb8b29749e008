#include "gui/dialogs/FileDialogSeam.h"

#include <QApplication>
#include <QFileDialog>

namespace {
FileDialogSeam::Handler &installedHandler()
{
    static FileDialogSeam::Handler handler;
    return handler;
}
}

QString FileDialogSeam::ask(const FileDialogRequest &request)
{
    if (installedHandler())
        return installedHandler()(request);
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.folder, request.filter);
    const bool save = request.kind == FileDialogRequest::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Callers ask about replacing a file themselves, through the message seam.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (save && !request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void FileDialogSeam::setHandler(Handler handler)
{
    installedHandler() = std::move(handler);
}
