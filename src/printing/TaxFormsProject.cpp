#include "TaxFormsProject.h"

#include "TRvProject.h"

TRvProject &TaxFormsProject()
{
    static TRvProject Project;
    return Project;
}

QString TaxFormsFileName()
{
    return QStringLiteral("TaxForms.RAV");
}
