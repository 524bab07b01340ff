#include "EFW2Writer.h"

#include "EFW2Records.h"
#include "TEFW2Client.h"

QStringList BuildClientLines(
    const TSubmitterData &Submitter, const TEFW2Client &Client, const TEFW2Part &Part)
{
    QStringList Lines;
    Lines.reserve(2 * Client.Employees.size() + 5);
    if (!Part.ExcludeRA)
        Lines.append(BuildRA(Submitter));
    Lines.append(BuildRE(Client.Employer));
    bool AnyRO = false;
    for (const EmployeeRecord &Employee : Client.Employees) {
        Lines.append(BuildRW(Client.Employer, Employee));
        if (HasRO(Employee)) {
            Lines.append(BuildRO(Employee));
            AnyRO = true;
        }
    }
    Lines.append(BuildRT(Client.Employer, Client.Employees));
    if (AnyRO)
        Lines.append(BuildRU(Client.Employees));
    if (!Part.ExcludeRF)
        Lines.append(BuildRF(Part.RFCount));
    return Lines;
}
