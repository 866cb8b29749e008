#include "gui/TNoteQueryForm.h"

#include "core/db/AdoFunc.h"
#include "core/db/TableCatalog.h"
#include "gui/WidgetBackground.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox *pickList(const QSqlDatabase &db, const QString &sql, const QVariantList &params, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    QStringList items;
    if (!sql.isEmpty())
        SqlAddPickList(db, sql, items, params);
    box->addItems(items);
    box->setCurrentIndex(-1);
    return box;
}

// The region table belongs to the bill form's drop-down lists; without it the lists stay empty.
QComboBox *regionList(const QSqlDatabase &db, const QString &type, QWidget *parent)
{
    const bool present = IsTableExists(db, QStringLiteral("dmtable2"));
    return pickList(db, present ? QStringLiteral("select distinct 一级代码 from dmtable2 where 类型 = ? order by 一级代码") : QString(),
                    {type}, parent);
}

} // namespace

TNoteQueryForm::TNoteQueryForm(const QSqlDatabase &db, QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("NoteQueryForm"));
    setWindowTitle(QStringLiteral("单据查询"));
    setFixedSize(298, 212);
    FillBackground(this, QColor(0xA6, 0xCA, 0xF0));

    NoteTypeComboBox = pickList(db, QStringLiteral("select PrintName from s_PrintType order by id"), {}, this);
    NoteTypeComboBox->setObjectName(QStringLiteral("NoteTypeComboBox"));
    NameEdit = new QLineEdit(this);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    AreaComboBox = regionList(db, QStringLiteral("省市"), this);
    AreaComboBox->setObjectName(QStringLiteral("AreaComboBox"));
    BankComboBox = regionList(db, QStringLiteral("银行"), this);
    BankComboBox->setObjectName(QStringLiteral("BankComboBox"));
    OnlyCheckBox = new QCheckBox(QStringLiteral("只显示单据的一种打印格式"), this);
    OnlyCheckBox->setObjectName(QStringLiteral("OnlyCheckBox"));
    OnlyCheckBox->setChecked(true);
    OkButton = new QPushButton(QStringLiteral("确定"), this);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("取消"), this);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("单据类别："), NoteTypeComboBox);
    fields->addRow(QStringLiteral("单据名称："), NameEdit);
    fields->addRow(QStringLiteral("地区："), AreaComboBox);
    fields->addRow(QStringLiteral("银行："), BankComboBox);
    fields->addRow(QString(), OnlyCheckBox);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);
}

NoteQuery TNoteQueryForm::query() const
{
    NoteQuery query;
    query.noteType = NoteTypeComboBox->currentText();
    query.noteName = NameEdit->text();
    query.area = AreaComboBox->currentText();
    query.bank = BankComboBox->currentText();
    query.onlyOne = OnlyCheckBox->isChecked();
    return query;
}

bool GetNoteQuery(const QSqlDatabase &db, QWidget *owner, NoteQuery &query)
{
    TNoteQueryForm form(db, owner);
    if (owner)
        form.move(owner->mapToGlobal(owner->rect().center()) - form.rect().center());
    if (form.exec() != QDialog::Accepted)
        return false;
    query = form.query();
    return true;
}
