#include "TPrinterSettings.h"

#include "ECustomException.h"
#include "TAppGlobals.h"
#include "TAppRegistry.h"
#include "TextUtils.h"

#include <limits>

namespace {

int RequiredInteger(const TAppRegistry &Registry, const QString &Key, const QString &Name)
{
    // Absent and unreadable values look alike to the store: both give the default.
    constexpr int Missing = std::numeric_limits<int>::min();
    const int Value = Registry.ReadInteger(Key, Name, Missing);
    if (Value == Missing)
        throw ECustomException(QStringLiteral("The printer setting %1 under %2 is missing or not a number.~"
                                              "Open Print Setup and save the printer choice again.")
                                   .arg(Name, Key));
    return Value;
}

bool IsChoice(int Value)
{
    return Value >= 0 && Value <= 2;
}

} // namespace

QString TPrinterSettings::StoredKey()
{
    return TAppGlobals::Instance().RegBaseKey + QStringLiteral("Printer");
}

void TPrinterSettings::LoadFromFile(const TAppRegistry &Registry, const QString &Key)
{
    if (!Registry.KeyExists(Key))
        return;
    const int StoredOrientation = RequiredInteger(Registry, Key, QStringLiteral("Orientation"));
    const int StoredDuplex = RequiredInteger(Registry, Key, QStringLiteral("Duplex"));
    const int StoredCopies = RequiredInteger(Registry, Key, QStringLiteral("Copies"));
    const int StoredCollate = RequiredInteger(Registry, Key, QStringLiteral("Collate"));
    Name = LeftText(Registry.ReadString(Key, QStringLiteral("Name")), NameLength);
    Paper = LeftText(Registry.ReadString(Key, QStringLiteral("Paper")), PaperLength);
    Bin = LeftText(Registry.ReadString(Key, QStringLiteral("Bin")), BinLength);
    if (IsChoice(StoredOrientation))
        Orientation = quint8(StoredOrientation);
    if (IsChoice(StoredDuplex))
        Duplex = quint8(StoredDuplex);
    Copies = StoredCopies;
    Collate = StoredCollate != 0;
    DataOnly = Registry.ReadInteger(Key, QStringLiteral("DataOnly"), 0) != 0;
    OffsetX = qBound(-MaxOffset, Registry.ReadInteger(Key, QStringLiteral("OffsetX"), 0), MaxOffset);
    OffsetY = qBound(-MaxOffset, Registry.ReadInteger(Key, QStringLiteral("OffsetY"), 0), MaxOffset);
}

void TPrinterSettings::SaveToFile(TAppRegistry &Registry, const QString &Key) const
{
    Registry.WriteString(Key, QStringLiteral("Name"), LeftText(Name, NameLength));
    Registry.WriteString(Key, QStringLiteral("Paper"), LeftText(Paper, PaperLength));
    Registry.WriteString(Key, QStringLiteral("Bin"), LeftText(Bin, BinLength));
    Registry.WriteInteger(Key, QStringLiteral("Orientation"), Orientation);
    Registry.WriteInteger(Key, QStringLiteral("Duplex"), Duplex);
    Registry.WriteInteger(Key, QStringLiteral("Copies"), Copies);
    Registry.WriteInteger(Key, QStringLiteral("Collate"), Collate ? 1 : 0);
    Registry.WriteInteger(Key, QStringLiteral("DataOnly"), DataOnly ? 1 : 0);
    Registry.WriteInteger(Key, QStringLiteral("OffsetX"), OffsetX);
    Registry.WriteInteger(Key, QStringLiteral("OffsetY"), OffsetY);
    if (!Registry.Flush())
        throw ECustomException(
            QStringLiteral("The printer setup could not be saved in %1.").arg(Registry.FileName()));
}
