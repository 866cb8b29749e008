#pragma once

#include <functional>

class QPrintDialog;
class QWidget;

// The printer set-up dialog on CurrentPrinter() before printing. The printer's page as the
// caller set it is what the dialog shows and what prints unless the user chooses another
// paper there. Tests answer it through a handler.
class PrinterSetupSeam
{
public:
    // true when the user confirmed the printer; the dialog is not shown.
    using Handler = std::function<bool()>;
    // Answers the real dialog while it shows, as a user would (it may change what the dialog
    // shows, then accepts or rejects it); a dialog still open afterwards is rejected.
    using Answer = std::function<void(QPrintDialog &dialog)>;

    static bool ask(QWidget *owner);
    // Installs a handler in place of the dialog; an empty handler restores it.
    static void setHandler(Handler handler);
    // Installs an answer to the shown dialog (in place of the user); empty: the user answers.
    static void setAnswer(Answer answer);

    // The answer of a user who keeps everything the dialog shows: its OK button.
    static void acceptAsShown(QPrintDialog &dialog);
};
