#include "startup/Startup.h"

#include "gui/app/QuilletApplication.h"

int RunQuillet(int argc, char **argv)
{
    QuilletApplication app(argc, argv);
    return 0;
}
