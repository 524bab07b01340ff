#pragma once

#include <QString>

// The employee record field a control of the W-2 window edits ("Amount1" is
// Box1Wages); empty for a control that edits none (the employer's boxes).
// The checks name the control to focus; whatever reports a failed check
// without the window names the field through this.
QString FieldOfW2Control(const QString &Control);
