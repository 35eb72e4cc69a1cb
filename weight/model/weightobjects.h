// The objects a pupil can weigh (combo text, picture and mass) and the mass
// as the object list writes it.
#pragma once

#include <QString>
#include <array>

struct WeightObject
{
    const char* item; // combo item (UTF-8); index 0 is the empty choice
    const char* picture; // picture resource name, "" for none
    double massKg;
};

constexpr int kObjectCount = 18;
extern const std::array<WeightObject, kObjectCount> WeightObjects;

// 0 for an index outside the table.
double ObjectMass(int index);
QString ObjectPictureName(int index);

// "( m = 175,0 g )", "( m = 1 350,000 kg )": grams with one decimal below
// 1 kg, kilograms with three from 1 kg on; decimal comma, thousands parted
// by a space.
QString MassText(double massKg);

// The object combo's item: the object's text, then from index 1 on two
// spaces and its mass text.
QString ObjectItemText(int index);
