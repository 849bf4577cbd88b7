// Number reading and formatting shared by the field kinds.
#pragma once

#include <string>
#include <string_view>

#include "core/fieldedit/FieldSegment.h"

namespace core {

// The integer at the start of a text the way atoi reads it: leading white space, an optional sign,
// then digits up to the first other character; 0 when there are none.
int LeadingInteger(std::u16string_view strText);

// An integer in decimal, padded with leading zeros to at least nWidth digits ("%0*d").
std::u16string FormatInt(int nValue, int nWidth);
// A segment's value, truncated to an integer, with leading zeros to at least nWidth digits.
std::u16string FormatInt(const CNumberSegment &segment, int nWidth);

// ASCII text as UTF-16.
std::u16string Widen(std::string_view text);

} // namespace core
