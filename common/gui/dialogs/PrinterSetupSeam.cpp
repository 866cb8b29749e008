#include "gui/dialogs/PrinterSetupSeam.h"

#include "gui/printfun/CurrentPrinter.h"

#include <QPrintDialog>

namespace {

PrinterSetupSeam::Handler &handler()
{
    static PrinterSetupSeam::Handler installed;
    return installed;
}

} // namespace

bool PrinterSetupSeam::ask(QWidget *owner)
{
    if (handler())
        return handler()();
    QPrintDialog dialog(&CurrentPrinter(), owner);
    return dialog.exec() == QDialog::Accepted;
}

void PrinterSetupSeam::setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}
