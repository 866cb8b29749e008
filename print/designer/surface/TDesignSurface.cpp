#include "designer/surface/TDesignSurface.h"

#include "core/errors/CorvaneError.h"
#include "core/globals/ProgramFolder.h"
#include "core/globals/PubDm.h"
#include "core/picture/Pic.h"
#include "core/template/FieldGeometry.h"
#include "designer/model/DesignFieldRows.h"
#include "designer/model/PageOffset.h"
#include "designer/model/RubberBand.h"
#include "designer/surface/DesignerHotKeys.h"
#include "designer/surface/TDesignFieldControl.h"
#include "designer/surface/TDesignPage.h"

#include <QFileInfo>
#include <QFrame>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace {
// A page without picture still gives room to place fields.
constexpr QSize kBlankPage = kBlankPageSize;

QFrame *marginStrip(QWidget *parent, const char *name)
{
    auto *strip = new QFrame(parent);
    strip->setObjectName(QLatin1String(name));
    strip->setStyleSheet(QStringLiteral("QFrame#%1 { border: 1px dotted red; }").arg(QLatin1String(name)));
    return strip;
}
}

TDesignSurface::TDesignSurface(QWidget *parent)
    : QWidget(parent),
      m_rows(std::make_unique<DesignFieldRows>()),
      m_leftStrip(marginStrip(this, "LeftMarginShape")),
      m_topStrip(marginStrip(this, "TopMarginShape")),
      m_scrollBox(new QScrollArea(this)),
      m_page(new TDesignPage)
{
    setObjectName(QStringLiteral("pnlBack"));
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox->setWidgetResizable(false);
    m_scrollBox->setFrameShape(QFrame::NoFrame);
    m_page->setObjectName(QStringLiteral("pnlPage"));
    m_scrollBox->setWidget(m_page);
    m_scrollBox->viewport()->installEventFilter(this);
    m_pictureSize = kBlankPage;
    m_page->resize(m_pictureSize);
    m_scrollPos = QPoint(m_strips.width(), m_strips.height());
    layoutScrollBox();

    connect(m_page, &TDesignPage::clicked, this, &TDesignSurface::clearSelection);
    connect(m_page, &TDesignPage::rubberBandDrawn, this, &TDesignSurface::selectInRect);
    connect(m_page, &TDesignPage::doubleClicked, this, &TDesignSurface::togglePageFill);
    connect(m_rows.get(), &DesignFieldRows::rowChanged, this, &TDesignSurface::fieldsChanged);
    m_hotKeys = std::make_unique<DesignerHotKeys>(
        this, [this](int key, Qt::KeyboardModifiers modifiers) { onHotKey(key, modifiers); });
}

TDesignSurface::~TDesignSurface() = default;

bool TDesignSurface::openTemplate(const QString &refNo)
{
    clearPage();
    if (!m_rows->open(refNo))
        return false;
    showOpenedTemplate();
    return true;
}

void TDesignSurface::openDocument(const TemplateDocument &document)
{
    clearPage();
    m_rows->open(document);
    showOpenedTemplate();
}

void TDesignSurface::showOpenedTemplate()
{
    m_header = DesignHeaderOf(m_rows->document().note);
    loadPicture(m_header->imgFile);
    m_scrollPos = PagePosition(m_header->offsetMm, m_strips);
    layoutScrollBox();
    for (const int tag : m_rows->tags())
        refreshControl(tag);
    emit templateOpened();
    emit fieldsChanged();
    emit pageOffsetChanged(pageOffsetMm());
}

void TDesignSurface::clearPage()
{
    m_drag.reset();
    removeControls();
    m_columnCaptions.clear();
    m_selection.clear();
    m_rows->close();
    m_header.reset();
    m_pressedTag = -1;
    // The picture goes with the page, also when the template had no fields.
    m_page->setPicture(QImage());
    m_pictureSize = kBlankPage;
    m_page->resize(m_pictureSize);
    setCurrent(-1);
    showSelection();
}

bool TDesignSurface::hasUnsavedChanges() const
{
    return m_rows->hasUnsavedChanges();
}

void TDesignSurface::writeFieldBatch()
{
    m_rows->write();
}

void TDesignSurface::showPicture(const QString &imgFile)
{
    if (m_header)
        m_header->imgFile = imgFile;
    loadPicture(imgFile);
}

void TDesignSurface::loadPicture(const QString &imgFile)
{
    QImage picture;
    const QString path = ProgramFile(QStringLiteral("images/") + imgFile);
    if (!imgFile.isEmpty() && QFileInfo(path).isFile()) {
        try {
            SetJpegImg(path, picture);
        } catch (const CorvaneError &) {
            picture = QImage();  // an unreadable picture leaves the page blank
        }
    }
    m_page->setPicture(picture);
    m_pictureSize = picture.isNull() ? kBlankPage : picture.size();
    m_page->resize(m_pictureSize);
}

QPointF TDesignSurface::pageOffsetMm() const
{
    return PageOffsetMm(m_scrollPos, m_strips);
}

void TDesignSurface::setPageOffsetMm(const QPointF &offsetMm)
{
    m_scrollPos = PagePosition(offsetMm, m_strips);
    layoutScrollBox();
    emit pageOffsetChanged(pageOffsetMm());
}

void TDesignSurface::setMarginStrips(const QSize &strips)
{
    const QPointF offset = pageOffsetMm();
    m_strips = strips;
    m_scrollPos = PagePosition(offset, m_strips);
    layoutScrollBox();
}

void TDesignSurface::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutScrollBox();
}

void TDesignSurface::layoutScrollBox()
{
    m_leftStrip->setGeometry(0, 0, m_strips.width(), std::max(height(), 3500));
    m_topStrip->setGeometry(0, 0, std::max(width(), 2500), m_strips.height());
    m_scrollBox->setGeometry(m_scrollPos.x(), m_scrollPos.y(), std::max(1, width() - m_strips.width()),
                             std::max(1, height() - m_strips.height()));
    m_scrollBox->raise();
}

void TDesignSurface::togglePageFill()
{
    const QSize box = m_scrollBox->viewport()->size();
    m_page->resize(m_page->size() == box ? m_pictureSize : box);
}

bool TDesignSurface::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scrollBox->viewport() && event->type() == QEvent::Wheel) {
        QScrollBar *bar = m_scrollBox->verticalScrollBar();
        const bool towardsUser = static_cast<QWheelEvent *>(event)->angleDelta().y() < 0;
        bar->setValue(bar->value() + (towardsUser ? 10 : -10));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// --- controls and selection ---

TDesignFieldControl *TDesignSurface::createControl(int tag)
{
    auto *control = new TDesignFieldControl(tag, m_page);
    connect(control, &TDesignFieldControl::pressed, this, &TDesignSurface::onControlPressed);
    connect(control, &TDesignFieldControl::moved, this, &TDesignSurface::onControlMoved);
    connect(control, &TDesignFieldControl::released, this, &TDesignSurface::onControlReleased);
    control->show();
    return control;
}

void TDesignSurface::refreshControl(int tag)
{
    const TemplateField *field = m_rows->field(tag);
    if (!field)
        return;
    TDesignFieldControl *control = this->control(tag);
    if (!control)
        control = createControl(tag);
    control->setGeometry(field->rect.toRect());
    control->setCaption(m_columnCaptions.value(tag, field->caption));
    control->setKind(field->kindText());
    control->setFieldFont(field->font ? std::optional<QFont>(field->font->toFont()) : std::nullopt);
    control->setPrinted(field->needPrint);
    control->setShown(field->needShow);
    control->setSelected(m_selection.contains(tag));
}

void TDesignSurface::removeControls()
{
    for (TDesignFieldControl *control : controls())
        delete control;
}

QList<TDesignFieldControl *> TDesignSurface::controls() const
{
    QList<TDesignFieldControl *> list;
    for (QObject *child : m_page->children()) {
        if (auto *control = qobject_cast<TDesignFieldControl *>(child))
            list.append(control);
    }
    return list;
}

TDesignFieldControl *TDesignSurface::control(int tag) const
{
    for (TDesignFieldControl *control : controls()) {
        if (control->tag() == tag)
            return control;
    }
    return nullptr;
}

PlacedControls TDesignSurface::placedControls() const
{
    PlacedControls placed;
    for (const TDesignFieldControl *control : controls())
        placed.append({control->tag(), control->geometry()});
    return placed;
}

QList<TDesignFieldControl *> TDesignSurface::selectedNewestFirst() const
{
    QList<TDesignFieldControl *> selected;
    const QList<TDesignFieldControl *> all = controls();
    for (auto it = all.crbegin(); it != all.crend(); ++it) {
        if (m_selection.contains((*it)->tag()))
            selected.append(*it);
    }
    return selected;
}

void TDesignSurface::setCurrent(int tag)
{
    if (m_currentTag == tag)
        return;
    m_currentTag = tag;
    emit currentFieldChanged(tag);
}

void TDesignSurface::showSelection()
{
    for (TDesignFieldControl *control : controls())
        control->setSelected(m_selection.contains(control->tag()));
    // The property panel follows a selected field: the pressed one, else the first selected.
    if (!m_selection.isEmpty() && !m_selection.contains(m_currentTag))
        setCurrent(m_selection.first());
    emit selectionChanged();
}

void TDesignSurface::setSelected(int tag, bool selected)
{
    if (!control(tag))
        return;
    if (selected)
        m_selection.add(tag);
    else
        m_selection.remove(tag);
    showSelection();
}

void TDesignSurface::selectAll()
{
    for (const int tag : AllTagsNewestFirst(placedControls()))
        m_selection.add(tag);
    showSelection();
}

void TDesignSurface::clearSelection()
{
    m_selection.clear();
    showSelection();
}

void TDesignSurface::selectInRect(const QPoint &start, const QPoint &end)
{
    for (const int tag : TagsInRubberBand(placedControls(), RubberBandRect(start, end)))
        m_selection.add(tag);
    showSelection();
}

void TDesignSurface::setHotKeyScreen(QWidget *screen)
{
    m_hotKeys->setScreen(screen ? screen : this);
}

bool TDesignSurface::hotKeysActive() const
{
    return m_hotKeys->active();
}
