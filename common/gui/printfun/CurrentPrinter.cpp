#include "gui/printfun/CurrentPrinter.h"

#include <QPrinter>

QPrinter &CurrentPrinter()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

int HPointsPerInch()
{
    return CurrentPrinter().logicalDpiX();
}

int VPointsPerInch()
{
    return CurrentPrinter().logicalDpiY();
}
