#pragma once

#include <QString>

// Opens the page in the desktop's web browser; false when the desktop refused it.
bool OpenWebUrl(const QString &url);
