#pragma once

#include <QDialog>

class QCheckBox;
class QListWidget;

// "选择打印机": the installed printers with the given one selected.
class TSelPrinterForm : public QDialog
{
    Q_OBJECT

public:
    TSelPrinterForm(const QStringList &printers, const QString &current, QWidget *parent = nullptr);

    QString selectedPrinter() const;
    QListWidget *printerList() const { return m_list; }

public Q_SLOTS:
    // 确定: refused with a message while no printer is selected.
    void accept() override;

private:
    QListWidget *m_list;
    QCheckBox *m_makeDefault;
};

// Shows the dialog; the chosen printer, or the empty text on 取消.
QString SelectPrinter(const QString &current, QWidget *parent = nullptr);
