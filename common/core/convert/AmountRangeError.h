#pragma once

#include "core/errors/CorvaneError.h"

// An amount that the bank texts cannot show: negative, or too large for the 15 places.
class AmountRangeError : public CorvaneError
{
public:
    using CorvaneError::CorvaneError;
};
