// Entry point of the module Print: the loader finds it by file name.
extern "C" const char *QuilletModuleName()
{
    return "Print";
}
