// QuilletXls: reads one .xls file for Quillet in a process of its own, so that a crafted file
// that crashes the .xls library, or asks it for all memory, costs only this process.
// `QuilletXls <file>` writes the workbook (or why it cannot be read) to standard output.

#include "core/spreadsheet/SheetStream.h"
#include "core/spreadsheet/SpreadsheetError.h"
#include "core/spreadsheet/XlsWorkbook.h"

#include <QCoreApplication>
#include <QFile>

#include <sys/resource.h>

#ifdef __SANITIZE_ADDRESS__
// The address sanitizer reserves terabytes of address space at start, which a cap on the
// address space would refuse; in that build its allocator holds the same 2 GiB cap.
extern "C" const char *__asan_default_options()
{
    return "max_allocation_size_mb=2048:hard_rss_limit_mb=2048:allocator_may_return_null=1";
}
#endif

namespace {

// Far above what any real sheet needs; a crafted file hits these and ends the process.
void limitResources()
{
#ifndef __SANITIZE_ADDRESS__
    const rlimit memory{rlim_t(2) << 30, rlim_t(2) << 30};
    setrlimit(RLIMIT_AS, &memory);
#endif
    const rlimit cpu{60, 60};
    setrlimit(RLIMIT_CPU, &cpu);
    const rlimit noFiles{0, 0};
    setrlimit(RLIMIT_FSIZE, &noFiles); // it writes no file
}

} // namespace

int main(int argc, char **argv)
{
    limitResources();
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2)
        return 2;
    QByteArray answer;
    try {
        XlsWorkbook workbook(arguments[1]);
        WorkbookContent content;
        content.sheetNames = workbook.sheetNames();
        for (int i = 0; i < content.sheetNames.size(); ++i)
            content.sheets.append(workbook.readSheet(i));
        answer = EncodeWorkbook(content);
    } catch (const SpreadsheetError &e) {
        answer = EncodeWorkbookFailure(int(e.reason()), e.message());
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(answer) != answer.size() || !out.flush())
        return 1;
    return 0;
}
