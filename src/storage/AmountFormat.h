#pragma once

#include <QString>

// How the amount fields show money: with thousands separators while the
// field is left, as plain digits while it is edited. US conventions ('.' and
// ',') whatever the machine's locale.

// The largest amount a field holds; larger values are cut to it.
constexpr double MaxFieldAmount = 999999999999.99;
constexpr int MaxCentDigits = 6;
constexpr int MaxDollarDigits = 12;

double LimitAmount(double Value);
// The shown form: ",0.00" style with CentDigits decimals, rounded half away
// from zero; a '$' in front for CentDigits 0 and 2 when Currency is set.
QString FormatAmount(double Value, int CentDigits, bool Currency);
// "0", "0.0", "0.00", ... for CentDigits 0 to 6.
QString AmountZeroText(int CentDigits);
// The edited form of a shown amount: only '-', '.' and digits are kept;
// nothing left, or a lone '-', gives the zero text. Value is the amount
// rounded to CentDigits (0 when the kept text is not a number).
QString AmountEditText(const QString &Shown, int CentDigits, double &Value);
// The amount a field's text stands for; 0 when it is not a number.
double AmountOfText(const QString &Text);
