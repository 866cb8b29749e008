#include "bills/company/CompanyRowLook.h"

CompanyRowLook CompanyRowLookOf(bool ownEntry, int row)
{
    CompanyRowLook look;
    if (ownEntry)
        look.text = QColor(0xFF, 0x00, 0x00);
    if (row % 2 == 0)  // positions 1, 3, 5 ...
        look.background = QColor(0xFF, 0xFB, 0xF0);
    return look;
}
