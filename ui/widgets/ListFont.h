#pragma once

#include <QFont>

// The font of the lists of names (the selection and candidate lists and the
// result log): a fixed-pitch Japanese Gothic, in which full-width letters and
// digits are visibly twice as wide as their half-width forms, so that a name
// holding them can be told from one that does not. Only the family is set;
// size and style follow the widget's parent.
QFont ListFont();
