// The object list: masses written as the combo shows them.
#include "weight/model/weightobjects.h"

#include <gtest/gtest.h>

TEST(MassText, GramsBelowAKilogramKilogramsAboveThousandsParted)
{
    const struct
    {
        double massKg;
        const char* text;
    } cases[] = {
        {0.04, "( m = 40,0 g )"},           {0.9999, "( m = 999,9 g )"},
        {1.0, "( m = 1,000 kg )"},          {4.5, "( m = 4,500 kg )"},
        {999.0, "( m = 999,000 kg )"},      {1350.0, "( m = 1 350,000 kg )"},
        {32000.0, "( m = 32 000,000 kg )"}, {1234567.0, "( m = 1 234 567,000 kg )"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MassText(c.massKg), QString::fromUtf8(c.text)) << c.massKg;
    EXPECT_EQ(ObjectItemText(3), QStringLiteral(" Couteau suisse  ( m = 175,0 g )"));
    EXPECT_EQ(ObjectItemText(0), QStringLiteral("  --      pas d'objet sélectionné      --"));
}
