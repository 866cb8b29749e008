#pragma once

#include "core/report/ReportDefinition.h"

#include <QWidget>

// One band on the design surface: a strip of the printable width and the band's height, its
// caption (and data set) written faintly in the corner, a dashed line at its bottom.
class ReportBandView : public QWidget
{
    Q_OBJECT

public:
    ReportBandView(const ReportBand &band, int width, QWidget *page);

    ReportBandKind kind() const { return m_kind; }
    void setSelected(bool selected);

Q_SIGNALS:
    void pressed(ReportBandKind kind);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    ReportBandKind m_kind;
    QString m_caption;
    bool m_selected = false;
};
