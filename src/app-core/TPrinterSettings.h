#pragma once

#include <QString>

class TAppRegistry;

// The printer choice of Print Setup, kept under the key "Printer" of the
// program's settings: printer, paper, paper source, orientation, collation,
// two-sided printing and copies, and the printing of the data alone onto
// printed forms, moved by offsets in hundredths of an inch.
struct TPrinterSettings {
    static constexpr int NameLength = 60;
    static constexpr int PaperLength = 40;
    static constexpr int BinLength = 40;
    static constexpr int MaxOffset = 50;

    QString Name; // blank: the default printer with its own settings
    QString Paper;
    QString Bin;
    quint8 Orientation = 0; // 0 portrait, 1 landscape, 2 the printer's default
    bool Collate = false;
    quint8 Duplex = 0; // 0 one-sided, 1 over the long edge ("Tablet"), 2 the short edge ("Book")
    qint32 Copies = 0;
    bool DataOnly = false;
    qint32 OffsetX = 0; // to the right
    qint32 OffsetY = 0; // downwards

    void Clear() { *this = TPrinterSettings(); }
    // Reads the stored values over these ones; a missing key leaves them as
    // they are. A key without one of the seven values raises ECustomException
    // (the program always writes them together); the data-only values were
    // added later and read as off and 0 when missing.
    void LoadFromFile(const TAppRegistry &Registry, const QString &Key);
    void SaveToFile(TAppRegistry &Registry, const QString &Key) const;

    // The key of the program's settings (RegBaseKey + "Printer").
    static QString StoredKey();
    bool operator==(const TPrinterSettings &Other) const = default;
};
