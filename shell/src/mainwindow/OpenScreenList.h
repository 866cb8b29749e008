#pragma once

#include "core/globals/WindowHandle.h"
#include "gui/modules/WindowKind.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

class QMdiSubWindow;

// A screen the loader opened and still lists.
struct OpenScreen
{
    QPointer<QWidget> form;
    const QObject *identity = nullptr; // the form's address, still comparable while it is destroyed
    THandle handle = NoWindow;
    QString caption;
    WindowKind kind = WindowKind::ChildWindow;
    QPointer<QMdiSubWindow> subWindow; // child windows only
};

// The open screens in opening order. Screens are found again by caption; they leave the list
// by identity, so a freed form never stays listed, whatever its caption has become.
class OpenScreenList
{
public:
    void append(const OpenScreen &screen) { m_screens.append(screen); }

    // The first listed screen with exactly that caption, or nullptr.
    const OpenScreen *findByCaption(const QString &caption) const;
    const OpenScreen *findByHandle(THandle handle) const;
    const OpenScreen *findByForm(const QObject *form) const;

    // Removes the form's entry (and entries of forms already gone); returns the removed one.
    std::optional<OpenScreen> remove(const QObject *form);

    const QList<OpenScreen> &screens() const { return m_screens; }
    qsizetype size() const { return m_screens.size(); }

private:
    QList<OpenScreen> m_screens;
};
