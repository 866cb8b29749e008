// Export of the whole cheque table (every row, 72 columns) to .xlsx: the data set and its
// sheet writer, against a plain C loop from the sqlite3 C API into libxlsxwriter (default
// options, and rows flushed as written). Arguments: number of cheques.
#include "BenchSupport.h"

#include "core/dataset/DataSet.h"
#include "core/export/DataSetSheet.h"
#include "core/spreadsheet/XlsxSheetWriter.h"

#include <sqlite3.h>
#include <xlsxwriter.h>

namespace {

const char *const kTableSql = "select * from 银行转帐单 order by id";
const QString kTarget = QStringLiteral("/tmp/quillet-bench-export.xlsx");

void BM_ExportDataSet(benchmark::State &state)
{
    bench::openCurAdo(bench::chequeDatabase(int(state.range(0))));
    double megabytes = 0;
    for (auto _ : state) {
        const bench::PeakMemory peak;
        DataSet set;
        set.setSql(QString::fromUtf8(kTableSql));
        set.open();
        if (!WriteXlsxSheetRows(kTarget, SheetHeaderOfDataSet(set), SheetRowSourceOfDataSet(set)))
            bench::fail(QStringLiteral("export failed"));
        megabytes += peak.megabytes();
    }
    bench::reportMemory(state, megabytes);
}

// range(1): 1 = libxlsxwriter's constant-memory mode.
void BM_ExportLibxlsxwriter(benchmark::State &state)
{
    const QByteArray path = bench::chequeDatabase(int(state.range(0))).toUtf8();
    const QByteArray target = kTarget.toUtf8();
    double megabytes = 0;
    for (auto _ : state) {
        const bench::PeakMemory peak;
        sqlite3 *db = nullptr;
        sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db, kTableSql, -1, &statement, nullptr);
        lxw_workbook_options options{};
        options.constant_memory = state.range(1) ? LXW_TRUE : LXW_FALSE;
        lxw_workbook *workbook = workbook_new_opt(target.constData(), &options);
        lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
        lxw_format *amount = workbook_add_format(workbook);
        format_set_num_format(amount, "0.00");
        const int columns = sqlite3_column_count(statement);
        for (int column = 0; column < columns; ++column)
            worksheet_write_string(sheet, 0, lxw_col_t(column), sqlite3_column_name(statement, column), nullptr);
        lxw_row_t row = 1;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int column = 0; column < columns; ++column) {
                switch (sqlite3_column_type(statement, column)) {
                case SQLITE_INTEGER:
                case SQLITE_FLOAT:
                    worksheet_write_number(sheet, row, lxw_col_t(column), sqlite3_column_double(statement, column), amount);
                    break;
                case SQLITE_TEXT:
                    worksheet_write_string(sheet, row, lxw_col_t(column),
                                           reinterpret_cast<const char *>(sqlite3_column_text(statement, column)), nullptr);
                    break;
                default:
                    break;
                }
            }
            ++row;
        }
        workbook_close(workbook);
        sqlite3_finalize(statement);
        sqlite3_close(db);
        megabytes += peak.megabytes();
    }
    bench::reportMemory(state, megabytes);
}

} // namespace

BENCHMARK(BM_ExportDataSet)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportLibxlsxwriter)->Args({100000, 0})->Args({100000, 1})->Unit(benchmark::kMillisecond)->UseRealTime();

QUILLET_BENCHMARK_MAIN()
