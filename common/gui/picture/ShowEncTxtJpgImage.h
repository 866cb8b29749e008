#pragma once

#include <QSize>
#include <QString>

class QLabel;

// Loads a template picture file (any of its forms) and shows it in control; returns its size.
QSize ShowEncTxtJpgImage(const QString &fileName, QLabel *control);
