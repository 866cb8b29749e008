#pragma once

// Millimetre, inch and pixel conversions of templates and printing. Every whole-pixel result
// rounds to the nearest integer, halves to the even neighbour.

// Millimetres to pixels at `dpi` (25.4 mm per inch).
int ConvertMMToPix(double mm, int dpi);

// Pixels to millimetres at `dpi`, rounded to 2 decimals.
double ConvertPixToMM(int pixels, int dpi);

// round(n x b / a / c): a picture coordinate to printer pixels, with a = picture pixels per inch
// of paper, b = printer dots per inch and c normally 1.
int ConvertToPixCount(int n, double a, double b, double c);

// Screen pixels of a page offset in millimetres: one pixel is 0.5 mm.
int MarginToPix(double mm);
