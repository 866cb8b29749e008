#pragma once

#include "core/report/ReportDefinition.h"

#include <QImage>
#include <QWidget>

// One item on the design surface, drawn as it prints (references shown as written). Dragging
// its edges or inner area resizes or moves it through the template designer's zones.
class ReportItemView : public QWidget
{
    Q_OBJECT

public:
    ReportItemView(int index, const ReportItem &item, QWidget *band);

    int index() const { return m_index; }
    const ReportItem &item() const { return m_item; }
    void setItem(const ReportItem &item);
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    void setPicture(const QImage &picture);

    // Millimetres and pixels of this surface.
    double pixelsPerMm() const;
    QRect pixelRect(const QRectF &mm) const;
    // The item's rectangle after a drag of the view: the edges that moved, in 0.1 mm steps.
    QRectF millimetreRect() const;

Q_SIGNALS:
    void pressed(ReportItemView *view);
    void geometryEdited(ReportItemView *view);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    int m_index;
    ReportItem m_item;
    QImage m_picture;
    bool m_selected = false;
};
