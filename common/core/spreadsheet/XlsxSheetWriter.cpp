#include "core/spreadsheet/XlsxSheetWriter.h"

#include "core/files/DurableFile.h"
#include "core/spreadsheet/ExcelSerialDate.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cmath>

#include <xlsxwriter.h>

namespace {
struct Formats
{
    explicit Formats(lxw_workbook *workbook)
        : wrapped(workbook_add_format(workbook)), date(workbook_add_format(workbook)),
          dateTime(workbook_add_format(workbook)), time(workbook_add_format(workbook)),
          amount(workbook_add_format(workbook))
    {
        format_set_text_wrap(wrapped);
        format_set_num_format(date, "yyyy-mm-dd");
        format_set_num_format(dateTime, "yyyy-mm-dd hh:mm:ss");
        format_set_num_format(time, "hh:mm:ss");
        format_set_num_format(amount, "0.00");
    }

    lxw_format *ofDate(SheetCell::Kind kind) const
    {
        return kind == SheetCell::Kind::Date ? date : kind == SheetCell::Kind::Time ? time : dateTime;
    }

    lxw_format *wrapped, *date, *dateTime, *time, *amount;
};

lxw_error writeText(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t column, QString text, const Formats &formats)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const bool multiLine = text.contains(QLatin1Char('\n'));
    return worksheet_write_string(sheet, row, column, text.toUtf8().constData(), multiLine ? formats.wrapped : nullptr);
}

lxw_error writeCell(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t column, const SheetCell &cell, const Formats &formats)
{
    switch (cell.kind()) {
    case SheetCell::Kind::Empty:
        return LXW_NO_ERROR;
    case SheetCell::Kind::Number:
        if (!std::isfinite(cell.numberValue())) // no number the file can hold
            return writeText(sheet, row, column, cell.toText(), formats);
        return worksheet_write_number(sheet, row, column, cell.numberValue(), cell.isAmount() ? formats.amount : nullptr);
    case SheetCell::Kind::Boolean:
        return worksheet_write_boolean(sheet, row, column, cell.booleanValue(), nullptr);
    case SheetCell::Kind::Date:
    case SheetCell::Kind::DateTime:
    case SheetCell::Kind::Time:
        if (const std::optional<double> serial = SerialFromCell(cell))
            return worksheet_write_number(sheet, row, column, *serial, formats.ofDate(cell.kind()));
        return writeText(sheet, row, column, cell.toText(), formats); // before 1900
    case SheetCell::Kind::Text:
    case SheetCell::Kind::Error:
        return writeText(sheet, row, column, cell.textValue(), formats);
    }
    return LXW_NO_ERROR;
}

QString reasonOfCell(lxw_error error, qsizetype row, qsizetype column)
{
    if (error == LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE)
        return QStringLiteral("数据超出Excel工作表的范围（最多1048576行、16384列）");
    if (error == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED)
        return QStringLiteral("第%1行第%2列的文字超过32767个字符，Excel不能保存").arg(row + 1).arg(column + 1);
    return QStringLiteral("写入第%1行第%2列失败：%3").arg(row + 1).arg(column + 1).arg(QString::fromUtf8(lxw_strerror(error)));
}

// Fills the workbook; the first failure's reason, or nothing.
QString fillSheet(lxw_workbook *workbook, const QStringList &headerLabels, const SheetRowSource &nextRow,
                  const QString &sheetName)
{
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, sheetName.toUtf8().constData());
    if (!sheet)
        return QStringLiteral("工作表名称“%1”不能用于Excel文件").arg(sheetName);
    const Formats formats(workbook);
    for (qsizetype column = 0; column < headerLabels.size(); ++column) {
        if (headerLabels[column].isEmpty())
            continue;
        if (const lxw_error error = writeText(sheet, 0, lxw_col_t(column), headerLabels[column], formats))
            return reasonOfCell(error, 0, column);
    }
    QList<SheetCell> cells;
    for (qsizetype sheetRow = 1; nextRow(cells); ++sheetRow) {
        if (sheetRow >= LXW_ROW_MAX)
            return reasonOfCell(LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE, sheetRow, 0);
        for (qsizetype column = 0; column < cells.size(); ++column) {
            if (const lxw_error error = writeCell(sheet, lxw_row_t(sheetRow), lxw_col_t(column), cells[column], formats))
                return reasonOfCell(error, sheetRow, column);
        }
    }
    return {};
}
} // namespace

SheetWriteResult WriteXlsxSheet(const QString &path, const QStringList &headerLabels,
                                const QList<QList<SheetCell>> &rows, const QString &sheetName)
{
    qsizetype next = 0;
    return WriteXlsxSheetRows(path, headerLabels, [&](QList<SheetCell> &row) {
        if (next == rows.size())
            return false;
        row = rows[next++];
        return true;
    }, sheetName);
}

SheetWriteResult WriteXlsxSheetRows(const QString &path, const QStringList &headerLabels, const SheetRowSource &nextRow,
                                    const QString &sheetName)
{
    const QFileInfo given(path);
    const QFileInfo target(given.isSymLink() ? given.symLinkTarget() : path); // replace what the link points to
    const QString shownPath = QDir::toNativeSeparators(target.absoluteFilePath());
    if (target.isDir())
        return SheetWriteResult::failure(QStringLiteral("无法写入文件%1：同名文件夹已存在").arg(shownPath));
    // What an earlier export killed in this folder left behind goes first.
    RemoveStaleStagingFiles(target.absolutePath());
    QTemporaryFile temporary(StagingPrefixBeside(target.absoluteFilePath()) + QStringLiteral("XXXXXX"));
    if (!temporary.open())
        return SheetWriteResult::failure(QStringLiteral("无法写入文件%1：文件夹不存在或没有写入权限").arg(shownPath));
    temporary.close(); // the library opens it by name

    // Each row goes to the file once written (texts inline): the sheet never sits in memory.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook *workbook = workbook_new_opt(QFile::encodeName(temporary.fileName()).constData(), &options);
    if (!workbook)
        return SheetWriteResult::failure(QStringLiteral("无法写入文件%1").arg(shownPath));
    const QString problem = fillSheet(workbook, headerLabels, nextRow, sheetName);
    const lxw_error closed = workbook_close(workbook);
    if (!problem.isEmpty())
        return SheetWriteResult::failure(problem);
    if (closed != LXW_NO_ERROR)
        return SheetWriteResult::failure(
            QStringLiteral("无法写入文件%1：%2").arg(shownPath, QString::fromUtf8(lxw_strerror(closed))));

    if (!temporary.setPermissions(target.exists() ? target.permissions()
                                                  : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                                        | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther))
        return SheetWriteResult::failure(QStringLiteral("无法写入文件%1").arg(shownPath));
    // On the disk before it takes the old file's place: a crash then leaves the old file or the whole new one.
    if (const QString unsynced = SyncFile(temporary.fileName(), target.absoluteFilePath()); !unsynced.isEmpty())
        return SheetWriteResult::failure(unsynced);
    QString unflushed;
    if (const QString unplaced = RenameDurably(temporary.fileName(), target.absoluteFilePath(), &unflushed); !unplaced.isEmpty())
        return SheetWriteResult::failure(unplaced);
    temporary.setAutoRemove(false);
    // The new file is in place but may not outlast a crash: the user must not take it as saved.
    if (!unflushed.isEmpty())
        return SheetWriteResult::failure(UnconfirmedWriteFailure(shownPath, unflushed));
    return SheetWriteResult::success();
}
