#pragma once

#include <QObject>
#include <QString>

// Letter case the password field forces on what is typed.
enum class TPasswordCase : int { pcNormal = 0, pcUpperCase = 1, pcLowerCase = 2 };

// Asks for a password and compares it with the expected one. Non-visual: the
// prompt itself goes through the interaction seam, so the data module can use
// it without a display and tests can script the answer.
class TPasswordDialog : public QObject {
    Q_OBJECT
public:
    explicit TPasswordDialog(QObject *Owner = nullptr);

    QString Caption;
    QString Password;
    QString Prompt;
    TPasswordCase PasswordCase = TPasswordCase::pcNormal;

    // True when the last prompt was cancelled.
    bool Cancel() const { return FCancel; }

    // Prompts once. True exactly when the typed text equals Password,
    // letter case included; false when it differs or the prompt is cancelled.
    bool Execute();

private:
    bool FCancel = false;
};
