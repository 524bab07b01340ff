#pragma once

#include <QString>
#include <QStringList>

struct TSubmitterData;

// The outcome of the submitter rules: the first field that failed, named as
// the EFW2 window's control, and the message for the person. Empty when
// every rule passed.
struct TSubmitterCheck {
    QString Field;
    QString Message;

    bool Passed() const { return Field.isEmpty(); }
};

// The rules the submitter data passes before any EFW2 record is written, in
// their order; the first failure is returned.
TSubmitterCheck ValidateSubmitter(const TSubmitterData &Submitter);

// The fields still wanting attention, which the window paints in the mark
// colour while the person types; every other marked-field candidate is
// painted normally.
QStringList MarkRequiredFields(const TSubmitterData &Submitter);
// Every field MarkRequiredFields may name.
const QStringList &MarkableFields();
