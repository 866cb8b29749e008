#pragma once

#include "core/errors/CorvaneError.h"

// A text or a set of parts that makes no valid date or period.
class DateConvertError : public CorvaneError
{
public:
    using CorvaneError::CorvaneError;
};
