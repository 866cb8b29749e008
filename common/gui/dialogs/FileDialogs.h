#pragma once

#include <QString>

// File dialogs with filters written the Windows way ("desc|*.ext|...", "*.*" = every file).
// Both return the chosen file name, or the empty text on Cancel.
QString GetSaveFileName(const QString &folder, const QString &defaultExtension, const QString &fileName,
                        const QString &title, const QString &filter);
QString GetOpenFileName(const QString &folder, const QString &defaultExtension, const QString &title,
                        const QString &filter);
