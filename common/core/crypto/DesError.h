#pragma once

#include "core/errors/CorvaneError.h"

// A text the DES text cipher cannot take: a plain text ending in a zero byte, or a hex text
// with a character that is no hex digit.
class DesError : public CorvaneError
{
public:
    using CorvaneError::CorvaneError;
};
