#include "motion/entryparse.h"

#include <algorithm>

int ParseEntry(const QString& text, const EntryRule& rule)
{
    QString digits;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            digits += c;
    const int value = digits.isEmpty() || digits.size() > rule.maxDigits ? rule.fallback : digits.toInt();
    return std::clamp(value, rule.minimum, rule.maximum);
}
