#include "tav/TavCurrencyEditModel.h"

#include "tav/TavCellContent.h"

#include <algorithm>
#include <cmath>

bool TavCurrencyEditModel::SetDecimalNumber(int decimals)
{
    if (decimals < 0 || decimals >= m_style.DigitalNumber)
        return false;
    m_style.DecimalNumber = decimals;
    SetCursor(m_cursor);
    return true;
}

bool TavCurrencyEditModel::SetDigitalNumber(int cells)
{
    if (cells <= m_style.DecimalNumber || cells > TavCurrencyStyle::MaxCells)
        return false;
    m_style.DigitalNumber = cells;
    SetCursor(m_cursor);
    return true;
}

bool TavCurrencyEditModel::SetMaxLength(int digits)
{
    if (digits < 0 || digits > TavCurrencyStyle::MaxCells)
        return false;
    m_maxLength = digits;
    return true;
}

void TavCurrencyEditModel::SetValue(long double value)
{
    if (!std::isfinite(value))
        return;
    m_magnitude = std::fabs(value);
    m_sign = value >= 0 ? 1 : -1;
    m_undoValue = value;
    if (m_cursor < BlankLeadCell())
        SetCursor(UnitsCell());
    m_modified = false;
}

void TavCurrencyEditModel::ChangeValue(long double value)
{
    if (!std::isfinite(value))
        return;
    if (!m_modified) {
        if (BeforeChangeHook)
            BeforeChangeHook();
        m_modified = true;
    }
    m_magnitude = std::fabs(value);
    m_sign = value >= 0 ? 1 : -1;
    if (ChangeHook)
        ChangeHook();
}

QString TavCurrencyEditModel::Text() const
{
    return TavCellContent::Format(m_magnitude, m_style.DecimalNumber);
}

int TavCurrencyEditModel::FirstDigitCell() const
{
    return m_style.DigitalNumber + m_style.HasPoint() - int(Text().size());
}

void TavCurrencyEditModel::SetCursor(int cell)
{
    m_cursor = std::clamp(cell, 0, LastCell());
}

bool TavCurrencyEditModel::TypeDigit(QChar digit)
{
    if (digit < u'0' || digit > u'9' || m_readOnly)
        return false;
    const int n = m_style.DigitalNumber;
    const int d = m_style.DecimalNumber;
    const int hasPoint = m_style.HasPoint();
    QString text = Text();
    const int length = int(text.size());
    if (length - hasPoint - d >= m_maxLength)
        return false;
    // The new digit takes the cursor cell: integer digits move left, decimals move right.
    text.insert(std::clamp(m_cursor + length - n - hasPoint + 1, 0, length), digit);
    if (d > 0 && text.size() - text.indexOf(u'.') - 1 > d)
        text.chop(1);
    if (InDecimals(m_cursor) && m_cursor < LastCell())
        SetCursor(m_cursor + 1);
    ChangeValue(TavCellContent::Parse(text) * m_sign);
    return true;
}

TavCurrencyEditModel::KeyResult TavCurrencyEditModel::Key(TavEditKey key, Qt::KeyboardModifiers shiftKeys)
{
    switch (key) {
    case TavEditKey::End:
    case TavEditKey::Home:
    case TavEditKey::Left:
    case TavEditKey::Right:
    case TavEditKey::Up:
    case TavEditKey::Down:
        return NavigationKey(key, shiftKeys);
    default:
        return EditingKey(key, shiftKeys);
    }
}

TavCurrencyEditModel::KeyResult TavCurrencyEditModel::EditingKey(TavEditKey key, Qt::KeyboardModifiers shiftKeys)
{
    const bool changesValue = key == TavEditKey::Backspace || key == TavEditKey::Delete
                              || key == TavEditKey::Plus || key == TavEditKey::Minus;
    if (changesValue && m_readOnly)
        return KeyResult::Ignored;
    switch (key) {
    case TavEditKey::Backspace:
        Backspace();
        return KeyResult::Consumed;
    case TavEditKey::Delete:
        if (shiftKeys == Qt::ControlModifier) {
            SetCursor(UnitsCell());
            ChangeValue(0);
            return KeyResult::Consumed;
        }
        if (shiftKeys != Qt::NoModifier)
            return KeyResult::Ignored;
        DeleteUnderCursor();
        return KeyResult::Consumed;
    case TavEditKey::Plus:
        if (m_sign < 0)
            ChangeValue(m_magnitude);
        return KeyResult::Consumed;
    case TavEditKey::Minus:
        ChangeValue(-Value());
        return KeyResult::Consumed;
    case TavEditKey::Decimal:
        if (m_style.DecimalNumber == 0)
            return KeyResult::Ignored;
        SetCursor(InDecimals(m_cursor) ? UnitsCell() : UnitsCell() + 1);
        return KeyResult::Consumed;
    default:
        return KeyResult::Ignored;
    }
}

void TavCurrencyEditModel::Backspace()
{
    QString text = Text();
    const int length = int(text.size());
    const int d = m_style.DecimalNumber;
    const int first = FirstDigitCell();
    const int firstDecimal = UnitsCell() + 1;
    if (!InDecimals(m_cursor)) {
        if (m_cursor > first) {
            text.remove(m_cursor - 1 - first, 1);
        } else {
            if (m_cursor == first)
                text.remove(0, 1);
            if (m_cursor < UnitsCell())
                SetCursor(m_cursor + 1);
        }
    } else if (m_cursor == firstDecimal) {
        text.remove(length - d, 1);
    } else {
        text.remove(length - d + (m_cursor - firstDecimal) - 1, 1);
        SetCursor(m_cursor - 1);
    }
    ChangeValue(TavCellContent::Parse(text) * m_sign);
}

void TavCurrencyEditModel::DeleteUnderCursor()
{
    QString text = Text();
    const int length = int(text.size());
    const int first = FirstDigitCell();
    if (!InDecimals(m_cursor)) {
        if (m_cursor >= first)
            text.remove(m_cursor - first, 1);
        if (m_cursor < UnitsCell())
            SetCursor(m_cursor + 1);
    } else {
        text.remove(length - m_style.DecimalNumber + (m_cursor - UnitsCell() - 1), 1);
    }
    ChangeValue(TavCellContent::Parse(text) * m_sign);
}

TavCurrencyEditModel::KeyResult TavCurrencyEditModel::NavigationKey(TavEditKey key, Qt::KeyboardModifiers shiftKeys)
{
    const bool ctrl = shiftKeys == Qt::ControlModifier;
    // A cursor never stands left of cell 0, even when the text is wider than the cells.
    const int lead = std::max(BlankLeadCell(), 0);
    switch (key) {
    case TavEditKey::End:
        SetCursor(LastCell());
        return KeyResult::Consumed;
    case TavEditKey::Home:
        SetCursor(lead);
        return KeyResult::Consumed;
    case TavEditKey::Left:
        if (m_cursor <= lead)
            return KeyResult::MoveOut;
        SetCursor(ctrl ? CtrlLeftTarget() : m_cursor - 1);
        return KeyResult::Consumed;
    case TavEditKey::Right:
        if (m_cursor >= LastCell())
            return KeyResult::MoveOut;
        SetCursor(ctrl ? CtrlRightTarget() : m_cursor + 1);
        return KeyResult::Consumed;
    default:
        return KeyResult::MoveOut;
    }
}

// The last cell of the previous thousands group (integer part), or the previous group of three
// decimals.
int TavCurrencyEditModel::CtrlLeftTarget() const
{
    const int integerCells = m_style.DigitalNumber - m_style.DecimalNumber;
    if (m_cursor < integerCells)
        return std::max(m_cursor + (integerCells - m_cursor - 1) % 3 - 3, BlankLeadCell());
    if (m_cursor == integerCells)
        return UnitsCell();
    return m_cursor - (m_cursor - integerCells - 1) % 3 - 1;
}

// The last cell of the current thousands group, or of the next one from a group's last cell.
int TavCurrencyEditModel::CtrlRightTarget() const
{
    const int integerCells = m_style.DigitalNumber - m_style.DecimalNumber;
    if (m_cursor < UnitsCell())
        return m_cursor + 1 + (integerCells - m_cursor + 1) % 3;
    if (m_cursor == UnitsCell())
        return integerCells;
    return std::min(LastCell(), m_cursor + 3 - (m_cursor - integerCells) % 3);
}

void TavCurrencyEditModel::Click(int cell, bool focusingClick)
{
    if (focusingClick) {
        SetCursor(UnitsCell());
        if (cell >= 0)
            SetCursor(std::max(cell, FirstDigitCell()));
    } else if (cell >= 0) {
        SetCursor(std::max(cell, BlankLeadCell()));
    }
}
