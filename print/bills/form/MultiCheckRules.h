#pragma once

#include <QString>
#include <QVariant>

// Tick boxes of the bill form. A group is every box bound to the same field. Kind 0 (多项勾选)
// stores the caption of the ticked box; kind 1 (多项勾选2) keeps an integer field as a set of
// bits numbered by the captions.

// Kind 0: a box shows ticked when its caption is the field's text (both trimmed).
bool IsCaptionTicked(const QString &caption, const QString &fieldText);
// Kind 1: a box shows ticked when the field has the caption's bit. An unreadable value or a
// caption that is no integer counts as 0.
bool IsBitTicked(const QVariant &fieldValue, const QString &caption);
// Kind 1: the field's value after the box was ticked or unticked.
qint64 BitTickValue(const QVariant &fieldValue, const QString &caption, bool ticked);
