// The calculator the texts name: Windows's by name, the desktop's elsewhere.
#include "platform/calculatorname.h"

#include <gtest/gtest.h>

namespace {

TEST(CalculatorName, WindowsHasItsOwnTheOthersTheDesktops)
{
    const struct
    {
        const char* productType;
        const char* name;
    } rows[] = {
        {"windows", "la calculatrice de Windows"}, {"debian", "la calculatrice du bureau"},
        {"ubuntu", "la calculatrice du bureau"},   {"macos", "la calculatrice du bureau"},
        {"", "la calculatrice du bureau"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CalculatorName(QString::fromLatin1(row.productType)), QString::fromUtf8(row.name)) << row.productType;
}

TEST(CalculatorName, TextsTakeTheNameWithOrWithoutACapital)
{
    EXPECT_EQ(WithCalculatorName(QStringLiteral("&{Calculatrice}"), QStringLiteral("debian")),
              QStringLiteral("&Calculatrice du bureau"));
    EXPECT_EQ(WithCalculatorName(QStringLiteral(" Accéder à {calculatrice}"), QStringLiteral("windows")),
              QStringLiteral(" Accéder à la calculatrice de Windows"));
    EXPECT_EQ(WithCalculatorName(QStringLiteral("Aide"), QStringLiteral("windows")), QStringLiteral("Aide"));
}

} // namespace
