#include "PriorYearRecords.h"

#include "EmployeeLayout.h"
#include "EmployerLayout.h"

#include <array>
#include <cstring>

namespace {

// The twelve kind-of-payer and kind-of-employer flags lie side by side and
// travel byte for byte.
constexpr int KindFlagsOffset = EmployerLayout::KindOfPayer941.Offset;
constexpr int KindFlagsSize = EmployerLayout::KindOfEmployerFederalGovt.Offset + 1 - KindFlagsOffset;
static_assert(KindFlagsSize == 12);

constexpr std::array EmployerTexts { EmployerLayout::EmployerControlNumber,
    EmployerLayout::EstablishmentNumber, EmployerLayout::EmployerEIN, EmployerLayout::EmployerName,
    EmployerLayout::EmployerTradeName, EmployerLayout::EmployerAddress, EmployerLayout::EmployerCity,
    EmployerLayout::EmployerState, EmployerLayout::EmployerZipCode, EmployerLayout::EmployerCityStateZip,
    EmployerLayout::Box15State, EmployerLayout::EmployerStateID, EmployerLayout::ContactPerson,
    EmployerLayout::ContactPhone, EmployerLayout::ContactEmail, EmployerLayout::ContactFax,
    EmployerLayout::SignerName, EmployerLayout::SignerTitle,
    // The password's stored form is carried as it is, scrambled.
    EmployerLayout::FilePassword };

constexpr std::array EmployeeTexts { EmployeeLayout::EmployeeSSN, EmployeeLayout::ControlNumber,
    EmployeeLayout::FirstName, EmployeeLayout::LastName, EmployeeLayout::Suffix,
    EmployeeLayout::StreetAddress, EmployeeLayout::City, EmployeeLayout::State, EmployeeLayout::ZipCode,
    EmployeeLayout::CityStateZip };

// The text's bytes, not its characters: what was stored is what is carried,
// whatever the code page makes of it.
void CarryText(const char *From, char *To, const TFieldDef &Field)
{
    const int Length = qMin(int(quint8(From[Field.Offset])), Field.Length);
    To[Field.Offset] = char(Length);
    std::memcpy(To + Field.Offset + 1, From + Field.Offset + 1, size_t(Length));
}

template <std::size_t N> void CarryTexts(const char *From, char *To, const std::array<TFieldDef, N> &Fields)
{
    for (const TFieldDef &Field : Fields)
        CarryText(From, To, Field);
}

} // namespace

QByteArray CarryEmployer(const QByteArray &LastYear)
{
    Q_ASSERT(LastYear.size() >= EmployerLayout::RecSize);
    QByteArray Record(EmployerLayout::RecSize, '\0');
    std::memcpy(Record.data() + KindFlagsOffset, LastYear.constData() + KindFlagsOffset, KindFlagsSize);
    CarryTexts(LastYear.constData(), Record.data(), EmployerTexts);
    return Record;
}

QByteArray CarryEmployees(const QByteArray &LastYearFile)
{
    // An employee file always holds a record, and the program opens no empty one.
    const qsizetype Count = qMax<qsizetype>(LastYearFile.size() / EmployeeLayout::RecSize, 1);
    QByteArray File(Count * EmployeeLayout::RecSize, '\0');
    for (qsizetype I = 0; I < Count; ++I) {
        const qsizetype At = I * EmployeeLayout::RecSize;
        if (At + EmployeeLayout::RecSize <= LastYearFile.size())
            CarryTexts(LastYearFile.constData() + At, File.data() + At, EmployeeTexts);
    }
    return File;
}
