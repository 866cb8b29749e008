// The history screen's first screen as the user waits for it: the screen created, shown and its
// grid painted with the first rows of every cheque (100 000 and 1 000 000 cheques), against a
// plain Qt table (QTableView over QSqlQueryModel) of the same SELECT shown and painted at the
// same size. Paired rounds, ratio and peak memory.
#include "BenchSupport.h"

#include "bills/history/TDbQueryForm.h"
#include "core/globals/PubDm.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

namespace {

const QString kHistorySql = QStringLiteral("select a.* from 银行转帐单 a left join p_notelist b on a.notename=b.notename "
                                           "where (b.notetype=? or b.notename is null) and (1=1) order by a.id desc");
const QSize kScreen(1200, 800);

// Counts the paints of one widget.
class PaintCount : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Shows the window and runs the events until `painted` has been painted.
void showUntilPainted(QWidget &window, QWidget *painted)
{
    PaintCount count;
    painted->installEventFilter(&count);
    window.resize(kScreen);
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (count.paints == 0) {
        QApplication::processEvents(QEventLoop::AllEvents);
        if (waited.elapsed() > 60000)
            bench::fail(QStringLiteral("the grid was not painted"));
    }
    painted->removeEventFilter(&count);
}

void useDatabase(int cheques)
{
    static const QString home = [] {
        const QString folder = QStringLiteral("/tmp/quillet-bench-historyform");
        QDir().mkpath(folder + QStringLiteral("/data"));
        return folder;
    }();
    qputenv("QUILLET_HOME", home.toUtf8());
    bench::openCurAdo(bench::chequeDatabase(cheques));
    sCurUserId = QStringLiteral("admin");
}

std::unique_ptr<QWidget> shown;

bench::Side historyScreen(int cheques)
{
    return {[cheques] {
                shown.reset();
                useDatabase(cheques);
            },
            [] {
                auto form = std::make_unique<TDbQueryForm>(nullptr);
                QWidget *grid = form->findChild<QAbstractItemView *>(QStringLiteral("DBGrid1"))->viewport();
                showUntilPainted(*form, grid);
                shown = std::move(form);
            }};
}

bench::Side plainTable(int cheques)
{
    return {[cheques] {
                shown.reset();
                useDatabase(cheques);
            },
            [] {
                auto window = std::make_unique<QWidget>();
                auto *layout = new QVBoxLayout(window.get());
                auto *view = new QTableView;
                layout->addWidget(view);
                auto *model = new QSqlQueryModel(view);
                QSqlQuery query(CurAdo);
                query.prepare(kHistorySql);
                query.addBindValue(QStringLiteral("支票"));
                query.exec();
                model->setQuery(std::move(query));
                view->setModel(model);
                showUntilPainted(*window, view->viewport());
                shown = std::move(window);
            }};
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (int cheques : {100000, 1000000})
        bench::registerPaired("BM_HistoryScreenVsPlainTable/" + std::to_string(cheques),
                              cheques == 100000 ? "history first screen 100 000 / plain table:"
                                                : "history first screen 1 000 000 / plain table:",
                              [cheques] { return historyScreen(cheques); }, [cheques] { return plainTable(cheques); }, 11);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    shown.reset();
    return 0;
}
