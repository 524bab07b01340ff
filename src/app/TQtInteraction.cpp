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
    QMessageBox Box(IconFor(Flags), Caption, Shown, QMessageBox::NoButton, QApplication::activeWindow());
    Box.setObjectName(QStringLiteral("MsgBox"));
    Box.setTextFormat(Qt::PlainText);
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
