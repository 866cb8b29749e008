#include "gui/dialogs/PrintDialogKeeper.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>

namespace {

// The toolkit's own class and control names of its paper page.
constexpr char kPaperPageClass[] = "QPrintPropertiesDialog";

bool isPaperPage(const QObject *object)
{
    return object->isWidgetType() && qstrcmp(object->metaObject()->className(), kPaperPageClass) == 0;
}

// By parents, across windows (the paper page is a window of its own).
bool descendsFrom(const QObject *object, const QObject *ancestor)
{
    for (const QObject *up = object ? object->parent() : nullptr; up; up = up->parent())
        if (up == ancestor)
            return true;
    return false;
}

// The newest paper page of the dialog: a change of printer replaces it.
QWidget *paperPageOf(const QPrintDialog &dialog)
{
    QWidget *newest = nullptr;
    for (QDialog *child : dialog.findChildren<QDialog *>())
        if (isPaperPage(child))
            newest = child;
    return newest;
}

} // namespace

PrintDialogKeeper::PrintDialogKeeper(QPrinter &printer)
    : m_printer(printer), m_page(printer.pageLayout()),
      m_toFile(printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
{
}

void PrintDialogKeeper::watch(QPrintDialog &dialog)
{
    m_dialog = &dialog;
    qApp->installEventFilter(this);
}

bool PrintDialogKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_dialog)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Show && watched == m_dialog)
        presentDestination();
    if (event->type() == QEvent::Show && isPaperPage(watched)) {
        auto *page = static_cast<QWidget *>(watched);
        if (descendsFrom(page, m_dialog) && !m_seen.contains(QPointer<QWidget>(page))) {
            m_seen.append(page);
            present(page);
        }
    }
    return QObject::eventFilter(watched, event);
}

// Shows the printer's page on the paper page: the named size when the list has it, else the
// list's custom entry with the page's width and height.
void PrintDialogKeeper::present(QWidget *paperPage) const
{
    auto *sizes = paperPage->findChild<QComboBox *>(QStringLiteral("pageSizeCombo"));
    auto *width = paperPage->findChild<QDoubleSpinBox *>(QStringLiteral("pageWidth"));
    auto *height = paperPage->findChild<QDoubleSpinBox *>(QStringLiteral("pageHeight"));
    auto *units = paperPage->findChild<QComboBox *>(QStringLiteral("unitCombo"));
    auto *portrait = paperPage->findChild<QRadioButton *>(QStringLiteral("portrait"));
    auto *landscape = paperPage->findChild<QRadioButton *>(QStringLiteral("landscape"));
    if (!sizes || !width || !height || !units || !portrait || !landscape)
        return;
    const QPageSize wanted = m_page.pageSize();
    int custom = -1;
    for (int i = 0; i < sizes->count(); ++i) {
        const QVariant data = sizes->itemData(i);
        const QPageSize listed = data.value<QPageSize>();
        if (!data.isValid() || !listed.isValid()) {
            custom = i;
        } else if (listed.isEquivalentTo(wanted)) {
            sizes->setCurrentIndex(i);
            (m_page.orientation() == QPageLayout::Landscape ? landscape : portrait)->click();
            return;
        }
    }
    if (custom < 0)
        return;
    sizes->setCurrentIndex(custom);
    (m_page.orientation() == QPageLayout::Landscape ? landscape : portrait)->click();
    const QVariant unitData = units->currentData();
    const auto unit = unitData.isValid() ? unitData.value<QPageLayout::Unit>() : QPageLayout::Millimeter;
    const QSizeF size = wanted.size(QPageSize::Unit(unit));
    width->setValue(size.width());
    height->setValue(size.height());
}

// A printer that prints to a file: the list's last entry, the file (after the queues).
void PrintDialogKeeper::presentDestination() const
{
    auto *destinations = m_dialog->findChild<QComboBox *>(QStringLiteral("printers"));
    if (!destinations || !m_toFile)
        return;
    if (destinations->count() > 1 && destinations->currentIndex() != destinations->count() - 1)
        destinations->setCurrentIndex(destinations->count() - 1);
}

void PrintDialogKeeper::settle() const
{
    // The paper page that OK applied is the newest one.
    QWidget *applied = m_dialog ? paperPageOf(*m_dialog) : nullptr;
    if (applied && m_seen.contains(QPointer<QWidget>(applied)))
        return;
    m_printer.setPageLayout(m_page);
}
