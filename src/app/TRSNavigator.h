#pragma once

#include "TRecordSetControl.h"

#include <QString>

#include <array>
#include <bitset>
#include <functional>

class QToolButton;
class TRecordSet;

enum TNavigationButtons { nbFirst, nbNext, nbPrior, nbLast, nbList, nbNew, nbDelete };
// Bit n stands for button n.
using TNavBtns = std::bitset<7>;
enum TButtonAction { baFirst, baNext, baPrior, baLast, baList, baNew, baDelete };

class TRSNavigator;
using TNavigatorEvent = std::function<void(TRSNavigator *Sender)>;

// A bar of seven glyph buttons that move through a record set, ask the owner
// for a record list, append and delete. Each action is wrapped in before and
// after notifications, so the owner can check and save its fields first (or
// veto with Cancel) and show the new record afterwards.
class TRSNavigator : public TRecordSetControl {
    Q_OBJECT
public:
    explicit TRSNavigator(QWidget *Parent = nullptr);

    TRecordSet *RecordSet() const { return FRecordSet; }
    void SetRecordSet(TRecordSet *RecordSet);
    TNavBtns VisibleButtons() const { return FNavBtns; }
    void SetVisibleButtons(TNavBtns Buttons);
    bool AutoPerform() const { return FPerform; }
    void SetAutoPerform(bool Perform);
    TButtonAction Action() const { return FAction; }

    QString Hint(TNavigationButtons Button) const;
    void SetHint(TNavigationButtons Button, const QString &Hint);
    void SetBtnFirstHint(const QString &Hint) { SetHint(nbFirst, Hint); }
    void SetBtnNextHint(const QString &Hint) { SetHint(nbNext, Hint); }
    void SetBtnPriorHint(const QString &Hint) { SetHint(nbPrior, Hint); }
    void SetBtnLastHint(const QString &Hint) { SetHint(nbLast, Hint); }
    void SetBtnListHint(const QString &Hint) { SetHint(nbList, Hint); }
    void SetBtnNewHint(const QString &Hint) { SetHint(nbNew, Hint); }
    void SetBtnDeleteHint(const QString &Hint) { SetHint(nbDelete, Hint); }

    QToolButton *Button(TNavigationButtons Button) const { return FButtons[Button]; }

    // Brings the enabled states up to date after the record set changed
    // behind the navigator's back.
    void InitNavigator();
    // Alt and D, E, F, I, L, N or P act as a click on Delete, New, First,
    // List, Last, Next or Prior when that button is shown and enabled.
    void KeyDownHandler(int Key, Qt::KeyboardModifiers Shift);
    // Vetoes the action under way; for OnBeforeAction.
    void Cancel() { FCancel = true; }
    // What a click on Button does.
    void Click(TNavigationButtons Button);

    QToolButton *NavBtnFirst = nullptr;
    QToolButton *NavBtnNext = nullptr;
    QToolButton *NavBtnPrior = nullptr;
    QToolButton *NavBtnLast = nullptr;
    QToolButton *NavBtnList = nullptr;
    QToolButton *NavBtnNew = nullptr;
    QToolButton *NavBtnDelete = nullptr;

    TNavigatorEvent OnBeforeAction;
    TNavigatorEvent OnAfterAction;
    TNavigatorEvent OnBtnListClick;

protected:
    void resizeEvent(QResizeEvent *Event) override;

private:
    QToolButton *MakeButton(TNavigationButtons Button, const char *Name, const QString &Glyph);
    void LayOutButtons();
    void RefreshButtons();
    void Perform();
    bool BeforeActionAllows();

    TRecordSet *FRecordSet = nullptr;
    TNavBtns FNavBtns;
    TButtonAction FAction = baFirst;
    bool FPerform = true;
    bool FCancel = false;
    bool FLayingOut = false;
    std::array<QToolButton *, 7> FButtons {};
};
