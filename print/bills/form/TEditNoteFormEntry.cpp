// What the bill form adds to the bound controls while the user fills a bill in.
#include "bills/form/BillFormData.h"
#include "bills/form/EntryCells.h"
#include "bills/form/MultiCheckRules.h"
#include "bills/pickers/PickData.h"
#include "bills/pickers/PickResult.h"
#include "bills/pickers/RegionLists.h"
#include "bills/form/SurfaceProperties.h"
#include "bills/form/TEditNoteForm.h"

#include "core/bfun/DetailSums.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSource.h"
#include "core/db/AdoFunc.h"
#include "core/db/TableCatalog.h"
#include "core/dbfun/BillColumns.h"
#include "gui/dataaware/LineEditLink.h"
#include "gui/dialogs/MessageSeam.h"
#include "tav/TtavCurrencyLabel.h"
#include "tav/TtavDBCurrencyEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace {

QString fieldOf(const QObject *control)
{
    return control->property(kFieldProperty).toString();
}

bool sameField(const QObject *control, const DataField *field)
{
    return !field || fieldOf(control).compare(field->name(), Qt::CaseInsensitive) == 0;
}

} // namespace

bool TEditNoteForm::headerEdit()
{
    if (!QueryHea->isActive())
        return false;
    return QueryHea->isEditing() || QueryHea->edit();
}

void TEditNoteForm::HsrcDataChange(DataField *field)
{
    if (!field) {
        refreshRecordDisplay();
        updateBillStates();
        return;
    }
    followBillStates();
}

const BillFieldFill &TEditNoteForm::fillOf(const QString &table)
{
    auto found = m_fills.find(table);
    if (found == m_fills.end())
        found = m_fills.emplace(table, BillFieldFill(connection(), table)).first;
    return found->second;
}

// The rules of the bill's table and of its grids' tables, read now rather than at a key.
void TEditNoteForm::readFieldRules()
{
    m_fills.clear();
    if (!m_formatExists)
        return;
    if (!m_format.note.dataTableName.isEmpty())
        fillOf(m_format.note.dataTableName);
    for (const DetailGrid &grid : std::as_const(m_grids))
        if (!grid.table.isEmpty())
            fillOf(grid.table);
}

void TEditNoteForm::indexControl(QWidget *control)
{
    const QString field = control->property(kFieldProperty).toString();
    if (!field.isEmpty())
        m_controlsByField[field.toCaseFolded()].append(control);
}

// The indexed controls of a field in the order built; every control of the surface for none.
QList<QWidget *> TEditNoteForm::controlsOf(const DataField *field) const
{
    if (!field)
        return pnlPage->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QList<QWidget *> controls;
    for (const QPointer<QWidget> &control : m_controlsByField.value(field->foldedName()))
        if (control)
            controls.append(control);
    return controls;
}

void TEditNoteForm::fillDerivedColumns(DataSet &dataSet, const QString &table, DataField *changed)
{
    if (changed && FieldChange)
        fillOf(table).fieldChanged(dataSet, changed);
}

void TEditNoteForm::QueryHeaFieldChanged(DataField *field)
{
    if (m_ready)
        fillDerivedColumns(*QueryHea, m_format.note.dataTableName, field);
    TavCurrencyChange(field);
    if (!m_building)
        TableStrFieldChange(field);
    for (QWidget *control : controlsOf(field))
        if (auto *box = qobject_cast<QCheckBox *>(control); box && box->property(kTickKindProperty).isValid() && sameField(box, field)) {
            SetMultiCheckValue();
            break;
        }
}

// Amount boxes turn red when the integer part does not fit their cells and keep the currency
// symbol only while a cell is free for it.
void TEditNoteForm::TavCurrencyChange(DataField *field)
{
    for (QWidget *control : controlsOf(field)) {
        auto *box = qobject_cast<TtavDBCurrencyEdit *>(control);
        if (!box || box->DataField().isEmpty() || !sameField(box, field) || !QueryHea->isActive())
            continue;
        const DataField *bound = QueryHea->findField(box->DataField());
        if (!bound)
            continue;
        const AmountBoxLook look = AmountBoxLookFor(bound->asFloat(), box->DigitalNumber(), box->DecimalNumber());
        box->SetColor(look.overflow ? Qt::red : Qt::white);
        box->SetCurrencySymbol(look.showSymbol ? QStringLiteral("\uFFE5") : QString());
    }
}

void TEditNoteForm::fillSpacedString(TtavCurrencyLabel *label, const QString &text)
{
    label->SetDigitalSymbols(SpacedStringSymbols(text, label->DigitalNumber()));
}

void TEditNoteForm::TableStrFieldChange(DataField *field)
{
    for (QWidget *control : controlsOf(field)) {
        auto *label = qobject_cast<TtavCurrencyLabel *>(control);
        if (!label)
            continue;
        const QString name = fieldOf(label);
        if (name.isEmpty() || !sameField(label, field))
            continue;
        const DataField *bound = QueryHea->isActive() ? QueryHea->findField(name) : nullptr;
        fillSpacedString(label, bound ? bound->asString() : QString());
        if (field)
            return;
    }
}

// A spaced string is typed into an edit laid over its cells while it has the focus.
void TEditNoteForm::TavEditEnter(TtavCurrencyLabel *label)
{
    auto *edit = new QLineEdit(pnlPage);
    edit->setGeometry(label->geometry());
    edit->setFont(label->font());
    edit->setStyleSheet(QStringLiteral("QLineEdit { background-color: #FFFBF0; }"));
    new LineEditLink(edit, Hsrc, fieldOf(label));
    label->hide();
    edit->show();
    edit->setFocus(Qt::MouseFocusReason);
    connect(edit, &QLineEdit::editingFinished, this, [edit, label] {
        if (edit->property("closing").toBool())
            return;
        edit->setProperty("closing", true);
        label->show();
        edit->deleteLater();
    });
}

void TEditNoteForm::AmountEditClick(QLineEdit *edit)
{
    const QString amountField = edit->property(kAmountFieldProperty).toString();
    if (fieldOf(edit) == CapitalAmountColumn(amountField) && edit->findChild<LineEditLink *>()) {
        delete edit->findChild<LineEditLink *>();
        new LineEditLink(edit, Hsrc, amountField);
        edit->setProperty(kFieldProperty, amountField);
        edit->setReadOnly(false);
    }
}

void TEditNoteForm::AmountEditOnExit(QLineEdit *edit)
{
    const QString amountField = edit->property(kAmountFieldProperty).toString();
    if (fieldOf(edit) != amountField)
        return;
    delete edit->findChild<LineEditLink *>();
    const QString capital = CapitalAmountColumn(amountField);
    new LineEditLink(edit, Hsrc, capital);
    edit->setProperty(kFieldProperty, capital);
    edit->setReadOnly(true);
}

bool TEditNoteForm::eventFilter(QObject *watched, QEvent *event)
{
    if (offsetEditKeyReleased(watched, event))
        return false;
    if (watched == centre && event->type() == QEvent::Resize)
        ChangeEditPosition();
    if (refusesMinusKey(watched, event))
        return true;
    if (auto *label = qobject_cast<TtavCurrencyLabel *>(watched); label && event->type() == QEvent::MouseButtonPress) {
        TavEditEnter(label);
        return true;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(watched); edit && edit == m_amountEntryEdit) {
        if (event->type() == QEvent::MouseButtonPress)
            AmountEditClick(edit);
        else if (event->type() == QEvent::FocusOut)
            AmountEditOnExit(edit);
    }
    return QWidget::eventFilter(watched, event);
}

void TEditNoteForm::MultiCheckClick(QCheckBox *box)
{
    const QString name = fieldOf(box);
    DataField *field = QueryHea->isActive() ? QueryHea->findField(name) : nullptr;
    if (!field || !headerEdit()) {
        SetMultiCheckValue();
        return;
    }
    QList<QCheckBox *> group;
    for (QCheckBox *other : pnlPage->findChildren<QCheckBox *>(Qt::FindDirectChildrenOnly))
        if (other->property(kTickKindProperty).toInt() == 0 && other->property(kTickKindProperty).isValid()
            && fieldOf(other).compare(name, Qt::CaseInsensitive) == 0)
            group.append(other);
    if (group.size() == 1) {
        field->setValue(box->isChecked() ? box->text() : QString());
        return;
    }
    box->setChecked(true);
    for (QCheckBox *other : std::as_const(group))
        if (other->text() != box->text())
            other->setChecked(false);
    field->setValue(box->text());
}

void TEditNoteForm::MultiCheckClick2(QCheckBox *box)
{
    DataField *field = QueryHea->isActive() ? QueryHea->findField(fieldOf(box)) : nullptr;
    if (!field || !headerEdit()) {
        SetMultiCheckValue();
        return;
    }
    field->setValue(BitTickValue(field->value(), box->text(), box->isChecked()));
}

void TEditNoteForm::SetMultiCheckValue()
{
    for (QCheckBox *box : pnlPage->findChildren<QCheckBox *>(Qt::FindDirectChildrenOnly)) {
        const QVariant kind = box->property(kTickKindProperty);
        if (!kind.isValid())
            continue;
        const DataField *field = QueryHea->isActive() ? QueryHea->findField(fieldOf(box)) : nullptr;
        const QVariant value = field ? field->value() : QVariant();
        box->setChecked(kind.toInt() == 0 ? IsCaptionTicked(box->text(), value.toString()) : IsBitTicked(value, box->text()));
    }
}

// The city list of the drop-down that depends on this province drop-down.
void TEditNoteForm::refillCities(QComboBox *province)
{
    const QString cityField = province->property(kCityFieldProperty).toString();
    QComboBox *city = cityField.isEmpty() ? nullptr : FindCompByFieldName(cityField);
    if (!city)
        return;
    const QString shown = city->currentText();
    city->clear();
    city->addItems(CityList(connection(), province->currentText()));
    city->setEditText(shown);
}

// The picker of the field's list; its values go into the fields the template names, in order
// (names the bill lacks are skipped). An audited bill ignores the button.
void TEditNoteForm::RzDbEditButtonClick(QLineEdit *edit)
{
    if (!QueryHea->isActive() || QueryHea->isEmpty()
        || QueryHea->fieldByName(QStringLiteral("Flag"))->asInteger() == 1)
        return;
    const QSqlDatabase db = connection();
    const int number = BillFormData(db).pickerNumber(edit->property(kPickListProperty).toString());
    const QString result = GetPickData(db, this, number);
    if (result.isEmpty() || !headerEdit())
        return;
    const QStringList targets = edit->property(kPickFieldsProperty).toString().split(QLatin1Char(','));
    const QStringList values = SplitPickValues(result);
    for (int i = 0; i < values.size() && i < targets.size(); ++i)
        if (DataField *target = QueryHea->findField(targets.at(i).trimmed()))
            target->setValue(values.at(i).trimmed());
}

void TEditNoteForm::DtlTableNewRecord(const DetailGrid &grid)
{
    const DataField *refNo = QueryHea->isActive() ? QueryHea->findField(QStringLiteral("RefNo")) : nullptr;
    if (DataField *detailRefNo = grid.query->findField(QStringLiteral("Refno")); detailRefNo && refNo)
        detailRefNo->setValue(refNo->value());
    headerEdit();
}

void TEditNoteForm::DtlTableAfterPost(const DetailGrid &grid)
{
    QStringList items;
    for (const TemplateField &column : std::as_const(m_format.fields))
        if (column.parentId == grid.tag && !column.sumField.trimmed().isEmpty())
            items.append(QStringLiteral("%1:%2").arg(column.sumField.trimmed(), column.dbFieldName));
    if (items.isEmpty() || !headerEdit())
        return;
    SumDtlToMainTable(*QueryHea, *grid.query, items.join(QLatin1Char(';')));
}

bool TEditNoteForm::DetailDataUpdate(const DetailGrid &grid)
{
    const QString table = m_format.note.dataTableName;
    if (table != QStringLiteral("出货单") && table != QStringLiteral("进仓单"))
        return true;
    const DataField *code = grid.query->findField(QStringLiteral("产品编号"));
    const QSqlDatabase db = connection();
    if (code && BillFormData(db).isProductCode(code->asString()))
        return true;
    MessageRequest request;
    request.icon = QMessageBox::Critical;
    request.title = QStringLiteral("错误");
    request.text = QStringLiteral("产品编号不正确");
    MessageSeam::ask(request);
    return false;
}
