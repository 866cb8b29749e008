#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <memory>

class DataSet;

// The field rows (p_NoteCntlList) of the template on the design page. Every change stays in
// memory until write() stores them all in one transaction; close() and reopening drop them.
class DesignFieldRows : public QObject
{
    Q_OBJECT

public:
    explicit DesignFieldRows(QObject *parent = nullptr);
    ~DesignFieldRows() override;

    // Loads the rows of the template `refNo` in stored order; unsaved changes are dropped.
    void open(const QString &refNo);
    void close();
    bool isOpen() const;
    const QString &refNo() const { return m_refNo; }

    // The Tags in row order (the creation order of the page's controls).
    QList<int> tags() const;
    bool contains(int tag) const;
    QVariant value(int tag, const QString &column) const;
    QString text(int tag, const QString &column) const;
    int integer(int tag, const QString &column) const;
    QRect rect(int tag) const;
    // The whole row, column -> value.
    QVariantMap row(int tag) const;

    // Writes columns of the row `tag`; a Tag without a row is skipped.
    void setValues(int tag, const QVariantMap &columns);
    void setRect(int tag, const QRect &rect);
    // Appends a row (it must carry its Tag).
    void insertRow(const QVariantMap &columns);
    void removeRow(int tag);

    bool hasUnsavedChanges() const;
    // Stores every change in one transaction; raises DatabaseError and keeps the changes when
    // the database refuses.
    void write();

signals:
    // A row's values changed in memory (one signal per row written).
    void rowChanged(int tag);

private:
    bool locate(int tag) const;

    std::unique_ptr<DataSet> m_rows;
    QString m_refNo;
};
