#pragma once

#include <QWidget>

// A tab of the main page's left column. The current tab is white with black text, the others
// blue with white text; hovering over another tab makes it yellow. It takes icons dropped on it
// unless it is the current tab.
class TabButton : public QWidget
{
    Q_OBJECT

public:
    TabButton(int tabNo, const QString &caption, QWidget *parent);

    int tabNo() const { return m_tabNo; }
    QString caption() const { return m_caption; }
    bool isCurrent() const { return m_current; }
    void setCurrent(bool current);
    // The colours it shows now: background and text.
    QColor backgroundColor() const;
    QColor textColor() const;

Q_SIGNALS:
    void clicked(int tabNo);
    void iconDropped(int tabNo, qint64 refNo);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    int m_tabNo;
    QString m_caption;
    bool m_current = false;
    bool m_hovered = false;
};
