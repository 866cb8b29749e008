#include "gui/report/TReportPreviewForm.h"

#include "core/report/ReportPainter.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/dialogs/PrinterSetupSeam.h"
#include "gui/printfun/CurrentPrinter.h"
#include "gui/widgets/BarButton.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr double kScreenDpi = 96.0;
constexpr double kInchesPerMetre = 1 / 0.0254;
const QList<int> kZoomPercents{50, 75, 100, 125, 150, 200};

} // namespace

TReportPreviewForm::TReportPreviewForm(LaidOutReport report, QWidget *owner)
    : QDialog(owner), m_report(std::move(report)), m_scroll(new QScrollArea(this)), m_pageView(new QLabel)
{
    setWindowTitle(QStringLiteral("报表预览"));
    resize(1000, 760);
    auto *bar = new QHBoxLayout;
    const auto button = [this, bar](const QString &caption, const char *name) { return AddBarButton(this, bar, caption, name); };
    PrintButton = button(QStringLiteral("打印(&P)"), "PrintButton");
    FirstButton = button(QStringLiteral("首页"), "FirstButton");
    PriorButton = button(QStringLiteral("上页"), "PriorButton");
    NextButton = button(QStringLiteral("下页"), "NextButton");
    LastButton = button(QStringLiteral("末页"), "LastButton");
    PageLabel = new QLabel(this);
    bar->addWidget(PageLabel);
    ZoomBox = new QComboBox(this);
    ZoomBox->setObjectName(QStringLiteral("ZoomBox"));
    for (int percent : kZoomPercents)
        ZoomBox->addItem(QStringLiteral("%1%").arg(percent), percent / 100.0);
    ZoomBox->setCurrentIndex(int(kZoomPercents.indexOf(100)));
    bar->addWidget(ZoomBox);
    bar->addStretch();
    CloseButton = button(QStringLiteral("关闭(&C)"), "CloseButton");

    m_scroll->setWidget(m_pageView);
    m_scroll->setAlignment(Qt::AlignHCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll);

    connect(FirstButton, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(PriorButton, &QPushButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(NextButton, &QPushButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(LastButton, &QPushButton::clicked, this, [this] { showPage(pageCount() - 1); });
    connect(PrintButton, &QPushButton::clicked, this, &TReportPreviewForm::print);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ZoomBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { setZoom(ZoomBox->itemData(index).toDouble()); });
    showPage(0);
}

QImage TReportPreviewForm::pageImage(int index) const
{
    const double dpi = kScreenDpi * m_zoom;
    const QSize size(qRound(m_report.page.width / 25.4 * dpi), qRound(m_report.page.height / 25.4 * dpi));
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi * kInchesPerMetre));
    image.setDotsPerMeterY(qRound(dpi * kInchesPerMetre));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (index >= 0 && index < pageCount())
        PaintReportPage(painter, m_report.pages.at(index));
    return image;
}

void TReportPreviewForm::showPage(int index)
{
    m_page = std::clamp(index, 0, std::max(pageCount() - 1, 0));
    m_pageView->setPixmap(QPixmap::fromImage(pageImage(m_page)));
    m_pageView->adjustSize();
    PageLabel->setText(QStringLiteral("第 %1 页 / 共 %2 页").arg(m_page + 1).arg(pageCount()));
    FirstButton->setEnabled(m_page > 0);
    PriorButton->setEnabled(m_page > 0);
    NextButton->setEnabled(m_page + 1 < pageCount());
    LastButton->setEnabled(m_page + 1 < pageCount());
}

void TReportPreviewForm::setZoom(double zoom)
{
    m_zoom = zoom;
    const QSignalBlocker quiet(ZoomBox);
    ZoomBox->setCurrentIndex(ZoomBox->findData(zoom));
    showPage(m_page);
}

bool TReportPreviewForm::print()
{
    if (!PrinterSetupSeam::ask(this))
        return false;
    // The printer is shared with bill printing: its paper and origin are given back afterwards.
    QPrinter &printer = CurrentPrinter();
    const QPageLayout layout = printer.pageLayout();
    const bool fullPage = printer.fullPage();
    printer.setFullPage(true);
    const bool printed = PrintReport(printer, m_report);
    printer.setPageLayout(layout);
    printer.setFullPage(fullPage);
    if (printed)
        return true;
    ShowMsgerror(QStringLiteral("打印失败"));
    return false;
}
