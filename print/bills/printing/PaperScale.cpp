#include "bills/printing/PaperScale.h"

#include "bills/printing/PrintRefusal.h"
#include "core/printfun/PrintUnits.h"
#include "core/template/PictureSize.h"

#include <cmath>

namespace {

bool isPositive(double value)
{
    return std::isfinite(value) && value > 0;
}

QString paperSizeRefusal(const QString &noteName)
{
    return QStringLiteral("单据格式“%1”的纸张尺寸不正确，不能打印。请在设计界面重新导入背景图片。").arg(noteName);
}

} // namespace

PaperScale::PaperScale(QSize picturePixels, QSizeF paperInches, int dpiX, int dpiY, QPointF offsetMm)
    : m_dpiX(dpiX), m_dpiY(dpiY),
      m_offset(ConvertMMToPix(offsetMm.x(), dpiX), ConvertMMToPix(offsetMm.y(), dpiY))
{
    if (picturePixels.width() <= 0 || picturePixels.height() <= 0)
        throw PrintRefusal(QStringLiteral("图片设置错误"));
    if (!isPositive(paperInches.width()) || !isPositive(paperInches.height()))
        throw PrintRefusal(QStringLiteral("纸张尺寸不正确，不能打印"));
    m_ratioX = picturePixels.width() / paperInches.width();
    m_ratioY = picturePixels.height() / paperInches.height();
}

QRect PaperScale::toDevice(const QRect &pictureRect) const
{
    const int left = ConvertToPixCount(pictureRect.left(), m_ratioX, m_dpiX, 1) + m_offset.x();
    const int top = ConvertToPixCount(pictureRect.top(), m_ratioY, m_dpiY, 1) + m_offset.y();
    const int right = ConvertToPixCount(pictureRect.left() + pictureRect.width(), m_ratioX, m_dpiX, 1) + m_offset.x();
    const int bottom = ConvertToPixCount(pictureRect.top() + pictureRect.height(), m_ratioY, m_dpiY, 1) + m_offset.y();
    return QRect(left, top, right - left, bottom - top);
}

QList<PrintItem> PaperScale::toDevice(QList<PrintItem> items) const
{
    for (PrintItem &item : items)
        item.rect = toDevice(item.rect);
    return items;
}

QSizeF StoredPaperInches(const PrintTemplate &tpl)
{
    try {
        const QSizeF inches(StoredPictureInches(tpl.note().tWidth.trimmed(), tpl.note().imgFile.trimmed()),
                            StoredPictureInches(tpl.note().tHeight.trimmed(), tpl.note().imgFile.trimmed()));
        if (isPositive(inches.width()) && isPositive(inches.height()))
            return inches;
    } catch (const CorvaneError &) {
        // A cipher that is no hex text, or a deciphered text that is no number.
    }
    throw PrintRefusal(paperSizeRefusal(tpl.note().noteName));
}
