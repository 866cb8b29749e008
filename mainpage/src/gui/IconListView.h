#pragma once

#include <QListWidget>

// The icon list of the main page: big icons, arranged by the list, captions edited in place.
// A double click on the one selected icon or Enter asks to open it; pressing on a selected icon
// and leaving the list with the button held drags it (to a tab).
class IconListView : public QListWidget
{
    Q_OBJECT

public:
    enum Role { RefNoRole = Qt::UserRole + 1, BareCaptionRole };

    explicit IconListView(QWidget *parent);

    // The RefNo of the selected icon's format, 0 without a selection.
    qint64 selectedRefNo() const;

Q_SIGNALS:
    void openRequested(qint64 refNo);
    void captionEdited(int row, const QString &caption);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void openItem(QListWidgetItem *item);

    bool m_pressedOnSelection = false;
};
