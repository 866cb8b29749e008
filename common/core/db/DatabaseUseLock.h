#pragma once

#include <QString>

// Every running program holds a shared lock on "<database>.lock" beside its database for as long
// as it runs; work that replaces the database file (a restore) needs the lock alone, so it is
// refused while another program has the database open. The lock is the system's (flock): it
// goes with the process, also when the process is killed.
namespace DatabaseUseLock {

// Takes this process's shared lock on the database `databaseFile` (waits a few seconds for
// another program's restore to end). False when it could not be taken (the program runs on,
// unguarded). `alone`, when asked, tells whether no other program had the database open.
bool holdShared(const QString &databaseFile, bool *alone = nullptr);

// Lets go of the shared lock (the program closes its database).
void release();

// While alive, no other program has the database open and none can open it. `held()` false
// means another program has it open: the work must be refused.
class Alone
{
public:
    explicit Alone(const QString &databaseFile);
    ~Alone();
    Alone(const Alone &) = delete;
    Alone &operator=(const Alone &) = delete;
    bool held() const { return m_held; }

private:
    int m_fd = -1;      // own descriptor when the process held no shared lock
    bool m_held = false;
    bool m_wasShared = false;
};

// The text of a refused restore.
QString OtherProgramRunningText();

} // namespace DatabaseUseLock
