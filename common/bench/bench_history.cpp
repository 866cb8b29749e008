// The history list of many cheques: opening it and showing the first screen (rows, footer
// count and sum), against the same SELECT read to the end through the sqlite3 C API, as the
// database shell does. Arguments: number of cheques.
#include "BenchSupport.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSetTableModel.h"
#include "core/grid/FooterList.h"

#include <sqlite3.h>

namespace {

const char *const kHistorySql = "select a.* from 银行转帐单 a, p_notelist b where a.notename=b.notename and b.notetype=? "
                                "and (1=1) order by a.id desc";
constexpr int kScreenRows = 40;

void BM_HistoryFirstScreen(benchmark::State &state)
{
    bench::openCurAdo(bench::chequeDatabase(int(state.range(0))));
    double megabytes = 0;
    int rows = 0;
    for (auto _ : state) {
        const bench::PeakMemory peak;
        DataSet set;
        set.setSql(QString::fromUtf8(kHistorySql), {QStringLiteral("支票")});
        set.open();
        DataSetTableModel model(&set);
        for (int row = 0; row < kScreenRows; ++row)
            for (int column = 0; column < model.columnCount(); ++column)
                benchmark::DoNotOptimize(model.index(row, column).data());
        DataField *amount = set.fieldByName(QStringLiteral("金额"));
        benchmark::DoNotOptimize(FooterText(set, *amount, {amount->name(), FooterItem::Sum, {}}));
        benchmark::DoNotOptimize(FooterText(set, *amount, {amount->name(), FooterItem::Count, {}}));
        rows = set.recordCount();
        megabytes += peak.megabytes();
    }
    state.counters["rows"] = rows;
    bench::reportMemory(state, megabytes);
}

void BM_SqliteSelectAll(benchmark::State &state)
{
    const QByteArray path = bench::chequeDatabase(int(state.range(0))).toUtf8();
    double megabytes = 0;
    int rows = 0;
    for (auto _ : state) {
        const bench::PeakMemory peak;
        sqlite3 *db = nullptr;
        sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(db, kHistorySql, -1, &statement, nullptr) != SQLITE_OK)
            bench::fail(QString::fromUtf8(sqlite3_errmsg(db)));
        sqlite3_bind_text(statement, 1, "支票", -1, SQLITE_STATIC);
        rows = 0;
        const int columns = sqlite3_column_count(statement);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int column = 0; column < columns; ++column)
                benchmark::DoNotOptimize(sqlite3_column_text(statement, column));
            ++rows;
        }
        sqlite3_finalize(statement);
        sqlite3_close(db);
        megabytes += peak.megabytes();
    }
    state.counters["rows"] = rows;
    bench::reportMemory(state, megabytes);
}

} // namespace

BENCHMARK(BM_HistoryFirstScreen)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SqliteSelectAll)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

QUILLET_BENCHMARK_MAIN()
