#include "BuiltFolders.h"

namespace {

QString fromEnvironment(const char *name, const char *built)
{
    const QString given = qEnvironmentVariable(name);
    return given.isEmpty() ? QString::fromUtf8(built) : given;
}

} // namespace

QString BuiltProgramFolder()
{
    return fromEnvironment("QUILLET_PROGRAM_DIR", QUILLET_BUILT_PROGRAM_DIR);
}

QString BuildFolder()
{
    return fromEnvironment("QUILLET_BUILD_DIR", QUILLET_BUILT_BUILD_DIR);
}
