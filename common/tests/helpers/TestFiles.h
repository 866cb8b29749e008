#pragma once

#include <QByteArray>
#include <QString>

// Small files for tests: written whole (a failure fails the test), read whole (empty when the
// file cannot be read).
void writeFile(const QString &path, const QByteArray &content);
QByteArray readFile(const QString &path);

// A JPEG with a JFIF header giving `xDpi` dots per inch across and `yDpi` down, as a scanner
// leaves it.
QByteArray JfifJpeg(int width, int height, int xDpi, int yDpi);
