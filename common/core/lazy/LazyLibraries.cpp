// The archive, .xlsx and .xls libraries are not linked: the program would load them (and the
// crypto library behind two of them) before its login dialog, where nothing needs them. Each
// function used here is defined under its own name and loads its library at its first call.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

#include <freexl.h>
#include <xlsxwriter.h>
#include <zip.h>

namespace {

struct LazyLibrary
{
    const char *soname;
    void *handle() const
    {
        // RTLD_LOCAL: the library's own names stay its own; ours forward to them.
        void *opened = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
        if (!opened) {
            std::fprintf(stderr, "Quillet: %s cannot be loaded: %s\n", soname, dlerror());
            std::abort();
        }
        return opened;
    }
};

void *lazySymbol(void *library, const char *soname, const char *name)
{
    void *symbol = dlsym(library, name);
    if (!symbol) {
        std::fprintf(stderr, "Quillet: %s has no %s\n", soname, name);
        std::abort();
    }
    return symbol;
}

void *zipLibrary()
{
    static void *const handle = LazyLibrary{QUILLET_LIBZIP_SONAME}.handle();
    return handle;
}

void *xlsxLibrary()
{
    static void *const handle = LazyLibrary{QUILLET_XLSXWRITER_SONAME}.handle();
    return handle;
}

void *xlsLibrary()
{
    static void *const handle = LazyLibrary{QUILLET_FREEXL_SONAME}.handle();
    return handle;
}

} // namespace

#define QUILLET_LAZY(library, soname, ret, name, params, args)                                                         \
    extern "C" ret name params                                                                                         \
    {                                                                                                                  \
        using Real = ret(*) params;                                                                                    \
        static const Real real = reinterpret_cast<Real>(lazySymbol(library(), soname, #name));                         \
        return real args;                                                                                              \
    }

#define ZIP(ret, name, params, args) QUILLET_LAZY(zipLibrary, QUILLET_LIBZIP_SONAME, ret, name, params, args)
#define XLSX(ret, name, params, args) QUILLET_LAZY(xlsxLibrary, QUILLET_XLSXWRITER_SONAME, ret, name, params, args)
#define XLS(ret, name, params, args) QUILLET_LAZY(xlsLibrary, QUILLET_FREEXL_SONAME, ret, name, params, args)

ZIP(int, zip_close, (zip_t * a), (a))
ZIP(void, zip_discard, (zip_t * a), (a))
ZIP(int, zip_error_code_system, (const zip_error_t *a), (a))
ZIP(int, zip_error_code_zip, (const zip_error_t *a), (a))
ZIP(void, zip_error_fini, (zip_error_t * a), (a))
ZIP(void, zip_error_init_with_code, (zip_error_t * a, int b), (a, b))
ZIP(const char *, zip_error_strerror, (zip_error_t * a), (a))
ZIP(int, zip_error_system_type, (const zip_error_t *a), (a))
ZIP(int, zip_fclose, (zip_file_t * a), (a))
ZIP(zip_int64_t, zip_file_add, (zip_t * a, const char *b, zip_source_t *c, zip_flags_t d), (a, b, c, d))
ZIP(zip_error_t *, zip_file_get_error, (zip_file_t * a), (a))
ZIP(int, zip_file_replace, (zip_t * a, zip_uint64_t b, zip_source_t *c, zip_flags_t d), (a, b, c, d))
ZIP(int, zip_file_set_encryption, (zip_t * a, zip_uint64_t b, zip_uint16_t c, const char *d), (a, b, c, d))
ZIP(const char *, zip_file_strerror, (zip_file_t * a), (a))
ZIP(zip_file_t *, zip_fopen_index, (zip_t * a, zip_uint64_t b, zip_flags_t c), (a, b, c))
ZIP(zip_int64_t, zip_fread, (zip_file_t * a, void *b, zip_uint64_t c), (a, b, c))
ZIP(zip_error_t *, zip_get_error, (zip_t * a), (a))
ZIP(const char *, zip_get_name, (zip_t * a, zip_uint64_t b, zip_flags_t c), (a, b, c))
ZIP(zip_int64_t, zip_get_num_entries, (zip_t * a, zip_flags_t b), (a, b))
ZIP(zip_int64_t, zip_name_locate, (zip_t * a, const char *b, zip_flags_t c), (a, b, c))
ZIP(zip_t *, zip_open, (const char *a, int b, int *c), (a, b, c))
ZIP(int, zip_set_default_password, (zip_t * a, const char *b), (a, b))
ZIP(int, zip_set_file_compression, (zip_t * a, zip_uint64_t b, zip_int32_t c, zip_uint32_t d), (a, b, c, d))
ZIP(zip_source_t *, zip_source_file, (zip_t * a, const char *b, zip_uint64_t c, zip_int64_t d), (a, b, c, d))
ZIP(void, zip_source_free, (zip_source_t * a), (a))
ZIP(int, zip_stat_index, (zip_t * a, zip_uint64_t b, zip_flags_t c, zip_stat_t *d), (a, b, c, d))
ZIP(void, zip_stat_init, (zip_stat_t * a), (a))
ZIP(const char *, zip_strerror, (zip_t * a), (a))

XLSX(void, format_set_num_format, (lxw_format * a, const char *b), (a, b))
XLSX(void, format_set_text_wrap, (lxw_format * a), (a))
XLSX(char *, lxw_strerror, (lxw_error a), (a))
XLSX(lxw_format *, workbook_add_format, (lxw_workbook * a), (a))
XLSX(lxw_worksheet *, workbook_add_worksheet, (lxw_workbook * a, const char *b), (a, b))
XLSX(lxw_error, workbook_close, (lxw_workbook * a), (a))
XLSX(lxw_workbook *, workbook_new_opt, (const char *a, lxw_workbook_options *b), (a, b))
XLSX(lxw_error, worksheet_write_boolean, (lxw_worksheet * a, lxw_row_t b, lxw_col_t c, int d, lxw_format *e), (a, b, c, d, e))
XLSX(lxw_error, worksheet_write_number, (lxw_worksheet * a, lxw_row_t b, lxw_col_t c, double d, lxw_format *e), (a, b, c, d, e))
XLSX(lxw_error, worksheet_write_string, (lxw_worksheet * a, lxw_row_t b, lxw_col_t c, const char *d, lxw_format *e), (a, b, c, d, e))

XLS(int, freexl_close, (const void *a), (a))
XLS(int, freexl_get_cell_value, (const void *a, unsigned int b, unsigned short c, FreeXL_CellValue *d), (a, b, c, d))
XLS(int, freexl_get_info, (const void *a, unsigned short b, unsigned int *c), (a, b, c))
XLS(int, freexl_get_worksheet_name, (const void *a, unsigned short b, const char **c), (a, b, c))
XLS(int, freexl_open, (const char *a, const void **b), (a, b))
XLS(int, freexl_select_active_worksheet, (const void *a, unsigned short b), (a, b))
XLS(int, freexl_worksheet_dimensions, (const void *a, unsigned int *b, unsigned short *c), (a, b, c))
