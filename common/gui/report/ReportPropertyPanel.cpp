#include "gui/report/ReportPropertyPanel.h"

#include "gui/dialogs/FontDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

enum PanelPage { PagePage, BandPage, ItemPage };

QDoubleSpinBox *millimetres(QWidget *parent, double minimum, double maximum)
{
    auto *spin = new QDoubleSpinBox(parent);
    spin->setRange(minimum, maximum);
    spin->setDecimals(1);
    spin->setSingleStep(0.5);
    spin->setSuffix(QStringLiteral(" mm"));
    return spin;
}

QString itemKindCaption(ReportItemKind kind)
{
    switch (kind) {
    case ReportItemKind::Text:
        return QStringLiteral("文本");
    case ReportItemKind::Line:
        return QStringLiteral("线条");
    case ReportItemKind::Rectangle:
        return QStringLiteral("矩形");
    case ReportItemKind::Picture:
        return QStringLiteral("图片");
    }
    return {};
}

} // namespace

ReportPropertyPanel::ReportPropertyPanel(ReportDefinition *definition, const QStringList &aliases, QWidget *parent)
    : QWidget(parent), m_definition(definition), m_aliases(aliases), m_pages(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("ReportPropertyPanel"));
    m_pages->insertWidget(PagePage, buildPagePage());
    m_pages->insertWidget(BandPage, buildBandPage());
    m_pages->insertWidget(ItemPage, buildItemPage());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_pages);
    layout->addStretch();
    setFixedWidth(250);
    showSelection(std::nullopt, -1);
}

QWidget *ReportPropertyPanel::buildItemPage()
{
    auto *page = new QWidget(this);
    auto *form = new QFormLayout(page);
    m_itemKind = new QLabel(page);
    form->addRow(QStringLiteral("类型"), m_itemKind);
    TextEdit = new QPlainTextEdit(page);
    TextEdit->setObjectName(QStringLiteral("TextEdit"));
    TextEdit->setFixedHeight(70);
    form->addRow(QStringLiteral("内容"), TextEdit);
    FontButton = new QPushButton(page);
    FontButton->setObjectName(QStringLiteral("FontButton"));
    form->addRow(QStringLiteral("字体"), FontButton);
    HorizontalBox = new QComboBox(page);
    HorizontalBox->addItem(QStringLiteral("居左"), int(Qt::AlignLeft));
    HorizontalBox->addItem(QStringLiteral("居中"), int(Qt::AlignHCenter));
    HorizontalBox->addItem(QStringLiteral("居右"), int(Qt::AlignRight));
    form->addRow(QStringLiteral("水平对齐"), HorizontalBox);
    VerticalBox = new QComboBox(page);
    VerticalBox->addItem(QStringLiteral("居上"), int(Qt::AlignTop));
    VerticalBox->addItem(QStringLiteral("居中"), int(Qt::AlignVCenter));
    VerticalBox->addItem(QStringLiteral("居下"), int(Qt::AlignBottom));
    form->addRow(QStringLiteral("垂直对齐"), VerticalBox);
    auto *frames = new QHBoxLayout;
    FrameLeftBox = new QCheckBox(QStringLiteral("左"), page);
    FrameTopBox = new QCheckBox(QStringLiteral("上"), page);
    FrameRightBox = new QCheckBox(QStringLiteral("右"), page);
    FrameBottomBox = new QCheckBox(QStringLiteral("下"), page);
    for (QCheckBox *box : {FrameLeftBox, FrameTopBox, FrameRightBox, FrameBottomBox})
        frames->addWidget(box);
    form->addRow(QStringLiteral("边框"), frames);
    LineWidthSpin = millimetres(page, 0.1, 5);
    form->addRow(QStringLiteral("线宽"), LineWidthSpin);
    FormatBox = new QComboBox(page);
    FormatBox->setEditable(true);
    FormatBox->addItems({QString(), QStringLiteral("0.00"), QStringLiteral("#,##0.00"), QStringLiteral("0"),
                         QStringLiteral("yyyy-MM-dd"), QStringLiteral("yyyy年M月d日")});
    form->addRow(QStringLiteral("格式"), FormatBox);
    LeftSpin = millimetres(page, -100, 1000);
    TopSpin = millimetres(page, -100, 1000);
    WidthSpin = millimetres(page, 0, 1000);
    HeightSpin = millimetres(page, 0, 1000);
    form->addRow(QStringLiteral("左"), LeftSpin);
    form->addRow(QStringLiteral("上"), TopSpin);
    form->addRow(QStringLiteral("宽"), WidthSpin);
    form->addRow(QStringLiteral("高"), HeightSpin);

    connect(TextEdit, &QPlainTextEdit::textChanged, this, &ReportPropertyPanel::writeItem);
    connect(FontButton, &QPushButton::clicked, this, [this] {
        ReportItem *item = currentItem();
        if (!item)
            return;
        const QString chosen = GetFontString(this, item->font);
        if (!chosen.isEmpty()) {
            FontButton->setText(chosen);
            writeItem();
        }
    });
    for (QComboBox *box : {HorizontalBox, VerticalBox})
        connect(box, &QComboBox::currentIndexChanged, this, &ReportPropertyPanel::writeItem);
    connect(FormatBox, &QComboBox::currentTextChanged, this, &ReportPropertyPanel::writeItem);
    for (QCheckBox *box : {FrameLeftBox, FrameTopBox, FrameRightBox, FrameBottomBox})
        connect(box, &QCheckBox::toggled, this, &ReportPropertyPanel::writeItem);
    for (QDoubleSpinBox *spin : {LineWidthSpin, LeftSpin, TopSpin, WidthSpin, HeightSpin})
        connect(spin, &QDoubleSpinBox::valueChanged, this, &ReportPropertyPanel::writeItem);
    return page;
}

QWidget *ReportPropertyPanel::buildBandPage()
{
    auto *page = new QWidget(this);
    auto *form = new QFormLayout(page);
    m_bandCaption = new QLabel(page);
    form->addRow(QStringLiteral("区域"), m_bandCaption);
    BandHeightSpin = millimetres(page, 0, 1000);
    BandHeightSpin->setObjectName(QStringLiteral("BandHeightSpin"));
    form->addRow(QStringLiteral("高度"), BandHeightSpin);
    DataSetBox = new QComboBox(page);
    DataSetBox->setObjectName(QStringLiteral("DataSetBox"));
    DataSetBox->addItem(QString());
    DataSetBox->addItems(m_aliases);
    form->addRow(QStringLiteral("数据集"), DataSetBox);
    connect(BandHeightSpin, &QDoubleSpinBox::valueChanged, this, &ReportPropertyPanel::writeBand);
    connect(DataSetBox, &QComboBox::currentTextChanged, this, &ReportPropertyPanel::writeBand);
    return page;
}

QWidget *ReportPropertyPanel::buildPagePage()
{
    auto *page = new QWidget(this);
    auto *form = new QFormLayout(page);
    form->addRow(new QLabel(QStringLiteral("纸张"), page));
    PageWidthSpin = millimetres(page, 10, 2000);
    PageHeightSpin = millimetres(page, 10, 2000);
    MarginLeftSpin = millimetres(page, 0, 500);
    MarginTopSpin = millimetres(page, 0, 500);
    MarginRightSpin = millimetres(page, 0, 500);
    MarginBottomSpin = millimetres(page, 0, 500);
    form->addRow(QStringLiteral("宽度"), PageWidthSpin);
    form->addRow(QStringLiteral("高度"), PageHeightSpin);
    form->addRow(QStringLiteral("左边距"), MarginLeftSpin);
    form->addRow(QStringLiteral("上边距"), MarginTopSpin);
    form->addRow(QStringLiteral("右边距"), MarginRightSpin);
    form->addRow(QStringLiteral("下边距"), MarginBottomSpin);
    for (QDoubleSpinBox *spin :
         {PageWidthSpin, PageHeightSpin, MarginLeftSpin, MarginTopSpin, MarginRightSpin, MarginBottomSpin})
        connect(spin, &QDoubleSpinBox::valueChanged, this, &ReportPropertyPanel::writePage);
    return page;
}

ReportItem *ReportPropertyPanel::currentItem()
{
    ReportBand *band = m_band ? m_definition->band(*m_band) : nullptr;
    return band && m_item >= 0 && m_item < band->items.size() ? &band->items[m_item] : nullptr;
}

void ReportPropertyPanel::showSelection(std::optional<ReportBandKind> band, int item)
{
    m_band = band;
    m_item = item;
    m_filling = true;
    const ReportPageSetup &page = m_definition->page;
    if (const ReportItem *selected = currentItem()) {
        m_pages->setCurrentIndex(ItemPage);
        m_itemKind->setText(itemKindCaption(selected->kind));
        TextEdit->setPlainText(selected->text);
        TextEdit->setEnabled(selected->kind == ReportItemKind::Text || selected->kind == ReportItemKind::Picture);
        FontButton->setText(selected->font);
        HorizontalBox->setCurrentIndex(HorizontalBox->findData(int(selected->alignment & Qt::AlignHorizontal_Mask)));
        VerticalBox->setCurrentIndex(VerticalBox->findData(int(selected->alignment & Qt::AlignVertical_Mask)));
        FormatBox->setCurrentText(selected->format);
        FrameLeftBox->setChecked(selected->frame & FrameLeft);
        FrameTopBox->setChecked(selected->frame & FrameTop);
        FrameRightBox->setChecked(selected->frame & FrameRight);
        FrameBottomBox->setChecked(selected->frame & FrameBottom);
        LineWidthSpin->setValue(selected->lineWidth);
        LeftSpin->setValue(selected->rect.x());
        TopSpin->setValue(selected->rect.y());
        WidthSpin->setValue(selected->rect.width());
        HeightSpin->setValue(selected->rect.height());
    } else if (const ReportBand *selectedBand = band ? m_definition->band(*band) : nullptr) {
        m_pages->setCurrentIndex(BandPage);
        m_bandCaption->setText(ReportBandCaption(selectedBand->kind));
        BandHeightSpin->setValue(selectedBand->height);
        DataSetBox->setEnabled(IsReportDataBand(selectedBand->kind));
        if (DataSetBox->findText(selectedBand->dataSet) < 0)
            DataSetBox->addItem(selectedBand->dataSet);
        DataSetBox->setCurrentText(selectedBand->dataSet);
    } else {
        m_pages->setCurrentIndex(PagePage);
        PageWidthSpin->setValue(page.width);
        PageHeightSpin->setValue(page.height);
        MarginLeftSpin->setValue(page.leftMargin);
        MarginTopSpin->setValue(page.topMargin);
        MarginRightSpin->setValue(page.rightMargin);
        MarginBottomSpin->setValue(page.bottomMargin);
    }
    m_filling = false;
}

void ReportPropertyPanel::writeItem()
{
    ReportItem *item = currentItem();
    if (m_filling || !item)
        return;
    item->text = TextEdit->toPlainText();
    item->font = FontButton->text();
    item->alignment = Qt::Alignment(HorizontalBox->currentData().toInt() | VerticalBox->currentData().toInt());
    item->format = FormatBox->currentText();
    item->frame = (FrameLeftBox->isChecked() ? FrameLeft : 0) | (FrameTopBox->isChecked() ? FrameTop : 0)
                  | (FrameRightBox->isChecked() ? FrameRight : 0) | (FrameBottomBox->isChecked() ? FrameBottom : 0);
    item->lineWidth = LineWidthSpin->value();
    item->rect = QRectF(LeftSpin->value(), TopSpin->value(), WidthSpin->value(), HeightSpin->value());
    Q_EMIT itemEdited(*m_band, m_item);
}

void ReportPropertyPanel::writeBand()
{
    ReportBand *band = m_band ? m_definition->band(*m_band) : nullptr;
    if (m_filling || !band)
        return;
    band->height = BandHeightSpin->value();
    if (IsReportDataBand(band->kind))
        band->dataSet = DataSetBox->currentText();
    Q_EMIT layoutEdited();
}

void ReportPropertyPanel::writePage()
{
    if (m_filling)
        return;
    ReportPageSetup &page = m_definition->page;
    page.width = PageWidthSpin->value();
    page.height = PageHeightSpin->value();
    page.leftMargin = MarginLeftSpin->value();
    page.topMargin = MarginTopSpin->value();
    page.rightMargin = MarginRightSpin->value();
    page.bottomMargin = MarginBottomSpin->value();
    Q_EMIT layoutEdited();
}
