#pragma once

#include "core/errors/CorvaneError.h"

// A module that could not be loaded, or a form class that its module does not offer. The
// message is the one the user sees, "程序<file>加载失败"; the reason says what went wrong.
class ModuleLoadError : public CorvaneError
{
public:
    ModuleLoadError(const QString &fileName, QString reason)
        : CorvaneError(QStringLiteral("程序%1加载失败").arg(fileName)), m_fileName(fileName), m_reason(std::move(reason))
    {
    }

    const QString &fileName() const noexcept { return m_fileName; }
    const QString &reason() const noexcept { return m_reason; }

private:
    QString m_fileName;
    QString m_reason;
};
