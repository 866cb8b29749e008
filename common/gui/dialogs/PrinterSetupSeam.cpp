#include "gui/dialogs/PrinterSetupSeam.h"

#include "gui/dialogs/PrintDialogKeeper.h"
#include "gui/printfun/CurrentPrinter.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>

namespace {

PrinterSetupSeam::Handler &handler()
{
    static PrinterSetupSeam::Handler installed;
    return installed;
}

PrinterSetupSeam::Answer &answer()
{
    static PrinterSetupSeam::Answer installed;
    return installed;
}

} // namespace

bool PrinterSetupSeam::ask(QWidget *owner)
{
    if (handler())
        return handler()();
    QPrinter &printer = CurrentPrinter();
    PrintDialogKeeper kept(printer);
    QPrintDialog dialog(&printer, owner);
    kept.watch(dialog);
    if (answer()) {
        // Once the dialog shows, inside its own event loop.
        QTimer::singleShot(0, &dialog, [&dialog, act = answer()] {
            act(dialog);
            if (dialog.isVisible())
                dialog.reject();
        });
    }
    if (dialog.exec() != QDialog::Accepted)
        return false;
    kept.settle();
    return true;
}

void PrinterSetupSeam::setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}

void PrinterSetupSeam::setAnswer(Answer newAnswer)
{
    answer() = std::move(newAnswer);
}

void PrinterSetupSeam::acceptAsShown(QPrintDialog &dialog)
{
    for (QDialogButtonBox *buttons : dialog.findChildren<QDialogButtonBox *>()) {
        if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok); ok && ok->isVisible() && ok->isEnabled()) {
            ok->click();
            return;
        }
    }
    dialog.accept();
}
