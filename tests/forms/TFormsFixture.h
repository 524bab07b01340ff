#pragma once

#include "EmployeeRecord.h"
#include "EmployerRecord.h"
#include "TFrmDataModule.h"
#include "TScriptedInteraction.h"

#include <QList>
#include <QTemporaryDir>

#include <span>

struct TFieldDef;

// A company pair on disk, opened through the data module as the program
// opens it, with the scripted person answering every question.
class TFormsFixture {
public:
    TFormsFixture();
    ~TFormsFixture();

    // Writes the pair: one employer record, the employees in order.
    void WriteCompany(const EmployerRecord &Employer, const QList<EmployeeRecord> &Employees);
    // Writes the pair and opens it.
    void OpenCompany(const EmployerRecord &Employer, const QList<EmployeeRecord> &Employees);
    QString W2Path() const;
    QString W3Path() const;
    QList<EmployeeRecord> StoredEmployees() const;
    EmployerRecord StoredEmployer() const;

    // An employer and employees that pass every check.
    static EmployerRecord SampleEmployer();
    static EmployeeRecord SampleEmployee(const QString &First, const QString &Last, double Wages = 50000);
    // The employees Names gives as "First Last".
    static QList<EmployeeRecord> Employees(const QStringList &Names);
    // Fails the test at the first of Fields that Got and Expected hold
    // differently. A text is its characters; what lies after its length is
    // no part of it.
    static void ExpectSameFields(
        const QByteArray &Got, const QByteArray &Expected, std::span<const TFieldDef> Fields);

    QTemporaryDir Dir;
    TScriptedInteraction Person;
    TFrmDataModule Data;
};
