#include "tav/TtavCustomCurrencyEdit.h"

#include "tav/TavCellPainter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

TtavCustomCurrencyEdit::TtavCustomCurrencyEdit(QWidget *parent) : QWidget(parent)
{
    resize(sizeHint());
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_model.Look().Font = font();
    m_model.Look().Color = palette().color(QPalette::Base);
    m_model.BeforeChangeHook = [this] { BeforeChange(); };
    m_model.ChangeHook = [this] { Change(); };
    UpdateBorder();
}

void TtavCustomCurrencyEdit::SetBorderStyle(TavBorderStyle style)
{
    m_borderStyle = style;
    UpdateBorder();
}

void TtavCustomCurrencyEdit::SetCtl3D(bool ctl3d)
{
    m_ctl3d = ctl3d;
    UpdateBorder();
}

void TtavCustomCurrencyEdit::SetCellWidth(int width)
{
    m_model.Look().CellWidth = width;
    ApplyWidth();
}

void TtavCustomCurrencyEdit::SetDigitalNumber(int cells)
{
    if (m_model.SetDigitalNumber(cells))
        ApplyWidth();
}

void TtavCustomCurrencyEdit::SetDecimalNumber(int decimals)
{
    if (m_model.SetDecimalNumber(decimals))
        update();
}

void TtavCustomCurrencyEdit::SetGridLineWidth(int width)
{
    m_model.Look().GridLineWidth = width;
    ApplyWidth();
}

void TtavCustomCurrencyEdit::SetCurrencySymbol(const QString &symbol) { SetLook(&TavCurrencyStyle::CurrencySymbol, symbol); }
void TtavCustomCurrencyEdit::SetCurrencySymbolAligned(bool aligned) { SetLook(&TavCurrencyStyle::CurrencySymbolAligned, aligned); }
void TtavCustomCurrencyEdit::SetShowNegativeSign(bool show) { SetLook(&TavCurrencyStyle::ShowNegativeSign, show); }
void TtavCustomCurrencyEdit::SetShowNegativeColor(bool show) { SetLook(&TavCurrencyStyle::ShowNegativeColor, show); }
void TtavCustomCurrencyEdit::SetShowNegativeFont(bool show) { SetLook(&TavCurrencyStyle::ShowNegativeFont, show); }
void TtavCustomCurrencyEdit::SetZeroEmpty(bool empty) { SetLook(&TavCurrencyStyle::ZeroEmpty, empty); }
void TtavCustomCurrencyEdit::SetTextLayout(TavTextLayout layout) { SetLook(&TavCurrencyStyle::TextLayout, layout); }
void TtavCustomCurrencyEdit::SetColor(const QColor &color) { SetLook(&TavCurrencyStyle::Color, color); }
void TtavCustomCurrencyEdit::SetFocusedColor(const QColor &color) { SetLook(&TavCurrencyStyle::FocusedColor, color); }
void TtavCustomCurrencyEdit::SetNegativeColor(const QColor &color) { SetLook(&TavCurrencyStyle::NegativeColor, color); }
void TtavCustomCurrencyEdit::SetGridLineColor(const QColor &color) { SetLook(&TavCurrencyStyle::GridLineColor, color); }
void TtavCustomCurrencyEdit::SetDecimalSeparatorColor(const QColor &color) { SetLook(&TavCurrencyStyle::DecimalSeparatorColor, color); }
void TtavCustomCurrencyEdit::SetKilobitSeparatorColor(const QColor &color) { SetLook(&TavCurrencyStyle::KilobitSeparatorColor, color); }
void TtavCustomCurrencyEdit::SetFontColor(const QColor &color) { SetLook(&TavCurrencyStyle::FontColor, color); }
void TtavCustomCurrencyEdit::SetNegativeFont(const QFont &font) { SetLook(&TavCurrencyStyle::NegativeFont, font); }
void TtavCustomCurrencyEdit::SetNegativeFontColor(const QColor &color) { SetLook(&TavCurrencyStyle::NegativeFontColor, color); }

void TtavCustomCurrencyEdit::SetValue(long double x)
{
    m_model.SetValue(x);
    update();
}

void TtavCustomCurrencyEdit::ChangeValue(long double x)
{
    m_model.ChangeValue(x);
    update();
}

void TtavCustomCurrencyEdit::UnDo()
{
    m_model.UnDo();
    update();
}

TavCellGeometry TtavCustomCurrencyEdit::Geometry() const
{
    const TavCurrencyStyle &style = Style();
    if (style.CellWidth < 0)
        return TavCellGeometry::Automatic(contentsRect().width(), style.DigitalNumber, style.GridLineWidth);
    return TavCellGeometry::Fixed(style.CellWidth, style.DigitalNumber, style.GridLineWidth);
}

void TtavCustomCurrencyEdit::BeforeChange()
{
    emit OnBeforeChange();
}

void TtavCustomCurrencyEdit::MoveOut(int &key, Qt::KeyboardModifiers shift)
{
    emit OnMoveOut(key, shift);
}

void TtavCustomCurrencyEdit::Change()
{
    emit OnChange();
}

void TtavCustomCurrencyEdit::MoveCursorToUnits()
{
    m_model.SetCursor(m_model.UnitsCell());
    update();
}

void TtavCustomCurrencyEdit::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    TavCellPainter::PaintBorder(painter, rect(), m_borderStyle, m_ctl3d);
    const bool focused = hasFocus();
    TavCellPainter::PaintAmount(painter, contentsRect(), Geometry(), Style(), m_model.Magnitude(),
                                m_model.Sign(), focused);
    if (m_cursorVisible) {
        // An exclusive-or bar in Color over the background.
        const QColor background = Style().Background(focused, m_model.Sign() < 0);
        painter.fillRect(CursorRect(), QColor::fromRgb((background.rgb() ^ Style().Color.rgb()) & 0xFFFFFF));
    }
}

QRect TtavCustomCurrencyEdit::CursorRect() const
{
    const QRect client = contentsRect();
    const TavCellGeometry geometry = Geometry();
    const QFontMetrics metrics(Style().FontFor(m_model.Sign() < 0), this);
    const int width = metrics.horizontalAdvance(QStringLiteral("0")) + 2;
    int y = TavCellPainter::TextTop(Style().TextLayout, client.height(), metrics.height()) + metrics.height();
    if (y > client.height() - 2)
        y = client.height() - 2;
    const int x = geometry.ColumnLeft(m_model.Cursor()) + (geometry.CellWidth() - width) / 2;
    return QRect(client.left() + x, client.top() + y, width, 2);
}

void TtavCustomCurrencyEdit::DrawCursor()
{
    m_cursorVisible = !m_cursorVisible;
    update(CursorRect());
}

void TtavCustomCurrencyEdit::SetCursorState(bool show)
{
    if (m_cursorVisible != show)
        DrawCursor();
}

void TtavCustomCurrencyEdit::CursorTimerHandle()
{
    DrawCursor();
}

void TtavCustomCurrencyEdit::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers shift = TavShiftKeys(event->modifiers());
    switch (m_model.Key(TavEditKeyFromQt(event->key(), event->modifiers()), shift)) {
    case TavCurrencyEditModel::KeyResult::Consumed:
        break;
    case TavCurrencyEditModel::KeyResult::MoveOut:
        if (m_model.MoveOutAllowed()) {
            // The form sees the key first, so that it can move the focus.
            event->ignore();
            if (parentWidget())
                QCoreApplication::sendEvent(parentWidget(), event);
            int key = event->key();
            MoveOut(key, shift);
        }
        break;
    case TavCurrencyEditModel::KeyResult::Ignored:
        if (event->text().size() != 1 || !event->text().at(0).isDigit()) {
            QWidget::keyPressEvent(event);
            return;
        }
        m_model.TypeDigit(event->text().at(0));
        break;
    }
    event->accept();
    update();
}

void TtavCustomCurrencyEdit::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const int x = int(event->position().x()) - contentsRect().left();
    m_model.Click(Geometry().CellAt(x), m_focusedByClick);
    m_focusedByClick = false;
    if (hasFocus())
        SetCursorState(true);
    update();
}

void TtavCustomCurrencyEdit::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    m_focusedByClick = event->reason() == Qt::MouseFocusReason;
    MoveCursorToUnits();
    if (!m_cursorTimer) {
        m_cursorTimer = new QTimer(this);
        m_cursorTimer->setObjectName(QStringLiteral("CursorTimer"));
        m_cursorTimer->setInterval(CursorBlinkMs);
        connect(m_cursorTimer, &QTimer::timeout, this, &TtavCustomCurrencyEdit::CursorTimerHandle);
        m_cursorTimer->start();
    }
    m_cursorVisible = false;
    SetCursorState(true);
    update();
}

void TtavCustomCurrencyEdit::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    delete m_cursorTimer;
    m_cursorTimer = nullptr;
    SetCursorState(false);
    m_focusedByClick = false;
    update();
}

void TtavCustomCurrencyEdit::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        m_model.Look().Font = font();
        update();
    }
    QWidget::changeEvent(event);
}

void TtavCustomCurrencyEdit::ApplyWidth()
{
    if (CellWidth() >= 0) {
        const int border = TavCellPainter::BorderWidth(m_borderStyle, m_ctl3d);
        setFixedWidth(Geometry().TotalWidth() + 2 * border);
    } else {
        setMinimumWidth(0);
        setMaximumWidth(QWIDGETSIZE_MAX);
    }
    update();
}

void TtavCustomCurrencyEdit::UpdateBorder()
{
    const int border = TavCellPainter::BorderWidth(m_borderStyle, m_ctl3d);
    setContentsMargins(border, border, border, border);
    ApplyWidth();
}
