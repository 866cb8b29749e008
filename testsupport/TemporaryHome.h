#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh home folder (HOME and the XDG data and config folders) while it lives, with a
// "Desktop" folder in it, so that shortcuts and settings never reach the real one.
class TemporaryHome
{
public:
    TemporaryHome();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }

private:
    QTemporaryDir m_dir;
};
