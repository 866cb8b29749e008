#include "core/db/OpenReads.h"

#include <QList>

namespace {

struct OpenRead
{
    const void *owner;
    QString connectionName;
    std::function<void()> release;
};

QList<OpenRead> &openReads()
{
    static QList<OpenRead> reads;
    return reads;
}

} // namespace

void OpenReads::add(const void *owner, const QString &connectionName, std::function<void()> release)
{
    remove(owner);
    openReads().append({owner, connectionName, std::move(release)});
}

void OpenReads::remove(const void *owner)
{
    openReads().removeIf([owner](const OpenRead &read) { return read.owner == owner; });
}

void OpenReads::releaseAll(const QString &connectionName)
{
    // Releasing removes the entry: work on a copy.
    const QList<OpenRead> reads = openReads();
    for (const OpenRead &read : reads)
        if (read.connectionName == connectionName)
            read.release();
}
