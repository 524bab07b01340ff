#include "TRSNavigator.h"

#include "EException.h"
#include "TApplication.h"
#include "TRecordSet.h"

#include <QToolButton>

namespace {

constexpr int ButtonSide = 22;

const char *const DefaultHints[] = { "First Record", "Next Record", "Prior Record", "Last Record",
    "List Records", "New Record", "Delete Record" };

// The letter that goes with Alt for each button, in button order.
const char ButtonKeys[] = { 'F', 'N', 'P', 'L', 'I', 'E', 'D' };

} // namespace

TRSNavigator::TRSNavigator(QWidget *Parent)
    : TRecordSetControl(Parent)
{
    setObjectName(QStringLiteral("RSNavigator"));
    FNavBtns.set();
    NavBtnFirst = MakeButton(nbFirst, "NavBtnFirst", QStringLiteral("nav_first.svg"));
    NavBtnNext = MakeButton(nbNext, "NavBtnNext", QStringLiteral("nav_next.svg"));
    NavBtnPrior = MakeButton(nbPrior, "NavBtnPrior", QStringLiteral("nav_prior.svg"));
    NavBtnLast = MakeButton(nbLast, "NavBtnLast", QStringLiteral("nav_last.svg"));
    NavBtnList = MakeButton(nbList, "NavBtnList", QStringLiteral("nav_list.svg"));
    NavBtnNew = MakeButton(nbNew, "NavBtnNew", QStringLiteral("nav_new.svg"));
    NavBtnDelete = MakeButton(nbDelete, "NavBtnDelete", QStringLiteral("nav_delete.svg"));
    resize(154, ButtonSide);
    LayOutButtons();
    RefreshButtons();
}

QToolButton *TRSNavigator::MakeButton(TNavigationButtons Button, const char *Name, const QString &Glyph)
{
    auto *Result = new QToolButton(this);
    Result->setObjectName(QLatin1String(Name));
    Result->setIcon(QIcon(QStringLiteral(":/icons/") + Glyph));
    Result->setAutoRaise(true);
    // Like the glyph buttons of old, they never take the focus from the field being edited.
    Result->setFocusPolicy(Qt::NoFocus);
    FButtons[Button] = Result;
    SetHint(Button, QLatin1String(DefaultHints[Button]));
    connect(Result, &QToolButton::clicked, this, [this, Button] { Click(Button); });
    return Result;
}

void TRSNavigator::SetRecordSet(TRecordSet *RecordSet)
{
    FRecordSet = RecordSet;
    RefreshButtons();
}

void TRSNavigator::SetVisibleButtons(TNavBtns Buttons)
{
    FNavBtns = Buttons;
    LayOutButtons();
}

void TRSNavigator::SetAutoPerform(bool Perform)
{
    FPerform = Perform;
    RefreshButtons();
}

QString TRSNavigator::Hint(TNavigationButtons Button) const
{
    return FButtons[Button]->toolTip();
}

void TRSNavigator::SetHint(TNavigationButtons Button, const QString &Hint)
{
    QToolButton *Target = FButtons[Button];
    if (Target->toolTip() == Hint)
        return;
    Target->setToolTip(Hint);
    // A screen reader announces the glyph buttons by their hints.
    Target->setAccessibleName(Hint);
}

void TRSNavigator::resizeEvent(QResizeEvent *Event)
{
    TRecordSetControl::resizeEvent(Event);
    LayOutButtons();
}

void TRSNavigator::LayOutButtons()
{
    if (FLayingOut)
        return;
    FLayingOut = true;
    const int Shown = int(FNavBtns.count());
    for (int I = 0; I < 7; ++I)
        FButtons[I]->setVisible(FNavBtns.test(I));
    if (Shown > 0) {
        resize(ButtonSide * Shown, height());
        const int Width = width() / Shown;
        int X = 0;
        for (int I = 0; I < 7; ++I) {
            if (!FNavBtns.test(I))
                continue;
            FButtons[I]->setGeometry(X, 0, Width, height());
            X += Width;
        }
    }
    FLayingOut = false;
}

void TRSNavigator::InitNavigator()
{
    RefreshButtons();
}

void TRSNavigator::RefreshButtons()
{
    if (!FRecordSet || !FRecordSet->Active() || !FPerform) {
        for (QToolButton *Button : FButtons)
            Button->setEnabled(false);
        return;
    }
    const int Count = FRecordSet->RecordCount();
    const bool Back = !FRecordSet->Bof();
    const bool Forward = !FRecordSet->Eof();
    const bool List = Count > 1;
    NavBtnFirst->setEnabled(Back);
    NavBtnPrior->setEnabled(Back);
    NavBtnNext->setEnabled(Forward);
    NavBtnLast->setEnabled(Forward);
    NavBtnList->setEnabled(List);
    NavBtnNew->setEnabled(Count < FRecordSet->MaxRec() && !FRecordSet->BrowseOnly());
    NavBtnDelete->setEnabled(List && !FRecordSet->BrowseOnly());
}

void TRSNavigator::KeyDownHandler(int Key, Qt::KeyboardModifiers Shift)
{
    if ((Shift & ~Qt::KeypadModifier) != Qt::AltModifier)
        return;
    for (int I = 0; I < 7; ++I) {
        if (Key != ButtonKeys[I])
            continue;
        if (FNavBtns.test(I) && FButtons[I]->isEnabled())
            Click(TNavigationButtons(I));
        return;
    }
}

// An error raised by the owner's check goes to the person as the program's
// error box, and the action is not performed.
bool TRSNavigator::BeforeActionAllows()
{
    try {
        if (OnBeforeAction)
            OnBeforeAction(this);
    } catch (const EException &Error) {
        FCancel = false;
        TApplication::ShowException(Error.Message());
        return false;
    }
    const bool Vetoed = FCancel;
    FCancel = false;
    return !Vetoed;
}

void TRSNavigator::Click(TNavigationButtons Button)
{
    if (!FRecordSet || !FRecordSet->Active() || !FPerform)
        return;
    FAction = TButtonAction(Button);
    if (!BeforeActionAllows())
        return;
    try {
        Perform();
        if (OnAfterAction)
            OnAfterAction(this);
    } catch (const EException &Error) {
        TApplication::ShowException(Error.Message());
    }
    RefreshButtons();
}

void TRSNavigator::Perform()
{
    switch (FAction) {
    case baFirst:
        FRecordSet->FirstRec();
        break;
    case baNext:
        FRecordSet->NextRec();
        break;
    case baPrior:
        FRecordSet->PriorRec();
        break;
    case baLast:
        FRecordSet->LastRec();
        break;
    case baList:
        if (OnBtnListClick)
            OnBtnListClick(this);
        break;
    case baNew:
        FRecordSet->NewRec();
        break;
    case baDelete:
        FRecordSet->DeleteRec();
        break;
    }
}
