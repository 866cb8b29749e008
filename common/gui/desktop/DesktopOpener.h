#pragma once

#include <QUrl>

#include <functional>

// Opens a web page, a file with its program, or a folder, through the desktop. Tests install a
// handler that records the request instead.
class DesktopOpener
{
public:
    using Handler = std::function<bool(const QUrl &)>;

    static bool open(const QUrl &url);
    static bool openFile(const QString &path);
    static void setHandler(Handler handler);
};
