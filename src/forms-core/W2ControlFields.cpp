#include "W2ControlFields.h"

#include <QHash>

namespace {

QHash<QString, QString> ControlFields()
{
    QHash<QString, QString> Fields {
        { QStringLiteral("Boxa"), QStringLiteral("EmployeeSSN") },
        { QStringLiteral("Boxd"), QStringLiteral("ControlNumber") },
        { QStringLiteral("Boxe_a"), QStringLiteral("FirstName") },
        { QStringLiteral("Boxe_b"), QStringLiteral("LastName") },
        { QStringLiteral("Suffix"), QStringLiteral("Suffix") },
        { QStringLiteral("Boxf_a"), QStringLiteral("StreetAddress") },
        { QStringLiteral("Boxf_b"), QStringLiteral("City") },
        { QStringLiteral("Boxf_c"), QStringLiteral("State") },
        { QStringLiteral("Boxf_d"), QStringLiteral("ZipCode") },
        { QStringLiteral("Amount1"), QStringLiteral("Box1Wages") },
        { QStringLiteral("Amount2"), QStringLiteral("Box2FedIncomeTax") },
        { QStringLiteral("Amount3"), QStringLiteral("Box3SocSecWages") },
        { QStringLiteral("Amount4"), QStringLiteral("Box4SocSecTax") },
        { QStringLiteral("Amount5"), QStringLiteral("Box5MedicareWages") },
        { QStringLiteral("Amount6"), QStringLiteral("Box6MedicareTax") },
        { QStringLiteral("Amount7"), QStringLiteral("Box7SocSecTips") },
        { QStringLiteral("Amount8"), QStringLiteral("Box8AllocatedTips") },
        { QStringLiteral("Amount10"), QStringLiteral("Box10DependentCare") },
        { QStringLiteral("Amount11"), QStringLiteral("Box11NonqualifiedPlans") },
        { QStringLiteral("Box13a"), QStringLiteral("Box13Statutory") },
        { QStringLiteral("Box13b"), QStringLiteral("Box13Retirement") },
        { QStringLiteral("Box13c"), QStringLiteral("Box13SickPay") },
    };
    for (const QString &Line :
        { QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d") }) {
        Fields.insert(QStringLiteral("Box12Code_") + Line, QStringLiteral("Box12Code_") + Line);
        Fields.insert(QStringLiteral("Box12Amt_") + Line, QStringLiteral("Box12Amt_") + Line);
        if (Line == QLatin1String("d"))
            continue;
        Fields.insert(QStringLiteral("Box14Desc_") + Line, QStringLiteral("Box14Desc_") + Line);
        Fields.insert(QStringLiteral("Box14Amt_") + Line, QStringLiteral("Box14Amt_") + Line);
        if (Line == QLatin1String("c"))
            continue;
        Fields.insert(QStringLiteral("Box15") + Line, QStringLiteral("Box15State_") + Line);
        Fields.insert(QStringLiteral("StateID_") + Line, QStringLiteral("StateID_") + Line);
        Fields.insert(QStringLiteral("Box16") + Line, QStringLiteral("Box16StateWages_") + Line);
        Fields.insert(QStringLiteral("Box17") + Line, QStringLiteral("Box17StateTax_") + Line);
        Fields.insert(QStringLiteral("Box18") + Line, QStringLiteral("Box18LocalWages_") + Line);
        Fields.insert(QStringLiteral("Box19") + Line, QStringLiteral("Box19LocalTax_") + Line);
        Fields.insert(QStringLiteral("Box20") + Line, QStringLiteral("Box20Locality_") + Line);
    }
    return Fields;
}

} // namespace

QString FieldOfW2Control(const QString &Control)
{
    static const QHash<QString, QString> Fields = ControlFields();
    return Fields.value(Control);
}
