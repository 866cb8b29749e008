#include "designer/properties/TFieldPropertyPanel.h"

#include "core/globals/PubDm.h"
#include "core/template/EditKindIndex.h"
#include "core/template/FieldGeometry.h"
#include "designer/model/AddFieldButtons.h"
#include "designer/model/AddFieldPlacement.h"
#include "designer/model/DesignFieldRows.h"
#include "designer/model/KindChange.h"
#include "designer/model/SizeText.h"
#include "designer/properties/DesignerLists.h"
#include "designer/properties/TSelFieldsForm.h"
#include "designer/surface/TDesignSurface.h"
#include "gui/dialogs/FontDialogs.h"
#include "gui/dialogs/MessageBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {
const QString kYes = QStringLiteral("是");
const QString kNo = QStringLiteral("否");

QString yesNo(bool on)
{
    return on ? kYes : kNo;
}

// What a picker fills when it is chosen for a field of an express waybill.
QString presetPickerFields(const QString &picker)
{
    if (picker == QStringLiteral("选择寄件方"))
        return QStringLiteral("寄件人名称,寄件人地址,寄件人联系人,寄件人电话,寄件手机,寄件人邮编,寄件省,寄件市,寄件区");
    if (picker == QStringLiteral("选择收件方"))
        return QStringLiteral("收件人名称,收件人地址,收件人联系人,收件人电话,收件手机,收件人邮编,收件省,收件市,收件区");
    return {};
}
}

void TFieldPropertyPanel::connectEdits()
{
    // Every selected field.
    const std::pair<QLineEdit *, QString> numbers[] = {{m_x, QStringLiteral("Ctlx")},
                                                       {m_y, QStringLiteral("CtlY")},
                                                       {m_width, QStringLiteral("CtlW")},
                                                       {m_height, QStringLiteral("CtlH")}};
    for (const auto &[edit, column] : numbers) {
        connect(edit, &QLineEdit::textEdited, this, [this, edit = edit, column = column] { applyNumber(edit, column); });
        connect(edit, &QLineEdit::editingFinished, this,
                [this, edit = edit, column = column] { showStoredNumber(edit, column); });
    }
    connect(m_xAlign, &QComboBox::activated, this,
            [this] { applyToSelection({{QStringLiteral("xAlign"), m_xAlign->currentText()}}); });
    connect(m_yAlign, &QComboBox::activated, this,
            [this] { applyToSelection({{QStringLiteral("yAlign"), m_yAlign->currentText()}}); });
    connect(m_needPrint, &QComboBox::activated, this,
            [this] { applyToSelection({{QStringLiteral("NeedPrint"), m_needPrint->currentText()}}); });
    connect(m_needShow, &QComboBox::activated, this,
            [this] { applyToSelection({{QStringLiteral("NeedShow"), m_needShow->currentText()}}); });
    connect(m_kind, &QComboBox::activated, this, [this] { changeKind(m_kind->currentText()); });
    connect(m_font, &QPushButton::clicked, this, &TFieldPropertyPanel::chooseFont);
    connect(m_column, &QComboBox::textActivated, this, &TFieldPropertyPanel::changeColumn);

    // The current field only.
    auto current = [this](const char *column) {
        return [this, column](const QVariant &value) { applyToCurrent({{QLatin1String(column), value}}); };
    };
    connect(m_caption, &QLineEdit::textEdited, this, current("CtlCName"));
    connect(m_captionVisible, &QComboBox::textActivated, this, current("CaptionVisible"));
    connect(m_initType, &QSpinBox::valueChanged, this, current("InitType"));
    connect(m_multiLine, &QCheckBox::toggled, this,
            [this](bool on) { applyToCurrent({{QStringLiteral("MultiLine"), yesNo(on)}}); });
    connect(m_textForm, &QLineEdit::textEdited, this, current("CtlType"));
    connect(m_dropDownName, &QComboBox::currentTextChanged, this, current("DropDownName"));
    connect(m_dropRelComp, &QLineEdit::textEdited, this, current("DropRelComp"));
    connect(m_dropDownLevel, &QSpinBox::valueChanged, this, current("DropDownLevel"));
    connect(m_pickerName, &QComboBox::textActivated, this, &TFieldPropertyPanel::choosePicker);
    connect(m_pickSetFields, &QLineEdit::textEdited, this, current("pickSetFields"));
    connect(m_pickSetFieldsButton, &QPushButton::clicked, this, &TFieldPropertyPanel::choosePickerFields);
    connect(m_digitalCount, &QSpinBox::valueChanged, this, current("DigitalCount"));
    connect(m_fitParam, &QSpinBox::valueChanged, this, current("FitParam"));
    connect(m_gridCal, &QLineEdit::textEdited, this, current("GridCal"));
    connect(m_gridTitleH, &QSpinBox::valueChanged, this, current("GridTitleH"));
    connect(m_gridLineNum, &QSpinBox::valueChanged, this, current("GridLineNum"));
    connect(m_checkColumns, &QSpinBox::valueChanged, this, current("CheckRaidioCols"));
    connect(m_sumField, &QComboBox::currentTextChanged, this, current("SumField"));
    connect(m_addColumn, &QPushButton::clicked, this, &TFieldPropertyPanel::addGridColumn);
}

void TFieldPropertyPanel::applyToSelection(const QVariantMap &columns)
{
    if (m_loading || m_surface->selection().isEmpty())
        return;
    m_surface->applyToSelection(columns);
}

void TFieldPropertyPanel::applyToCurrent(const QVariantMap &columns)
{
    if (m_loading || m_surface->selection().isEmpty() || currentTag() < 0)
        return;
    m_surface->applyToField(currentTag(), columns);
}

namespace {
QRect withNumber(QRect rect, const QString &column, int value)
{
    if (column == QLatin1String("Ctlx"))
        rect.moveLeft(value);
    else if (column == QLatin1String("CtlY"))
        rect.moveTop(value);
    else if (column == QLatin1String("CtlW"))
        rect.setWidth(value);
    else
        rect.setHeight(value);
    return rect;
}

int numberOf(const QRect &rect, const QString &column)
{
    if (column == QLatin1String("Ctlx"))
        return rect.x();
    if (column == QLatin1String("CtlY"))
        return rect.y();
    return column == QLatin1String("CtlW") ? rect.width() : rect.height();
}
} // namespace

void TFieldPropertyPanel::applyNumber(QLineEdit *edit, const QString &column)
{
    // A half-typed number changes nothing; leaving the box shows the stored value again.
    const std::optional<int> value = NumberFromText(edit->text());
    if (!value || m_loading || m_surface->selection().isEmpty())
        return;
    const DesignFieldRows &rows = m_surface->fieldRows();
    for (const int tag : m_surface->selectedTags()) {
        if (const std::optional<QString> fault =
                FieldGeometryFault(withNumber(rows.rect(tag), column, *value), m_surface->pictureSize())) {
            // Refused: the box shows again what is stored.
            showStoredNumber(edit, column);
            ShowMsgHint(*fault);
            return;
        }
    }
    applyToSelection({{column, *value}});
}

void TFieldPropertyPanel::showStoredNumber(QLineEdit *edit, const QString &column)
{
    const int tag = currentTag();
    if (tag < 0 || !m_surface->fieldRows().contains(tag))
        return;
    const QString stored = QString::number(numberOf(m_surface->fieldRows().rect(tag), column));
    if (edit->text() != stored) {
        const QSignalBlocker blocker(edit);
        edit->setText(stored);
    }
}

void TFieldPropertyPanel::changeKind(const QString &newKind)
{
    if (m_loading || m_surface->selection().isEmpty() || currentTag() < 0)
        return;
    const QString oldKind = currentText(QStringLiteral("FieldEditType"));
    if (const std::optional<QString> refusal = KindChangeRefusal(oldKind, newKind)) {
        ShowMsgHint(*refusal);
        const QSignalBlocker blocker(m_kind);
        m_kind->setCurrentIndex(m_kind->findText(oldKind.trimmed()));
        return;
    }
    const DesignFieldRows &rows = m_surface->fieldRows();
    QList<KindChangeField> selected;
    for (const int tag : m_surface->selectedTags())
        selected.append({tag, rows.text(tag, QStringLiteral("FieldEditType")), rows.integer(tag, QStringLiteral("DigitalCount"))});
    for (const KindChangeEffect &effect : KindChangeEffects(selected, newKind)) {
        QVariantMap columns = {{QStringLiteral("FieldEditType"), effect.kind}};
        if (effect.digitalCount)
            columns.insert(QStringLiteral("DigitalCount"), *effect.digitalCount);
        if (effect.needPrint)
            columns.insert(QStringLiteral("NeedPrint"), yesNo(*effect.needPrint));
        if (effect.xAlign)
            columns.insert(QStringLiteral("xAlign"), *effect.xAlign);
        m_surface->applyToField(effect.tag, columns);
    }
    m_listedTag = -1;  // the picker and column lists follow the new kind
    refresh();
}

void TFieldPropertyPanel::changeColumn(const QString &column)
{
    if (m_loading || m_surface->selection().isEmpty())
        return;
    const DesignFieldRows &rows = m_surface->fieldRows();
    for (const int tag : m_surface->selectedTags()) {
        QVariantMap columns = {{QStringLiteral("DbFieldName"), column}};
        // The page shows the column as the caption; a multi-tick field stores it as its name.
        if (rows.text(tag, QStringLiteral("FieldEditType")).trimmed() == EditKindName(ekMultiTick))
            columns.insert(QStringLiteral("CtlCName"), column);
        m_surface->applyToField(tag, columns);
        m_surface->showColumnCaption(tag, column);
    }
}

void TFieldPropertyPanel::chooseFont()
{
    if (m_surface->selection().isEmpty() || currentTag() < 0)
        return;
    const QString chosen = GetFontString(this, currentText(QStringLiteral("CtlFontName")));
    if (!chosen.isEmpty())
        applyToSelection({{QStringLiteral("CtlFontName"), chosen}});
}

void TFieldPropertyPanel::choosePicker(const QString &name)
{
    QVariantMap columns = {{QStringLiteral("PickListName"), name}};
    const QString preset = presetPickerFields(name);
    if (!preset.isEmpty())
        columns.insert(QStringLiteral("pickSetFields"), preset);
    applyToCurrent(columns);
}

void TFieldPropertyPanel::choosePickerFields()
{
    const int tag = currentTag();
    if (tag < 0 || !m_surface->header())
        return;
    const DesignFieldRows &rows = m_surface->fieldRows();
    const int count = DesignerLists::PickerFieldCount(CurAdo, rows.text(tag, QStringLiteral("PickListName")));
    const int parent = rows.integer(tag, QStringLiteral("ParentId"));
    const QString table = parent == 0 ? m_surface->header()->dataTableName : rows.text(parent, QStringLiteral("DbFieldName"));
    const QString answer = SelDbFields(this, table, count, rows.text(tag, QStringLiteral("pickSetFields")));
    if (!answer.isEmpty())
        applyToCurrent({{QStringLiteral("pickSetFields"), answer}});
}

void TFieldPropertyPanel::addGridColumn()
{
    const int grid = currentTag();
    if (m_surface->selection().size() >= 2 || grid < 0
        || currentText(QStringLiteral("FieldEditType")).trimmed() != EditKindName(ekGrid))
        return;
    const QString caption = AddedFieldCaption(kGridColumnCaption, int(m_surface->controls().size()));
    m_surface->addField(ekEditor, QRect(kGridColumnPosition, kGridColumnSize), caption, grid);
}
