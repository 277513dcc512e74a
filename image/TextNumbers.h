#pragma once

#include <string_view>

// Reading numbers out of the texts users type, by fixed rules that never fail.

// The leading number of a text: leading white space skipped, then the longest
// beginning that forms a decimal number (sign, digits, decimal point with
// digits, exponent); 0 when there is none. Independent of the C locale.
double LeadingNumber(std::string_view text);

// The same with an optional sign and digits only; saturates instead of overflowing.
long long LeadingInteger(std::string_view text);
