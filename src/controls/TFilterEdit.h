#pragma once

#include "TCustomEdit.h"
#include "ValidChars.h"

#include <functional>

// A text field that takes only the characters of ValidChars ("[0..9,-]"),
// can force the letter case, and can insist on a value. Ctrl+L writes the
// text as a name ("John Smith"), Ctrl+U in capitals.
class TFilterEdit : public TCustomEdit {
    Q_OBJECT
public:
    enum class TCharCase { Normal, UpperCase, LowerCase };

    explicit TFilterEdit(QWidget *Parent = nullptr);

    QString ValidChars() const { return FValidChars; }
    // A text not in brackets is kept as "Invalid format " and the text, and
    // the accepted characters stay as they were.
    void SetValidChars(const QString &ValidChars);
    const TCharSet &CharSet() const { return FCharSet; }
    bool BeepOnInvalid() const { return FBeepOnInvalid; }
    void SetBeepOnInvalid(bool Beep) { FBeepOnInvalid = Beep; }
    bool RequiredField() const { return FRequired; }
    void SetRequiredField(bool Required) { FRequired = Required; }
    TCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TCharCase CharCase) { FCharCase = CharCase; }
    // The window's own key handler: it sees each accepted character after
    // the case change and may change it or drop it (a null character).
    void SetOnKeyPress(std::function<void(QChar &Key)> Handler) { FOnKeyPress = std::move(Handler); }

    // Lower case with a capital at the start of each word, trimmed.
    static QString NameCase(const QString &Text);

protected:
    bool event(QEvent *Event) override;
    void DoEnter() override;
    void DoExit() override;
    void keyPressEvent(QKeyEvent *Event) override;
    void EditKeyPress(QKeyEvent *Event) override;
    void InsertPasted(const QString &Text) override;

private:
    QChar ConvertCase(QChar Key) const;
    bool Accepts(QChar Key) const;
    bool IsCaseShortcut(const QKeyEvent *Event) const;

    QString FValidChars = QStringLiteral("[]");
    TCharSet FCharSet;
    bool FBeepOnInvalid = false;
    bool FRequired = false;
    TCharCase FCharCase = TCharCase::Normal;
    std::function<void(QChar &)> FOnKeyPress;
};
