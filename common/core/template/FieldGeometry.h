#pragma once

#include "core/template/EditKindIndex.h"

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

// Where a field may stand on its page (the template's picture, in picture pixels). A field is
// at least 1 pixel wide and high (the surface's drags and arrow keys never go below that) and
// at most 20000 (2 m of paper at 254 dpi); some part of it lies on the page.
inline constexpr int kSmallestFieldSize = 1;
inline constexpr int kLargestFieldSize = 20000;

// The page the designer shows when the template has no picture it can load.
inline constexpr QSize kBlankPageSize{1000, 600};

// The size a new field of a kind starts with.
QSize NewFieldSize(EditKindIndex kind);

// Why a field cannot stand at `rect` on a page of `page` pixels, in the property panel's
// words; nothing when it can.
std::optional<QString> FieldGeometryFault(const QRect &rect, const QSize &page);

// A field brought onto its page: a size it cannot have becomes the kind's new-field size, and a
// field that lies wholly off the page moves to the nearest place on it. A field that can be
// seen stays as it is.
QRect FieldBroughtOntoPage(const QRect &rect, const QSize &page, EditKindIndex kind);
