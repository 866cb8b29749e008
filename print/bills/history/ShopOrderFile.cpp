#include "bills/history/ShopOrderFile.h"

#include "core/errors/CorvaneError.h"

#include <QFile>
#include <QStringDecoder>

namespace {

// ="0123…": the shop's guard that keeps a spreadsheet from turning a long number into a float.
QString unguarded(const QString &cell)
{
    if (cell.size() >= 3 && cell.startsWith(QLatin1String("=\"")) && cell.endsWith(u'"'))
        return cell.mid(2, cell.size() - 3);
    return cell;
}

bool holdsAnything(const QStringList &record)
{
    return std::any_of(record.cbegin(), record.cend(), [](const QString &cell) { return !cell.trimmed().isEmpty(); });
}

}  // namespace

QString DecodeShopOrderText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder gb18030("GB18030");
    return gb18030.decode(bytes);
}

QList<QStringList> SplitCsvRecords(const QString &text)
{
    QList<QStringList> records;
    QStringList record;
    QString cell;
    bool quoted = false;    // inside a quoted cell
    bool cellStarted = false;
    const auto endCell = [&] {
        record.append(cell);
        cell.clear();
        cellStarted = false;
    };
    const auto endRecord = [&] {
        endCell();
        records.append(record);
        record.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text.at(i + 1) == u'"') {
                    cell += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += c;
            }
            continue;
        }
        if (c == u'"' && !cellStarted) {
            quoted = true;
            cellStarted = true;
        } else if (c == u',') {
            endCell();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            endRecord();
        } else {
            cell += c;
            cellStarted = true;
        }
    }
    if (cellStarted || !cell.isEmpty() || !record.isEmpty())
        endRecord();
    return records;
}

ShopOrderFile ReadShopOrderFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CorvaneError(QStringLiteral("不能读取文件%1").arg(path));
    const QList<QStringList> records = SplitCsvRecords(DecodeShopOrderText(file.readAll()));
    ShopOrderFile orders;
    if (records.isEmpty())
        return orders;
    for (QString cell : records.first())
        orders.header.append(cell.remove(u'"').trimmed());
    for (qsizetype i = 1; i < records.size(); ++i) {
        if (!holdsAnything(records.at(i)))
            continue;
        QStringList order;
        for (const QString &cell : records.at(i))
            order.append(unguarded(cell.trimmed()).trimmed());
        orders.orders.append(order);
    }
    return orders;
}
