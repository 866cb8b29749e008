#include "TemporaryHome.h"

#include <QDir>

TemporaryHome::TemporaryHome()
{
    if (!m_dir.isValid())
        qFatal("cannot create a temporary home folder");
    qputenv("HOME", m_dir.path().toUtf8());
    qputenv("XDG_DATA_HOME", (m_dir.path() + QStringLiteral("/share")).toUtf8());
    qputenv("XDG_CONFIG_HOME", (m_dir.path() + QStringLiteral("/config")).toUtf8());
    QDir(m_dir.path()).mkpath(QStringLiteral("Desktop"));
}
