#include "core/db/ColumnKind.h"

#include <QHash>

ColumnKind ColumnKindFromDeclaredType(const QString &declaredType)
{
    // The type name without its size: "varchar(50)" -> "VARCHAR", "double precision" -> "DOUBLE PRECISION".
    QString name = declaredType.section('(', 0, 0).simplified().toUpper();
    static const QHash<QString, ColumnKind> kinds = {
        {QStringLiteral("VARCHAR"), ColumnKind::String},   {QStringLiteral("CHAR"), ColumnKind::String},
        {QStringLiteral("NVARCHAR"), ColumnKind::String},  {QStringLiteral("NCHAR"), ColumnKind::String},
        {QStringLiteral("CHARACTER"), ColumnKind::String}, {QStringLiteral("TEXT"), ColumnKind::Memo},
        {QStringLiteral("MEMO"), ColumnKind::Memo},        {QStringLiteral("CLOB"), ColumnKind::Memo},
        {QStringLiteral("INT"), ColumnKind::Integer},      {QStringLiteral("INTEGER"), ColumnKind::Integer},
        {QStringLiteral("SMALLINT"), ColumnKind::Integer}, {QStringLiteral("TINYINT"), ColumnKind::Integer},
        {QStringLiteral("BIGINT"), ColumnKind::Integer},   {QStringLiteral("LONG"), ColumnKind::Integer},
        {QStringLiteral("FLOAT"), ColumnKind::Float},      {QStringLiteral("REAL"), ColumnKind::Float},
        {QStringLiteral("DOUBLE"), ColumnKind::Float},     {QStringLiteral("DOUBLE PRECISION"), ColumnKind::Float},
        {QStringLiteral("MONEY"), ColumnKind::Currency},   {QStringLiteral("CURRENCY"), ColumnKind::Currency},
        {QStringLiteral("DECIMAL"), ColumnKind::Decimal},  {QStringLiteral("NUMERIC"), ColumnKind::Decimal},
        {QStringLiteral("DATE"), ColumnKind::Date},        {QStringLiteral("DATETIME"), ColumnKind::DateTime},
        {QStringLiteral("TIMESTAMP"), ColumnKind::DateTime}, {QStringLiteral("TIME"), ColumnKind::Time},
        {QStringLiteral("BIT"), ColumnKind::Boolean},      {QStringLiteral("BOOLEAN"), ColumnKind::Boolean},
        {QStringLiteral("BOOL"), ColumnKind::Boolean},     {QStringLiteral("YESNO"), ColumnKind::Boolean},
        {QStringLiteral("BLOB"), ColumnKind::Blob},        {QStringLiteral("IMAGE"), ColumnKind::Blob},
        // Names other databases and older files use for the same kinds.
        {QStringLiteral("SMALLMONEY"), ColumnKind::Currency}, {QStringLiteral("SMALLDATETIME"), ColumnKind::DateTime},
        {QStringLiteral("LOGICAL"), ColumnKind::Boolean},  {QStringLiteral("MEDIUMINT"), ColumnKind::Integer},
        {QStringLiteral("COUNTER"), ColumnKind::Integer},  {QStringLiteral("AUTOINCREMENT"), ColumnKind::Integer},
        {QStringLiteral("BYTE"), ColumnKind::Integer},     {QStringLiteral("INT2"), ColumnKind::Integer},
        {QStringLiteral("INT4"), ColumnKind::Integer},     {QStringLiteral("INT8"), ColumnKind::Integer},
        {QStringLiteral("SINGLE"), ColumnKind::Float},     {QStringLiteral("NOTE"), ColumnKind::Memo},
        {QStringLiteral("STRING"), ColumnKind::String},    {QStringLiteral("LONGTEXT"), ColumnKind::Memo},
        {QStringLiteral("LONGBINARY"), ColumnKind::Blob},  {QStringLiteral("BINARY"), ColumnKind::Blob},
        {QStringLiteral("VARBINARY"), ColumnKind::Blob},   {QStringLiteral("OLEOBJECT"), ColumnKind::Blob},
        {QStringLiteral("GENERAL"), ColumnKind::Blob},
    };
    if (name.startsWith(QLatin1String("UNSIGNED ")))
        name = name.mid(9);
    return kinds.value(name, ColumnKind::Other);
}

bool IsNumericColumnKind(ColumnKind kind)
{
    return kind == ColumnKind::Integer || kind == ColumnKind::Float || kind == ColumnKind::Currency
        || kind == ColumnKind::Decimal;
}
