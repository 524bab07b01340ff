#pragma once

#include <QString>

class TRvProject;

// The tax form report project of the run, pointed at the program's folder's
// TaxForms.RAV at start-up; every W-2 and W-3 run prints through it.
TRvProject &TaxFormsProject();

// The project's file name beside the program.
QString TaxFormsFileName();
