#include "mainwindow/OpenScreenList.h"

const OpenScreen *OpenScreenList::findByCaption(const QString &caption) const
{
    for (const OpenScreen &screen : m_screens)
        if (screen.form && screen.caption == caption)
            return &screen;
    return nullptr;
}

const OpenScreen *OpenScreenList::findByHandle(THandle handle) const
{
    for (const OpenScreen &screen : m_screens)
        if (screen.form && screen.handle == handle)
            return &screen;
    return nullptr;
}

const OpenScreen *OpenScreenList::findByForm(const QObject *form) const
{
    for (const OpenScreen &screen : m_screens)
        if (screen.form && screen.identity == form)
            return &screen;
    return nullptr;
}

std::optional<OpenScreen> OpenScreenList::remove(const QObject *form)
{
    std::optional<OpenScreen> removed;
    m_screens.removeIf([&](const OpenScreen &screen) {
        if (screen.identity != form && screen.form)
            return false;
        if (screen.identity == form)
            removed = screen;
        return true;
    });
    return removed;
}
