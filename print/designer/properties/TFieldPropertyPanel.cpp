#include "designer/properties/TFieldPropertyPanel.h"

#include "core/dbfun/EditKinds.h"
#include "core/globals/PubDm.h"
#include "core/template/EditKindIndex.h"
#include "designer/model/DesignFieldRows.h"
#include "designer/properties/DesignerLists.h"
#include "designer/surface/TDesignSurface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QString kYes = QStringLiteral("是");
const QString kNo = QStringLiteral("否");

template <class Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QComboBox *yesNoBox(const char *name)
{
    auto *box = named(new QComboBox, name);
    box->addItems({kYes, kNo});
    return box;
}

QSpinBox *spinBox(const char *name, int minimum, int maximum)
{
    auto *box = named(new QSpinBox, name);
    box->setRange(minimum, maximum);
    return box;
}

QWidget *subPanel(const char *name, QFormLayout *&form)
{
    auto *panel = named(new QWidget, name);
    form = new QFormLayout(panel);
    form->setContentsMargins(0, 0, 0, 0);
    return panel;
}

} // namespace

TFieldPropertyPanel::TFieldPropertyPanel(TDesignSurface *surface, QWidget *parent) : QWidget(parent), m_surface(surface)
{
    setObjectName(QStringLiteral("pnlDetail"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildGeneral());
    layout->addWidget(buildDropDownPanel());
    layout->addWidget(buildPickerPanel());
    layout->addWidget(buildCellsPanel());
    layout->addWidget(buildGridPanel());
    layout->addWidget(buildCheckColumnsPanel());
    layout->addWidget(buildSumFieldPanel());
    layout->addWidget(buildAlignPanel());
    layout->addStretch();
    connectEdits();

    connect(m_surface, &TDesignSurface::selectionChanged, this, &TFieldPropertyPanel::followSelection);
    connect(m_surface, &TDesignSurface::currentFieldChanged, this, &TFieldPropertyPanel::refresh);
    connect(m_surface, &TDesignSurface::templateOpened, this, [this] {
        m_listedTag = -1;
        refresh();
    });
    connect(m_surface, &TDesignSurface::fieldsChanged, this, &TFieldPropertyPanel::refresh);
    followSelection();
}

QWidget *TFieldPropertyPanel::buildGeneral()
{
    auto *general = new QWidget;
    auto *form = new QFormLayout(general);
    form->setContentsMargins(0, 0, 0, 0);
    m_tag = named(new QLabel, "TagLabel");
    m_caption = named(new QLineEdit, "CtlCNameEdit");
    m_columnLabel = named(new QLabel(QStringLiteral("对应字段")), "lblFieldNameLabel");
    m_column = named(new QComboBox, "FieldsListEdit");
    m_column->setEditable(true);
    m_x = named(new QLineEdit, "CtlxEdit");
    m_y = named(new QLineEdit, "CtlYEdit");
    m_width = named(new QLineEdit, "CtlWEdit");
    m_height = named(new QLineEdit, "CtlHEdit");
    m_xAlign = named(new QComboBox, "xAlignBox");
    m_xAlign->addItems({QStringLiteral("居左"), QStringLiteral("居中"), QStringLiteral("居右")});
    m_yAlign = named(new QComboBox, "yAlignBox");
    m_yAlign->addItems({QStringLiteral("居中"), QStringLiteral("居上"), QStringLiteral("居下")});
    m_needPrint = yesNoBox("NeedPrintBox");
    m_needShow = yesNoBox("NeedShowBox");
    m_kind = named(new QComboBox, "EditTypeBox");
    for (const QString &kind : array_Component_EditType)
        m_kind->addItem(kind);
    m_font = named(new QPushButton(QStringLiteral("字体")), "FontButton");
    m_captionVisible = yesNoBox("CaptionVisibleBox");
    m_initType = spinBox("InitTypeBox", 0, 99);
    m_multiLine = named(new QCheckBox(QStringLiteral("多行文本")), "MultiLineBox");
    m_textForm = named(new QLineEdit, "CtlTypeEdit");

    form->addRow(QStringLiteral("标识"), m_tag);
    form->addRow(QStringLiteral("名称"), m_caption);
    form->addRow(m_columnLabel, m_column);
    form->addRow(QStringLiteral("横向"), m_x);
    form->addRow(QStringLiteral("纵向"), m_y);
    form->addRow(QStringLiteral("宽度"), m_width);
    form->addRow(QStringLiteral("高度"), m_height);
    form->addRow(QStringLiteral("横向对齐"), m_xAlign);
    form->addRow(QStringLiteral("纵向对齐"), m_yAlign);
    form->addRow(QStringLiteral("是否打印"), m_needPrint);
    form->addRow(QStringLiteral("编辑是否显示"), m_needShow);
    form->addRow(QStringLiteral("编辑类别"), m_kind);
    form->addRow(QString(), m_font);
    form->addRow(QStringLiteral("是否显示标题"), m_captionVisible);
    form->addRow(QStringLiteral("默认值类型"), m_initType);
    form->addRow(QString(), m_multiLine);
    form->addRow(QStringLiteral("打印格式"), m_textForm);
    return general;
}

QWidget *TFieldPropertyPanel::buildDropDownPanel()
{
    QFormLayout *form = nullptr;
    m_dropDownPanel = subPanel("DropDownPanel", form);
    m_dropDownName = named(new QComboBox, "DropDownNameBox");
    m_dropDownName->setEditable(true);
    m_dropRelComp = named(new QLineEdit, "DropRelCompEdit");
    m_dropDownLevel = spinBox("DropDownLevelBox", 1, 9);
    form->addRow(QStringLiteral("下拉类型"), m_dropDownName);
    form->addRow(QStringLiteral("下拉相关名称"), m_dropRelComp);
    form->addRow(QStringLiteral("下拉级数"), m_dropDownLevel);
    return m_dropDownPanel;
}

QWidget *TFieldPropertyPanel::buildPickerPanel()
{
    QFormLayout *form = nullptr;
    m_pickerPanel = subPanel("PickerPanel", form);
    m_pickerName = named(new QComboBox, "PickListNameBox");
    m_pickSetFields = named(new QLineEdit, "PickSetFieldsEdit");
    m_pickSetFieldsButton = named(new QPushButton(QStringLiteral("...")), "PickSetFieldsButton");
    auto *fields = new QHBoxLayout;
    fields->addWidget(m_pickSetFields);
    fields->addWidget(m_pickSetFieldsButton);
    form->addRow(QStringLiteral("选择器名称"), m_pickerName);
    form->addRow(QStringLiteral("选择器字段"), fields);
    return m_pickerPanel;
}

QWidget *TFieldPropertyPanel::buildCellsPanel()
{
    QFormLayout *form = nullptr;
    m_cellsPanel = subPanel("CellsPanel", form);
    m_digitalCount = spinBox("DigitalCountBox", 0, 99);
    m_fitParamLabel = new QLabel(QStringLiteral("小数"));
    m_fitParam = spinBox("FitParamBox", 0, 9);
    form->addRow(QStringLiteral("字格数量"), m_digitalCount);
    form->addRow(m_fitParamLabel, m_fitParam);
    return m_cellsPanel;
}

QWidget *TFieldPropertyPanel::buildGridPanel()
{
    QFormLayout *form = nullptr;
    m_gridPanel = subPanel("GridPanel", form);
    m_gridCal = named(new QLineEdit, "GridCalEdit");
    m_gridTitleH = spinBox("GridTitleHBox", 0, 999);
    m_gridLineNum = spinBox("GridLineNumBox", 1, 999);
    m_addColumn = named(new QPushButton(QStringLiteral("添加")), "AddColumnButton");
    form->addRow(QStringLiteral("计算公式"), m_gridCal);
    form->addRow(QStringLiteral("标题高"), m_gridTitleH);
    form->addRow(QStringLiteral("行数"), m_gridLineNum);
    form->addRow(QString(), m_addColumn);
    return m_gridPanel;
}

QWidget *TFieldPropertyPanel::buildCheckColumnsPanel()
{
    QFormLayout *form = nullptr;
    m_checkColumnsPanel = subPanel("CheckColumnsPanel", form);
    m_checkColumns = spinBox("CheckRaidioColsBox", 0, 99);
    form->addRow(QStringLiteral("复选框列数"), m_checkColumns);
    return m_checkColumnsPanel;
}

QWidget *TFieldPropertyPanel::buildSumFieldPanel()
{
    QFormLayout *form = nullptr;
    m_sumFieldPanel = subPanel("SumFieldPanel", form);
    m_sumField = named(new QComboBox, "SumFieldRzDBComboBox");
    m_sumField->setEditable(true);
    form->addRow(QStringLiteral("合计字段"), m_sumField);
    return m_sumFieldPanel;
}

QWidget *TFieldPropertyPanel::buildAlignPanel()
{
    m_alignPanel = named(new QWidget, "AlignPanel");
    auto *grid = new QGridLayout(m_alignPanel);
    grid->setContentsMargins(0, 0, 0, 0);
    auto button = [this](const QString &caption, auto action) {
        auto *b = new QPushButton(caption);
        connect(b, &QPushButton::clicked, m_surface, action);
        return b;
    };
    grid->addWidget(button(QStringLiteral("左对齐"), [this] { m_surface->alignSelection(AlignMode::Left); }), 0, 0);
    grid->addWidget(button(QStringLiteral("右对齐"), [this] { m_surface->alignSelection(AlignMode::Right); }), 0, 1);
    grid->addWidget(button(QStringLiteral("同宽"), [this] { m_surface->sizeSelection(SizeMode::Width); }), 0, 2);
    grid->addWidget(button(QStringLiteral("上对齐"), [this] { m_surface->alignSelection(AlignMode::Top); }), 1, 0);
    grid->addWidget(button(QStringLiteral("下对齐"), [this] { m_surface->alignSelection(AlignMode::Bottom); }), 1, 1);
    grid->addWidget(button(QStringLiteral("同高"), [this] { m_surface->sizeSelection(SizeMode::Height); }), 1, 2);
    return m_alignPanel;
}

void TFieldPropertyPanel::setTemplatePanel(QWidget *templatePanel)
{
    m_templatePanel = templatePanel;
    followSelection();
}

int TFieldPropertyPanel::currentTag() const
{
    return m_surface->currentTag();
}

QString TFieldPropertyPanel::currentText(const QString &column) const
{
    return m_surface->fieldRows().text(currentTag(), column);
}

void TFieldPropertyPanel::followSelection()
{
    const bool selected = !m_surface->selection().isEmpty();
    setVisible(selected);
    if (m_templatePanel)
        m_templatePanel->setVisible(!selected);
    m_alignPanel->setVisible(m_surface->selection().size() > 1);
}

void TFieldPropertyPanel::fillColumnList()
{
    const QSignalBlocker blocker(m_column);
    m_column->clear();
    const int tag = currentTag();
    const QString table = m_surface->header() ? m_surface->header()->dataTableName : QString();
    if (tag >= 0 && tag < 1000) {
        m_columnLabel->setText(QStringLiteral("数据表"));
        m_column->addItems(DesignerLists::DetailTables(CurAdo, table));
    } else {
        m_columnLabel->setText(QStringLiteral("对应字段"));
        const int parent = m_surface->fieldRows().integer(tag, QStringLiteral("ParentId"));
        if (parent != 0 && m_surface->fieldRows().contains(parent))
            m_column->addItems(DesignerLists::TableColumns(CurAdo, m_surface->fieldRows().text(parent, QStringLiteral("DbFieldName"))));
        else
            m_column->addItems(DesignerLists::TableColumns(CurAdo, table));
    }
    m_column->setCurrentText(currentText(QStringLiteral("DbFieldName")));
}

void TFieldPropertyPanel::showSubPanels(const QString &kind)
{
    const int index = GetEditType(kind.trimmed());
    m_pickerPanel->setVisible(index == ekPicker);
    m_dropDownPanel->setVisible(index == ekDropDown);
    m_checkColumnsPanel->setVisible(index == ekCheckGroup);
    m_cellsPanel->setVisible(index == ekAmount || index == ekSpacedString);
    m_fitParamLabel->setVisible(index == ekAmount);
    m_fitParam->setVisible(index == ekAmount);
    m_gridPanel->setVisible(index == ekGrid);
    // A spaced string is printed spread over its cells: at least one.
    m_digitalCount->setMinimum(index == ekSpacedString ? 1 : 0);
    m_multiLine->setText(index == ekAmount ? QStringLiteral("显示标题") : QStringLiteral("多行文本"));
    m_column->setVisible(index != ekPlainText);
    m_columnLabel->setVisible(index != ekPlainText);
}

void TFieldPropertyPanel::refresh()
{
    const int tag = currentTag();
    const DesignFieldRows &rows = m_surface->fieldRows();
    if (tag < 0 || !rows.contains(tag))
        return;
    m_loading = true;
    // The lists are read once per field shown.
    const bool relist = tag != m_listedTag;
    m_listedTag = tag;
    QWidget *focused = relist ? nullptr : focusWidget();
    auto setText = [focused](QLineEdit *edit, const QString &text) {
        // While its field stays current, the box being typed in keeps its text and cursor.
        if (edit != focused) {
            const QSignalBlocker blocker(edit);
            edit->setText(text);
        }
    };
    auto setBox = [](QComboBox *box, const QString &text) {
        const QSignalBlocker blocker(box);
        const int index = box->findText(text.trimmed());
        if (index >= 0)
            box->setCurrentIndex(index);
        else if (box->isEditable())
            box->setCurrentText(text);
    };
    auto setSpin = [](QSpinBox *box, int value) {
        const QSignalBlocker blocker(box);
        box->setValue(value);
    };
    const QString kind = rows.text(tag, QStringLiteral("FieldEditType"));
    showSubPanels(kind);
    const QRect rect = rows.rect(tag);
    m_tag->setText(QString::number(tag));
    setText(m_caption, rows.text(tag, QStringLiteral("CtlCName")));
    if (relist)
        fillColumnList();
    else
        setBox(m_column, rows.text(tag, QStringLiteral("DbFieldName")));
    setText(m_x, QString::number(rect.x()));
    setText(m_y, QString::number(rect.y()));
    setText(m_width, QString::number(rect.width()));
    setText(m_height, QString::number(rect.height()));
    setBox(m_xAlign, rows.text(tag, QStringLiteral("xAlign")));
    setBox(m_yAlign, rows.text(tag, QStringLiteral("yAlign")));
    setBox(m_needPrint, rows.text(tag, QStringLiteral("NeedPrint")));
    setBox(m_needShow, rows.text(tag, QStringLiteral("NeedShow")));
    setBox(m_kind, kind);
    setBox(m_captionVisible, rows.text(tag, QStringLiteral("CaptionVisible")));
    setSpin(m_initType, rows.integer(tag, QStringLiteral("InitType")));
    {
        const QSignalBlocker blocker(m_multiLine);
        m_multiLine->setChecked(rows.text(tag, QStringLiteral("MultiLine")).trimmed() == kYes);
    }
    setText(m_textForm, rows.text(tag, QStringLiteral("CtlType")));
    if (relist) {
        const QSignalBlocker blocker(m_dropDownName);
        m_dropDownName->clear();
        m_dropDownName->addItems(DesignerLists::DropDownNames(CurAdo));
    }
    setBox(m_dropDownName, rows.text(tag, QStringLiteral("DropDownName")));
    setText(m_dropRelComp, rows.text(tag, QStringLiteral("DropRelComp")));
    setSpin(m_dropDownLevel, rows.integer(tag, QStringLiteral("DropDownLevel")));
    if (relist) {
        const QSignalBlocker blocker(m_pickerName);
        m_pickerName->clear();
        m_pickerName->addItems(DesignerLists::PickerNames(CurAdo));
    }
    setBox(m_pickerName, rows.text(tag, QStringLiteral("PickListName")));
    setText(m_pickSetFields, rows.text(tag, QStringLiteral("pickSetFields")));
    setSpin(m_digitalCount, rows.integer(tag, QStringLiteral("DigitalCount")));
    setSpin(m_fitParam, rows.integer(tag, QStringLiteral("FitParam")));
    setText(m_gridCal, rows.text(tag, QStringLiteral("GridCal")));
    setSpin(m_gridTitleH, rows.integer(tag, QStringLiteral("GridTitleH")));
    setSpin(m_gridLineNum, rows.integer(tag, QStringLiteral("GridLineNum")));
    setSpin(m_checkColumns, rows.integer(tag, QStringLiteral("CheckRaidioCols")));
    m_sumFieldPanel->setVisible(rows.integer(tag, QStringLiteral("ParentId")) != 0);
    if (relist) {
        const QSignalBlocker blocker(m_sumField);
        m_sumField->clear();
        m_sumField->addItems({kYes, kNo});
        if (m_surface->header())
            m_sumField->addItems(DesignerLists::TableColumns(CurAdo, m_surface->header()->dataTableName));
    }
    setBox(m_sumField, rows.text(tag, QStringLiteral("SumField")));
    m_loading = false;
}
