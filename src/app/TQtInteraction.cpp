#include "TQtInteraction.h"

#include "CompanyFiles.h"

#include "MsgBox.h"
#include "TFrmMsgWin.h"
#include "TPasswordDlg.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon IconFor(int Flags)
{
    switch (Flags & MsgFlag::IconMask) {
    case MsgFlag::IconError:
        return QMessageBox::Critical;
    case MsgFlag::IconQuestion:
        return QMessageBox::Question;
    case MsgFlag::IconWarning:
        return QMessageBox::Warning;
    case MsgFlag::IconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

struct TButtonChoice {
    QMessageBox::StandardButton Button;
    int Result;
};

QList<TButtonChoice> ButtonsFor(int Flags)
{
    switch (Flags & MsgFlag::ButtonsMask) {
    case MsgFlag::OkCancel:
        return { { QMessageBox::Ok, MsgResult::Ok }, { QMessageBox::Cancel, MsgResult::Cancel } };
    case MsgFlag::YesNo:
        return { { QMessageBox::Yes, MsgResult::Yes }, { QMessageBox::No, MsgResult::No } };
    default:
        return { { QMessageBox::Ok, MsgResult::Ok } };
    }
}

// A box taller than the screen hides its buttons, and a run can find an
// amount to question in each of thousands of employees. A long text shows
// its first lines and its closing paragraph (the question), and the whole of
// it under Show Details..., which scrolls.
constexpr int MaxShownLines = 30;
constexpr int HeadLines = 20;
constexpr int MaxClosingLines = 5;

void SetFittedText(QMessageBox &Box, const QString &Text)
{
    const QStringList Lines = Text.split(QLatin1Char('\n'));
    if (Lines.size() <= MaxShownLines) {
        Box.setText(Text);
        return;
    }
    const qsizetype LastBreak = Text.lastIndexOf(QLatin1String("\n\n"));
    QString Closing = LastBreak >= 0 ? Text.mid(LastBreak + 2) : QString();
    if (Closing.count(QLatin1Char('\n')) >= MaxClosingLines)
        Closing.clear();
    const qsizetype ClosingLines = Closing.isEmpty() ? 0 : Closing.count(QLatin1Char('\n')) + 2;
    const qsizetype Hidden = Lines.size() - HeadLines - ClosingLines;
    QString Shown = Lines.mid(0, HeadLines).join(QLatin1Char('\n'))
        + QStringLiteral("\n... and %1 more lines; Show Details... lists the whole text.").arg(Hidden);
    if (!Closing.isEmpty())
        Shown += QStringLiteral("\n\n") + Closing;
    Box.setText(Shown);
    Box.setDetailedText(Text);
}

} // namespace

TQtInteraction::TQtInteraction()
{
    TUserInteraction::Install(this);
}

TQtInteraction::~TQtInteraction()
{
    HideWaitMessage();
    TUserInteraction::Install(nullptr);
}

int TQtInteraction::MessageBox(const QString &Text, const QString &Caption, int Flags)
{
    QString Shown = Text;
    Shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox Box(IconFor(Flags), Caption, QString(), QMessageBox::NoButton, QApplication::activeWindow());
    Box.setObjectName(QStringLiteral("MsgBox"));
    Box.setTextFormat(Qt::PlainText);
    SetFittedText(Box, Shown);
    const QList<TButtonChoice> Choices = ButtonsFor(Flags);
    for (const TButtonChoice &Choice : Choices)
        Box.addButton(Choice.Button);
    const int DefaultIndex
        = (Flags & MsgFlag::DefaultMask) == MsgFlag::DefaultButton2 && Choices.size() > 1 ? 1 : 0;
    Box.setDefaultButton(Choices.at(DefaultIndex).Button);
    // Esc and the title bar's close answer Cancel or No, as the box's last button.
    Box.setEscapeButton(Choices.last().Button);
    // The wait cursor must not hide that the program waits for an answer.
    const bool HadOverride = QGuiApplication::overrideCursor() != nullptr;
    if (HadOverride)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    Box.exec();
    if (HadOverride)
        QGuiApplication::restoreOverrideCursor();
    const auto Clicked = Box.standardButton(Box.clickedButton());
    for (const TButtonChoice &Choice : Choices)
        if (Choice.Button == Clicked)
            return Choice.Result;
    return MsgBoxSafeAnswer(Flags);
}

void TQtInteraction::BeginWaitCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void TQtInteraction::EndWaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

void TQtInteraction::ShowWaitMessage(const QString &Caption, const QString &Text)
{
    HideWaitMessage();
    FWaitWindow = new TFrmMsgWin(Caption, Text);
    FWaitWindow->ShowNow();
}

void TQtInteraction::HideWaitMessage()
{
    delete FWaitWindow.data();
}

bool TQtInteraction::SelectFolder(const QString &Caption, QString &Folder)
{
    const QString Chosen = QFileDialog::getExistingDirectory(QApplication::activeWindow(), Caption, Folder);
    if (Chosen.isEmpty())
        return false;
    Folder = Chosen;
    return true;
}

// A plain masked prompt until the program's own password window takes over.
bool TQtInteraction::AskPassword(
    const QString &Caption, const QString &Prompt, int PasswordCase, QString &Typed)
{
    TPasswordDlg Dialog(QApplication::activeWindow());
    Dialog.setWindowTitle(Caption);
    if (!Prompt.isEmpty())
        Dialog.LblPrompt->setText(Prompt);
    if (PasswordCase == 1 || PasswordCase == 2) {
        const bool Upper = PasswordCase == 1;
        QObject::connect(
            Dialog.Password, &QLineEdit::textEdited, Dialog.Password, [&Dialog, Upper](const QString &Text) {
                const int At = Dialog.Password->cursorPosition();
                Dialog.Password->setText(Upper ? Text.toUpper() : Text.toLower());
                Dialog.Password->setCursorPosition(At);
            });
    }
    if (Dialog.exec() != QDialog::Accepted)
        return false;
    Typed = Dialog.Password->text();
    return true;
}

bool TQtInteraction::SelectOpenFile(
    const QString &Caption, const QString &Folder, const QString &Filter, QString &File)
{
    const QString Chosen
        = QFileDialog::getOpenFileName(QApplication::activeWindow(), Caption, Folder, Filter);
    if (Chosen.isEmpty())
        return false;
    File = Chosen;
    return true;
}

bool TQtInteraction::SelectSaveFile(
    const QString &Caption, const QString &Folder, const QString &Filter, QString &File)
{
    QFileDialog Dialog(QApplication::activeWindow(), Caption, Folder, Filter);
    Dialog.setAcceptMode(QFileDialog::AcceptSave);
    Dialog.setDefaultSuffix(W2FileExtension().mid(1));
    // The command asks before replacing a pair itself.
    Dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty())
        return false;
    File = Dialog.selectedFiles().constFirst();
    return true;
}

bool TQtInteraction::SelectSaveDocument(const QString &Caption, const QString &Folder, const QString &Filter,
    const QString &DefaultExt, QString &File)
{
    QFileDialog Dialog(QApplication::activeWindow(), Caption, Folder, Filter);
    Dialog.setAcceptMode(QFileDialog::AcceptSave);
    Dialog.setDefaultSuffix(DefaultExt);
    if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty())
        return false;
    File = Dialog.selectedFiles().constFirst();
    return true;
}
