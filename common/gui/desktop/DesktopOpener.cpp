#include "gui/desktop/DesktopOpener.h"

#include <QDesktopServices>

namespace {
DesktopOpener::Handler &installedHandler()
{
    static DesktopOpener::Handler handler;
    return handler;
}
}

bool DesktopOpener::open(const QUrl &url)
{
    if (installedHandler())
        return installedHandler()(url);
    return QDesktopServices::openUrl(url);
}

bool DesktopOpener::openFile(const QString &path)
{
    return open(QUrl::fromLocalFile(path));
}

void DesktopOpener::setHandler(Handler handler)
{
    installedHandler() = std::move(handler);
}
