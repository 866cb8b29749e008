#pragma once

#include <QByteArray>
#include <QString>

// Text of the legacy formats is in the Chinese code page (GBK).
QByteArray toGbk(const QString &text);
QString fromGbk(const QByteArray &bytes);

// True when every character of the text has a GBK form.
bool fitsGbk(const QString &text);
