#include "gui/dialogs/FontDialogs.h"

#include "core/text/FontString.h"
#include "gui/dialogs/FontDialogSeam.h"

QString GetFontString(QWidget *owner, const QString &fontString)
{
    const std::optional<QFont> chosen = FontDialogSeam::ask(owner, FontFromFontString(fontString));
    return chosen ? FontToFontString(*chosen) : QString();
}
