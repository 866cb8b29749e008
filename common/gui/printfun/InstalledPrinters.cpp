#include "gui/printfun/InstalledPrinters.h"

#include <QPrinterInfo>

QStringList InstalledPrinters()
{
    return QPrinterInfo::availablePrinterNames();
}
