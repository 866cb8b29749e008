#include "bills/company/TCompShowForm.h"

#include "bills/company/CompanyEntryRules.h"
#include "bills/pickers/RegionLists.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSource.h"
#include "core/dbfun/CopyTableRowData.h"
#include "gui/dataaware/CheckBoxLink.h"
#include "gui/dataaware/ComboBoxLink.h"
#include "gui/dataaware/LineEditLink.h"
#include "gui/dataaware/PlainTextEditLink.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/grid/SetFormControlStatus.h"
#include "gui/widgets/BarButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kBSelf = QStringLiteral("bSelf");

struct ButtonText
{
    const char16_t *caption;
    const char *name;
};

const ButtonText kButtons[] = {{u"新增(&N)", "NewButton"},  {u"修改(&M)", "EditButton"},
                               {u"保存(&S)", "SaveButton"}, {u"取消(&C)", "CancelButton"},
                               {u"复制(&C)", "CopyButton"}, {u"退出(&X)", "ExitButton"}};

// The boxes of the editor in reading order: label, field, kind.
enum class Box { Line, Combo, Memo, Check };
struct EntryBox
{
    const char16_t *label;
    const char *field;
    Box kind;
};

const EntryBox kBoxes[] = {
    {u"识别号：", "Compid", Box::Line},          {u"单位全称：", "compname", Box::Line},
    {u"开户银行：", "compbankname", Box::Line},  {u"开户行账号：", "compbankcount", Box::Line},
    {u"开户行地址：", "bankaddr", Box::Line},    {u"行号：", "bankNo", Box::Line},
    {u"国家：", "country", Box::Combo},          {u"省：", "province", Box::Combo},
    {u"市县：", "city", Box::Combo},             {u"镇区：", "area", Box::Combo},
    {u"单位地址：", "compaddr", Box::Memo},      {u"邮编：", "mailNO", Box::Line},
    {u"联系人：", "contact", Box::Line},         {u"电话：", "telephone", Box::Line},
    {u"手机：", "phone", Box::Line},             {u"区号：", "Telcode", Box::Line},
    {u"单位分组：", "getgroup", Box::Combo},     {u"其他备注：", "expandmsg", Box::Line},
    {u"自定义1：", "def1", Box::Line},           {u"自定义2：", "def2", Box::Line},
    {u"自定义3：", "def3", Box::Line},           {u"默认开户行：", "isDefault", Box::Check},
    {u"默认寄件地址：", "kdDefault", Box::Check},
};

void refill(QComboBox *box, const QStringList &items)
{
    const QString text = box->currentText();
    box->clear();
    box->addItems(items);
    box->setEditText(text);
}

} // namespace

TCompShowForm::TCompShowForm(QWidget *owner)
    : QDialog(owner), m_entry(new DataSet(this)), m_source(new DataSource(m_entry, this))
{
    setWindowTitle(QStringLiteral("单位资料编辑"));
    m_source->setBrowseReadOnly(true);
    SetCompanyEntryRules(*m_entry);
    buildControls();

    connect(button(NewButton), &QPushButton::clicked, this, [this] { m_entry->append(); });
    connect(button(EditButton), &QPushButton::clicked, this, [this] { m_entry->edit(); });
    connect(button(SaveButton), &QPushButton::clicked, this, &TCompShowForm::save);
    connect(button(CancelButton), &QPushButton::clicked, this, [this] { m_entry->cancel(); });
    connect(button(CopyButton), &QPushButton::clicked, this, &TCompShowForm::copyEntry);
    connect(button(ExitButton), &QPushButton::clicked, this, &QDialog::close);

    connect(m_type, &QComboBox::activated, this, [this](int index) {
        if (!m_source->edit()) {
            showType();
            return;
        }
        m_entry->fieldByName(kBSelf)->setValue(index);
    });
    connect(m_source, &DataSource::dataChanged, this, [this](DataField *field) {
        if (!field || field->name().compare(kBSelf, Qt::CaseInsensitive) == 0)
            showType();
        if (!field || field->name().compare(QStringLiteral("province"), Qt::CaseInsensitive) == 0)
            refillCities();
    });
    connect(m_source, &DataSource::stateChanged, this, &TCompShowForm::updateControls);
    updateControls();
}

TCompShowForm::~TCompShowForm() = default;

void TCompShowForm::buildControls()
{
    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("cbbType"));
    m_type->addItems({QStringLiteral("往来单位"), QStringLiteral("本单位")});

    // Label and box pairs, two to a line; the address takes a line of its own.
    auto *fields = new QGridLayout;
    int line = 0;
    int half = 0;
    const auto place = [&](const QString &label, QWidget *control, bool wide) {
        if (wide && half == 1) {
            ++line;
            half = 0;
        }
        fields->addWidget(new QLabel(label, this), line, half * 2);
        fields->addWidget(control, line, half * 2 + 1, 1, wide ? 3 : 1);
        if (wide || half == 1) {
            ++line;
            half = 0;
        } else {
            half = 1;
        }
    };
    place(QStringLiteral("单位类型："), m_type, false);
    place(QString(), new QWidget(this), false);
    for (const EntryBox &box : kBoxes) {
        const QString field = QLatin1String(box.field);
        QWidget *control = nullptr;
        switch (box.kind) {
        case Box::Line: {
            auto *edit = new QLineEdit(this);
            new LineEditLink(edit, m_source, field);
            control = edit;
            break;
        }
        case Box::Combo: {
            auto *combo = new QComboBox(this);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            new ComboBoxLink(combo, m_source, field);
            control = combo;
            break;
        }
        case Box::Memo: {
            auto *memo = new QPlainTextEdit(this);
            memo->setFixedHeight(48);
            new PlainTextEditLink(memo, m_source, field);
            control = memo;
            break;
        }
        case Box::Check: {
            auto *check = new QCheckBox(this);
            new CheckBoxLink(check, m_source, field);
            control = check;
            break;
        }
        }
        control->setObjectName(field);
        control->setProperty("tag", kFormControlTag);
        place(QString::fromUtf16(box.label), control, box.kind == Box::Memo);
        if (field == QLatin1String("Compid"))
            place(QString(), new QLabel(QStringLiteral("（企业纳税识别号或个人身份证号）"), this), false);
    }
    m_province = findChild<QComboBox *>(QStringLiteral("province"));
    m_city = findChild<QComboBox *>(QStringLiteral("city"));

    auto *buttons = new QHBoxLayout;
    for (const ButtonText &text : kButtons) {
        m_buttons.append(AddBarButton(this, buttons, QString::fromUtf16(text.caption), text.name));
    }
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
}

QPushButton *TCompShowForm::button(Button which) const
{
    return m_buttons.value(which);
}

void TCompShowForm::openEntry(const QSqlDatabase &db, qint64 autoid, bool editing)
{
    m_entry->setConnection(db);
    m_entry->setSql(CompanyEntrySql(), {autoid});
    m_entry->open();
    if (editing)
        m_entry->edit();
    showType();
    refill(m_province, ProvinceList(db));
    refillCities();
    updateControls();
}

void TCompShowForm::save()
{
    if (!m_entry->isEditing())
        return;
    m_entry->fieldByName(kBSelf)->setValue(m_type->currentIndex());
    m_entry->post();
}

void TCompShowForm::copyEntry()
{
    if (m_entry->isEmpty() || m_entry->isEditing())
        return;
    const qint64 source = m_entry->fieldByName(QStringLiteral("autoid"))->asInteger();
    CopyTableRowData(*m_entry, QStringLiteral("bs_complist"), QStringLiteral("autoid"), source, QString(), false,
                     QString());
}

void TCompShowForm::showType()
{
    const DataField *self = m_entry->findField(kBSelf);
    m_type->setCurrentIndex(self && self->asInteger() == 1 ? 1 : 0);
}

void TCompShowForm::refillCities()
{
    if (m_entry->isActive())
        refill(m_city, CityList(m_entry->connection(), m_province->currentText().trimmed()));
}

void TCompShowForm::updateControls()
{
    const bool editing = m_entry->isEditing();
    button(NewButton)->setEnabled(!editing);
    button(EditButton)->setEnabled(!editing);
    button(ExitButton)->setEnabled(!editing);
    button(CopyButton)->setEnabled(!editing && !m_entry->isEmpty());
    button(SaveButton)->setEnabled(editing);
    button(CancelButton)->setEnabled(editing);
    SetFormControlStatus(*m_entry, this);
}

void TCompShowForm::done(int result)
{
    if (m_entry->isEditing()) {
        ShowMsgHint(QStringLiteral("编辑状态下不能直接关闭窗口，请先取消操作或保存操作后再关闭"));
        return;
    }
    QDialog::done(result);
}
