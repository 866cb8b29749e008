#pragma once

#include "core/dataset/ColumnOrigin.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <QVector>

#include <optional>

// The rows of one SELECT read a page at a time, as they are stored. The statement stays open
// between pages; when a schema change makes it let go, the next read runs it again and skips
// the rows already read. The number of rows is asked of the database only when a page does
// not reach the end.
class RowCursor
{
public:
    using StoredRow = QVector<QVariant>;

    // Runs the statement (raises DatabaseError when the database refuses it).
    RowCursor(const QSqlDatabase &db, const QString &sql, const QVariantList &params);
    ~RowCursor();
    RowCursor(const RowCursor &) = delete;
    RowCursor &operator=(const RowCursor &) = delete;

    const QList<ColumnOrigin> &columns() const { return m_columns; }
    // Up to `count` further rows; fewer at the end.
    QVector<StoredRow> read(int count);
    bool atEnd() const { return m_atEnd; }
    int rowsRead() const { return m_read; }
    // Rows of the whole result, counted by the database when not read to the end.
    int totalRows();
    // "select <selectList> from" the rows not read yet (a sub-select named "rest").
    QString restStatement(const QString &selectList) const;
    const QVariantList &params() const { return m_params; }

private:
    void start();
    void release();

    QSqlDatabase m_db;
    QString m_sql;
    QVariantList m_params;
    QList<ColumnOrigin> m_columns;
    std::optional<QSqlQuery> m_query;
    bool m_ahead = false;   // the query stands on a row not handed out yet
    bool m_atEnd = false;
    int m_read = 0;
    std::optional<int> m_total;
};
