#pragma once

#include <QLineEdit>
#include <QWidget>

#include <functional>

class QVBoxLayout;

// A window for the controls under test: the controls in a column, then a
// plain field to move the focus to. Shown and active, so focus moves send
// their events as they do for a person.
class TControlHost : public QWidget {
    Q_OBJECT
public:
    TControlHost();

    void AddWidget(QWidget *Control);
    // Shows the window and waits until it is the active window.
    bool ShowActive();
    // Gives Field the focus as Tab would.
    void Enter(QWidget *Field);
    // Leaves the focused field with the Tab key.
    void LeaveByTab();

    QLineEdit *Spare = nullptr;

private:
    QVBoxLayout *FLayout = nullptr;
};

// Runs Act on the modal window once it is up, from inside its own event
// loop. Whatever Act does, the window is closed afterwards if still open, so
// no test can hang on it.
void WhenModalShows(const std::function<void(QWidget *)> &Act);
// Closes any modal window that opens while Keys run; true when one did.
bool RunWithoutModal(const std::function<void()> &Keys);
// Types Keys into Target: each character as its key, and "{BS}", "{Del}",
// "{Home}", "{End}", "{Left}", "{Right}", "{Enter}", "{Esc}", "{Tab}" as
// those keys.
void TypeKeys(QWidget *Target, const QString &Keys);
