#pragma once

#include "core/template/EditKindIndex.h"
#include "designer/model/DesignHeader.h"
#include "designer/model/DesignSelection.h"
#include "designer/model/LayoutRules.h"
#include "designer/model/PlacedControl.h"

#include <QHash>
#include <QPointF>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>

class DesignFieldRows;
class TemplateDocument;
class DesignerHotKeys;
class QFrame;
class QMouseEvent;
class QScrollArea;
class TDesignFieldControl;
class TDesignPage;

// The editing surface of the template designer: the margin strips, the scroll box whose place
// against them is the template's paper offset, and in it the page with the template's picture
// and one control per field row. The user selects, moves, resizes, aligns, copies and deletes
// fields with the mouse and the hot keys; every change goes into the field rows, which stay in
// memory until writeFieldBatch(). The paper offset is stored at once.
class TDesignSurface : public QWidget
{
    Q_OBJECT

public:
    explicit TDesignSurface(QWidget *parent = nullptr);
    ~TDesignSurface() override;

    // --- the template ---
    // Shows the template `refNo` (picture and fields, nothing selected); unsaved field changes
    // of the page are dropped. False, with an empty page, when there is no such template.
    bool openTemplate(const QString &refNo);
    // The same for a template document already loaded (its fields as they are in it).
    void openDocument(const TemplateDocument &document);
    // Removes every control and the picture; the field rows are dropped, nothing is written.
    void clearPage();
    bool hasTemplate() const { return m_header.has_value(); }
    const std::optional<DesignHeader> &header() const { return m_header; }
    bool hasUnsavedChanges() const;
    // Stores every changed field row in one transaction; raises DatabaseError on failure and
    // keeps the changes.
    void writeFieldBatch();
    DesignFieldRows &fieldRows() const { return *m_rows; }

    // --- the page ---
    // The paper offset in millimetres that the page's place shows (Xmove, Ymove).
    QPointF pageOffsetMm() const;
    // Moves the page to an offset (e.g. typed in the template panel); nothing is written.
    void setPageOffsetMm(const QPointF &offsetMm);
    // Width of the left strip and height of the top strip the offset is measured from.
    void setMarginStrips(const QSize &strips);
    QSize marginStrips() const { return m_strips; }
    QSize pictureSize() const { return m_pictureSize; }
    // Shows another picture file of the images folder (after an import); the fields stay.
    void showPicture(const QString &imgFile);
    // Where the page stands on the surface (strip + offset).
    QPoint pagePosition() const { return m_scrollPos; }
    TDesignPage *page() const { return m_page; }
    QScrollArea *scrollBox() const { return m_scrollBox; }

    // --- fields and selection ---
    QList<TDesignFieldControl *> controls() const;  // creation order
    TDesignFieldControl *control(int tag) const;
    PlacedControls placedControls() const;
    const DesignSelection &selection() const { return m_selection; }
    QList<int> selectedTags() const { return m_selection.tags(); }
    // The field whose properties the panel shows: the last pressed or added; -1 when none.
    int currentTag() const { return m_currentTag; }
    void setSelected(int tag, bool selected);
    void selectAll();
    void clearSelection();
    // Adds the fields the rectangle between the two points overlaps to the selection.
    void selectInRect(const QPoint &start, const QPoint &end);

    // --- edits ---
    // Adds a field of `kind` under `parentId` (0: on the page, else a grid's Tag), selects it and
    // makes it current. Returns its Tag, -1 when no template is open.
    int addField(EditKindIndex kind, const QRect &rect, const QString &caption, int parentId = 0);
    // Writes columns into every selected field's row and refreshes their controls.
    void applyToSelection(const QVariantMap &columns);
    // Writes columns into one row and refreshes its control.
    void applyToField(int tag, const QVariantMap &columns);
    // The control shows the name of the data column just chosen for it in place of its stored
    // caption, until the caption is edited or the page is opened again.
    void showColumnCaption(int tag, const QString &column);
    void alignSelection(AlignMode mode);
    void sizeSelection(SizeMode mode);
    void pasteSelection(PasteMode mode);
    // Ctrl+Del: removes the selected fields with their rows, then writes the field batch.
    void deleteSelection();
    // Ctrl+arrow: one pixel for the selected fields, or for the page when none is selected.
    void moveByArrow(ArrowKey key);
    // Shift+arrow: one pixel wider, narrower, taller or shorter.
    void resizeByArrow(ArrowKey key);
    // 锁定位置: no mouse dragging and no Ctrl+arrow moves.
    bool locked() const { return m_locked; }
    void setLocked(bool locked);

    // --- hot keys ---
    // The screen whose activity lets the hot keys act (default: the surface's window).
    void setHotKeyScreen(QWidget *screen);
    bool hotKeysActive() const;

signals:
    void selectionChanged();
    void currentFieldChanged(int tag);
    // Field rows changed in memory (edits, adds, copies, deletes) or were reloaded.
    void fieldsChanged();
    void templateOpened();
    void pageOffsetChanged(const QPointF &offsetMm);
    void lockedChanged(bool locked);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Drag
    {
        QPointer<TDesignFieldControl> control;
        int zone = 0;
        QRect start;
        QPoint startGlobal;
    };

    void showOpenedTemplate();
    TDesignFieldControl *createControl(int tag);
    void refreshControl(int tag);
    void removeControls();
    void loadPicture(const QString &imgFile);
    void layoutScrollBox();
    void setCurrent(int tag);
    void showSelection();
    void writeRect(TDesignFieldControl *control, const QRect &rect);
    int copyField(TDesignFieldControl *source, const QRect &rect);
    QList<TDesignFieldControl *> selectedNewestFirst() const;
    void togglePageFill();
    void onHotKey(int key, Qt::KeyboardModifiers modifiers);
    void onControlPressed(TDesignFieldControl *control, QMouseEvent *event);
    void onControlMoved(TDesignFieldControl *control, QMouseEvent *event);
    void onControlReleased(TDesignFieldControl *control, QMouseEvent *event);

    std::unique_ptr<DesignFieldRows> m_rows;
    std::unique_ptr<DesignerHotKeys> m_hotKeys;
    std::optional<DesignHeader> m_header;
    DesignSelection m_selection;
    QFrame *m_leftStrip;
    QFrame *m_topStrip;
    QScrollArea *m_scrollBox;
    TDesignPage *m_page;
    QSize m_strips{50, 30};
    QPoint m_scrollPos;
    QSize m_pictureSize;
    int m_currentTag = -1;
    int m_pressedTag = -1;
    bool m_locked = false;
    std::optional<Drag> m_drag;
    QHash<int, QString> m_columnCaptions;  // see showColumnCaption
};
