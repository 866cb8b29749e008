#include "core/dataset/RowCursor.h"

#include "core/db/AdoFunc.h"
#include "core/db/OpenReads.h"

RowCursor::RowCursor(const QSqlDatabase &db, const QString &sql, const QVariantList &params)
    : m_db(db), m_sql(sql), m_params(params)
{
    m_query = RunStatement(m_db, m_sql, m_params);
    m_columns = readColumnOrigins(*m_query);
    OpenReads::add(this, m_db.connectionName(), [this] { release(); });
}

RowCursor::~RowCursor()
{
    OpenReads::remove(this);
}

void RowCursor::release()
{
    OpenReads::remove(this);
    m_query.reset();
    m_ahead = false;
}

void RowCursor::start()
{
    // Run again and step over what was read before.
    m_query = RunStatement(m_db, restStatement(QStringLiteral("*")), m_params);
    OpenReads::add(this, m_db.connectionName(), [this] { release(); });
}

QVector<RowCursor::StoredRow> RowCursor::read(int count)
{
    QVector<StoredRow> rows;
    if (m_atEnd)
        return rows;
    if (!m_query)
        start();
    const int columns = int(m_columns.size());
    rows.reserve(count);
    while (rows.size() < count) {
        if (!m_ahead && !m_query->next())
            break;
        m_ahead = false;
        StoredRow row(columns);
        for (int i = 0; i < columns; ++i)
            row[i] = m_query->value(i);
        rows.append(std::move(row));
    }
    m_read += int(rows.size());
    // Look one row ahead, so that the end is known as soon as it is reached.
    m_ahead = rows.size() == count && m_query->next();
    if (!m_ahead) {
        m_atEnd = true;
        m_total = m_read;
        release();
    }
    return rows;
}

int RowCursor::totalRows()
{
    if (!m_total)
        m_total = int(SelTableIntValue(m_db, QStringLiteral("select count(*) from (%1)").arg(m_sql), m_params));
    return *m_total;
}

QString RowCursor::restStatement(const QString &selectList) const
{
    return QStringLiteral("select %1 from (select * from (%2) limit -1 offset %3) rest").arg(selectList, m_sql, QString::number(m_read));
}
