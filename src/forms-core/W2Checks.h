#pragma once

#include "TFieldCheck.h"

#include <QString>

class EmployeeRecord;

// The checks an employee passes before the W-2 window writes it, in their
// order; the first failure is returned with the control to focus.
TFieldCheck CheckW2(const EmployeeRecord &Employee);

// A state line (boxes 15 to 17) is complete when the state, its ID and the
// state wages are all there, or none of them and no state tax.
bool StateLineComplete(const QString &State, const QString &StateID, double Wages, double Tax);
// A local line (boxes 18 to 20) is complete when the local wages and the
// locality are both there, or neither and no local tax.
bool LocalLineComplete(double Wages, const QString &Locality, double Tax);
