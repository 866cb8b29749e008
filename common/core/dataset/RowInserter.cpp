#include "core/dataset/RowInserter.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/FieldValue.h"
#include "core/db/DatabaseFailure.h"
#include "core/db/SqlName.h"
#include "core/errors/CorvaneError.h"

#include <QSqlError>
#include <QStringList>

RowInserter::RowInserter(DataSet &dataSet) : m_set(dataSet) {}

qint64 RowInserter::insertCurrentRow()
{
    if (m_set.state() != DataSet::State::Insert || !m_set.canModify())
        throw CorvaneError(QStringLiteral("数据集不在新增状态"));
    const QList<DataField *> fields = m_set.assignedFields();
    QList<int> key;
    for (const DataField *field : fields)
        key.append(field->index());
    auto statement = m_statements.find(key);
    if (statement == m_statements.end()) {
        QSqlQuery query(m_set.connection());
        QStringList columns;
        QStringList marks;
        for (const DataField *field : fields) {
            columns.append(SqlName(field->originColumn()));
            marks.append(QStringLiteral("?"));
        }
        const QString sql = columns.isEmpty() ? QStringLiteral("insert into %1 default values").arg(SqlName(m_set.tableName()))
                                              : QStringLiteral("insert into %1 (%2) values (%3)")
                                                    .arg(SqlName(m_set.tableName()), columns.join(u','), marks.join(u','));
        if (!query.prepare(sql))
            throw DatabaseError(DatabaseFailureText(query.lastError()));
        statement = m_statements.insert(key, query);
    }
    QSqlQuery &query = *statement;
    for (int i = 0; i < fields.size(); ++i)
        query.bindValue(i, fieldValueToStored(fields[i]->kind(), fields[i]->value()));
    if (!query.exec())
        throw DatabaseError(DatabaseFailureText(query.lastError()));
    return query.lastInsertId().toLongLong();
}
