// Reading what was typed in a parameter entry: digits only, a fallback for
// an empty or too long number, then a range.
#pragma once

#include <QString>

struct EntryRule
{
    int maxDigits;
    int fallback;
    int minimum;
    int maximum;
};

// Every character that is not 0 to 9 is dropped; no digit, or more than
// rule.maxDigits, gives rule.fallback; the number is then clamped.
int ParseEntry(const QString& text, const EntryRule& rule);
