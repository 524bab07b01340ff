#pragma once

#include <QDialog>
#include <QList>

class QPushButton;
class QToolButton;
class TDollarEdit;
class TEnterAsTab;
class TFieldHighlight;
class TFormCanvas;
class TFrmDataModule;
struct TFieldCheck;

// An entry window drawn like a paper form: the drawing with its fields in
// tab order, a row of buttons under it ending in Close and Help, Enter as
// Tab, Escape as Close and the coloured field. Opening and closing run as
// commands: a failed check at the close keeps the window open.
class TFormWindow : public QDialog {
    Q_OBJECT
public:
    TFrmDataModule &Data;

    QPushButton *BtnClose = nullptr;
    QToolButton *BtnHelp = nullptr;
    TEnterAsTab *EnterAsTab = nullptr;
    TFieldHighlight *FieldHighlight = nullptr;

    // The fields in tab order, read-only ones included.
    QList<QWidget *> Fields() const { return FFields; }

protected:
    TFormWindow(
        TFrmDataModule &Data, double WidthInches, double HeightInches, int HelpTopic, QWidget *Parent);

    void showEvent(QShowEvent *Event) override;
    void closeEvent(QCloseEvent *Event) override;
    // The first showing puts the records into the fields.
    virtual void FormShow() = 0;
    // Checks and writes; an exception refuses the close.
    virtual void FormClose() = 0;

    // A field on the drawing, named Name for the tests and AccessibleName for
    // screen readers, in the form's 9-point font; the next one in tab order.
    template <typename T> T *AddField(const char *Name, const QString &AccessibleName)
    {
        return static_cast<T *>(AdoptField(new T(FCanvas), Name, AccessibleName));
    }
    // An amount of Digits whole dollars and two cents, never negative.
    TDollarEdit *AddAmount(const char *Name, const QString &AccessibleName, int Digits);

    // Lays out the drawing over the row of buttons: Left at the left, the
    // Commands at the right, then Close and Help, which are made here.
    void CreateButtonRow(const QList<QWidget *> &Left, const QList<QPushButton *> &Commands);
    // The fields that take Tab, in the order they were added, then the buttons.
    void SetTabOrder();
    // Once every field is made: the highlight watches the fields it finds.
    void SetUpKeys();

    // On a failed check the focus goes to the field and EFieldException
    // carries the message.
    void ThrowIfFailed(const TFieldCheck &Result);
    static void ShowNotAvailable();

    TFormCanvas *FCanvas = nullptr;
    QList<QWidget *> FFields;

private:
    QWidget *AdoptField(QWidget *Field, const char *Name, const QString &AccessibleName);

    QList<QWidget *> FButtons;
    int FHelpTopic = 0;
    bool FShown = false;
};
