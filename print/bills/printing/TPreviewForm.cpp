#include "bills/printing/TPreviewForm.h"

#include "bills/printing/PrintItemPainter.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/WindowMessages.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPushButton>

namespace {
constexpr int kPictureMargin = 50;
}

TPreviewForm::TPreviewForm(QWidget *owner) : QWidget(owner, Qt::Window)
{
    setWindowTitle(QStringLiteral("PreviewForm"));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    m_printButton = new QPushButton(QStringLiteral("打印"), this);
    m_printButton->setGeometry(8, 8, 75, 25);
    connect(m_printButton, &QPushButton::clicked, this, &TPreviewForm::Button1Click);
}

void TPreviewForm::setPicture(const QImage &picture, QPoint offset)
{
    m_picture = picture;
    m_pictureOffset = offset;
    resize(picture.width() + kPictureMargin, picture.height() + kPictureMargin);
    if (FmSysMain) {
        QRect frame = geometry();
        frame.moveCenter(FmSysMain->geometry().center());
        move(frame.topLeft());
    }
    update();
}

void TPreviewForm::setItems(const QList<PrintItem> &items)
{
    m_items = items;
    update();
}

void TPreviewForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_picture.isNull())
        painter.drawImage(m_pictureOffset, m_picture);
    DrawPrintItems(painter, m_items);
}

void TPreviewForm::closeEvent(QCloseEvent *event)
{
    m_picture = QImage();
    event->accept();
}

void TPreviewForm::Button1Click()
{
    SendMessage(m_billForm, RegisterWindowMessage(MsgPreviewPrint), 0, 0);
    close();
}
