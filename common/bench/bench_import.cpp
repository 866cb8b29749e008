// Import of a long .xlsx into the cheque table (ReadExcel's work: read, match, derive, insert),
// against a plain loop that reads the same sheet row by row and touches every cell, and against
// openpyxl's read-only mode in a python3 child doing the same (its CPU time and peak memory as
// the child reports them). Arguments: rows.
#include "BenchSupport.h"

#include "core/import/BillSheetImport.h"
#include "core/spreadsheet/SpreadsheetFile.h"

#include <QProcess>

#include <xlsxwriter.h>

namespace {

// A sheet of cheques as an office keeps them, made once per size.
QString chequeSheet(int rows)
{
    const QString path = QStringLiteral("/tmp/quillet-bench-import-%1.xlsx").arg(rows);
    if (QFile::exists(path))
        return path;
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook *workbook = workbook_new_opt(path.toUtf8().constData(), &options);
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, "支票");
    lxw_format *date = workbook_add_format(workbook);
    format_set_num_format(date, "yyyy-mm-dd");
    const char *header[] = {"付款日期", "金额", "用途", "付款人名称", "付款银行", "付款账户", "收款人名称", "收款银行", "收款账户", "币别"};
    for (int column = 0; column < 10; ++column)
        worksheet_write_string(sheet, 0, lxw_col_t(column), header[column], nullptr);
    for (int row = 1; row <= rows; ++row) {
        worksheet_write_number(sheet, lxw_row_t(row), 0, 43831 + row % 1500, date);
        worksheet_write_number(sheet, lxw_row_t(row), 1, (row * 7919 % 1000003) / 100.0, nullptr);
        for (int column = 2; column < 10; ++column)
            worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column),
                                   QStringLiteral("%1 %2").arg(QString::fromUtf8(header[column])).arg(row).toUtf8().constData(), nullptr);
    }
    workbook_close(workbook);
    return path;
}

void BM_ImportBillSheet(benchmark::State &state)
{
    const QString sheet = chequeSheet(int(state.range(0)));
    const QString database = QStringLiteral("/tmp/quillet-bench-import.db");
    double megabytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(database);
        QFile::copy(bench::shippedDatabase(), database);
        bench::openCurAdo(database);
        state.ResumeTiming();
        const bench::PeakMemory peak;
        const BillSheetImport result = ImportBillSheet(CurAdo, QStringLiteral("支票"), QStringLiteral("银行转帐单"), sheet);
        if (result.rows != state.range(0))
            bench::fail(QStringLiteral("imported %1 rows").arg(result.rows));
        megabytes += peak.megabytes();
        state.PauseTiming();
        CurAdo.close();
        CurAdo = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("bench"));
        state.ResumeTiming();
    }
    bench::reportMemory(state, megabytes);
}

void BM_ReadSheetLoop(benchmark::State &state)
{
    const QString path = chequeSheet(int(state.range(0)));
    double megabytes = 0;
    for (auto _ : state) {
        const bench::PeakMemory peak;
        const SpreadsheetFile file(path);
        file.readRows(file.sheetNames().first(), [](const SheetRow &row) {
            for (int column = 0; column < 10; ++column)
                benchmark::DoNotOptimize(row.cell(column).toText());
        });
        megabytes += peak.megabytes();
    }
    bench::reportMemory(state, megabytes);
}

const char *openpyxlReadOnly = R"(
import resource, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1], read_only=True)
for row in book.worksheets[0].iter_rows(values_only=True):
    for value in row:
        str(value)
usage = resource.getrusage(resource.RUSAGE_SELF)
print(usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024.0)
)";

void BM_OpenpyxlReadOnly(benchmark::State &state)
{
    const QString path = chequeSheet(int(state.range(0)));
    double cpu = 0;
    double megabytes = 0;
    for (auto _ : state) {
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromUtf8(openpyxlReadOnly), path});
        if (!python.waitForFinished(-1) || python.exitCode() != 0)
            bench::fail(QStringLiteral("openpyxl: %1").arg(QString::fromUtf8(python.readAllStandardError())));
        const QList<QByteArray> figures = python.readAllStandardOutput().trimmed().split(' ');
        cpu += figures.value(0).toDouble();
        megabytes += figures.value(1).toDouble();
    }
    state.counters["child_cpu_s"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
    bench::reportMemory(state, megabytes);
}

} // namespace

BENCHMARK(BM_ImportBillSheet)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadSheetLoop)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenpyxlReadOnly)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

QUILLET_BENCHMARK_MAIN()
