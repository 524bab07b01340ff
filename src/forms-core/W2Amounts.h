#pragma once

// The W-2 amounts that are filled in from others as the person leaves a box.
// Every product is rounded to cents.
struct TW2Amounts {
    double Box1 = 0; // wages, tips, other compensation
    double Box3 = 0; // social security wages
    double Box4 = 0; // social security tax withheld
    double Box5 = 0; // Medicare wages and tips
    double Box6 = 0; // Medicare tax withheld
    double Box7 = 0; // social security tips
    double Box16 = 0; // state wages of the first state line
};

// Medicare tax on box 5, with the Additional Medicare Tax on what is above the threshold.
double MedicareTaxOn(double MedicareWages);

// Leaving box 1: with box 3 still 0, boxes 3 to 6 and 16 follow box 1, box 3
// held to the wage base. Returns false, changing nothing, when box 3 is not 0.
bool DeriveFromBox1(TW2Amounts &Amounts);
// Leaving box 3: box 4 from boxes 3 and 7; above the wage base, box 3 is cut
// so that boxes 3 and 7 together make the base.
void DeriveFromBox3(TW2Amounts &Amounts);
// Leaving box 5: box 6.
void DeriveFromBox5(TW2Amounts &Amounts);
// Leaving box 7: box 3 was entered as wages and tips together (SumOnEnter is
// box 3 plus box 7 as they were when box 7 was entered), so the tips now in
// box 7 are taken out of it. Nothing changes while box 3 is 0.
void TakeTipsOutOfBox3(TW2Amounts &Amounts, double SumOnEnter);
