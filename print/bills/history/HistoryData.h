#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// What the history query writes and looks up besides its list: the rows of one data table,
// deleted or moved to another format. Table names come from the formats and are quoted;
// every value is bound.
class HistoryData
{
public:
    explicit HistoryData(QSqlDatabase db) : m_db(std::move(db)) {}

    // A bill of the list: its row id and its RefNo (which its detail rows carry).
    struct Bill
    {
        qint64 id = 0;
        QString refNo;
    };

    // The data table of a bill kind (s_PrintType).
    QString mainTableOfKind(const QString &kindWord) const;
    // The kind of a bill's format; for a bill whose format is gone, the kind it is listed under,
    // so that it can be moved back to a format of that kind.
    QString kindOfBill(const QString &noteName, const QString &listedKind) const;
    // Deletes the bills with their detail rows, all or none.
    void deleteBills(const QString &table, const QList<Bill> &bills) const;
    // Moves the bills to the format `noteName` of the category, all or none.
    void moveBillsToFormat(const QString &table, const QList<qint64> &ids, const QString &noteName,
                           const QString &category) const;

private:
    QSqlDatabase m_db;
};
