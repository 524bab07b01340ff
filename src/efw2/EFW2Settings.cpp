#include "EFW2Settings.h"

#include "EInOutError.h"
#include "FileUtils.h"
#include "RecordFields.h"

#include <QFile>

using namespace EFW2SettingsLayout;

EFW2Settings::EFW2Settings()
    : FData(RecSize, '\0')
{
}

EFW2Settings EFW2Settings::FromBytes(const QByteArray &Bytes)
{
    EFW2Settings Result;
    Result.FData.replace(0, qMin<qsizetype>(Bytes.size(), RecSize), Bytes.left(RecSize));
    return Result;
}

QString EFW2Settings::Text(const TFieldDef &Slot) const
{
    return ReadStr(FData, Slot);
}

void EFW2Settings::SetText(const TFieldDef &Slot, const QString &Value)
{
    WriteStr(FData, Slot, Value);
}

qint32 EFW2Settings::TotalRecords() const
{
    return ReadInt32(FData, EFW2SettingsLayout::TotalRecords);
}

void EFW2Settings::SetTotalRecords(qint32 Value)
{
    WriteInt32(FData, EFW2SettingsLayout::TotalRecords, Value);
}

bool EFW2Settings::ExcludeSubmitter() const
{
    return ReadFlag(FData, EFW2SettingsLayout::ExcludeSubmitter);
}

void EFW2Settings::SetExcludeSubmitter(bool Value)
{
    WriteFlag(FData, EFW2SettingsLayout::ExcludeSubmitter, Value);
}

bool EFW2Settings::ExcludeFinal() const
{
    return ReadFlag(FData, EFW2SettingsLayout::ExcludeFinal);
}

void EFW2Settings::SetExcludeFinal(bool Value)
{
    WriteFlag(FData, EFW2SettingsLayout::ExcludeFinal, Value);
}

bool EFW2Settings::LastClientConfirmed() const
{
    return ReadFlag(FData, EFW2SettingsLayout::LastClientConfirmed);
}

void EFW2Settings::SetLastClientConfirmed(bool Value)
{
    WriteFlag(FData, EFW2SettingsLayout::LastClientConfirmed, Value);
}

TSubmitterData EFW2Settings::Submitter() const
{
    TSubmitterData D;
    D.EIN = Text(EIN);
    D.UserID = Text(UserID);
    D.ResubInd = Text(ResubInd) == QLatin1String("1");
    D.ResubID = Text(ResubID);
    D.CompanyName = Text(CompanyName);
    D.LocationAddr = Text(LocationAddr);
    D.DeliveryAddr = Text(DeliveryAddr);
    D.City = Text(City);
    D.StateCode = Text(StateCode);
    D.ZipCode = Text(ZipCode);
    D.ZipCodeExt = Text(ZipCodeExt);
    D.ForeignState = Text(ForeignState);
    D.ForeignZip = Text(ForeignZip);
    D.CountryCode = Text(CountryCode);
    D.SubmitName = Text(SubmitName);
    D.SubmitAddr1 = Text(SubmitAddr1);
    D.SubmitAddr2 = Text(SubmitAddr2);
    D.SubmitCity = Text(SubmitCity);
    D.SubmitState = Text(SubmitState);
    D.SubmitZip = Text(SubmitZip);
    D.SubmitZipExt = Text(SubmitZipExt);
    D.SubmitFSP = Text(SubmitFSP);
    D.SubmitFPC = Text(SubmitFPC);
    D.SubmitCC = Text(SubmitCC);
    D.ContactName = Text(ContactName);
    D.ContactPhone = Text(ContactPhone);
    D.ContactExt = Text(ContactExt);
    D.ContactEmail = Text(ContactEmail);
    D.ContactFax = Text(ContactFax);
    D.PreparerCode = Text(PreparerCode);
    return D;
}

void EFW2Settings::SetSubmitter(const TSubmitterData &D)
{
    SetText(EIN, D.EIN);
    SetText(UserID, D.UserID);
    SetText(ResubInd, D.ResubInd ? QStringLiteral("1") : QStringLiteral("0"));
    SetText(ResubID, D.ResubID);
    SetText(CompanyName, D.CompanyName);
    SetText(LocationAddr, D.LocationAddr);
    SetText(DeliveryAddr, D.DeliveryAddr);
    SetText(City, D.City);
    SetText(StateCode, D.StateCode);
    SetText(ZipCode, D.ZipCode);
    SetText(ZipCodeExt, D.ZipCodeExt);
    SetText(ForeignState, D.ForeignState);
    SetText(ForeignZip, D.ForeignZip);
    SetText(CountryCode, D.CountryCode);
    SetText(SubmitName, D.SubmitName);
    SetText(SubmitAddr1, D.SubmitAddr1);
    SetText(SubmitAddr2, D.SubmitAddr2);
    SetText(SubmitCity, D.SubmitCity);
    SetText(SubmitState, D.SubmitState);
    SetText(SubmitZip, D.SubmitZip);
    SetText(SubmitZipExt, D.SubmitZipExt);
    SetText(SubmitFSP, D.SubmitFSP);
    SetText(SubmitFPC, D.SubmitFPC);
    SetText(SubmitCC, D.SubmitCC);
    SetText(ContactName, D.ContactName);
    SetText(ContactPhone, D.ContactPhone);
    SetText(ContactExt, D.ContactExt);
    SetText(ContactEmail, D.ContactEmail);
    SetText(ContactFax, D.ContactFax);
    SetText(PreparerCode, D.PreparerCode);
}

void EFW2Settings::StoreRA(const QString &RALine)
{
    for (const TSlot &Slot : RASlots)
        SetText(Slot.Field, RALine.mid(Slot.RAPosition - 1, Slot.RAWidth));
}

namespace {

[[noreturn]] void Fail(const QString &What, const QString &Path, const QFile &File)
{
    throw EInOutError(QStringLiteral("%1 %2: %3").arg(What, Path, File.errorString()));
}

QByteArray ReadAll(const QString &Path)
{
    QByteArray Bytes;
    QString Reason;
    if (!ReadRegularFile(Path, EFW2Settings::MaxFileSize, Bytes, Reason))
        throw EInOutError(QStringLiteral("Cannot open the EFW2 settings file %1: %2").arg(Path, Reason));
    return Bytes.left(EFW2Settings::RecSize);
}

} // namespace

EFW2Settings LoadEFW2Settings(const QString &Path)
{
    if (!QFile::exists(Path))
        SaveEFW2Settings(Path, EFW2Settings());
    return ReadEFW2Settings(Path);
}

EFW2Settings ReadEFW2Settings(const QString &Path)
{
    return EFW2Settings::FromBytes(ReadAll(Path));
}

void SaveEFW2Settings(const QString &Path, const EFW2Settings &Settings)
{
    QFile File(Path);
    // Only the record's own bytes are replaced.
    if (!File.open(QIODevice::ReadWrite))
        Fail(QStringLiteral("Cannot write the EFW2 settings file"), Path, File);
    if (File.write(Settings.Bytes()) != Settings.Bytes().size() || !File.flush())
        Fail(QStringLiteral("Cannot write the EFW2 settings file"), Path, File);
}
