#include "gui/report/ReportDesignSurface.h"

#include "gui/report/ReportBandView.h"
#include "gui/report/ReportItemView.h"

#include <QDir>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {
constexpr int kBandGap = 4;
}

ReportDesignSurface::ReportDesignSurface(ReportDefinition *definition, QWidget *parent)
    : QWidget(parent), m_definition(definition)
{
    setObjectName(QStringLiteral("ReportDesignSurface"));
    rebuild();
}

void ReportDesignSurface::rebuild()
{
    qDeleteAll(m_bandViews);
    m_bandViews.clear();
    const double scale = logicalDpiX() / 25.4;
    const ReportPageSetup &page = m_definition->page;
    const int left = int(std::lround(page.leftMargin * scale));
    int y = int(std::lround(page.topMargin * scale));
    for (const ReportBand &band : m_definition->bands) {
        auto *view = new ReportBandView(band, int(std::lround(page.printableWidth() * scale)), this);
        view->move(left, y);
        connect(view, &ReportBandView::pressed, this, [this](ReportBandKind kind) { select(kind); });
        for (int i = 0; i < band.items.size(); ++i) {
            auto *item = new ReportItemView(i, band.items.at(i), view);
            item->setObjectName(QStringLiteral("item_%1_%2").arg(int(band.kind)).arg(i));
            item->setPicture(pictureFor(band.items.at(i)));
            const ReportBandKind kind = band.kind;
            connect(item, &ReportItemView::pressed, this, [this, kind](ReportItemView *v) { select(kind, v->index()); });
            connect(item, &ReportItemView::geometryEdited, this, &ReportDesignSurface::itemEdited);
        }
        view->show();
        m_bandViews.append(view);
        y += view->height() + kBandGap;
    }
    const int bottom = int(std::lround(page.bottomMargin * scale));
    setFixedSize(int(std::lround(page.width * scale)), std::max(y + bottom, int(std::lround(page.height * scale))));
    if (m_band && !m_definition->band(*m_band))
        m_band.reset();
    if (m_band && m_item >= m_definition->band(*m_band)->items.size())
        m_item = -1;
    select(m_band, m_item);
    update();
}

void ReportDesignSurface::refreshItem(ReportBandKind band, int index)
{
    const ReportBand *model = m_definition->band(band);
    ReportItemView *view = itemView(band, index);
    if (!model || !view || index >= model->items.size())
        return;
    view->setItem(model->items.at(index));
    view->setPicture(pictureFor(model->items.at(index)));
}

void ReportDesignSurface::select(std::optional<ReportBandKind> band, int item)
{
    m_band = band;
    m_item = band ? item : -1;
    for (ReportBandView *view : m_bandViews) {
        view->setSelected(m_band == view->kind() && m_item < 0);
        for (ReportItemView *child : view->findChildren<ReportItemView *>())
            child->setSelected(m_band == view->kind() && child->index() == m_item);
    }
    Q_EMIT selectionChanged();
}

ReportBandView *ReportDesignSurface::bandView(ReportBandKind band) const
{
    for (ReportBandView *view : m_bandViews)
        if (view->kind() == band)
            return view;
    return nullptr;
}

ReportItemView *ReportDesignSurface::itemView(ReportBandKind band, int index) const
{
    if (ReportBandView *view = bandView(band))
        for (ReportItemView *child : view->findChildren<ReportItemView *>())
            if (child->index() == index)
                return child;
    return nullptr;
}

void ReportDesignSurface::itemEdited(ReportItemView *view)
{
    const auto *bandView = qobject_cast<ReportBandView *>(view->parentWidget());
    ReportBand *band = bandView ? m_definition->band(bandView->kind()) : nullptr;
    if (!band || view->index() >= band->items.size())
        return;
    ReportItem &item = band->items[view->index()];
    item.rect = view->millimetreRect();
    view->setItem(item);
    Q_EMIT itemMoved(band->kind, view->index());
}

QImage ReportDesignSurface::pictureFor(const ReportItem &item) const
{
    if (item.kind != ReportItemKind::Picture || item.text.trimmed().isEmpty() || item.text.contains(QLatin1Char('[')))
        return {};
    return QImage(QDir(m_pictureFolder).filePath(item.text.trimmed()));
}

void ReportDesignSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const double scale = logicalDpiX() / 25.4;
    const ReportPageSetup &page = m_definition->page;
    QPen guide(QColor(200, 200, 220));
    guide.setStyle(Qt::DotLine);
    painter.setPen(guide);
    const int left = int(std::lround(page.leftMargin * scale));
    const int right = int(std::lround((page.width - page.rightMargin) * scale));
    painter.drawLine(left, 0, left, height());
    painter.drawLine(right, 0, right, height());
}

void ReportDesignSurface::mousePressEvent(QMouseEvent *event)
{
    select(std::nullopt);
    event->accept();
}
