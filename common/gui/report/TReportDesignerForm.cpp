#include "gui/report/TReportDesignerForm.h"

#include "core/report/ReportFile.h"
#include "core/report/ReportLayout.h"
#include "core/report/ReportText.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/dialogs/MessageSeam.h"
#include "gui/report/ReportDesignSurface.h"
#include "gui/report/ReportPropertyPanel.h"
#include "gui/report/TReportPreviewForm.h"
#include "gui/widgets/BarButton.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum TreeRole { AliasRole = Qt::UserRole, NameRole, VariableRole };

const QString kVariablesCaption = QStringLiteral("系统变量");

} // namespace

TReportDesignerForm::TReportDesignerForm(const ReportDefinition &definition, const ReportData &data,
                                         const QString &filePath, const QString &pictureFolder, QWidget *owner)
    : QDialog(owner), m_definition(definition), m_data(data), m_filePath(filePath), m_pictureFolder(pictureFolder)
{
    setWindowTitle(QStringLiteral("报表设计 - %1").arg(QFileInfo(filePath).fileName()));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(1320, 820);

    auto *bar = new QHBoxLayout;
    const auto button = [this, bar](const QString &caption, const char *name) { return AddBarButton(this, bar, caption, name); };
    SaveButton = button(QStringLiteral("保存(&S)"), "SaveButton");
    PreviewButton = button(QStringLiteral("预览(&V)"), "PreviewButton");
    TextButton = button(QStringLiteral("文本"), "TextButton");
    SumButton = button(QStringLiteral("合计"), "SumButton");
    SumButton->setToolTip(QStringLiteral("在报表合计中加入所选字段的合计"));
    LineButton = button(QStringLiteral("线条"), "LineButton");
    RectangleButton = button(QStringLiteral("矩形"), "RectangleButton");
    PictureButton = button(QStringLiteral("图片"), "PictureButton");
    DeleteButton = button(QStringLiteral("删除"), "DeleteButton");
    BandsButton = button(QStringLiteral("区域"), "BandsButton");
    bar->addStretch();
    CloseButton = button(QStringLiteral("退出(&X)"), "CloseButton");

    auto *bands = new QMenu(BandsButton);
    for (ReportBandKind kind : AllReportBandKinds()) {
        QAction *action = bands->addAction(ReportBandCaption(kind));
        action->setCheckable(true);
        action->setData(int(kind));
        connect(action, &QAction::toggled, this, [this, kind](bool on) { toggleBand(kind, on); });
    }
    connect(bands, &QMenu::aboutToShow, this, [this, bands] {
        for (QAction *action : bands->actions()) {
            const QSignalBlocker quiet(action);
            action->setChecked(m_definition.band(ReportBandKind(action->data().toInt())) != nullptr);
        }
    });
    BandsButton->setMenu(bands);

    FieldTree = new QTreeWidget(this);
    FieldTree->setObjectName(QStringLiteral("FieldTree"));
    FieldTree->setHeaderLabel(QStringLiteral("数据字段"));
    FieldTree->setFixedWidth(200);
    fillFieldTree();

    m_surface = new ReportDesignSurface(&m_definition);
    m_surface->setPictureFolder(pictureFolder);
    auto *scroll = new QScrollArea(this);
    scroll->setBackgroundRole(QPalette::Dark);
    scroll->setWidget(m_surface);
    scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    m_properties = new ReportPropertyPanel(&m_definition, data.aliases(), this);

    auto *body = new QHBoxLayout;
    body->addWidget(FieldTree);
    body->addWidget(scroll, 1);
    body->addWidget(m_properties);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(body, 1);

    connect(SaveButton, &QPushButton::clicked, this, &TReportDesignerForm::save);
    connect(PreviewButton, &QPushButton::clicked, this, &TReportDesignerForm::preview);
    connect(TextButton, &QPushButton::clicked, this, [this] { addItem(ReportItemKind::Text); });
    connect(LineButton, &QPushButton::clicked, this, [this] { addItem(ReportItemKind::Line); });
    connect(RectangleButton, &QPushButton::clicked, this, [this] { addItem(ReportItemKind::Rectangle); });
    connect(PictureButton, &QPushButton::clicked, this, [this] { addItem(ReportItemKind::Picture); });
    connect(DeleteButton, &QPushButton::clicked, this, &TReportDesignerForm::deleteSelectedItem);
    connect(CloseButton, &QPushButton::clicked, this, &TReportDesignerForm::reject);
    connect(FieldTree, &QTreeWidget::itemDoubleClicked, this, &TReportDesignerForm::treeItemActivated);
    connect(SumButton, &QPushButton::clicked, this, [this] {
        const QTreeWidgetItem *field = FieldTree->currentItem();
        if (field && !field->data(0, NameRole).toString().isEmpty())
            insertSum(field->data(0, AliasRole).toString(), field->data(0, NameRole).toString());
    });
    connect(m_surface, &ReportDesignSurface::selectionChanged, this,
            [this] { m_properties->showSelection(m_surface->selectedBand(), m_surface->selectedItem()); });
    connect(m_surface, &ReportDesignSurface::itemMoved, this, [this](ReportBandKind band, int index) {
        m_properties->showSelection(band, index);
        edited();
    });
    connect(m_properties, &ReportPropertyPanel::itemEdited, this, [this](ReportBandKind band, int index) {
        m_surface->refreshItem(band, index);
        edited();
    });
    connect(m_properties, &ReportPropertyPanel::layoutEdited, this, [this] {
        m_surface->rebuild();
        edited();
    });
}

void TReportDesignerForm::fillFieldTree()
{
    for (const ReportData::Source &source : m_data.sources()) {
        auto *top = new QTreeWidgetItem(FieldTree, {source.alias});
        for (const ReportData::Field &field : source.fields) {
            auto *child = new QTreeWidgetItem(top, {field.label});
            child->setData(0, AliasRole, source.alias);
            child->setData(0, NameRole, field.label);
        }
    }
    auto *variables = new QTreeWidgetItem(FieldTree, {kVariablesCaption});
    QStringList names = ReportBuiltInVariables();
    for (const auto &[name, value] : m_data.variables())
        names.append(name);
    for (const QString &name : names) {
        auto *child = new QTreeWidgetItem(variables, {name});
        child->setData(0, VariableRole, name);
    }
    FieldTree->expandAll();
}

void TReportDesignerForm::treeItemActivated(QTreeWidgetItem *item)
{
    if (!item->data(0, VariableRole).toString().isEmpty())
        insertVariable(item->data(0, VariableRole).toString());
    else if (!item->data(0, NameRole).toString().isEmpty())
        insertField(item->data(0, AliasRole).toString(), item->data(0, NameRole).toString());
}

ReportBandKind TReportDesignerForm::targetBand() const
{
    if (m_surface->selectedBand())
        return *m_surface->selectedBand();
    return m_definition.bands.isEmpty() ? ReportBandKind::ReportTitle : m_definition.bands.first().kind;
}

void TReportDesignerForm::addItemTo(ReportBandKind kind, const ReportItem &item)
{
    ReportBand &band = m_definition.ensureBand(kind);
    band.items.append(item);
    const int index = int(band.items.size()) - 1;
    m_surface->rebuild();
    m_surface->select(kind, index);
    edited();
}

void TReportDesignerForm::insertField(const QString &alias, const QString &label)
{
    ReportBandKind kind = targetBand();
    for (const ReportBand &band : m_definition.bands)
        if (IsReportDataBand(band.kind) && band.dataSet.compare(alias, Qt::CaseInsensitive) == 0)
            kind = band.kind;
    const ReportBand *band = m_definition.band(kind);
    const int count = band ? int(band->items.size()) : 0;
    ReportItem item;
    item.text = ReportReferenceText({ReportReference::Field, alias, label});
    item.rect = QRectF(2 + (count % 4) * 46, 1, 44, 6);
    addItemTo(kind, item);
}

void TReportDesignerForm::insertVariable(const QString &name)
{
    ReportItem item;
    item.text = ReportReferenceText({ReportReference::Variable, QString(), name});
    item.rect = QRectF(2, 1, 30, 6);
    addItemTo(targetBand(), item);
}

void TReportDesignerForm::insertSum(const QString &alias, const QString &label)
{
    ReportItem item;
    item.text = ReportReferenceText({ReportReference::Sum, alias, label});
    item.rect = QRectF(std::max(m_definition.page.printableWidth() - 42, 0.0), 1, 40, 6);
    item.alignment = Qt::AlignRight | Qt::AlignTop;
    item.format = QStringLiteral("#,##0.00");
    addItemTo(ReportBandKind::Summary, item);
}

void TReportDesignerForm::addItem(ReportItemKind kind)
{
    ReportItem item;
    item.kind = kind;
    switch (kind) {
    case ReportItemKind::Text:
        item.text = QStringLiteral("文本");
        item.rect = QRectF(2, 1, 40, 6);
        break;
    case ReportItemKind::Line:
        item.rect = QRectF(0, 1, m_definition.page.printableWidth(), 0);
        break;
    case ReportItemKind::Rectangle:
    case ReportItemKind::Picture:
        item.rect = QRectF(2, 1, 30, 20);
        break;
    }
    addItemTo(targetBand(), item);
}

void TReportDesignerForm::deleteSelectedItem()
{
    const std::optional<ReportBandKind> kind = m_surface->selectedBand();
    ReportBand *band = kind ? m_definition.band(*kind) : nullptr;
    const int index = m_surface->selectedItem();
    if (!band || index < 0 || index >= band->items.size())
        return;
    band->items.removeAt(index);
    m_surface->select(kind, -1);
    m_surface->rebuild();
    edited();
}

void TReportDesignerForm::toggleBand(ReportBandKind kind, bool present)
{
    if (present) {
        ReportBand &band = m_definition.ensureBand(kind);
        if (IsReportDataBand(kind) && band.dataSet.isEmpty())
            band.dataSet = m_data.aliases().value(kind == ReportBandKind::MasterData ? 0 : 1);
    } else {
        m_definition.removeBand(kind);
    }
    m_surface->rebuild();
    edited();
}

void TReportDesignerForm::edited()
{
    m_modified = true;
}

bool TReportDesignerForm::save()
{
    try {
        SaveReportFile(m_filePath, m_definition);
    } catch (const CorvaneError &error) {
        ShowMsgerror(error.message());
        return false;
    }
    m_modified = false;
    return true;
}

void TReportDesignerForm::preview()
{
    ReportLayoutOptions options;
    options.pictureFolder = m_pictureFolder;
    TReportPreviewForm form(LayOutReport(m_definition, m_data, options), this);
    form.exec();
}

void TReportDesignerForm::reject()
{
    if (m_modified) {
        MessageRequest request;
        request.icon = QMessageBox::Question;
        request.title = QStringLiteral("询问");
        request.text = QStringLiteral("报表已经修改，要保存吗？");
        request.buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        const QMessageBox::StandardButton answer = MessageSeam::ask(request);
        if (answer == QMessageBox::Cancel || (answer == QMessageBox::Yes && !save()))
            return;
    }
    QDialog::reject();
}

void TReportDesignerForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && m_surface->selectedItem() >= 0) {
        deleteSelectedItem();
        return;
    }
    QDialog::keyPressEvent(event);
}
