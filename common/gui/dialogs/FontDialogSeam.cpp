#include "gui/dialogs/FontDialogSeam.h"

#include <QFontDialog>

namespace {
FontDialogSeam::Handler &installedHandler()
{
    static FontDialogSeam::Handler handler;
    return handler;
}
}

std::optional<QFont> FontDialogSeam::ask(QWidget *owner, const QFont &initial)
{
    if (installedHandler())
        return installedHandler()(initial);
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, owner);
    if (!ok)
        return std::nullopt;
    return font;
}

void FontDialogSeam::setHandler(Handler handler)
{
    installedHandler() = std::move(handler);
}
