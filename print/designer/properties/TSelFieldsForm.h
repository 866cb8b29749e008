#pragma once

#include "designer/model/FieldChooserList.h"

#include <QDialog>

class QListWidget;

// The field chooser "选择字段": the columns a picker fills, chosen from the table's text, amount
// and decimal columns, in the order the user lists them. 确定 needs exactly `count` columns.
class TSelFieldsForm : public QDialog
{
    Q_OBJECT

public:
    TSelFieldsForm(const QStringList &available, int count, const QString &current, QWidget *parent = nullptr);

    QString answer() const { return m_chosen.answer(); }

    void done(int result) override;

private:
    void addSelected();
    void removeSelected();
    void showChosen();

    FieldChooserList m_chosen;
    int m_count;
    QListWidget *m_available;
    QListWidget *m_chosenList;
};

// Shows the chooser for the columns of `table`; the chosen columns joined by ",", or the empty
// text on 取消.
QString SelDbFields(QWidget *owner, const QString &table, int count, const QString &current);
