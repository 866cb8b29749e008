#pragma once

#include "tav/TavCurrencyStyle.h"
#include "tav/TavEditKey.h"

#include <QString>
#include <functional>

// The currency edit without its window: the amount, the cursor cell and what typing, the
// editing keys, the navigation keys and clicks do to them. Cells count from 0 at the left; the
// decimal point takes no cell. The text T is the magnitude written with DecimalNumber places;
// its first character stands in FirstDigitCell(), the cell left of it is the blank lead cell.
class TavCurrencyEditModel
{
public:
    enum class KeyResult {
        Ignored,  // not acted on: the key goes on to the surrounding form
        Consumed, // acted on (or refused), swallowed
        MoveOut,  // at an edge: the form may move the focus if moving out is allowed
    };

    // Called by ChangeValue: once before the first keyboard change after a SetValue, and after
    // every change.
    std::function<void()> BeforeChangeHook;
    std::function<void()> ChangeHook;

    const TavCurrencyStyle &Style() const { return m_style; }
    // Every look setting but the two cell counts, which go through their setters.
    TavCurrencyStyle &Look() { return m_style; }
    // 0 <= decimals < DigitalNumber; other values are ignored. Returns whether it was taken.
    bool SetDecimalNumber(int decimals);
    // DecimalNumber < cells <= 18.
    bool SetDigitalNumber(int cells);
    int MaxLength() const { return m_maxLength; }
    bool SetMaxLength(int digits); // 0 .. 18
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool MoveOutAllowed() const { return m_moveOutAllowed; }
    void SetMoveOutAllowed(bool allowed) { m_moveOutAllowed = allowed; }

    long double Value() const { return m_sign * m_magnitude; }
    long double Magnitude() const { return m_magnitude; }
    int Sign() const { return m_sign; }
    bool Modified() const { return m_modified; }
    // From outside: no event, the modified flag is cleared, UnDo comes back here.
    void SetValue(long double value);
    // From the keyboard: BeforeChangeHook first when not yet modified, then ChangeHook.
    void ChangeValue(long double value);
    void UnDo() { SetValue(m_undoValue); }

    QString Text() const;
    int FirstDigitCell() const;
    int BlankLeadCell() const { return FirstDigitCell() - 1; }
    int UnitsCell() const { return m_style.UnitsCell(); }
    int LastCell() const { return m_style.DigitalNumber - 1; }
    int Cursor() const { return m_cursor; }
    void SetCursor(int cell);

    // A character typed; only digits are acted on. Returns whether the value took it.
    bool TypeDigit(QChar digit);
    KeyResult Key(TavEditKey key, Qt::KeyboardModifiers shiftKeys);
    // A click on `cell` (-1: on a grid line or beside the cells). `focusingClick`: the click that
    // gave the edit the focus.
    void Click(int cell, bool focusingClick);

private:
    bool InDecimals(int cell) const { return cell >= m_style.DigitalNumber - m_style.DecimalNumber; }
    KeyResult EditingKey(TavEditKey key, Qt::KeyboardModifiers shiftKeys);
    KeyResult NavigationKey(TavEditKey key, Qt::KeyboardModifiers shiftKeys);
    void Backspace();
    void DeleteUnderCursor();
    int CtrlLeftTarget() const;
    int CtrlRightTarget() const;

    TavCurrencyStyle m_style;
    int m_maxLength = 18;
    bool m_readOnly = false;
    bool m_moveOutAllowed = false;
    long double m_magnitude = 0;
    int m_sign = 1;
    long double m_undoValue = 0;
    bool m_modified = false;
    int m_cursor = m_style.UnitsCell();
};
