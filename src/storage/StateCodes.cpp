#include "StateCodes.h"

const QStringList &StateCodes()
{
    static const QStringList Codes = { QStringLiteral("AK"), QStringLiteral("AL"), QStringLiteral("AR"),
        QStringLiteral("AZ"), QStringLiteral("CA"), QStringLiteral("CO"), QStringLiteral("CT"),
        QStringLiteral("DC"), QStringLiteral("DE"), QStringLiteral("FL"), QStringLiteral("GA"),
        QStringLiteral("GU"), QStringLiteral("HI"), QStringLiteral("IA"), QStringLiteral("ID"),
        QStringLiteral("IL"), QStringLiteral("IN"), QStringLiteral("KS"), QStringLiteral("KY"),
        QStringLiteral("LA"), QStringLiteral("MA"), QStringLiteral("MD"), QStringLiteral("ME"),
        QStringLiteral("MI"), QStringLiteral("MN"), QStringLiteral("MO"), QStringLiteral("MS"),
        QStringLiteral("MT"), QStringLiteral("NC"), QStringLiteral("ND"), QStringLiteral("NE"),
        QStringLiteral("NH"), QStringLiteral("NJ"), QStringLiteral("NM"), QStringLiteral("NV"),
        QStringLiteral("NY"), QStringLiteral("OH"), QStringLiteral("OK"), QStringLiteral("OR"),
        QStringLiteral("PA"), QStringLiteral("PR"), QStringLiteral("RI"), QStringLiteral("SC"),
        QStringLiteral("SD"), QStringLiteral("TN"), QStringLiteral("TX"), QStringLiteral("UT"),
        QStringLiteral("VA"), QStringLiteral("VI"), QStringLiteral("VT"), QStringLiteral("WA"),
        QStringLiteral("WI"), QStringLiteral("WV"), QStringLiteral("WY") };
    return Codes;
}

int NextStateIndex(int CurrentIndex, QChar Letter)
{
    const QStringList &Codes = StateCodes();
    const QChar Upper = Letter.toUpper();
    int First = -1;
    for (int I = 0; I < Codes.size(); ++I) {
        if (Codes.at(I).at(0) != Upper)
            continue;
        if (First < 0)
            First = I;
        if (I > CurrentIndex && CurrentIndex >= First && CurrentIndex >= 0)
            return I;
    }
    return First;
}
