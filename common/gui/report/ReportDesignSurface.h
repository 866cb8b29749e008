#pragma once

#include "core/report/ReportDefinition.h"

#include <QList>
#include <QWidget>

#include <optional>

class ReportBandView;
class ReportItemView;

// The designer's page: the bands of a definition stacked in print order inside the margins,
// with their items. Dragging an item writes its new rectangle into the definition.
class ReportDesignSurface : public QWidget
{
    Q_OBJECT

public:
    ReportDesignSurface(ReportDefinition *definition, QWidget *parent = nullptr);

    // After bands or items were added or removed, or the page changed.
    void rebuild();
    // After one item's properties changed.
    void refreshItem(ReportBandKind band, int index);
    void setPictureFolder(const QString &folder) { m_pictureFolder = folder; }

    // Nothing selected: the page; a band alone; or an item of a band.
    void select(std::optional<ReportBandKind> band, int item = -1);
    std::optional<ReportBandKind> selectedBand() const { return m_band; }
    int selectedItem() const { return m_item; }
    ReportItemView *itemView(ReportBandKind band, int index) const;
    ReportBandView *bandView(ReportBandKind band) const;

Q_SIGNALS:
    void selectionChanged();
    void itemMoved(ReportBandKind band, int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void itemEdited(ReportItemView *view);
    QImage pictureFor(const ReportItem &item) const;

    ReportDefinition *m_definition;
    QString m_pictureFolder;
    QList<ReportBandView *> m_bandViews;
    std::optional<ReportBandKind> m_band;
    int m_item = -1;
};
