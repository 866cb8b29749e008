// Entry point of the module Lumisk: the loader finds it by file name.
extern "C" const char *QuilletModuleName()
{
    return "Lumisk";
}
