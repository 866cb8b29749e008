#include "designer/surface/TDesignSurface.h"

#include "core/globals/PubDm.h"
#include "core/printfun/MoveZone.h"
#include "core/template/TemplateColumns.h"
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

// The columns a copy takes from its source; the others keep a new row's values.
const QStringList &copiedColumns()
{
    static const QStringList columns = {
        "DbFieldName", "FieldEditType", "xAlign", "yAlign", "CtlFontName", "NeedPrint", "NeedShow", "CaptionVisible",
        "InitType", "DropDownName", "DropRelComp", "PickListName", "pickSetFields", "DropDownLevel", "CheckRaidioCols",
        "ParentId"};
    return columns;
}

// A new field's row as the design rows take it: every column the template document gives it.
QVariantMap newFieldRow(const QString &refNo, EditKindIndex kind, const QString &dataTableName)
{
    const TemplateField field = NewTemplateField(refNo, kind, dataTableName);
    QVariantMap row;
    for (const TemplateColumn<TemplateField> &column : FieldColumns()) {
        const QVariant value = column.stored(field);
        if (!value.isNull())
            row.insert(column.name, value);
    }
    return row;
}

bool isGridKind(const QString &kind)
{
    return kind.trimmed() == EditKindName(ekGrid);
}
}

int TDesignSurface::addField(EditKindIndex kind, const QRect &rect, const QString &caption, int parentId)
{
    if (!m_header)
        return -1;
    const int tag = NextDesignTag(m_rows->tags(), kind == ekGrid);
    QVariantMap row = newFieldRow(m_header->refNo, kind, m_header->dataTableName);
    if (kind == ekSpacedString)
        row.insert(QStringLiteral("DigitalCount"), SpacedStringCells(row.value(QStringLiteral("DigitalCount")).toInt()));
    row.insert(QStringLiteral("Tag"), tag);
    row.insert(QStringLiteral("ParentId"), parentId);
    row.insert(QStringLiteral("CtlCName"), caption);
    const QRect placed = AtLeastOnePixel(rect);
    row.insert(QStringLiteral("Ctlx"), placed.x());
    row.insert(QStringLiteral("CtlY"), placed.y());
    row.insert(QStringLiteral("CtlW"), placed.width());
    row.insert(QStringLiteral("CtlH"), placed.height());
    m_rows->insertRow(row);
    refreshControl(tag);
    m_selection.add(tag);
    setCurrent(tag);
    showSelection();
    return tag;
}

void TDesignSurface::applyToField(int tag, const QVariantMap &columns)
{
    m_rows->setValues(tag, columns);
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
    const QVariantMap sourceRow = m_rows->row(source->tag());
    const bool grid = isGridKind(sourceRow.value(QStringLiteral("FieldEditType")).toString());
    QList<int> taken = m_rows->tags();
    for (const TDesignFieldControl *control : controls())
        taken.append(control->tag());
    const int tag = NextDesignTag(taken, grid);
    QVariantMap row = newFieldRow(m_header->refNo, ekTextDisplay, m_header->dataTableName);
    for (const QString &column : copiedColumns())
        row.insert(column, sourceRow.value(column));
    row.insert(QStringLiteral("Tag"), tag);
    row.insert(QStringLiteral("CtlCName"), QString());
    row.insert(QStringLiteral("Ctlx"), rect.x());
    row.insert(QStringLiteral("CtlY"), rect.y());
    row.insert(QStringLiteral("CtlW"), rect.width());
    row.insert(QStringLiteral("CtlH"), rect.height());
    m_rows->insertRow(row);
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
