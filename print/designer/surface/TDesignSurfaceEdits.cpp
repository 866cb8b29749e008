#include "designer/surface/TDesignSurface.h"

#include "core/globals/PubDm.h"
#include "core/printfun/MoveZone.h"
#include "core/template/TemplateDocument.h"
#include "designer/model/DesignFieldRows.h"
#include "designer/model/DesignTags.h"
#include "designer/model/KindChange.h"
#include "designer/surface/TDesignFieldControl.h"
#include "designer/surface/TDesignPage.h"

#include <QMouseEvent>

namespace {
// Edges this wide of a field control resize it; its inner area moves it.
constexpr int kZoneMargin = 3;

// A copy takes its source's kind, column, look and lists; the rest is a new field's.
TemplateField copyOf(const TemplateField &source, const QString &dataTableName)
{
    TemplateField copy = NewTemplateField(source.refNo, ekTextDisplay, dataTableName);
    copy.dbFieldName = source.dbFieldName;
    copy.kind = source.kind;
    copy.unknownKind = source.unknownKind;
    copy.xAlign = source.xAlign;
    copy.yAlign = source.yAlign;
    copy.font = source.font;
    copy.needPrint = source.needPrint;
    copy.needShow = source.needShow;
    copy.captionVisible = source.captionVisible;
    copy.initType = source.initType;
    copy.dropDownName = source.dropDownName;
    copy.dropRelComp = source.dropRelComp;
    copy.pickListName = source.pickListName;
    copy.pickSetFields = source.pickSetFields;
    copy.dropDownLevel = source.dropDownLevel;
    copy.checkRadioCols = source.checkRadioCols;
    copy.parentId = source.parentId;
    return copy;
}

}

int TDesignSurface::addField(EditKindIndex kind, const QRect &rect, const QString &caption, int parentId)
{
    if (!m_header)
        return -1;
    TemplateField field = NewTemplateField(m_header->refNo, kind, m_header->dataTableName);
    field.tag = NextDesignTag(m_rows->tags(), kind == ekGrid);
    if (kind == ekSpacedString)
        field.digitalCount = SpacedStringCells(field.digitalCount.value_or(0));
    field.parentId = parentId;
    field.caption = caption;
    field.placed = true;
    field.rect = PictureRect::fromRect(AtLeastOnePixel(rect));
    const int tag = field.tag;
    m_rows->insertField(field);
    refreshControl(tag);
    m_selection.add(tag);
    setCurrent(tag);
    showSelection();
    return tag;
}

void TDesignSurface::applyToField(int tag, const QVariantMap &columns)
{
    m_rows->setValues(tag, columns);
    if (columns.contains(QStringLiteral("CtlCName")))
        m_columnCaptions.remove(tag);  // the stored caption is shown again
    refreshControl(tag);
}

void TDesignSurface::showColumnCaption(int tag, const QString &column)
{
    m_columnCaptions.insert(tag, column);
    refreshControl(tag);
}

void TDesignSurface::applyToSelection(const QVariantMap &columns)
{
    for (const int tag : m_selection.tags())
        applyToField(tag, columns);
}

void TDesignSurface::writeRect(TDesignFieldControl *control, const QRect &rect)
{
    const QRect placed = AtLeastOnePixel(rect);
    control->setGeometry(placed);
    m_rows->setRect(control->tag(), placed);
}

void TDesignSurface::alignSelection(AlignMode mode)
{
    const int reference = m_selection.first();
    if (reference < 0 || !m_rows->contains(reference))
        return;
    // The reference is the first-selected field's row as stored, not its control.
    const QRect referenceRect = m_rows->rect(reference);
    for (TDesignFieldControl *control : selectedNewestFirst())
        writeRect(control, AlignedRect(mode, referenceRect, control->geometry()));
}

void TDesignSurface::sizeSelection(SizeMode mode)
{
    const std::optional<PlacedControl> reference = EqualSizeReference(placedControls(), m_selection);
    if (!reference)
        return;
    for (TDesignFieldControl *control : selectedNewestFirst())
        writeRect(control, EqualSizedRect(mode, reference->rect, control->geometry()));
}

int TDesignSurface::copyField(TDesignFieldControl *source, const QRect &rect)
{
    const TemplateField *sourceField = m_rows->field(source->tag());
    QList<int> taken = m_rows->tags();
    for (const TDesignFieldControl *control : controls())
        taken.append(control->tag());
    TemplateField copy = copyOf(*sourceField, m_header->dataTableName);
    copy.tag = NextDesignTag(taken, sourceField->isGrid());
    copy.placed = true;
    copy.rect = PictureRect::fromRect(rect);
    const int tag = copy.tag;
    m_rows->insertField(copy);
    refreshControl(tag);
    return tag;
}

void TDesignSurface::pasteSelection(PasteMode mode)
{
    if (m_selection.isEmpty() || !m_header)
        return;
    QList<int> copies;
    for (TDesignFieldControl *source : selectedNewestFirst()) {
        m_selection.remove(source->tag());
        if (!m_rows->contains(source->tag()))
            continue;
        copies.append(copyField(source, PastedRect(mode, source->geometry())));
    }
    for (const int tag : copies)
        m_selection.add(tag);
    showSelection();
}

void TDesignSurface::deleteSelection()
{
    if (m_rows->tags().isEmpty())
        return;
    for (TDesignFieldControl *control : selectedNewestFirst()) {
        m_selection.remove(control->tag());
        m_rows->removeRow(control->tag());
        if (m_currentTag == control->tag())
            setCurrent(-1);
        delete control;
    }
    m_rows->write();
    showSelection();
    emit fieldsChanged();
}

void TDesignSurface::moveByArrow(ArrowKey key)
{
    if (m_locked || !m_header)
        return;
    if (m_selection.isEmpty()) {
        m_scrollPos = NudgedRect(key, QRect(m_scrollPos, QSize(1, 1))).topLeft();
        layoutScrollBox();
        WritePageOffset(CurAdo, m_header->refNo, pageOffsetMm());
        m_header->offsetMm = pageOffsetMm();
        emit pageOffsetChanged(pageOffsetMm());
        return;
    }
    for (TDesignFieldControl *control : selectedNewestFirst())
        writeRect(control, NudgedRect(key, control->geometry()));
}

void TDesignSurface::resizeByArrow(ArrowKey key)
{
    for (TDesignFieldControl *control : selectedNewestFirst())
        writeRect(control, ResizedRect(key, control->geometry()));
}

void TDesignSurface::setLocked(bool locked)
{
    if (m_locked == locked)
        return;
    m_locked = locked;
    if (locked)
        m_drag.reset();
    emit lockedChanged(locked);
}

void TDesignSurface::onHotKey(int key, Qt::KeyboardModifiers modifiers)
{
    std::optional<ArrowKey> arrow;
    switch (key) {
    case Qt::Key_Left:
        arrow = ArrowKey::Left;
        break;
    case Qt::Key_Right:
        arrow = ArrowKey::Right;
        break;
    case Qt::Key_Up:
        arrow = ArrowKey::Up;
        break;
    case Qt::Key_Down:
        arrow = ArrowKey::Down;
        break;
    default:
        break;
    }
    if (arrow) {
        if (modifiers == Qt::ControlModifier)
            moveByArrow(*arrow);
        else
            resizeByArrow(*arrow);
        return;
    }
    switch (key) {
    case Qt::Key_Delete:
        deleteSelection();
        break;
    case Qt::Key_Q:
        selectAll();
        break;
    case Qt::Key_P:
        pasteSelection(PasteMode::Right);
        break;
    case Qt::Key_O:
        pasteSelection(PasteMode::Below);
        break;
    default:
        break;  // Ctrl+W and Ctrl+R are taken but do nothing
    }
}

// --- the mouse on a field control ---

void TDesignSurface::onControlPressed(TDesignFieldControl *control, QMouseEvent *event)
{
    const int tag = control->tag();
    m_selection.press(tag, event->modifiers().testFlag(Qt::ShiftModifier));
    if (m_rows->contains(tag)) {
        m_pressedTag = tag;
        setCurrent(tag);
    }
    showSelection();
    // Only the pressed control follows the mouse, and only with the left button alone.
    if (event->button() != Qt::LeftButton || event->buttons() != Qt::LeftButton || event->modifiers() != Qt::NoModifier
        || m_locked || m_selection.isEmpty() || m_pressedTag != tag)
        return;
    const QPoint at = event->position().toPoint();
    const MoveZoneCode zone = MoveZoneAt(at.x(), at.y(), control->width(), control->height(), kZoneMargin);
    if (zone == ZoneNone)
        return;
    control->setCursor(MoveZoneCursor(zone));
    m_drag = Drag{control, zone, control->geometry(), event->globalPosition().toPoint()};
}

void TDesignSurface::onControlMoved(TDesignFieldControl *control, QMouseEvent *event)
{
    if (m_drag && m_drag->control == control) {
        const QPoint delta = event->globalPosition().toPoint() - m_drag->startGlobal;
        control->setGeometry(DraggedGeometry(m_drag->start, MoveZoneCode(m_drag->zone), delta));
        return;
    }
    if (m_locked || m_selection.isEmpty())
        return;
    const QPoint at = event->position().toPoint();
    control->setCursor(MoveZoneCursor(MoveZoneAt(at.x(), at.y(), control->width(), control->height(), kZoneMargin)));
}

void TDesignSurface::onControlReleased(TDesignFieldControl *control, QMouseEvent *event)
{
    if (!m_drag || m_drag->control != control || event->button() != Qt::LeftButton)
        return;
    const QRect start = m_drag->start;
    m_drag.reset();
    // The row is written once, when the button comes up.
    if (control->geometry() != start)
        writeRect(control, control->geometry());
}
