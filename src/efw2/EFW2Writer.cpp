#include "EFW2Writer.h"

#include "EFW2Files.h"
#include "EFW2Records.h"
#include "TEFW2Client.h"

QStringList BuildClientLines(
    const TSubmitterData &Submitter, const TEFW2Client &Client, const TEFW2Part &Part)
{
    QStringList Lines;
    Lines.reserve(Client.Employees.size() + 4);
    if (!Part.ExcludeRA)
        Lines.append(BuildRA(Submitter));
    Lines.append(BuildRE(Client.Employer));
    for (const EmployeeRecord &Employee : Client.Employees)
        Lines.append(BuildRW(Employee));
    Lines.append(BuildRT(Client.Employer, Client.Employees));
    if (!Part.ExcludeRF)
        Lines.append(BuildRF(Part.RFCount));
    return Lines;
}

void WriteClientFile(const QString &Path, const QStringList &Lines)
{
    ReplaceTextFile(Path, Lines, true);
}
