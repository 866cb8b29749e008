#pragma once

#include "core/errors/CorvaneError.h"

// A template picture file that cannot be read or holds no picture.
class PictureError : public CorvaneError
{
public:
    using CorvaneError::CorvaneError;
};
