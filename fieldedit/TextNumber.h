// Number reading and formatting shared by the field kinds.
#pragma once

#include <QString>

#include "fieldedit/FieldSegment.h"

// The integer at the start of a text the way atoi reads it: leading white space, an optional sign,
// then digits up to the first other character; 0 when there are none.
int LeadingInteger(const QString &strText);

// A segment's value, truncated to an integer, in a printf format with one integer conversion.
QString FormatInt(const char *pszFormat, const CNumberSegment &segment);
