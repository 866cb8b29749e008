#pragma once

#include <QString>

// Names of the files a package brings or is stored under.

// Whether `name` can only name a file in the folder it is put into: not empty, no separator,
// not "." or "..", no control character.
bool IsPlainFileName(const QString &name);

// A template name made fit to be a file name in a package: separators, control characters and
// characters without a GBK form become "_".
QString FileNameOfNote(const QString &noteName);
