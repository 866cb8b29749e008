// Opening a format and building its entry surface over the picture.
#include "bills/form/BillFormData.h"
#include "bills/form/DataSetTavLink.h"
#include "bills/pickers/RegionLists.h"
#include "bills/form/SurfaceProperties.h"
#include "bills/form/TEditNoteForm.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSource.h"
#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/db/TableCatalog.h"
#include "core/dbfun/BillColumns.h"
#include "core/grid/GridLayout.h"
#include "core/globals/ProgramFolder.h"
#include "core/printfun/Alignment.h"
#include "core/printfun/FontInfo.h"
#include "core/printfun/NoteLookup.h"
#include "core/printfun/PrintUnits.h"
#include "core/template/EditKindIndex.h"
#include "core/template/TemplateStore.h"
#include "gui/bfun/GridFieldDataChange.h"
#include "gui/dataaware/CheckBoxLink.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/dataaware/ComboBoxLink.h"
#include "gui/dataaware/DateEditLink.h"
#include "gui/dataaware/LabelLink.h"
#include "gui/dataaware/LineEditLink.h"
#include "gui/dataaware/NullableDateEdit.h"
#include "gui/dataaware/PlainTextEditLink.h"
#include "gui/dataaware/RadioGroupLink.h"
#include "gui/dbfun/DbGridColumns.h"
#include "gui/dbfun/PickListDelegate.h"
#include "gui/grid/DataGrid.h"
#include "gui/grid/GridRoutines.h"
#include "gui/picture/ShowEncTxtJpgImage.h"
#include "gui/progress/TProcStepForm.h"
#include "tav/TtavCurrencyLabel.h"
#include "tav/TtavDBCurrencyEdit.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>

namespace {

Qt::Alignment horizontalAlignment(const QString &word)
{
    switch (GetAlignByStr(word)) {
    case taRightJustify:
        return Qt::AlignRight;
    case taCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

Qt::Alignment verticalAlignment(const QString &word)
{
    switch (GetLabelVLayoutByStr(word)) {
    case tlTop:
        return Qt::AlignTop;
    case tlBottom:
        return Qt::AlignBottom;
    default:
        return Qt::AlignVCenter;
    }
}

void setBackground(QWidget *control, const QString &colour)
{
    control->setStyleSheet(QStringLiteral("%1 { background-color: %2; }")
                               .arg(QString::fromLatin1(control->metaObject()->className()), colour));
}

void applyFont(QWidget *control, const TemplateField &field)
{
    if (field.font)
        control->setFont(field.font->toFont());
}


} // namespace

void TEditNoteForm::CreateEditForm(const QString &noteName, bool openNewest, qint64 billId, bool rebind, bool refreshList)
{
    const QSqlDatabase db = connection();
    m_ready = false;
    m_fills.clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TProcStepForm progress(this);
    progress.SetMax(10);
    progress.StartShow();
    progress.IncStep(QStringLiteral("删除之前界面"));

    releaseDetailGrids();
    RemoveFormAllComponent();
    std::optional<TemplateDocument> format = LoadTemplate(db, noteName);
    m_formatExists = format.has_value();
    m_format = format ? *format : TemplateDocument();
    if (!m_formatExists)
        m_format.note.noteName = noteName;
    m_baseKind = NoteBaseType(db, noteName);
    m_building = true;

    auto *numberCaption = new QLabel(QStringLiteral("编号:"), pnlPage);
    numberCaption->setGeometry(0, 0, 34, 16);
    auto *number = new QLabel(pnlPage);
    number->setObjectName(QStringLiteral("billNumber"));
    number->setGeometry(34, 0, 30, 16);
    new LabelLink(number, Hsrc, QStringLiteral("Id"));
    // Made after the page is shown: they show only when told.
    numberCaption->show();
    number->show();

    showFormatLayout();

    const QString kind = m_format.note.noteType.trimmed();
    ConvertButton->setText(kind == QStringLiteral("进账单") ? QStringLiteral("转支票") : QStringLiteral("转进账单"));
    ConvertButton->setProperty("convertKind", kind == QStringLiteral("支票") ? 1 : kind == QStringLiteral("进账单") ? 2 : 0);
    ConvertButton->setVisible(kind == QStringLiteral("支票") || kind == QStringLiteral("进账单"));
    FrPrintBtn->setVisible(kind == QStringLiteral("送货单"));

    if (m_formatExists) {
        progress.IncStep(QStringLiteral("显示背景"));
        showBackground();
        if (openNewest)
            OpenMainTable(BillFormData(db).newestBillId(m_format.note.dataTableName, m_format.note.noteName));
        if (rebind && QueryHea->isActive() && headerEdit()) {
            QueryHea->fieldByName(QStringLiteral("NoteName"))->setValue(m_format.note.noteName);
            QueryHea->fieldByName(QStringLiteral("NoteTypeName"))->setValue(NoteTypeName(db, m_format.note.noteName));
        }
        if (billId != 0 && isBillOfFormat(billId))
            OpenMainTable(billId);
        if (refreshList)
            reopenSavedBills();
    } else {
        // Nothing of the previous format may stay open: a save would write there.
        QueryHea->close();
        SelQuery->close();
        imgBack->clear();
    }

    const QList<TemplateField> fields = m_format.placedFields(0);
    progress.SetMax(int(fields.size()));
    m_amountEntryEdit = nullptr;
    for (const TemplateField &field : fields) {
        progress.IncStep(field.column());
        if (field.needShow && field.kind != ekNone)
            buildControl(field);
    }
    guardAmountBoxes();
    readFieldRules();
    rememberBaseGeometry();
    if (!m_zoom.isIdentity())
        applyZoom();
    QueryHeaAfterScroll();
    m_ready = true;
    progress.EndShow();
    QApplication::restoreOverrideCursor();
    m_building = false;

    SetDropDownCityValue();
    SetGridTitleCenter();
    refreshRecordDisplay();
    updateBillStates();
    // The category and format boxes name what is on screen, whichever way it was opened.
    if (m_formatExists) {
        const bool active = m_pickersActive;
        m_pickersActive = false;
        fillFormatPickers(m_format.note.noteNameType, m_format.note.noteName);
        m_pickersActive = active;
    }
    if (!m_formatExists)
        ShowMsgHint(noteName.trimmed().isEmpty() ? QStringLiteral("这类单据还没有单据格式，请先在【模板设计】中建立格式")
                                                 : QStringLiteral("单据格式“%1”不存在，请先在【模板设计】中建立格式").arg(noteName));
}

void TEditNoteForm::showBackground()
{
    const QString path = QDir(ProgramFolderPath()).filePath(QStringLiteral("images/") + m_format.note.imgFile);
    if (!m_format.note.imgFile.isEmpty() && QFileInfo(path).isFile()) {
        const QSize size = ShowEncTxtJpgImage(path, imgBack);
        imgBack->setGeometry(0, 0, size.width(), size.height());
        pnlPage->resize(size);
    }
    placePage();
}

void TEditNoteForm::OpenMainTable(qint64 id)
{
    QueryHea->close();
    if (m_format.note.dataTableName.isEmpty())
        return;
    const QString &table = m_format.note.dataTableName;
    if (id == -1)
        QueryHea->setSql(BillFormData::noBillStatement(table));
    else
        QueryHea->setSql(BillFormData::billStatement(table), {id});
    QueryHea->open();
    // A bill of another kind of the same table is never shown under this format's picture.
    if (!QueryHea->isEmpty() && !isCurrentRowOfFormat()) {
        QueryHea->close();
        QueryHea->setSql(BillFormData::noBillStatement(table));
        QueryHea->open();
    }
    // The kind of the bill shown; an empty header keeps the format's.
    const DataField *noteName = QueryHea->findField(QStringLiteral("NoteName"));
    m_baseKind = QueryHea->isEmpty() || !noteName ? m_format.note.noteType.trimmed() : NoteBaseType(connection(), noteName->asString());
    for (const QString &amount : {QStringLiteral("金额"), QStringLiteral("小计"), QStringLiteral("合计金额")})
        if (DataField *field = QueryHea->findField(amount))
            field->setDisplayFormat(QStringLiteral("0.00"));
    QueryHeaAfterScroll();
    refreshRecordDisplay();
    updateBillStates();
}

// A bill belongs to the format when it was saved in it or in its category; a row that names
// neither (made outside the form) is taken as it is.
bool TEditNoteForm::isRowOfFormat(const QString &noteName, const QString &category) const
{
    if (noteName.trimmed().isEmpty() && category.trimmed().isEmpty())
        return true;
    return noteName.trimmed().compare(m_format.note.noteName.trimmed(), Qt::CaseInsensitive) == 0
        || category.trimmed().compare(m_format.note.noteNameType.trimmed(), Qt::CaseInsensitive) == 0;
}

bool TEditNoteForm::isCurrentRowOfFormat() const
{
    const DataField *noteName = QueryHea->findField(QStringLiteral("NoteName"));
    const DataField *category = QueryHea->findField(QStringLiteral("NoteTypeName"));
    return isRowOfFormat(noteName ? noteName->asString() : QString(), category ? category->asString() : QString());
}

bool TEditNoteForm::isBillOfFormat(qint64 id) const
{
    const QSqlDatabase db = connection();
    const QString &table = m_format.note.dataTableName;
    if (table.isEmpty() || !IsTableFieldsExists(db, table, QStringLiteral("NoteName"))
        || !IsTableFieldsExists(db, table, QStringLiteral("NoteTypeName")))
        return true;
    const auto column = [&](const char *name) {
        return SelTableStringValue(db, QStringLiteral("select %1 from %2 where id = ?").arg(QLatin1String(name), SqlName(table)), {id});
    };
    return isRowOfFormat(column("NoteName"), column("NoteTypeName"));
}

void TEditNoteForm::reopenSavedBills()
{
    SelQuery->close();
    // The format's kind, whatever bill was shown before.
    SelQuery->setSql(BillFormData::savedBillsStatement(m_format.note.dataTableName), {m_format.note.noteType.trimmed()});
    SelQuery->open();
    SelQuery->fieldByName(QStringLiteral("id"))->setDisplayLabel(QStringLiteral("编号"));
    SelQuery->fieldByName(QStringLiteral("NoteName"))->setDisplayLabel(QStringLiteral("单据"));
    SelQuery->fieldByName(QStringLiteral("RefNo"))->setVisible(false);
    SelDBGrid->setColumnWidth(SelDBGrid->columnOfField(QStringLiteral("id")), 55);
    SelDBGrid->setColumnWidth(SelDBGrid->columnOfField(QStringLiteral("NoteName")), 96);
    SetDbGridTitleCenter(SelDBGrid);
}

void TEditNoteForm::QueryHeaAfterScroll()
{
    const DataField *refNo = QueryHea->isActive() ? QueryHea->findField(QStringLiteral("RefNo")) : nullptr;
    for (const DetailGrid &grid : std::as_const(m_grids)) {
        grid.query->close();
        grid.query->setSql(BillFormData::detailRowsStatement(grid.table),
                           {refNo ? refNo->asString() : QString()});
        grid.query->open();
    }
}

void TEditNoteForm::releaseDetailGrids()
{
    for (const DetailGrid &grid : std::as_const(m_grids)) {
        delete grid.grid;
        delete grid.source;
        delete grid.query;
    }
    m_grids.clear();
}

void TEditNoteForm::RemoveFormAllComponent()
{
    const QList<QWidget *> controls = pnlPage->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (auto it = controls.crbegin(); it != controls.crend(); ++it) {
        if (*it == imgBack || *it == PostImage || *it == DisImage)
            continue;
        delete *it;
    }
    m_controlsByField.clear();
    imgBack->clear();
}

bool TEditNoteForm::isTableColumn(const QString &column) const
{
    return !column.isEmpty() && GetTableFieldType(connection(), m_format.note.dataTableName, column) != ColumnKind::None;
}

// Binds the control when its field is a column of the data table; otherwise it stays unbound
// and red, so the faulty template shows.
void TEditNoteForm::bindOrMarkMissing(QWidget *control, const TemplateField &field, const std::function<void()> &bind)
{
    if (isTableColumn(field.column()))
        bind();
    else
        setBackground(control, QStringLiteral("#FF0000"));
}

void TEditNoteForm::buildControl(const TemplateField &field)
{
    QWidget *control = nullptr;
    switch (field.kind) {
    case ekEditor:
    case ekMemo:
        control = createEditor(field);
        break;
    case ekPicker: {
        auto *edit = new QLineEdit(pnlPage);
        edit->setAlignment(horizontalAlignment(field.xAlign));
        setBackground(edit, QStringLiteral("#FF80FF"));
        edit->setProperty(kPickFieldsProperty, field.pickSetFields);
        edit->setProperty(kPickListProperty, field.pickListName.trimmed());
        QAction *pick = edit->addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView), QLineEdit::TrailingPosition);
        connect(pick, &QAction::triggered, this, [this, edit] { RzDbEditButtonClick(edit); });
        bindOrMarkMissing(edit, field, [&] { new LineEditLink(edit, Hsrc, field.column()); });
        control = edit;
        break;
    }
    case ekDropDown:
        control = createDropDown(field);
        break;
    case ekDate:
        control = createDateEdit(field);
        break;
    case ekTextDisplay: {
        auto *label = new QLabel(pnlPage);
        label->setAlignment(horizontalAlignment(field.xAlign) | Qt::AlignVCenter);
        label->setAutoFillBackground(true);
        setBackground(label, QStringLiteral("#F2F2F2"));
        bindOrMarkMissing(label, field, [&] { new LabelLink(label, Hsrc, field.column()); });
        control = label;
        break;
    }
    case ekPlainText: {
        auto *label = new QLabel(field.caption, pnlPage);
        label->setAlignment(horizontalAlignment(field.xAlign) | verticalAlignment(field.yAlign));
        setBackground(label, QStringLiteral("#F2F2F2"));
        control = label;
        break;
    }
    case ekCheckGroup:
        control = createCheckGroup(field);
        break;
    case ekGrid:
        createDetailGrid(field);
        return;
    case ekTick: {
        auto *box = new QCheckBox(field.caption, pnlPage);
        bindOrMarkMissing(box, field, [&] { new CheckBoxLink(box, Hsrc, field.column()); });
        control = box;
        break;
    }
    case ekAmount:
        control = createAmountBox(field);
        break;
    case ekSpacedString:
        control = createSpacedString(field);
        break;
    case ekMultiTick:
        control = createMultiTick(field, 0);
        break;
    case ekMultiTick2:
        control = createMultiTick(field, 1);
        break;
    default:
        return;
    }
    if (!control)
        return;
    control->setGeometry(field.rect.toRect());
    control->setProperty(kFieldProperty, field.column());
    control->setProperty(kKindProperty, field.kind);
    control->setObjectName(QStringLiteral("%1_%2").arg(field.kindText()).arg(field.tag));
    indexControl(control);
    if (field.kind <= ekPlainText || field.kind == ekSpacedString)
        applyFont(control, field);
    control->show();
}

QWidget *TEditNoteForm::createEditor(const TemplateField &field)
{
    if (field.kind == ekMemo || field.multiLine) {
        auto *memo = new QPlainTextEdit(pnlPage);
        memo->setLineWrapMode(field.kind == ekMemo ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        setBackground(memo, QStringLiteral("#FFFBF0"));
        bindOrMarkMissing(memo, field, [&] { new PlainTextEditLink(memo, Hsrc, field.column()); });
        return memo;
    }
    auto *edit = new QLineEdit(pnlPage);
    edit->setAlignment(horizontalAlignment(field.xAlign));
    edit->setFrame(false);
    setBackground(edit, QStringLiteral("#FFFBF0"));
    bindOrMarkMissing(edit, field, [&] { new LineEditLink(edit, Hsrc, field.column()); });
    // A capital amount of a table that takes amounts in figures: the edit shows the capitals and
    // switches to the figures while it is clicked into.
    const QString amountField = AmountOfCapitalColumn(field.column());
    if (!amountField.isEmpty()) {
        if (BillFormData(connection()).amountInFigures(m_format.note.dataTableName, amountField)) {
            edit->setReadOnly(true);
            edit->setProperty(kAmountFieldProperty, amountField);
            edit->installEventFilter(this);
            m_amountEntryEdit = edit;
        }
    }
    return edit;
}

QWidget *TEditNoteForm::createDropDown(const TemplateField &field)
{
    auto *box = new QComboBox(pnlPage);
    box->setEditable(true);
    setBackground(box, QStringLiteral("#EDF8B7"));
    const QString listName = field.dropDownName.trimmed();
    const bool province = listName == QStringLiteral("省");
    box->addItems(province ? ProvinceList(connection()) : BillFormData(connection()).baseCodes(listName));
    box->setInsertPolicy(QComboBox::NoInsert);
    if (province) {
        box->setProperty(kCityFieldProperty, field.dropRelComp.trimmed());
        connect(box, &QComboBox::activated, this, [this, box] { refillCities(box); });
    }
    bindOrMarkMissing(box, field, [&] { new ComboBoxLink(box, Hsrc, field.column()); });
    return box;
}

QWidget *TEditNoteForm::createDateEdit(const TemplateField &field)
{
    auto *edit = new NullableDateEdit(pnlPage);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setAlignment(horizontalAlignment(field.xAlign));
    setBackground(edit, QStringLiteral("#80FFFF"));
    bindOrMarkMissing(edit, field, [&] { new DateEditLink(edit, Hsrc, field.column()); });
    return edit;
}

QWidget *TEditNoteForm::createCheckGroup(const TemplateField &field)
{
    auto *frame = new QFrame(pnlPage);
    setBackground(frame, QStringLiteral("#FF8000"));
    const QStringList items =
        CheckItemsOf(BillFormData(connection()).checkItems(m_format.note.dataTableName, field.column()));
    const int columns = field.checkRadioCols.value_or(0) > 0 ? *field.checkRadioCols : std::max(int(items.size()), 1);
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(2, 0, 2, 0);
    auto *group = new QButtonGroup(frame);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items.at(i), frame);
        group->addButton(button, i);
        grid->addWidget(button, i / columns, i % columns);
    }
    bindOrMarkMissing(frame, field, [&] { new RadioGroupLink(group, Hsrc, field.column()); });
    return frame;
}

QWidget *TEditNoteForm::createAmountBox(const TemplateField &field)
{
    if (field.column().isEmpty())
        return nullptr;
    auto link = std::make_unique<DataSetTavLink>();
    DataSetTavLink *fieldLink = link.get();
    auto *box = new TtavDBCurrencyEdit(std::move(link), pnlPage);
    box->SetCtl3D(false);
    box->SetBorderStyle(TavBorderStyle::None);
    box->SetFocusedColor(Qt::white);
    box->SetDigitalNumber(field.digitalCount.value_or(0) > 0 ? *field.digitalCount : 10);
    box->SetDecimalNumber(field.fitParam.value_or(-1) >= 0 ? *field.fitParam : 2);
    if (field.font)
        box->setFont(field.font->toFont());
    box->setProperty("amountBox", ++m_amountBoxCounter);
    if (!isTableColumn(field.column())) {
        box->SetColor(Qt::red);
        return box;
    }
    box->SetDataSource(Hsrc);
    box->SetDataField(field.column());
    // Every typed change is written at once, so the capitals and boxes follow each keystroke;
    // a change the header refuses (an audited bill) shows the stored value again.
    connect(box, &TtavCustomCurrencyEdit::OnChange, this, [this, fieldLink] {
        if (QueryHea->isEditing())
            fieldLink->UpdateRecord();
        else
            fieldLink->Reset();
    });
    if (field.multiLine) {
        auto *places = new TtavCurrencyLabel(pnlPage);
        places->SetCtl3D(false);
        places->SetDigitalNumber(box->DigitalNumber());
        places->SetDecimalNumber(box->DecimalNumber());
        const QRect rect = field.rect.toRect();
        places->setGeometry(rect.x(), rect.y() - rect.height() + 5, rect.width(), rect.height() - 4);
        places->show();
    }
    return box;
}

QWidget *TEditNoteForm::createSpacedString(const TemplateField &field)
{
    if (field.column().isEmpty())
        return nullptr;
    auto *label = new TtavCurrencyLabel(pnlPage);
    label->SetCtl3D(false);
    label->SetDigitalNumber(std::max(field.digitalCount.value_or(0), 1));
    label->SetDecimalNumber(0);
    label->SetDecimalSeparatorColor(QColor(0xC0, 0xC0, 0xC0));
    label->SetKilobitSeparatorColor(QColor(0xC0, 0xC0, 0xC0));
    label->SetDecimalSymbols({});
    label->SetDigitalSymbols({QString()});
    if (isTableColumn(field.column()))
        label->installEventFilter(this);
    else
        label->SetColor(Qt::red);
    return label;
}

QWidget *TEditNoteForm::createMultiTick(const TemplateField &field, int tickKind)
{
    auto *box = new QCheckBox(field.caption, pnlPage);
    // The tick box itself yellow, drawn by the style, so its tick shows.
    box->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0x00));
    box->setPalette(palette);
    box->setProperty(kTickKindProperty, tickKind);
    connect(box, &QCheckBox::clicked, this, [this, box, tickKind] {
        if (tickKind == 0)
            MultiCheckClick(box);
        else
            MultiCheckClick2(box);
    });
    return box;
}

void TEditNoteForm::createDetailGrid(const TemplateField &field)
{
    const QSqlDatabase db = connection();
    DetailGrid grid;
    grid.table = field.column();
    grid.tag = field.tag;
    grid.formula = field.gridCal.trimmed();
    grid.query = new DataSet(this);
    grid.query->setObjectName(QStringLiteral("ListQuery_%1").arg(m_grids.size() + 1));
    grid.query->setConnection(db);
    grid.query->setCachedUpdates(true);
    grid.query->setTag(field.tag);
    grid.query->setSql(BillFormData::noBillStatement(grid.table));
    grid.query->open();
    grid.source = new DataSource(grid.query, this);
    grid.grid = new DataGrid(pnlPage);
    grid.grid->setObjectName(QStringLiteral("GRID_%1_%2").arg(field.refNo).arg(field.tag));
    const QRect rect = field.rect.toRect();
    const int titleHeight = field.gridTitleH.value_or(0);
    grid.grid->setGeometry(rect.x(), rect.y() - titleHeight, rect.width(), rect.height() + titleHeight);
    grid.grid->setDataSet(grid.query);
    grid.grid->setTitleHeight(titleHeight);
    grid.grid->setFrameShape(QFrame::NoFrame);
    grid.grid->verticalHeader()->setDefaultSectionSize(rect.height() / std::max(field.gridLineNum.value_or(0), 1));

    const QList<TemplateField> columns = m_format.placedFields(field.tag);
    QStringList sums;
    QStringList shown;
    for (const TemplateField &column : columns) {
        if (!column.sumField.trimmed().isEmpty())
            sums.append(QStringLiteral("%1:sum").arg(column.column()));
        if (!column.needShow || !grid.query->findField(column.column()))
            continue;
        shown.append(column.column().toLower());
        grid.query->findField(column.column())->setDisplayLabel(column.caption);
    }
    for (DataField *dataField : grid.query->fields())
        dataField->setVisible(shown.contains(dataField->name().toLower()));
    GridLayout layout;
    for (const TemplateField &column : columns)
        if (shown.contains(column.column().toLower()))
            layout.columns.append({column.column(), column.rect.width.value, true});
    grid.grid->applyGridLayout(layout);
    for (const TemplateField &column : columns) {
        const int index = grid.grid->columnOfField(column.column());
        if (index >= 0 && column.kind == ekDropDown)
            grid.grid->setItemDelegateForColumn(index, new PickListDelegate(BillFormData(db).baseCodes(column.dropDownName.trimmed()), grid.grid));
    }
    SetDbGridSumList(grid.grid, sums.join(QLatin1Char(';')));

    grid.query->setOnNewRecord([this, index = m_grids.size()](DataSet &) { DtlTableNewRecord(m_grids.at(index)); });
    grid.source->setOnUpdateData([this, index = m_grids.size()] { return DetailDataUpdate(m_grids.at(index)); });
    connect(grid.query, &DataSet::stateChanged, this, [this](DataSet::State state) {
        if (state == DataSet::State::Edit || state == DataSet::State::Insert)
            headerEdit();
    });
    connect(grid.query, &DataSet::afterPost, this, [this, index = m_grids.size()] { DtlTableAfterPost(m_grids.at(index)); });
    connect(grid.query, &DataSet::fieldChanged, this, [this, index = m_grids.size()](DataField *changed) {
        const DetailGrid &detail = m_grids.at(index);
        if (changed->name() == QStringLiteral("小计"))
            fillDerivedColumns(*detail.query, detail.table, changed);
        if (!detail.formula.isEmpty())
            GridFieldDataChange(*detail.grid, detail.formula, changed);
    });
    grid.grid->show();
    m_grids.append(grid);
    setUpDetailGrid(int(m_grids.size()) - 1, columns);
}

void TEditNoteForm::SetGridTitleCenter()
{
    for (const DetailGrid &grid : std::as_const(m_grids))
        SetDbGridTitleCenter(grid.grid);
}

QComboBox *TEditNoteForm::FindCompByFieldName(const QString &name) const
{
    for (QComboBox *box : pnlPage->findChildren<QComboBox *>(Qt::FindDirectChildrenOnly))
        if (box->property(kFieldProperty).toString().compare(name, Qt::CaseInsensitive) == 0)
            return box;
    return nullptr;
}

void TEditNoteForm::SetDropDownCityValue()
{
    for (QComboBox *box : pnlPage->findChildren<QComboBox *>(Qt::FindDirectChildrenOnly))
        if (box->property(kCityFieldProperty).isValid())
            refillCities(box);
}

// Ticks, amount boxes and spaced strings show the current record (spaced strings only once the
// surface is built).
void TEditNoteForm::refreshRecordDisplay()
{
    SetMultiCheckValue();
    TavCurrencyChange(nullptr);
    if (!m_building)
        TableStrFieldChange(nullptr);
}
