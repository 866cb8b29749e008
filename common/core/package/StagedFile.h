#pragma once

#include <QByteArray>
#include <QString>

// A file written beside its final place first and moved there in one rename, so a reader never
// sees half a file. Moving it in sets aside the file it replaces until the work it belongs to is
// kept (keep) or undone (undo puts the old file back). A staged file never moved in is removed.
class StagedFile
{
public:
    explicit StagedFile(QString target);
    ~StagedFile();
    StagedFile(const StagedFile &) = delete;
    StagedFile &operator=(const StagedFile &) = delete;

    // A fresh, unused name beside the target, for a writer that opens the file by name.
    // Raises CorvaneError when the folder cannot be written.
    QString stagingPath();
    // Writes the staged file. Raises CorvaneError on failure.
    void write(const QByteArray &content);

    // Moves the staged file over the target. Raises CorvaneError on failure (the target is then
    // as it was).
    void install();
    void keep();
    void undo();

    const QString &target() const { return m_target; }

private:
    QString m_target;
    QString m_staging;
    QString m_setAside;   // the replaced file while the work is open
    bool m_installed = false;
};

// A name beside `target` that no file has; the name is free when it returns.
QString FreeNameBeside(const QString &target, const QString &tag);
