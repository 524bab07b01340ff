#include "TEFW2Client.h"

#include "NumberUtils.h"
#include "TFrmDataModule.h"
#include "TRecordSet.h"
#include "TextUtils.h"

TEFW2Client MakeEFW2Client(const EmployerRecord &Employer, const QList<EmployeeRecord> &Records)
{
    TEFW2Client Client;
    Client.Employer = Employer;
    Client.RecordCount = int(Records.size());
    for (int I = 0; I < Records.size(); ++I) {
        if (!Records.at(I).CountsAsValid())
            continue;
        Client.Employees.append(Records.at(I));
        Client.RecordNumbers.append(I + 1);
    }
    return Client;
}

TEFW2Client ReadEFW2Client(TFrmDataModule &Data)
{
    QList<EmployeeRecord> Records;
    const int Count = Data.RSW2->RecordCount();
    Records.reserve(Count);
    Data.RSW2->ScanRecords(Count, [&Records, &Data](int) { Records.append(Data.CurrentEmployee); });
    return MakeEFW2Client(Data.CurrentEmployer, Records);
}

// A name from a damaged file may hold line breaks; in a message they would
// make lines of their own that read as the program's.
QString EmployeeDisplayName(const EmployeeRecord &Employee)
{
    return EscapeControlChars(
        TrimText(TrimText(Employee.FirstName()) + QLatin1Char(' ') + TrimText(Employee.LastName())));
}
