#pragma once

#include "bills/printing/PrintItem.h"
#include "core/globals/WindowHandle.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QWidget>

class QPushButton;

// A bill's texts over its picture, as they will stand on the paper form. Its button 打印 asks
// the bill form that made it to print the same format on paper, then closes the window.
// Closing only hides the window and drops the picture; the bill form owns it.
class TPreviewForm : public QWidget
{
    Q_OBJECT

public:
    explicit TPreviewForm(QWidget *owner);

    void setBillForm(THandle billForm) { m_billForm = billForm; }
    // The picture at `offset`; the window takes the picture's size plus 50 pixels each way.
    void setPicture(const QImage &picture, QPoint offset);
    void setItems(const QList<PrintItem> &items);

    int itemCount() const { return int(m_items.size()); }
    const QList<PrintItem> &items() const { return m_items; }
    bool hasPicture() const { return !m_picture.isNull(); }
    QPushButton *printButton() const { return m_printButton; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Button1Click();

    QPushButton *m_printButton;
    QList<PrintItem> m_items;
    QImage m_picture;
    QPoint m_pictureOffset;
    THandle m_billForm = 0;
};
