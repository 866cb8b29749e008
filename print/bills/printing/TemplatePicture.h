#pragma once

#include "bills/printing/PrintTemplate.h"

#include <QImage>
#include <QSize>

// The size in pixels of a template's picture. A plain JPEG that cannot be read raises
// PrintRefusal "图片不正确"; a hex-text picture raises its reading error.
QSize TemplatePictureSize(const PrintTemplate &tpl);

// The picture itself, for showing under the texts; raises as TemplatePictureSize.
QImage TemplatePictureImage(const PrintTemplate &tpl);
