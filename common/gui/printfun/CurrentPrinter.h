#pragma once

class QPrinter;

// The printer that printing uses unless a dialog picks another: one object for the process,
// at the printer's own resolution.
QPrinter &CurrentPrinter();

// Dots per inch of the current printer, horizontally and vertically.
int HPointsPerInch();
int VPointsPerInch();
