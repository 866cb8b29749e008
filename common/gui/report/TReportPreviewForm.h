#pragma once

#include "core/report/ReportLayout.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

// The preview of a laid-out report: one page at a time, zoom, page turning, and 打印, which
// asks for the printer and prints every page as one document.
class TReportPreviewForm : public QDialog
{
    Q_OBJECT

public:
    explicit TReportPreviewForm(LaidOutReport report, QWidget *owner = nullptr);

    int pageIndex() const { return m_page; }
    int pageCount() const { return int(m_report.pages.size()); }
    void showPage(int index);
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    // The page as the preview draws it, at the current zoom.
    QImage pageImage(int index) const;
    // Asks for the printer, then prints; false when cancelled or the printer refused.
    bool print();

    QPushButton *FirstButton, *PriorButton, *NextButton, *LastButton, *PrintButton, *CloseButton;
    QComboBox *ZoomBox;
    QLabel *PageLabel;

private:
    LaidOutReport m_report;
    QScrollArea *m_scroll;
    QLabel *m_pageView;
    int m_page = 0;
    double m_zoom = 1.0;
};
