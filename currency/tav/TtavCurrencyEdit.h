#pragma once

#include "tav/TtavCustomCurrencyEdit.h"

// The currency edit with a value of its own.
class TtavCurrencyEdit : public TtavCustomCurrencyEdit
{
    Q_OBJECT

public:
    explicit TtavCurrencyEdit(QWidget *parent = nullptr) : TtavCustomCurrencyEdit(parent) {}
};
