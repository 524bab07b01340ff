#include "TEmployeeImport.h"
#include "EmployeeExport.h"
#include "CsvText.h"

int CoreProbeImport()
{
    return TEmployeeImport::Unmapped;
}
