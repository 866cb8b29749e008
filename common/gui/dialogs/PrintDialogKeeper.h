#pragma once

#include <QList>
#include <QObject>
#include <QPageLayout>
#include <QPointer>

class QPrintDialog;
class QPrinter;
class QWidget;

// Keeps the printer as it was set through the toolkit's print dialog, which shows it wrongly:
// - its paper page (the properties dialog, made when first opened or at OK) knows only its
//   list of named sizes: a custom size (a bill form's paper) shows as the list's first entry,
//   and OK gives the printer that paper although the user never saw or chose it. So the paper
//   page shows the printer's page when it opens, and at OK the printer keeps the page it had
//   unless the user saw the paper page and chose there;
// - it opens on the first queue even when the printer prints to a file: it opens on the file.
class PrintDialogKeeper : public QObject
{
public:
    // Made before the dialog: the dialog changes the printer as soon as it is made.
    explicit PrintDialogKeeper(QPrinter &printer);
    void watch(QPrintDialog &dialog);

    // After OK: gives the printer back its page when the user did not choose one.
    void settle() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void present(QWidget *paperPage) const;
    void presentDestination() const;

    QPrinter &m_printer;
    QPageLayout m_page;
    bool m_toFile;
    QPointer<QPrintDialog> m_dialog;
    QList<QPointer<QWidget>> m_seen;  // paper pages the user has seen
};
