#pragma once

#include "core/errors/CorvaneError.h"

// Printing refused before anything reached the printer; the message says why.
class PrintRefusal : public CorvaneError
{
public:
    using CorvaneError::CorvaneError;
};
