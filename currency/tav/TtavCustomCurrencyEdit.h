#pragma once

#include "tav/TavCellGeometry.h"
#include "tav/TavCurrencyEditModel.h"

#include <QWidget>

class QTimer;

// The amount box of Chinese bank forms: a fixed number of cells, one digit per cell, grid lines
// between them (a coloured one at the point and at every thousands boundary) and the currency
// symbol just left of the first digit. It paints itself completely and takes the focus; the
// amount, the cursor and the keys live in TavCurrencyEditModel. Use TtavCurrencyEdit or
// TtavDBCurrencyEdit.
class TtavCustomCurrencyEdit : public QWidget
{
    Q_OBJECT

public:
    static constexpr int CursorBlinkMs = 500;

    const TavCurrencyStyle &Style() const { return m_model.Style(); }
    const TavCurrencyEditModel &Model() const { return m_model; }

    TavBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TavBorderStyle style);
    bool Ctl3D() const { return m_ctl3d; }
    void SetCtl3D(bool ctl3d);
    int CellWidth() const { return Style().CellWidth; }
    void SetCellWidth(int width);
    int DigitalNumber() const { return Style().DigitalNumber; }
    void SetDigitalNumber(int cells);
    int DecimalNumber() const { return Style().DecimalNumber; }
    void SetDecimalNumber(int decimals);
    int GridLineWidth() const { return Style().GridLineWidth; }
    void SetGridLineWidth(int width);
    int MaxLength() const { return m_model.MaxLength(); }
    void SetMaxLength(int digits) { m_model.SetMaxLength(digits); }
    bool ReadOnly() const { return m_model.ReadOnly(); }
    void SetReadOnly(bool readOnly) { m_model.SetReadOnly(readOnly); }
    bool MoveOutAllowed() const { return m_model.MoveOutAllowed(); }
    void SetMoveOutAllowed(bool allowed) { m_model.SetMoveOutAllowed(allowed); }

    QString CurrencySymbol() const { return Style().CurrencySymbol; }
    void SetCurrencySymbol(const QString &symbol);
    bool CurrencySymbolAligned() const { return Style().CurrencySymbolAligned; }
    void SetCurrencySymbolAligned(bool aligned);
    bool ShowNegativeSign() const { return Style().ShowNegativeSign; }
    void SetShowNegativeSign(bool show);
    bool ShowNegativeColor() const { return Style().ShowNegativeColor; }
    void SetShowNegativeColor(bool show);
    bool ShowNegativeFont() const { return Style().ShowNegativeFont; }
    void SetShowNegativeFont(bool show);
    bool ZeroEmpty() const { return Style().ZeroEmpty; }
    void SetZeroEmpty(bool empty);
    TavTextLayout TextLayout() const { return Style().TextLayout; }
    void SetTextLayout(TavTextLayout layout);

    QColor Color() const { return Style().Color; }
    void SetColor(const QColor &color);
    QColor FocusedColor() const { return Style().FocusedColor; }
    void SetFocusedColor(const QColor &color);
    QColor NegativeColor() const { return Style().NegativeColor; }
    void SetNegativeColor(const QColor &color);
    QColor GridLineColor() const { return Style().GridLineColor; }
    void SetGridLineColor(const QColor &color);
    QColor DecimalSeparatorColor() const { return Style().DecimalSeparatorColor; }
    void SetDecimalSeparatorColor(const QColor &color);
    QColor KilobitSeparatorColor() const { return Style().KilobitSeparatorColor; }
    void SetKilobitSeparatorColor(const QColor &color);
    // The digits' colour (the widget's font gives their face and size).
    QColor FontColor() const { return Style().FontColor; }
    void SetFontColor(const QColor &color);
    QFont NegativeFont() const { return Style().NegativeFont; }
    void SetNegativeFont(const QFont &font);
    QColor NegativeFontColor() const { return Style().NegativeFontColor; }
    void SetNegativeFontColor(const QColor &color);

    long double Value() const { return m_model.Value(); }
    // Shows x without firing an event; clears Modified.
    void SetValue(long double x);
    // A change as typing makes it: OnBeforeChange first when not yet modified, then OnChange.
    void ChangeValue(long double x);
    void UnDo();
    bool Modified() const { return m_model.Modified(); }

    int CursorCell() const { return m_model.Cursor(); }
    bool CursorVisible() const { return m_cursorVisible; }
    // The cells as they are laid out in the client area now.
    TavCellGeometry Geometry() const;

    QSize sizeHint() const override { return QSize(121, 25); }

Q_SIGNALS:
    void OnBeforeChange();
    void OnChange();
    // An arrow key left the control at its edge; the handler may change the key.
    void OnMoveOut(int &key, Qt::KeyboardModifiers shift);

protected:
    explicit TtavCustomCurrencyEdit(QWidget *parent = nullptr);

    virtual void BeforeChange();
    virtual void MoveOut(int &key, Qt::KeyboardModifiers shift);
    virtual void Change();

    // The control's own read-only switch, whatever a descendant makes of ReadOnly.
    void SetOwnReadOnly(bool readOnly) { m_model.SetReadOnly(readOnly); }
    void MoveCursorToUnits();

    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void DrawCursor();
    void SetCursorState(bool show);
    void CursorTimerHandle();
    void ApplyWidth();
    void UpdateBorder();
    QRect CursorRect() const;
    template <typename T> void SetLook(T TavCurrencyStyle::*member, const T &value)
    {
        m_model.Look().*member = value;
        update();
    }

    TavCurrencyEditModel m_model;
    TavBorderStyle m_borderStyle = TavBorderStyle::Single;
    bool m_ctl3d = true;
    QTimer *m_cursorTimer = nullptr;
    bool m_cursorVisible = false;
    bool m_focusedByClick = false;
};
