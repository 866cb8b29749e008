#pragma once

#include <QFont>

#include <functional>
#include <optional>

class QWidget;

// The font dialog goes through FontDialogSeam::ask, so a test can choose the font.
class FontDialogSeam
{
public:
    // The chosen font, or nothing on Cancel.
    using Handler = std::function<std::optional<QFont>(const QFont &initial)>;

    static std::optional<QFont> ask(QWidget *owner, const QFont &initial);

    // Installs a handler in place of the real dialog; an empty handler restores it.
    static void setHandler(Handler handler);
};
