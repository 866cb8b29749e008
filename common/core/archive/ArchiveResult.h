#pragma once

#include <QString>
#include <QStringList>

// Outcome of an archive routine: success only when something was written or extracted;
// otherwise the reason, for the user.
struct ArchiveResult
{
    bool ok = false;
    QString reason;
    QStringList names; // file names written into the archive or extracted from it
    // The failure lies at the destination (a full disk, a folder that cannot be written), not in
    // the archive: the archive itself may be good.
    bool atDestination = false;

    explicit operator bool() const { return ok; }

    static ArchiveResult failure(QString why) { return {false, std::move(why), {}, false}; }
    static ArchiveResult destinationFailure(QString why) { return {false, std::move(why), {}, true}; }

    // Raises CorvaneError("压缩文件异常！" and the reason) unless the routine succeeded.
    void requireSuccess() const;
};
