// Entry point of the module Fundora: the loader finds it by file name.
extern "C" const char *QuilletModuleName()
{
    return "Fundora";
}
