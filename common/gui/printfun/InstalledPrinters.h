#pragma once

#include <QStringList>

// Names of the printers the system offers.
QStringList InstalledPrinters();
