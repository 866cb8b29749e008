#pragma once

#include <functional>

class QWidget;

// The printer set-up dialog before a batch print. Tests answer it through a handler.
class PrinterSetupSeam
{
public:
    // true when the user confirmed the printer.
    using Handler = std::function<bool()>;

    static bool ask(QWidget *owner);
    // Installs a handler in place of the dialog; an empty handler restores it.
    static void setHandler(Handler handler);
};
