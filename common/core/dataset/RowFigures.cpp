#include "core/dataset/RowFigures.h"

#include "core/db/AdoFunc.h"
#include "core/db/OpenReads.h"
#include "core/db/SqlName.h"

#include <QSqlError>

#include <exception>

namespace {

// Rows walked between two turns of the event loop: a few milliseconds of work.
constexpr int kStepRows = 16384;

// Per column: the value in ten-thousandths and as a whole number (as the sums of the data
// set round them), and as a real; NULL where the value is.
QString columnTerms(const QString &column)
{
    const QString x = SqlName(column);
    return QStringLiteral("case when typeof(%1) = 'integer' then %1 * 10000 else cast(round(%1 * 10000) as integer) end, "
                          "case when typeof(%1) = 'integer' then %1 else cast(round(%1) as integer) end, "
                          "cast(%1 as real)")
        .arg(x);
}

} // namespace

RowFigures::RowFigures(const QSqlDatabase &db, const QString &sql, const QVariantList &params, const QStringList &columns,
                       QObject *parent)
    : QObject(parent), m_db(db), m_params(params), m_columns(columns), m_totals(columns.size())
{
    QStringList terms{QStringLiteral("1")};
    for (const QString &column : columns)
        terms.append(columnTerms(column));
    m_sql = QStringLiteral("select %1 from (%2)").arg(terms.join(QStringLiteral(", ")), sql);
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &RowFigures::step);
    m_timer.start();
}

RowFigures::~RowFigures()
{
    OpenReads::remove(this);
}

std::optional<ColumnTotal> RowFigures::total(const QString &column) const
{
    const qsizetype index = m_columns.indexOf(column);
    if (!m_done || index < 0)
        return std::nullopt;
    return m_totals[index];
}

void RowFigures::release()
{
    // Let go for a schema change; the walk starts over at the next step.
    OpenReads::remove(this);
    m_query.reset();
    m_rows = 0;
    m_totals = QList<ColumnTotal>(m_columns.size());
}

void RowFigures::step()
{
    if (!m_query) {
        try {
            m_query = RunStatement(m_db, m_sql, m_params);
        } catch (const std::exception &) {
            return;  // the list went with its table: no figures to give
        }
        OpenReads::add(this, m_db.connectionName(), [this] { release(); });
    }
    QSqlQuery &query = *m_query;
    const int columns = int(m_columns.size());
    for (int n = 0; n < kStepRows; ++n) {
        if (!query.next()) {
            // A read that failed on the way gives no figures rather than wrong ones.
            const bool failed = query.lastError().isValid();
            OpenReads::remove(this);
            m_query.reset();
            if (failed)
                return;
            m_done = true;
            Q_EMIT done();
            return;
        }
        ++m_rows;
        for (int i = 0; i < columns; ++i) {
            const QVariant real = query.value(3 + 3 * i);
            if (real.isNull())
                continue;
            ColumnTotal &total = m_totals[i];
            ++total.values;
            total.units += query.value(1 + 3 * i).toLongLong();
            total.integer += query.value(2 + 3 * i).toLongLong();
            total.real += real.toDouble();
        }
    }
    m_timer.start();
}
