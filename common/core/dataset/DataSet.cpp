#include "core/dataset/DataSet.h"

#include "core/dataset/ColumnOrigin.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSource.h"
#include "core/dataset/FieldValue.h"
#include "core/dataset/RowCursor.h"
#include "core/dataset/RowFigures.h"
#include "core/dataset/SortText.h"
#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/db/Transaction.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"
#include "core/money/Currency.h"

#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <climits>

namespace {

// A handler that keeps rewriting its own field gets this many rounds before it is stopped.
constexpr int kMaxChangeRounds = 100;
// Rows read at a time: a screenful or more, so opening a long list reads no more than this.
constexpr int kPageRows = 256;
// Rows read at most in one step when reading on (a page of a very long list).
constexpr int kLongPageRows = 65536;

// Exactly the same value: a change of letter case is a change.
bool sameValue(FieldKind kind, const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    if (kind == FieldKind::Text)
        return a.toString() == b.toString();
    return compareFieldValues(kind, a, b) == 0;
}

void addToTotal(ColumnTotal &total, const QVariant &value, int sign)
{
    if (value.isNull())
        return;
    total.values += sign;
    total.units += sign * value.value<Currency>().units();
    total.integer += sign * value.toLongLong();
    total.real += sign * value.toDouble();
}

QString foldedName(const QString &name)
{
    return name.trimmed().toCaseFolded();
}

// Field names of the result columns: a repeated name ("select a.*, b.*") gets a number, as the
// first one keeps its name.
QStringList fieldNamesOf(const QList<ColumnOrigin> &columns)
{
    QStringList names;
    QSet<QString> taken;
    for (const ColumnOrigin &column : columns) {
        QString name = column.name;
        for (int n = 1; taken.contains(name.toCaseFolded()); ++n)
            name = column.name + QStringLiteral("_%1").arg(n);
        taken.insert(name.toCaseFolded());
        names.append(name);
    }
    return names;
}

} // namespace

struct DataSet::Applied
{
    quint64 rowId = 0;
    QVector<QVariant> valuesWritten;
    QVector<QVariant> valuesStored;  // memory form of what the database now holds
    QVector<QVariant> stored;
};

DataSet::DataSet(QObject *parent) : QObject(parent) {}

DataSet::~DataSet() = default;

void DataSet::setConnection(const QSqlDatabase &db)
{
    m_db = db;
    m_hasDb = true;
}

QSqlDatabase DataSet::connection() const
{
    return m_hasDb ? m_db : CurAdo;
}

void DataSet::setSql(const QString &sql, const QVariantList &params)
{
    m_sql = sql;
    m_params = params;
}

void DataSet::setCachedUpdates(bool cached)
{
    if (hasPendingUpdates())
        throw CorvaneError(QStringLiteral("数据集有未保存的修改，不能切换保存方式"));
    m_cached = cached;
    if (cached)
        fetchAll();
}

bool DataSet::canModify() const
{
    return isActive() && !m_readOnly && !m_table.isEmpty();
}

DataField *DataSet::findField(const QString &name) const
{
    // Most look-ups spell the name as the statement does: no folding needed for them.
    if (DataField *field = m_byName.value(name))
        return field;
    return m_byFoldedName.value(foldedName(name));
}

DataField *DataSet::fieldByName(const QString &name) const
{
    DataField *field = findField(name);
    if (!field)
        throw CorvaneError(QStringLiteral("字段 %1 不存在").arg(name));
    return field;
}

QVariant DataSet::value(int row, const DataField *field) const
{
    if (!field || row < 0)
        return {};
    // Reading a row not fetched yet changes nothing anyone can see.
    if (row >= m_rows.size())
        const_cast<DataSet *>(this)->fetchUpTo(row);
    if (row >= m_rows.size())
        return {};
    return m_rows[row].values.value(field->index());
}

DataSet::ColumnTotal DataSet::columnTotal(const DataField *field) const
{
    ColumnTotal total;
    if (!field || !isActive())
        return total;
    const int index = field->index();
    const QString column = m_resultNames.value(index);
    if (m_unfetched != 0 && column != field->name())
        const_cast<DataSet *>(this)->fetchAll();  // a renamed column cannot be named in SQL
    for (const Row &row : m_rows)
        addToTotal(total, row.values[index], 1);
    if (m_unfetched == 0)
        return total;
    // The rows behind the cursor, as the table holds them.
    const QString x = SqlName(column);
    const QString sums = QStringLiteral("count(%1), "
                                        "sum(case when typeof(%1) = 'integer' then %1 * 10000 else cast(round(%1 * 10000) as integer) end), "
                                        "sum(case when typeof(%1) = 'integer' then %1 else cast(round(%1) as integer) end), "
                                        "total(%1)")
                             .arg(x);
    QSqlQuery query = run(m_cursor->restStatement(sums), m_cursor->params());
    if (query.next()) {
        total.values += query.value(0).toLongLong();
        total.units += query.value(1).toLongLong();
        total.integer += query.value(2).toLongLong();
        total.real += query.value(3).toDouble();
    }
    return total;
}

DataSet::RowReader::RowReader(const DataSet &dataSet) : m_set(dataSet)
{
    if (m_set.m_unfetched != 0) {
        m_left = m_set.m_unfetched < 0 ? INT_MAX : m_set.m_unfetched;
        m_rest = std::make_unique<RowCursor>(m_set.connection(), m_set.m_cursor->restStatement(QStringLiteral("*")),
                                             m_set.m_cursor->params());
    }
}

DataSet::RowReader::~RowReader() = default;

const QVector<QVariant> *DataSet::RowReader::next()
{
    if (m_row < m_set.m_rows.size())
        return &m_set.m_rows[m_row++].values;
    while (m_left > 0) {
        if (m_inPage == m_page.size()) {
            m_page = m_rest->read(kPageRows);
            m_inPage = 0;
            if (m_page.isEmpty())
                return nullptr;
        }
        const QVector<QVariant> &stored = m_page[m_inPage++];
        if (!m_set.m_writtenKeys.isEmpty() && m_set.m_writtenKeys.contains(m_set.keyText(stored, true)))
            continue;
        --m_left;
        m_values = m_set.memoryValues(stored);
        return &m_values;
    }
    return nullptr;
}

int DataSet::recordCount() const
{
    if (m_unfetched < 0)
        const_cast<DataSet *>(this)->countRows();
    return int(m_rows.size()) + m_unfetched;
}

bool DataSet::isEmpty() const
{
    if (m_rows.isEmpty() && m_unfetched != 0)
        const_cast<DataSet *>(this)->fetchUpTo(0);
    return m_rows.isEmpty();
}

void DataSet::fetchAll()
{
    while (m_unfetched != 0)
        fetchPage(m_unfetched < 0 ? kLongPageRows : qMax(kPageRows, m_unfetched));
}

void DataSet::fetchUpTo(int row)
{
    while (row >= m_rows.size() && m_unfetched != 0)
        fetchPage(int(qBound(qint64(kPageRows), qint64(row) + 1 - m_rows.size(), qint64(kLongPageRows))));
}

void DataSet::countRows()
{
    setCount(m_cursor->totalRows());
}

// The rows of the whole statement as the database now counts them: the ones still to come are
// those beyond the rows in memory that it holds (all but a row being inserted).
void DataSet::setCount(qint64 total)
{
    const int stored = int(m_rows.size()) - (m_state == State::Insert ? 1 : 0);
    m_unfetched = int(qMax<qint64>(0, total - stored));
    if (m_unfetched == 0)
        endFetching();
}

std::optional<int> DataSet::knownRecordCount() const
{
    if (m_unfetched >= 0)
        return int(m_rows.size()) + m_unfetched;
    askFigures(QString());
    return std::nullopt;
}

std::optional<ColumnTotal> DataSet::knownColumnTotal(const DataField *field) const
{
    if (!field || !isActive())
        return ColumnTotal();
    const QString column = m_resultNames.value(field->index());
    if (m_unfetched == 0 || column != field->name())
        return columnTotal(field);
    if (m_figures && m_figures->isDone()) {
        if (std::optional<ColumnTotal> total = m_figures->total(column)) {
            addEditedRow(*total, field->index());
            return total;
        }
    }
    askFigures(column);
    return std::nullopt;
}

// The figures of the database hold every row as stored: the row being edited counts as typed.
void DataSet::addEditedRow(ColumnTotal &total, int index) const
{
    if (!isEditing() || m_current < 0)
        return;
    addToTotal(total, m_rows[m_current].values.value(index), 1);
    if (m_state == State::Edit)
        addToTotal(total, m_backup.values.value(index), -1);
}

// Starts the walk for the count and `column` (none: the count only), over the columns already
// asked for too; a walk that already covers them goes on.
void DataSet::askFigures(const QString &column) const
{
    if (m_figures && (column.isEmpty() || m_figures->columns().contains(column)))
        return;
    QStringList columns = m_figures ? m_figures->columns() : QStringList();
    if (!column.isEmpty())
        columns.append(column);
    auto *self = const_cast<DataSet *>(this);
    m_figures = std::make_unique<RowFigures>(connection(), m_loadedSql, m_loadedParams, columns);
    connect(m_figures.get(), &RowFigures::done, self, &DataSet::takeFigures);
}

void DataSet::takeFigures()
{
    if (m_unfetched < 0)
        setCount(m_figures->rows());
    Q_EMIT figuresKnown();
}

// Rows changed here or a new statement: the figures worked out so far no longer hold.
void DataSet::dropFigures()
{
    m_figures.reset();
}

void DataSet::fetchPage(int rows)
{
    const QVector<QVector<QVariant>> stored = m_cursor->read(rows);
    for (const QVector<QVariant> &values : stored) {
        if (m_unfetched == 0)
            break;
        // A row this set wrote may come again from a cursor that walks the table.
        if (!m_writtenKeys.isEmpty() && m_writtenKeys.contains(keyText(values, true)))
            continue;
        m_rows.append(makeRow(values, m_loaded++));
        if (m_unfetched > 0)
            --m_unfetched;
    }
    if (m_unfetched < 0 && m_cursor->atEnd()) {
        m_unfetched = 0;  // read to the end: counted
    } else if (m_unfetched > 0 && m_cursor->atEnd()) {
        // Rows went away since they were counted: show the list as it is.
        m_unfetched = 0;
        QMetaObject::invokeMethod(this, [this] {
            if (!isActive())
                return;
            Q_EMIT rowsAboutToBeReset();
            Q_EMIT rowsReset();
            notifyControls(nullptr);
        }, Qt::QueuedConnection);
    }
    if (m_unfetched == 0)
        endFetching();
}

void DataSet::endFetching()
{
    m_cursor.reset();
    m_writtenKeys.clear();
}

QString DataSet::keyText(const QVector<QVariant> &values, bool stored) const
{
    QStringList parts;
    for (DataField *field : m_fields) {
        if (!field->isKey())
            continue;
        const QVariant value = values.value(field->index());
        parts.append(fieldValueText(field->kind(), stored ? fieldValueFromStored(field->kind(), value) : value));
    }
    return parts.join(QChar(0x1f));
}

// ---- statements -------------------------------------------------------------------------

QSqlQuery DataSet::run(const QString &sql, const QVariantList &params) const
{
    return RunStatement(connection(), sql, params);
}

void DataSet::open()
{
    if (isActive())
        close();
    load(false);
}

void DataSet::close()
{
    if (!isActive())
        return;
    Q_EMIT rowsAboutToBeReset();
    endFetching();
    dropFigures();
    m_unfetched = 0;
    m_sortedByDatabase = false;
    m_rows.clear();
    m_deleted.clear();
    m_current = -1;
    m_bof = m_eof = true;
    m_modified = false;
    m_applyPending = false;
    setState(State::Inactive);
    Q_EMIT rowsReset();
    notifyControls(nullptr);
}

void DataSet::requery()
{
    requireActive();
    if (!checkBrowseMode())
        return;
    if (hasPendingUpdates())
        throw CorvaneError(QStringLiteral("数据集有未保存的修改，不能刷新"));
    load(true);
}

void DataSet::execute()
{
    close();
    run(m_sql, m_params);
}

void DataSet::load(bool keepPosition)
{
    const Bookmark before = keepPosition ? bookmark() : Bookmark();
    const int recNoBefore = recNo();

    // What can fail comes first: the rows held stay as they are until the new ones are read.
    auto cursor = std::make_unique<RowCursor>(connection(), m_sql, m_params);
    const QList<ColumnOrigin> columns = cursor->columns();
    QVector<QVector<QVariant>> stored = cursor->read(kPageRows);
    bool sortedByDatabase = false;
    if (!cursor->atEnd() && !m_sortText.isEmpty() && !m_cached) {
        if (auto sorted = sortedCursor(columns)) {
            cursor = std::move(sorted);
            stored = cursor->read(kPageRows);
            sortedByDatabase = true;
        }
    }
    const QStringList names = fieldNamesOf(columns);
    for (const SortItem &item : parseSortText(m_sortText))
        if (!std::any_of(names.begin(), names.end(), [&item](const QString &name) { return name.toCaseFolded() == foldedName(item.field); }))
            throw CorvaneError(QStringLiteral("字段 %1 不存在").arg(item.field));

    Q_EMIT rowsAboutToBeReset();
    endFetching();
    dropFigures();
    m_loadedSql = m_sql;
    m_loadedParams = m_params;
    buildFields(columns, stored);
    findTable(columns);
    m_resultNames.clear();
    for (const ColumnOrigin &column : columns)
        m_resultNames.append(column.name);

    m_rows.clear();
    m_deleted.clear();
    m_loaded = 0;
    m_rows.reserve(stored.size());
    for (const QVector<QVariant> &values : std::as_const(stored))
        m_rows.append(makeRow(values, m_loaded++));
    m_sortedByDatabase = sortedByDatabase;
    // A long list is counted later, when a screen asks (see knownRecordCount).
    m_unfetched = cursor->atEnd() ? 0 : -1;
    if (m_unfetched != 0)
        m_cursor = std::move(cursor);
    // Cached changes and an order only this side can make need every row.
    if (m_cached || (!m_sortText.isEmpty() && !m_sortedByDatabase))
        fetchAll();
    if (!m_sortedByDatabase)
        applySort();
    m_current = isEmpty() ? -1 : 0;
    m_modified = false;
    m_applyPending = false;
    const bool wasActive = isActive();
    m_state = State::Browse;
    Q_EMIT rowsReset();
    if (keepPosition && !gotoBookmark(before) && !isEmpty()) {
        fetchUpTo(recNoBefore - 1);
        m_current = qBound(0, recNoBefore - 1, int(m_rows.size()) - 1);
    }
    m_bof = m_current <= 0;
    m_eof = isEmpty();
    if (!wasActive)
        Q_EMIT stateChanged(m_state);
    notifyControls(nullptr);
    Q_EMIT afterScroll();
}

// The statement in the order of the sort text, or nothing when a name is not a column.
std::unique_ptr<RowCursor> DataSet::sortedCursor(const QList<ColumnOrigin> &columns) const
{
    const QStringList names = fieldNamesOf(columns);
    QStringList terms;
    for (const SortItem &item : parseSortText(m_sortText)) {
        int position = -1;
        for (int i = 0; i < names.size() && position < 0; ++i)
            if (names[i].toCaseFolded() == foldedName(item.field))
                position = i;
        if (position < 0)
            return nullptr;
        // By position: no name to quote, and repeated names are told apart.
        terms.append(QStringLiteral("%1 collate nocase%2").arg(position + 1).arg(item.descending ? QStringLiteral(" desc") : QString()));
    }
    if (terms.isEmpty())
        return nullptr;
    return std::make_unique<RowCursor>(connection(), QStringLiteral("select * from (%1) order by %2").arg(m_sql, terms.join(u',')), m_params);
}

void DataSet::buildFields(const QList<ColumnOrigin> &columns, const QVector<QVector<QVariant>> &stored)
{
    QList<DataField *> kept;
    const QStringList names = fieldNamesOf(columns);
    for (int i = 0; i < columns.size(); ++i) {
        const QString &name = names[i];

        DataField *field = nullptr;
        for (DataField *old : m_fields)
            if (old->name().compare(name, Qt::CaseInsensitive) == 0 && !kept.contains(old))
                field = old;
        if (!field)
            field = new DataField(this, name);
        field->setName(name);
        field->m_index = i;
        field->m_originColumn = columns[i].column;
        field->m_calculated = columns[i].column.isEmpty();
        field->m_key = field->m_identity = false;
        if (!columns[i].declaredType.isEmpty()) {
            field->m_kind = fieldKindFromDeclaredType(columns[i].declaredType);
        } else {
            field->m_kind = FieldKind::Text;
            for (const auto &row : stored) {
                if (!row[i].isNull()) {
                    field->m_kind = fieldKindFromValueType(row[i].metaType());
                    break;
                }
            }
        }
        kept.append(field);
    }
    for (DataField *old : m_fields)
        if (!kept.contains(old))
            delete old;
    m_fields = kept;
    m_byName.clear();
    m_byFoldedName.clear();
    for (DataField *field : m_fields) {
        m_byName.insert(field->name(), field);
        m_byFoldedName.insert(field->foldedName(), field);
    }
}

void DataSet::findTable(const QList<ColumnOrigin> &columns)
{
    // Rows can be written back only when every table column comes from one table, once each.
    m_table.clear();
    QString table;
    QSet<QString> origins;
    for (const ColumnOrigin &column : columns) {
        if (column.table.isEmpty())
            continue;
        if (!table.isEmpty() && column.table.compare(table, Qt::CaseInsensitive) != 0)
            return;
        const QString origin = column.column.toCaseFolded();
        if (origins.contains(origin))
            return;
        origins.insert(origin);
        table = column.table;
    }
    if (table.isEmpty())
        return;
    m_table = table;

    QStringList keyColumns;
    QString keyType;
    QSqlQuery info = run(QStringLiteral("PRAGMA table_info(%1)").arg(SqlName(table)), {});
    QList<QPair<int, QString>> keys;
    while (info.next()) {
        const int position = info.value(5).toInt();
        if (position > 0) {
            keys.append({position, info.value(1).toString()});
            keyType = info.value(2).toString();
        }
    }
    std::sort(keys.begin(), keys.end());
    for (const auto &key : keys)
        keyColumns.append(key.second.toCaseFolded());
    QList<DataField *> keyFields;
    for (DataField *field : m_fields)
        if (!field->m_calculated && keyColumns.contains(field->m_originColumn.toCaseFolded()))
            keyFields.append(field);
    if (keyFields.size() != keyColumns.size())
        return;  // the key is not selected: rows are found by all their values
    for (DataField *field : keyFields) {
        field->m_key = true;
        // An INTEGER PRIMARY KEY is the row id: the database hands it out.
        field->m_identity = keyColumns.size() == 1 && keyType.trimmed().compare(QLatin1String("integer"), Qt::CaseInsensitive) == 0;
    }
}

QVector<QVariant> DataSet::memoryValues(const QVector<QVariant> &stored) const
{
    QVector<QVariant> values(m_fields.size());
    for (DataField *field : m_fields)
        values[field->index()] = fieldValueFromStored(field->kind(), stored.value(field->index()));
    return values;
}

DataSet::Row DataSet::makeRow(const QVector<QVariant> &stored, int loadOrder)
{
    Row row;
    row.id = m_nextRowId++;
    row.values = memoryValues(stored);
    row.original = stored;
    row.assigned = QBitArray(m_fields.size());
    row.loadOrder = loadOrder;
    return row;
}

QList<DataField *> DataSet::assignedFields() const
{
    QList<DataField *> fields;
    if (m_current < 0 || !isEditing())
        return fields;
    for (DataField *field : writableFields())
        if (m_rows[m_current].assigned.testBit(field->index()))
            fields.append(field);
    return fields;
}

QList<DataField *> DataSet::writableFields() const
{
    QList<DataField *> fields;
    for (DataField *field : m_fields)
        if (!field->m_calculated)
            fields.append(field);
    return fields;
}

qint64 DataSet::locateStoredRow(const Row &row) const
{
    QStringList conditions;
    QVariantList params;
    const QList<DataField *> fields = writableFields();
    const bool byKey = std::any_of(fields.begin(), fields.end(), [](DataField *f) { return f->isKey(); });
    for (DataField *field : fields) {
        if (byKey && !field->isKey())
            continue;
        conditions.append(SqlName(field->originColumn()) + QStringLiteral(" IS ?"));
        params.append(row.original.value(field->index()));
    }
    QSqlQuery query = run(QStringLiteral("select rowid from %1 where %2 limit 1")
                              .arg(SqlName(m_table), conditions.join(QStringLiteral(" and "))),
                          params);
    if (!query.next())
        throw DatabaseError(QStringLiteral("记录已被修改或删除，不能保存"));
    return query.value(0).toLongLong();
}

QVector<QVariant> DataSet::readStoredRow(qint64 rowid) const
{
    QStringList columns;
    const QList<DataField *> fields = writableFields();
    for (DataField *field : fields)
        columns.append(SqlName(field->originColumn()));
    QSqlQuery query = run(QStringLiteral("select %1 from %2 where rowid = ?").arg(columns.join(QStringLiteral(", ")), SqlName(m_table)), {rowid});
    QVector<QVariant> stored(m_fields.size());
    if (query.next())
        for (int i = 0; i < fields.size(); ++i)
            stored[fields[i]->index()] = query.value(i);
    return stored;
}

void DataSet::insertRow(Row &row)
{
    QStringList columns;
    QStringList marks;
    QVariantList params;
    for (DataField *field : writableFields()) {
        if (!row.assigned.testBit(field->index()))
            continue;  // left to the column's default
        columns.append(SqlName(field->originColumn()));
        marks.append(QStringLiteral("?"));
        params.append(fieldValueToStored(field->kind(), row.values[field->index()]));
    }
    const QString sql = columns.isEmpty()
                            ? QStringLiteral("insert into %1 default values").arg(SqlName(m_table))
                            : QStringLiteral("insert into %1 (%2) values (%3)")
                                  .arg(SqlName(m_table), columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    const qint64 rowid = run(sql, params).lastInsertId().toLongLong();
    // Read back what the table made of it: identity, defaults.
    const QVector<QVariant> stored = readStoredRow(rowid);
    const QVector<QVariant> values = memoryValues(stored);
    for (DataField *field : writableFields())
        row.values[field->index()] = values[field->index()];
    row.original = stored;
    rememberWritten(row);
    dropFigures();
}

void DataSet::updateRow(Row &row)
{
    QStringList assignments;
    QVariantList params;
    for (DataField *field : writableFields()) {
        const int i = field->index();
        if (!row.assigned.testBit(i) || sameValue(field->kind(), row.values[i], fieldValueFromStored(field->kind(), row.original.value(i))))
            continue;
        assignments.append(SqlName(field->originColumn()) + QStringLiteral(" = ?"));
        params.append(fieldValueToStored(field->kind(), row.values[i]));
    }
    if (assignments.isEmpty())
        return;
    const qint64 rowid = locateStoredRow(row);
    params.append(rowid);
    run(QStringLiteral("update %1 set %2 where rowid = ?").arg(SqlName(m_table), assignments.join(QStringLiteral(", "))), params);
    row.original = readStoredRow(rowid);
    rememberWritten(row);
    dropFigures();
}

void DataSet::rememberWritten(const Row &row)
{
    if (!m_cursor)
        return;
    const QString key = keyText(row.values, false);
    if (!key.isEmpty())
        m_writtenKeys.insert(key);
}

void DataSet::deleteStoredRow(const Row &row)
{
    const qint64 rowid = locateStoredRow(row);
    run(QStringLiteral("delete from %1 where rowid = ?").arg(SqlName(m_table)), {rowid});
    dropFigures();
}

bool DataSet::hasChanges(const Row &row) const
{
    for (DataField *field : writableFields()) {
        const int i = field->index();
        if (row.assigned.testBit(i) && !sameValue(field->kind(), row.values[i], fieldValueFromStored(field->kind(), row.original.value(i))))
            return true;
    }
    return false;
}

// ---- navigation -------------------------------------------------------------------------

void DataSet::requireActive() const
{
    if (!isActive())
        throw CorvaneError(QStringLiteral("数据集未打开"));
}

void DataSet::requireModifiable() const
{
    requireActive();
    if (!canModify())
        throw CorvaneError(QStringLiteral("数据集是只读的，不能修改"));
}

bool DataSet::checkBrowseMode()
{
    if (!isEditing())
        return true;
    if (m_modified)
        return post();
    cancel();
    return true;
}

bool DataSet::moveTo(int row)
{
    requireActive();
    // Posting or dropping the row being edited may take a row out: aim at the row itself.
    const quint64 targetId = row >= 0 && row < m_rows.size() ? m_rows[row].id : 0;
    if (!checkBrowseMode())
        return false;
    // Mostly the row is still where it was; only a row taken out before it moves it.
    if (targetId != 0 && (row >= m_rows.size() || m_rows[row].id != targetId)) {
        if (const int moved = rowIndexOf(targetId); moved >= 0)
            row = moved;
    }
    if (row >= 0)
        fetchUpTo(row);
    // Every row up to the target is in memory now, or every row there is.
    const int count = int(m_rows.size());
    m_bof = row < 0 || count == 0;
    m_eof = row >= count || count == 0;
    const int target = count == 0 ? -1 : qBound(0, row, count - 1);
    if (target == m_current)
        return true;
    m_current = target;
    notifyControls(nullptr);
    Q_EMIT afterScroll();
    return true;
}

bool DataSet::first()
{
    if (!moveTo(0))
        return false;
    m_bof = true;
    return true;
}

bool DataSet::last()
{
    fetchAll();
    if (!moveTo(int(m_rows.size()) - 1))
        return false;
    m_eof = true;
    return true;
}

bool DataSet::next()
{
    return moveTo(m_current + 1);
}

bool DataSet::prior()
{
    return moveTo(m_current - 1);
}

bool DataSet::moveBy(int distance)
{
    return moveTo(m_current + distance);
}

bool DataSet::setRecNo(int recNo)
{
    return moveTo(recNo - 1);
}

int DataSet::rowIndexOf(quint64 id) const
{
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].id == id)
            return i;
    return -1;
}

// ---- states -----------------------------------------------------------------------------

void DataSet::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

bool DataSet::edit()
{
    requireActive();
    if (isEditing())
        return true;
    requireModifiable();
    if (isEmpty())
        return insert();
    if (m_beforeEdit && !m_beforeEdit(*this))
        return false;
    m_backup = m_rows[m_current];
    m_modified = false;
    setState(State::Edit);
    return true;
}

bool DataSet::append()
{
    requireModifiable();
    if (!checkBrowseMode())
        return false;
    fetchAll();  // the new row goes after the last one
    beginInsert(int(m_rows.size()));
    return true;
}

bool DataSet::insert()
{
    requireModifiable();
    if (!checkBrowseMode())
        return false;
    beginInsert(qMax(m_current, 0));
    return true;
}

void DataSet::beginInsert(int position)
{
    m_returnRowId = m_current >= 0 ? m_rows[m_current].id : 0;
    Row row;
    row.id = m_nextRowId++;
    row.values = QVector<QVariant>(m_fields.size());
    row.assigned = QBitArray(m_fields.size());
    row.status = Row::Inserted;
    // Listeners hear of the row only once the set is consistent again.
    Q_EMIT rowAboutToBeInserted(position);
    m_rows.insert(position, row);
    m_current = position;
    m_bof = m_eof = false;
    m_modified = false;
    m_state = State::Insert;
    Q_EMIT rowInserted(position);
    Q_EMIT stateChanged(m_state);
    m_inNewRecord = true;
    try {
        if (m_onNewRecord)
            m_onNewRecord(*this);
    } catch (...) {
        m_inNewRecord = false;
        cancel();
        throw;
    }
    m_inNewRecord = false;
    notifyControls(nullptr);
    Q_EMIT afterScroll();
}

bool DataSet::post()
{
    requireActive();
    if (!isEditing())
        throw CorvaneError(QStringLiteral("数据集不在编辑状态"));
    const QList<QPointer<DataSource>> sources = m_sources;
    for (const QPointer<DataSource> &source : sources)
        if (source && !source->updateData())
            return false;
    if (m_beforePost && !m_beforePost(*this))
        return false;

    Row &row = m_rows[m_current];
    if (m_cached) {
        if (row.status == Row::Unchanged && hasChanges(row))
            row.status = Row::Modified;
    } else {
        const Row typed = row;
        const Row backup = m_backup;
        const State editState = m_state;
        if (row.status == Row::Inserted)
            insertRow(row);
        else
            updateRow(row);
        row.status = Row::Unchanged;
        row.assigned.fill(false);
        // Written inside a caller's transaction: when that work is undone, the row goes back
        // into edit with what was typed, so nothing the user entered is lost.
        if (Transaction *work = Transaction::current(connection())) {
            QPointer<DataSet> self(this);
            work->onRollback([self, typed, backup, editState] {
                if (self)
                    self->restoreUnsaved(typed, backup, editState);
            });
        }
    }
    m_modified = false;
    setState(State::Browse);
    Q_EMIT rowChanged(m_current);
    notifyControls(nullptr);
    Q_EMIT afterPost();
    return true;
}

void DataSet::restoreUnsaved(const Row &typed, const Row &backup, State editState)
{
    if (isEditing())
        return;
    const int index = rowIndexOf(typed.id);
    if (index < 0)
        return;
    m_rows[index] = typed;
    m_backup = backup;
    m_current = index;
    m_bof = m_eof = false;
    m_modified = true;
    setState(editState);
    Q_EMIT rowChanged(index);
    notifyControls(nullptr);
}

void DataSet::cancel()
{
    if (!isEditing())
        return;
    const bool wasInsert = m_state == State::Insert;
    m_modified = false;
    const int row = m_current;
    if (wasInsert) {
        // Browsing already, so that a listener moving the set meanwhile does not cancel again.
        m_state = State::Browse;
        Q_EMIT rowAboutToBeRemoved(row);
        m_rows.removeAt(row);
        const int back = rowIndexOf(m_returnRowId);
        if (back < 0)
            fetchUpTo(row);
        m_current = back >= 0 ? back : qMin(row, int(m_rows.size()) - 1);
        m_eof = isEmpty();
        m_bof = m_current <= 0;
    } else {
        m_rows[row] = m_backup;
    }
    m_state = State::Browse;
    if (wasInsert)
        Q_EMIT rowRemoved(row);
    else
        Q_EMIT rowChanged(row);
    Q_EMIT stateChanged(m_state);
    notifyControls(nullptr);
    if (wasInsert)
        Q_EMIT afterScroll();
}

void DataSet::deleteRecord()
{
    requireActive();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (isEmpty())
        throw CorvaneError(QStringLiteral("数据集为空，不能删除"));
    requireModifiable();
    const Row stored = m_state == State::Edit ? m_backup : m_rows[m_current];
    if (!m_cached)
        deleteStoredRow(stored);
    else if (stored.status != Row::Inserted)
        m_deleted.append(stored);
    const int removed = m_current;
    const bool wasEditing = m_state != State::Browse;
    m_modified = false;
    m_state = State::Browse;
    Q_EMIT rowAboutToBeRemoved(removed);
    m_rows.removeAt(removed);
    fetchUpTo(removed);
    m_current = qMin(removed, int(m_rows.size()) - 1);
    m_eof = isEmpty();
    m_bof = m_current <= 0;
    m_modified = false;
    m_state = State::Browse;
    Q_EMIT rowRemoved(removed);
    if (wasEditing)
        Q_EMIT stateChanged(m_state);
    notifyControls(nullptr);
    Q_EMIT afterScroll();
}

// ---- field writes -----------------------------------------------------------------------

void DataSet::writeField(DataField *field, const QVariant &value)
{
    if (!isEditing())
        throw CorvaneError(QStringLiteral("数据集不在编辑状态，不能修改字段 %1").arg(field->name()));
    if (field->isReadOnly())
        throw CorvaneError(QStringLiteral("字段 %1 不能修改").arg(field->name()));
    const auto converted = fieldValueFromInput(field->kind(), value);
    if (!converted)
        throw CorvaneError(QStringLiteral("“%1”不是字段 %2 的有效值").arg(value.toString(), field->name()));
    Row &row = m_rows[m_current];
    row.values[field->index()] = *converted;
    row.assigned.setBit(field->index());
    if (!m_inNewRecord)
        m_modified = true;
    Q_EMIT rowChanged(m_current);
    notifyFieldChange(field);
}

// A field written while its own change is being told is told again afterwards (once the value
// has settled), never from inside; other fields written by a handler are told at once.
void DataSet::notifyFieldChange(DataField *field)
{
    if (field->m_notifying) {
        field->m_changedAgain = true;
        return;
    }
    const QPointer<DataField> alive(field);
    struct Guard
    {
        const QPointer<DataField> &field;
        ~Guard()
        {
            if (field)
                field->m_notifying = false;
        }
    } guard{alive};
    field->m_notifying = true;
    for (int round = 0;; ++round) {
        if (round == kMaxChangeRounds)
            throw CorvaneError(QStringLiteral("字段 %1 的变更处理反复修改自身").arg(field->name()));
        const QVariant start = field->value();
        field->m_changedAgain = false;
        Q_EMIT fieldChanged(field);
        if (!alive)
            return;
        Q_EMIT field->changed();
        notifyControls(field);
        if (!alive || !field->m_changedAgain || sameValue(field->kind(), start, field->value()))
            break;
    }
}

void DataSet::notifyControls(DataField *field)
{
    if (m_disableCount == 0)
        Q_EMIT dataChanged(field);
}

void DataSet::enableControls()
{
    if (m_disableCount == 0)
        return;
    if (--m_disableCount == 0)
        Q_EMIT dataChanged(nullptr);
}

// ---- cached updates ---------------------------------------------------------------------

bool DataSet::hasPendingUpdates() const
{
    if (!m_deleted.isEmpty())
        return true;
    return std::any_of(m_rows.begin(), m_rows.end(), [](const Row &row) { return row.status != Row::Unchanged; });
}

bool DataSet::applyUpdates()
{
    requireActive();
    if (!checkBrowseMode())
        return false;
    if (!hasPendingUpdates())
        return true;
    if (m_applyPending)
        throw CorvaneError(QStringLiteral("上一次保存的修改尚未提交"));

    Transaction transaction(connection());
    QPointer<DataSet> self(this);
    m_applyPending = true;
    transaction.onRollback([self] {
        if (self)
            self->m_applyPending = false;
    });
    QList<quint64> deleted;
    for (const Row &row : std::as_const(m_deleted)) {
        deleteStoredRow(row);
        deleted.append(row.id);
    }
    // Rows are written on copies: memory changes only once the work is kept.
    QList<Applied> applied;
    for (const Row &row : std::as_const(m_rows)) {
        if (row.status == Row::Unchanged)
            continue;
        Row copy = row;
        if (row.status == Row::Inserted)
            insertRow(copy);
        else
            updateRow(copy);
        applied.append({row.id, row.values, copy.values, copy.original});
    }
    transaction.onCommit([self, applied, deleted] {
        if (self)
            self->mergeApplied(applied, deleted);
    });
    transaction.commit();
    return true;
}

void DataSet::mergeApplied(const QList<Applied> &applied, const QList<quint64> &deleted)
{
    m_applyPending = false;
    m_deleted.erase(std::remove_if(m_deleted.begin(), m_deleted.end(), [&](const Row &row) { return deleted.contains(row.id); }),
                    m_deleted.end());
    for (const Applied &done : applied) {
        const int index = rowIndexOf(done.rowId);
        if (index < 0)
            continue;
        Row &row = m_rows[index];
        const bool untouched = row.values == done.valuesWritten;
        if (untouched) {
            row.values = done.valuesStored;
            row.assigned.fill(false);
        } else {
            // Changed again since it was written: it stays pending against the stored row.
            for (DataField *field : m_fields)
                if (field->isIdentity() && row.values[field->index()].isNull())
                    row.values[field->index()] = done.valuesStored[field->index()];
        }
        row.original = done.stored;
        row.status = untouched ? Row::Unchanged : Row::Modified;
        Q_EMIT rowChanged(index);
    }
    notifyControls(nullptr);
}

void DataSet::cancelUpdates()
{
    requireActive();
    cancel();
    const quint64 currentId = m_current >= 0 ? m_rows[m_current].id : 0;
    QVector<Row> rows;
    for (Row &row : m_rows) {
        if (row.status == Row::Inserted)
            continue;
        if (row.status == Row::Modified)
            row.values = memoryValues(row.original);
        row.status = Row::Unchanged;
        row.assigned.fill(false);
        rows.append(row);
    }
    for (Row &row : m_deleted) {
        row.values = memoryValues(row.original);
        row.status = Row::Unchanged;
        row.assigned.fill(false);
        rows.append(row);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) { return a.loadOrder < b.loadOrder; });
    Q_EMIT rowsAboutToBeReset();
    m_deleted.clear();
    m_rows = rows;
    applySort();
    const int back = rowIndexOf(currentId);
    m_current = back >= 0 ? back : (m_rows.isEmpty() ? -1 : 0);
    m_bof = m_current <= 0;
    m_eof = m_rows.isEmpty();
    Q_EMIT rowsReset();
    notifyControls(nullptr);
    Q_EMIT afterScroll();
}

// ---- bookmarks, sort, locate ------------------------------------------------------------

Bookmark DataSet::bookmark() const
{
    Bookmark mark;
    if (m_current < 0)
        return mark;
    mark.rowId = m_rows[m_current].id;
    for (DataField *field : m_fields)
        if (field->isKey())
            mark.key.append(m_rows[m_current].values[field->index()]);
    return mark;
}

bool DataSet::gotoBookmark(const Bookmark &bookmark)
{
    if (!bookmark.isValid() || !isActive())
        return false;
    int index = rowIndexOf(bookmark.rowId);
    if (index < 0 && !bookmark.key.isEmpty()) {
        for (int i = 0; index < 0; ++i) {
            fetchUpTo(i);
            if (i >= m_rows.size())
                break;
            int k = 0;
            bool same = true;
            for (DataField *field : m_fields)
                if (field->isKey())
                    same = same && sameValue(field->kind(), m_rows[i].values[field->index()], bookmark.key.value(k++));
            if (same && k == bookmark.key.size())
                index = i;
        }
    }
    return index >= 0 && moveTo(index);
}

void DataSet::setSort(const QString &sortText)
{
    const QString previous = m_sortText;
    m_sortText = sortText.trimmed();
    if (!isActive())
        return;
    if (!checkBrowseMode()) {
        m_sortText = previous;
        return;
    }
    try {
        for (const SortItem &item : parseSortText(m_sortText))
            fieldByName(item.field);
        // Rows not all here are read again in the database's order.
        if (m_cursor || m_sortedByDatabase) {
            if (hasPendingUpdates())
                throw CorvaneError(QStringLiteral("数据集有未保存的修改，不能刷新"));
            load(true);
            return;
        }
    } catch (...) {
        m_sortText = previous;
        throw;
    }
    const quint64 currentId = m_current >= 0 ? m_rows[m_current].id : 0;
    Q_EMIT rowsAboutToBeReset();
    applySort();
    m_current = rowIndexOf(currentId);
    Q_EMIT rowsReset();
    notifyControls(nullptr);
}

void DataSet::applySort()
{
    const QList<SortItem> items = parseSortText(m_sortText);
    if (items.isEmpty()) {
        // Load order; rows added since then go last, in the order they were added.
        const auto order = [](const Row &row) { return row.loadOrder < 0 ? INT_MAX : row.loadOrder; };
        std::stable_sort(m_rows.begin(), m_rows.end(), [&order](const Row &a, const Row &b) { return order(a) < order(b); });
        return;
    }
    QList<QPair<DataField *, bool>> keys;
    for (const SortItem &item : items)
        keys.append({fieldByName(item.field), item.descending});
    std::stable_sort(m_rows.begin(), m_rows.end(), [&keys](const Row &a, const Row &b) {
        for (const auto &[field, descending] : keys) {
            const int order = compareFieldValues(field->kind(), a.values[field->index()], b.values[field->index()]);
            if (order != 0)
                return descending ? order > 0 : order < 0;
        }
        return false;
    });
}

bool DataSet::locate(const QStringList &fieldNames, const QVariantList &values, LocateOptions options)
{
    requireActive();
    if (fieldNames.size() != values.size())
        throw CorvaneError(QStringLiteral("字段数与值的个数不一致"));
    QList<DataField *> fields;
    QVariantList wanted;
    for (int i = 0; i < fieldNames.size(); ++i) {
        DataField *field = fieldByName(fieldNames[i]);
        fields.append(field);
        const bool asText = field->kind() == FieldKind::Text;
        wanted.append(asText ? values[i] : fieldValueFromInput(field->kind(), values[i]).value_or(QVariant()));
    }
    const Qt::CaseSensitivity sensitivity = options.testFlag(CaseInsensitive) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (int row = 0;; ++row) {
        fetchUpTo(row);
        if (row >= m_rows.size())
            break;
        bool match = true;
        for (int i = 0; i < fields.size() && match; ++i) {
            const QVariant &have = m_rows[row].values[fields[i]->index()];
            if (fields[i]->kind() != FieldKind::Text || wanted[i].isNull() || have.isNull()) {
                match = sameValue(fields[i]->kind(), have, wanted[i]);
                continue;
            }
            const QString text = have.toString();
            const QString probe = wanted[i].toString();
            match = options.testFlag(PartialKey) ? text.startsWith(probe, sensitivity) : text.compare(probe, sensitivity) == 0;
        }
        if (match)
            return moveTo(row);
    }
    return false;
}

bool DataSet::locate(const QString &fieldName, const QVariant &value, LocateOptions options)
{
    return locate(QStringList{fieldName}, QVariantList{value}, options);
}
