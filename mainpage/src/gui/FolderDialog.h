#pragma once

#include <QString>

#include <functional>

// Asks for a folder; the empty text on Cancel. Tests install a handler in place of the dialog.
QString ChooseFolder(const QString &title);
void SetFolderDialogHandler(std::function<QString(const QString &title)> handler);
