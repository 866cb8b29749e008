#include "tav/TavVersion.h"

const char *TavVersion()
{
    return "1.0";
}
