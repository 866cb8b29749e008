#pragma once

#include <QString>

#include <functional>

// Statements left open between reads (the rows a data set has not fetched yet). SQLite refuses
// to drop or rebuild a table while another statement on the connection is reading, so a
// schema change first asks every open read on its connection to let go; each one reopens where
// it stopped when it is read again.
namespace OpenReads {

void add(const void *owner, const QString &connectionName, std::function<void()> release);
void remove(const void *owner);
void releaseAll(const QString &connectionName);

} // namespace OpenReads
