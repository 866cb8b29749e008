#pragma once

#include <QFont>
#include <QWidget>

#include <optional>

// One field of the template on the design page: a transparent box with the field's caption,
// its border showing whether it is selected and a grip in the colour of its kind. The page
// handles its mouse; the control only paints and reports.
class TDesignFieldControl : public QWidget
{
    Q_OBJECT

public:
    TDesignFieldControl(int tag, QWidget *page);

    int tag() const { return m_tag; }

    void setCaption(const QString &caption);
    const QString &caption() const { return m_caption; }
    void setKind(const QString &kind);
    const QString &kind() const { return m_kind; }
    void setPrinted(bool printed);
    bool printed() const { return m_printed; }
    void setShown(bool shown);
    bool shown() const { return m_shown; }
    void setSelected(bool selected);
    bool selected() const { return m_selected; }
    // The font of the caption; none: the page's font.
    void setFieldFont(const std::optional<QFont> &font);

signals:
    void pressed(TDesignFieldControl *control, QMouseEvent *event);
    void moved(TDesignFieldControl *control, QMouseEvent *event);
    void released(TDesignFieldControl *control, QMouseEvent *event);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_tag;
    QString m_caption;
    QString m_kind;
    bool m_printed = true;
    bool m_shown = true;
    bool m_selected = false;
};
