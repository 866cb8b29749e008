#include "gui/printfun/OpenWebUrl.h"

#include "gui/desktop/DesktopOpener.h"

#include <QUrl>

bool OpenWebUrl(const QString &url)
{
    return DesktopOpener::open(QUrl::fromUserInput(url));
}
