// The object list: masses written as the combo shows them.
#include "weight/model/weightobjects.h"

#include <gtest/gtest.h>

namespace {

struct MassCase
{
    const char* name;
    double massKg;
    const char* text;
};

const MassCase kMassCases[] = {
    {"snail_in_grams", 0.04, "( m = 40,0 g )"},
    {"swiss_knife", 0.175, "( m = 175,0 g )"},
    {"just_under_a_kilogram", 0.9999, "( m = 999,9 g )"},
    {"one_kilogram_turns_to_kilograms", 1.0, "( m = 1,000 kg )"},
    {"cat", 4.5, "( m = 4,500 kg )"},
    {"three_digits_no_space", 999.0, "( m = 999,000 kg )"},
    {"four_digits_one_space", 1350.0, "( m = 1 350,000 kg )"},
    {"five_digits", 32000.0, "( m = 32 000,000 kg )"},
    {"seven_digits_two_spaces", 1234567.0, "( m = 1 234 567,000 kg )"},
};

} // namespace

TEST(MassText, GramsBelowAKilogramKilogramsAboveThousandsParted)
{
    for (const MassCase& c : kMassCases)
        EXPECT_EQ(MassText(c.massKg), QString::fromUtf8(c.text)) << c.name;
}

TEST(ObjectItems, MassFollowsAfterTwoSpacesExceptForTheEmptyChoice)
{
    EXPECT_EQ(ObjectItemText(3), QStringLiteral(" Couteau suisse  ( m = 175,0 g )"));
    EXPECT_EQ(ObjectItemText(0), QStringLiteral("  --      pas d'objet sélectionné      --"));
    EXPECT_EQ(ObjectItemText(17), QStringLiteral(" Apatosaure  ( m = 32 000,000 kg )"));
    EXPECT_EQ(ObjectItemText(kObjectCount), QString());
    EXPECT_EQ(ObjectMass(-1), 0.0);
    EXPECT_EQ(ObjectPictureName(0), QString());
}
