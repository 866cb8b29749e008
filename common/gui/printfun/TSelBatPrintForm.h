#pragma once

#include <QDialog>
#include <QSqlDatabase>

class QComboBox;

// "选择打印": a format of the category and a printer for printing.
class TSelBatPrintForm : public QDialog
{
    Q_OBJECT

public:
    TSelBatPrintForm(const QStringList &formats, const QString &format, const QStringList &printers,
                     const QString &printer, QWidget *parent = nullptr);

    // "format;printer".
    QString choice() const;
    QComboBox *formatBox() const { return m_formats; }
    QComboBox *printerBox() const { return m_printers; }

public Q_SLOTS:
    // 确定: refused with a message while the format or the printer is empty.
    void accept() override;

private:
    QComboBox *m_formats;
    QComboBox *m_printers;
};

// The format and printer to print with, as "format;printer": at once when the format's category
// holds no other format and a printer is given, else chosen in the dialog (empty on 取消).
QString GetBatchPrt(const QSqlDatabase &db, const QString &noteName, const QString &printer,
                    QWidget *parent = nullptr);
