#pragma once

#include "core/dataset/Bookmark.h"
#include "core/dataset/ColumnTotal.h"

#include <QBitArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

class DataField;
class DataSource;
class QSqlQuery;
class RowCursor;
class RowFigures;
struct ColumnOrigin;

// A query held in memory: the rows of one SELECT with '?' placeholders and bound values, a
// current row, and the browse / edit / insert states of a form's data. Rows are fetched a page
// at a time as they are reached; the row count of a long list is counted when first asked for,
// or worked out between events for screens that must not wait (knownRecordCount). See
// docs/architecture.md ("Data sets") for states, hooks and cached updates.
class DataSet : public QObject
{
    Q_OBJECT

public:
    enum class State { Inactive, Browse, Edit, Insert };
    Q_ENUM(State)

    enum LocateOption { CaseInsensitive = 1, PartialKey = 2 };
    Q_DECLARE_FLAGS(LocateOptions, LocateOption)

    // Returns false to refuse (the refusing handler tells the user itself).
    using Veto = std::function<bool(DataSet &)>;
    using Handler = std::function<void(DataSet &)>;

    explicit DataSet(QObject *parent = nullptr);
    ~DataSet() override;

    // The statement and its connection (CurAdo at the time of opening unless one is set).
    void setConnection(const QSqlDatabase &db);
    QSqlDatabase connection() const;
    void setSql(const QString &sql, const QVariantList &params = {});
    const QString &sql() const { return m_sql; }
    void setParams(const QVariantList &params) { m_params = params; }
    const QVariantList &params() const { return m_params; }

    void open();
    void close();              // drops an unposted row and any cached changes
    void requery();            // posts or drops the row being edited, reloads, stays on the row
    void execute();            // runs the statement as a command; the data set stays closed
    bool isActive() const { return m_state != State::Inactive; }

    // Cached mode: Post keeps changes in memory until applyUpdates().
    void setCachedUpdates(bool cached);
    bool cachedUpdates() const { return m_cached; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isReadOnly() const { return m_readOnly; }
    // Rows can be changed: open, every column from one table, not made read-only.
    bool canModify() const;
    const QString &tableName() const { return m_table; }
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    int fieldCount() const { return int(m_fields.size()); }
    DataField *field(int index) const { return m_fields.value(index); }
    const QList<DataField *> &fields() const { return m_fields; }
    DataField *findField(const QString &name) const;   // any letter case; nullptr when absent
    DataField *fieldByName(const QString &name) const;  // raises CorvaneError when absent

    // Every row; a long list not counted yet is counted now by the database.
    int recordCount() const;
    int recNo() const { return m_current + 1; }         // 1-based, 0 when empty
    bool isEmpty() const;
    // Rows held in memory; the rest is read from the open statement when reached.
    int fetchedCount() const { return int(m_rows.size()); }
    bool hasUnfetchedRows() const { return m_unfetched != 0; }
    void fetchAll();
    // Reads rows until `row` (from 0) is in memory or every row is.
    void fetchUpTo(int row);
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }
    // Moves post a row being edited first (or drop it when nothing was changed); they return
    // false when that post was refused, and the current row stays.
    bool first();
    bool last();
    bool next();
    bool prior();
    bool moveBy(int distance);
    bool setRecNo(int recNo);
    // A value of any row without moving (row counts from 0); NULL outside the rows.
    QVariant value(int row, const DataField *field) const;

    using ColumnTotal = ::ColumnTotal;
    // A column over every row: rows in memory as they stand, rows not fetched yet summed by
    // the database.
    ColumnTotal columnTotal(const DataField *field) const;

    // The same figures without waiting for the database: at once for a list read to the end,
    // else nothing at first while the database works them out between events; figuresKnown()
    // follows. They are worked out again after every change of rows this set makes, and the
    // figures of an earlier statement or filter are never given.
    std::optional<int> knownRecordCount() const;
    std::optional<ColumnTotal> knownColumnTotal(const DataField *field) const;

    // Every row in order, one at a time, in memory form (as value() gives it); rows not
    // fetched yet are read for the reader only and not kept (exports of long lists).
    class RowReader
    {
    public:
        explicit RowReader(const DataSet &dataSet);
        ~RowReader();
        const QVector<QVariant> *next();  // nullptr after the last row

    private:
        const DataSet &m_set;
        int m_row = 0;
        int m_left = 0;
        std::unique_ptr<RowCursor> m_rest;
        QVector<QVector<QVariant>> m_page;
        int m_inPage = 0;
        QVector<QVariant> m_values;
    };

    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }
    bool isModified() const { return m_modified; }
    // Fields of the row being edited written since it was last stored (table columns only).
    QList<DataField *> assignedFields() const;
    bool edit();      // false when the before-edit handler refused; an empty set starts an insert
    bool append();
    bool insert();    // before the current row
    bool post();      // false when a before-post or update-data handler refused; row stays in edit
    void cancel();
    void deleteRecord();

    bool hasPendingUpdates() const;
    // Writes every cached insert, change and deletion in one transaction (inside the caller's
    // transaction when there is one). On failure nothing is written, the cache is kept and the
    // driver's text is raised. False when posting the row being edited was refused.
    bool applyUpdates();
    void cancelUpdates();

    Bookmark bookmark() const;
    bool gotoBookmark(const Bookmark &bookmark);
    // Order, e.g. "金额 DESC,id"; kept across requery. Empty text: the statement's order.
    // Rows all in memory are sorted here (stable); a list not fetched to the end is read
    // again in the database's order.
    void setSort(const QString &sortText);
    const QString &sort() const { return m_sortText; }
    bool locate(const QStringList &fieldNames, const QVariantList &values, LocateOptions options = {});
    bool locate(const QString &fieldName, const QVariant &value, LocateOptions options = {});

    // While disabled, bound controls (data sources) hear nothing; enabling tells them once.
    void disableControls() { ++m_disableCount; }
    void enableControls();
    bool controlsDisabled() const { return m_disableCount > 0; }

    void setBeforeEdit(Veto handler) { m_beforeEdit = std::move(handler); }
    void setBeforePost(Veto handler) { m_beforePost = std::move(handler); }
    // Defaults of a new row; its writes do not count as changes (isModified stays false).
    void setOnNewRecord(Handler handler) { m_onNewRecord = std::move(handler); }

Q_SIGNALS:
    void stateChanged(DataSet::State state);
    void afterScroll();                  // another row became current (also on open)
    void afterPost();
    void fieldChanged(DataField *field); // a field of the current row was written
    // For bound controls: a field was written, or (nullptr) the row or the rows changed.
    // Silent while controls are disabled.
    void dataChanged(DataField *field);
    // For models: the rows as a list. Each change of rows is announced before it is made.
    void rowsAboutToBeReset();
    void rowsReset();
    void rowAboutToBeInserted(int row);
    void rowInserted(int row);
    void rowAboutToBeRemoved(int row);
    void rowRemoved(int row);
    void rowChanged(int row);
    // Figures asked for through knownRecordCount / knownColumnTotal are known now.
    void figuresKnown();

private:
    friend class DataField;
    friend class DataSource;

    struct Row
    {
        enum Status { Unchanged, Modified, Inserted };
        quint64 id = 0;
        QVector<QVariant> values;    // memory form
        QVector<QVariant> original;  // as stored, for rows that are in the database
        QBitArray assigned;          // columns written since the row was last stored
        Status status = Unchanged;
        int loadOrder = -1;
    };
    struct Applied;

    void load(bool keepPosition);
    std::unique_ptr<RowCursor> sortedCursor(const QList<ColumnOrigin> &columns) const;
    void fetchPage(int rows);
    void endFetching();
    void countRows();
    void setCount(qint64 total);
    void askFigures(const QString &column) const;
    void takeFigures();
    void dropFigures();
    void addEditedRow(ColumnTotal &total, int index) const;
    QString keyText(const QVector<QVariant> &values, bool stored) const;
    void buildFields(const QList<ColumnOrigin> &columns, const QVector<QVector<QVariant>> &stored);
    void findTable(const QList<ColumnOrigin> &columns);
    Row makeRow(const QVector<QVariant> &stored, int loadOrder);
    QVector<QVariant> memoryValues(const QVector<QVariant> &stored) const;

    void requireActive() const;
    void requireModifiable() const;
    bool checkBrowseMode();
    bool moveTo(int row);
    void setState(State state);
    void restoreUnsaved(const Row &typed, const Row &backup, State editState);
    void beginInsert(int position);
    void applySort();
    int rowIndexOf(quint64 id) const;
    void writeField(DataField *field, const QVariant &value);
    void notifyFieldChange(DataField *field);
    void notifyControls(DataField *field);

    // Statements on the table.
    QSqlQuery run(const QString &sql, const QVariantList &params) const;
    QList<DataField *> writableFields() const;
    qint64 locateStoredRow(const Row &row) const;
    QVector<QVariant> readStoredRow(qint64 rowid) const;
    void insertRow(Row &row);
    void rememberWritten(const Row &row);
    void updateRow(Row &row);
    void deleteStoredRow(const Row &row);
    bool hasChanges(const Row &row) const;
    void mergeApplied(const QList<Applied> &applied, const QList<quint64> &deleted);

    QSqlDatabase m_db;
    bool m_hasDb = false;
    QString m_sql;
    QVariantList m_params;
    QString m_loadedSql;  // the statement the rows came from
    QVariantList m_loadedParams;
    QString m_table;
    bool m_cached = false;
    bool m_readOnly = false;
    bool m_applyPending = false;
    int m_tag = 0;

    QList<DataField *> m_fields;
    QHash<QString, DataField *> m_byName;        // as spelled
    QHash<QString, DataField *> m_byFoldedName;  // case-folded
    QStringList m_resultNames;  // column names as the statement gives them
    QVector<Row> m_rows;
    // Rows not fetched yet (-1: not counted yet) and the statement they come from.
    std::unique_ptr<RowCursor> m_cursor;
    int m_unfetched = 0;
    // Count and totals of a list not read to the end, worked out between events.
    mutable std::unique_ptr<RowFigures> m_figures;
    int m_loaded = 0;
    bool m_sortedByDatabase = false;
    QSet<QString> m_writtenKeys;  // rows this set wrote while rows were still to be fetched
    QVector<Row> m_deleted;
    quint64 m_nextRowId = 1;
    int m_current = -1;
    bool m_bof = true;
    bool m_eof = true;

    State m_state = State::Inactive;
    Row m_backup;
    quint64 m_returnRowId = 0;  // current row before an insert
    bool m_modified = false;
    bool m_inNewRecord = false;
    int m_disableCount = 0;
    QString m_sortText;

    Veto m_beforeEdit;
    Veto m_beforePost;
    Handler m_onNewRecord;
    QList<QPointer<DataSource>> m_sources;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(DataSet::LocateOptions)
