// The history list of many cheques. First screen: opening the list, its first 40 rows and the
// footer as far as it is known without waiting, at 100 000 and 1 000 000 cheques, against the
// first page of the same SELECT through the sqlite3 C API; the footer's figures as they come
// later; and the same SELECT read to the end through the C API, as the database shell does.
// At the end: the ratios of the first screen between the two sizes and to the baselines.
#include "BenchSupport.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSetTableModel.h"
#include "core/grid/FooterList.h"

#include <sqlite3.h>

#include <map>

namespace {

// As the history screen asks for the cheques of one kind without a filter.
const char *const kHistorySql = "select a.* from 银行转帐单 a left join p_notelist b on a.notename=b.notename "
                                "where (b.notetype=? or b.notename is null) and (1=1) order by a.id desc";
constexpr int kScreenRows = 40;
constexpr int kPageRows = 256;

struct History
{
    DataSet set;
    std::unique_ptr<DataSetTableModel> model;
    DataField *amount = nullptr;

    History()
    {
        set.setSql(QString::fromUtf8(kHistorySql), {QStringLiteral("支票")});
        set.open();
        model = std::make_unique<DataSetTableModel>(&set);
        amount = set.fieldByName(QStringLiteral("金额"));
    }
    std::optional<QString> footer() const
    {
        const std::optional<QString> sum = KnownFooterText(set, *amount, {amount->name(), FooterItem::Sum, {}});
        const std::optional<QString> count = KnownFooterText(set, *amount, {amount->name(), FooterItem::Count, {}});
        if (!sum || !count)
            return std::nullopt;
        return *sum + u' ' + *count;
    }
};

void BM_HistoryFirstScreen(benchmark::State &state)
{
    bench::openCurAdo(bench::chequeDatabase(int(state.range(0))));
    double megabytes = 0;
    for (auto _ : state) {
        const bench::PeakMemory peak;
        History history;
        for (int row = 0; row < kScreenRows; ++row)
            for (int column = 0; column < history.model->columnCount(); ++column)
                benchmark::DoNotOptimize(history.model->index(row, column).data());
        benchmark::DoNotOptimize(history.footer());
        megabytes += peak.megabytes();
    }
    bench::reportMemory(state, megabytes);
}

// Until the footer shows the count and the sum, worked out between events.
void BM_HistoryFooterFigures(benchmark::State &state)
{
    bench::openCurAdo(bench::chequeDatabase(int(state.range(0))));
    double megabytes = 0;
    int rows = 0;
    for (auto _ : state) {
        const bench::PeakMemory peak;
        History history;
        while (!history.footer())
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        rows = history.model->rowCount();
        megabytes += peak.megabytes();
    }
    state.counters["rows"] = rows;
    bench::reportMemory(state, megabytes);
}

// Reads `limit` rows of the SELECT (0: every row), every column as text.
int sqliteRead(const QByteArray &path, int limit)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, kHistorySql, -1, &statement, nullptr) != SQLITE_OK)
        bench::fail(QString::fromUtf8(sqlite3_errmsg(db)));
    sqlite3_bind_text(statement, 1, "支票", -1, SQLITE_STATIC);
    int rows = 0;
    const int columns = sqlite3_column_count(statement);
    while ((limit == 0 || rows < limit) && sqlite3_step(statement) == SQLITE_ROW) {
        for (int column = 0; column < columns; ++column)
            benchmark::DoNotOptimize(sqlite3_column_text(statement, column));
        ++rows;
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

void BM_SqliteFirstPage(benchmark::State &state)
{
    const QByteArray path = bench::chequeDatabase(int(state.range(0))).toUtf8();
    double megabytes = 0;
    for (auto _ : state) {
        const bench::PeakMemory peak;
        benchmark::DoNotOptimize(sqliteRead(path, kPageRows));
        megabytes += peak.megabytes();
    }
    bench::reportMemory(state, megabytes);
}

void BM_SqliteSelectAll(benchmark::State &state)
{
    const QByteArray path = bench::chequeDatabase(int(state.range(0))).toUtf8();
    double megabytes = 0;
    int rows = 0;
    for (auto _ : state) {
        const bench::PeakMemory peak;
        rows = sqliteRead(path, 0);
        megabytes += peak.megabytes();
    }
    state.counters["rows"] = rows;
    bench::reportMemory(state, megabytes);
}

} // namespace

BENCHMARK(BM_HistoryFirstScreen)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SqliteFirstPage)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HistoryFooterFigures)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SqliteSelectAll)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    reporter.ratio("first screen, 1 000 000 / 100 000:", "BM_HistoryFirstScreen/1000000/real_time",
                   "BM_HistoryFirstScreen/100000/real_time");
    reporter.ratio("sqlite3 first page, 1 000 000 / 100 000:", "BM_SqliteFirstPage/1000000/real_time",
                   "BM_SqliteFirstPage/100000/real_time");
    reporter.ratio("first screen / sqlite3 first page, 100 000:", "BM_HistoryFirstScreen/100000/real_time",
                   "BM_SqliteFirstPage/100000/real_time");
    reporter.ratio("first screen / sqlite3 first page, 1 000 000:", "BM_HistoryFirstScreen/1000000/real_time",
                   "BM_SqliteFirstPage/1000000/real_time");
    reporter.ratio("first screen / sqlite3 whole SELECT, 100 000:", "BM_HistoryFirstScreen/100000/real_time",
                   "BM_SqliteSelectAll/100000/real_time");
    reporter.ratio("footer figures / sqlite3 whole SELECT, 100 000:", "BM_HistoryFooterFigures/100000/real_time",
                   "BM_SqliteSelectAll/100000/real_time");
    reporter.ratio("footer figures / sqlite3 whole SELECT, 1 000 000:", "BM_HistoryFooterFigures/1000000/real_time",
                   "BM_SqliteSelectAll/1000000/real_time");
    benchmark::Shutdown();
    return 0;
}
