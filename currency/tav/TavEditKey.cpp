#include "tav/TavEditKey.h"

Qt::KeyboardModifiers TavShiftKeys(Qt::KeyboardModifiers modifiers)
{
    return modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

TavEditKey TavEditKeyFromQt(int key, Qt::KeyboardModifiers modifiers)
{
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    const Qt::KeyboardModifiers shiftKeys = TavShiftKeys(modifiers);
    switch (key) {
    case Qt::Key_Backspace: return TavEditKey::Backspace;
    case Qt::Key_Delete: return TavEditKey::Delete;
    case Qt::Key_Plus: return TavEditKey::Plus;
    case Qt::Key_Equal: return shiftKeys == Qt::ShiftModifier ? TavEditKey::Plus : TavEditKey::Other;
    case Qt::Key_Minus: return keypad || shiftKeys == Qt::NoModifier ? TavEditKey::Minus : TavEditKey::Other;
    case Qt::Key_Period: return keypad || shiftKeys == Qt::NoModifier ? TavEditKey::Decimal : TavEditKey::Other;
    case Qt::Key_End: return TavEditKey::End;
    case Qt::Key_Home: return TavEditKey::Home;
    case Qt::Key_Left: return TavEditKey::Left;
    case Qt::Key_Right: return TavEditKey::Right;
    case Qt::Key_Up: return TavEditKey::Up;
    case Qt::Key_Down: return TavEditKey::Down;
    default: return TavEditKey::Other;
    }
}
