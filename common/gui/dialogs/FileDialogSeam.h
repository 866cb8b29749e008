#pragma once

#include <QString>

#include <functional>

// What a file dialog would ask. Every file dialog goes through FileDialogSeam::ask, so a test
// can choose the file without a person.
struct FileDialogRequest
{
    enum Kind { Open, Save };
    Kind kind = Open;
    QString folder;
    QString defaultExtension; // without the dot
    QString fileName;         // proposed name (save only)
    QString title;
    QString filter;           // Qt form: "desc (*.a *.b);;desc2 (*)"
};

class FileDialogSeam
{
public:
    // The chosen file, or the empty text on Cancel.
    using Handler = std::function<QString(const FileDialogRequest &)>;

    static QString ask(const FileDialogRequest &request);

    // Installs a handler in place of real dialogs; an empty handler restores them.
    static void setHandler(Handler handler);
};
