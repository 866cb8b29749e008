#pragma once

#include <QString>

#include <vector>

// libzip marks every entry name that merely looks like UTF-8 with the UTF-8 flag, but GBK
// bytes can look like UTF-8 ("一" is D2 BB). After libzip has written the archive, this sets
// the flag of entry i (in central directory order) to utf8[i] in the central and the local
// header. False when the archive's layout is not the plain one libzip writes.
bool setEntryNameFlags(const QString &archive, const std::vector<bool> &utf8);
