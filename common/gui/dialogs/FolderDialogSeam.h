#pragma once

#include <QString>

#include <functional>

// The folder dialog. Tests answer it through a handler.
class FolderDialogSeam
{
public:
    // The chosen folder, or the empty text on Cancel.
    using Handler = std::function<QString(const QString &title)>;

    static QString ask(const QString &title);
    // Installs a handler in place of the dialog; an empty handler restores it.
    static void setHandler(Handler handler);
};
