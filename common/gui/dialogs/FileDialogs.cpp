#include "gui/dialogs/FileDialogs.h"

#include "core/files/FileFilter.h"
#include "gui/dialogs/FileDialogSeam.h"

namespace {
QString withoutDot(const QString &extension)
{
    return extension.startsWith(QLatin1Char('.')) ? extension.mid(1) : extension;
}
}

QString GetSaveFileName(const QString &folder, const QString &defaultExtension, const QString &fileName,
                        const QString &title, const QString &filter)
{
    return FileDialogSeam::ask({FileDialogRequest::Save, folder, withoutDot(defaultExtension), fileName, title,
                                fileFilterToQt(filter)});
}

QString GetOpenFileName(const QString &folder, const QString &defaultExtension, const QString &title,
                        const QString &filter)
{
    return FileDialogSeam::ask({FileDialogRequest::Open, folder, withoutDot(defaultExtension), QString(), title,
                                fileFilterToQt(filter)});
}
