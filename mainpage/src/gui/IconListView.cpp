#include "gui/IconListView.h"

#include "data/IconChange.h"
#include "gui/TemplateDrag.h"
#include "pictures/MainPageColors.h"

#include <QDrag>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {

// The editor starts from the stored caption, without the count and the default marker the list
// adds; the new text goes to the page, which stores it and shows it again.
class CaptionDelegate : public QStyledItemDelegate
{
public:
    CaptionDelegate(IconListView *list) : QStyledItemDelegate(list), m_list(list) {}

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            line->setText(index.data(IconListView::BareCaptionRole).toString());
    }
    void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override
    {
        const auto *line = qobject_cast<QLineEdit *>(editor);
        if (!line)
            return;
        const QString caption = line->text().trimmed();
        if (!caption.isEmpty() && caption != index.data(IconListView::BareCaptionRole).toString())
            Q_EMIT m_list->captionEdited(index.row(), caption);
    }

private:
    IconListView *m_list;
};

} // namespace

IconListView::IconListView(QWidget *parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("ListView1"));
    setViewMode(QListView::IconMode);
    setIconSize(QSize(kUiIconSize, kUiIconSize));
    setGridSize(QSize(124, 110));
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setWrapping(true);
    setWordWrap(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A click on the selected icon opens nothing for editing; F2 renames, as on a desktop.
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setDragEnabled(false);
    setFrameShape(QFrame::NoFrame);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setItemDelegate(new CaptionDelegate(this));
    setStyleSheet(QStringLiteral("QListWidget { background: %1; padding: 10px; }"
                                 "QListWidget::item { color: #1f3a5f; border-radius: 4px; padding-top: 6px; }"
                                 "QListWidget::item:hover { background: #e3efff; }"
                                 "QListWidget::item:selected { background: #c7defa; color: #0b2f57; }")
                      .arg(IconAreaColor().name()));
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        if (selectedItems().size() == 1 && selectedItems().constFirst() == item)
            openItem(item);
    });
}

qint64 IconListView::selectedRefNo() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? 0 : selected.constFirst()->data(RefNoRole).toLongLong();
}

void IconListView::openItem(QListWidgetItem *item)
{
    if (item)
        Q_EMIT openRequested(item->data(RefNoRole).toLongLong());
}

void IconListView::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        if (selectedItems().size() == 1)
            openItem(selectedItems().constFirst());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void IconListView::mousePressEvent(QMouseEvent *event)
{
    QListWidgetItem *item = itemAt(event->position().toPoint());
    m_pressedOnSelection = event->button() == Qt::LeftButton && item && item->isSelected();
    QListWidget::mousePressEvent(event);
}

void IconListView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressedOnSelection && (event->buttons() & Qt::LeftButton)
        && !viewport()->rect().contains(event->position().toPoint()) && selectedRefNo() != 0) {
        m_pressedOnSelection = false;
        auto *drag = new QDrag(this);
        drag->setMimeData(TemplateDragData(selectedRefNo()).release());
        drag->setPixmap(selectedItems().constFirst()->icon().pixmap(iconSize()));
        drag->exec(Qt::CopyAction);
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

void IconListView::mouseReleaseEvent(QMouseEvent *event)
{
    m_pressedOnSelection = false;
    QListWidget::mouseReleaseEvent(event);
}
