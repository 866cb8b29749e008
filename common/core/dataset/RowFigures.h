#pragma once

#include "core/dataset/ColumnTotal.h"

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QTimer>
#include <QVariant>

#include <optional>

// The row count of a statement and the totals of some of its columns, worked out by the
// database in steps between events, so that a long list shows its first screen at once and
// its footer a moment later. The statement stays open between steps; a schema change makes it
// let go, and the walk starts again. Destroying the object stops the walk.
class RowFigures : public QObject
{
    Q_OBJECT

public:
    // Columns as the statement names them; the walk starts at the next turn of the event loop.
    RowFigures(const QSqlDatabase &db, const QString &sql, const QVariantList &params, const QStringList &columns,
               QObject *parent = nullptr);
    ~RowFigures() override;

    const QStringList &columns() const { return m_columns; }
    bool isDone() const { return m_done; }
    qint64 rows() const { return m_rows; }
    // The total of a column once done; nothing before or for a column not asked for.
    std::optional<ColumnTotal> total(const QString &column) const;

Q_SIGNALS:
    void done();

private:
    void step();
    void release();

    QSqlDatabase m_db;
    QString m_sql;
    QVariantList m_params;
    QStringList m_columns;
    std::optional<QSqlQuery> m_query;
    QTimer m_timer;
    bool m_done = false;
    qint64 m_rows = 0;
    QList<ColumnTotal> m_totals;
};
