#pragma once

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// Acts on a row of modal windows as they come up one after the other (a
// command that opens one window after another). A timer looks for the next
// window; it never waits inside a window's event loop, so a window that
// closes lets the next one open. After a failure the remaining steps are
// dropped and the window is put away.
class TModalScript {
public:
    TModalScript()
    {
        FTimer.setInterval(5);
        QObject::connect(&FTimer, &QTimer::timeout, [this] { Poll(); });
    }

    // Act runs once a modal window of type T is up and was not acted on yet.
    template <typename T> TModalScript &Then(std::function<void(T *)> Act)
    {
        FSteps.append({ [](QWidget *W) { return qobject_cast<T *>(W) != nullptr; },
            [Act](QWidget *W) { Act(static_cast<T *>(W)); } });
        return *this;
    }
    void Start() { FTimer.start(); }
    // True once every step has run.
    bool Done() const { return FSteps.isEmpty() && !FBusy; }

private:
    struct TStep {
        std::function<bool(QWidget *)> Matches;
        std::function<void(QWidget *)> Act;
    };

    void Poll()
    {
        if (FBusy || FSteps.isEmpty())
            return;
        QWidget *Modal = QApplication::activeModalWidget();
        if (!Modal || Modal == FLast.data() || !Modal->isVisible() || !FSteps.first().Matches(Modal))
            return;
        FBusy = true;
        FLast = Modal;
        const TStep Step = FSteps.takeFirst();
        Step.Act(Modal);
        // A failed check inside Act may leave the window open: it is put
        // away without its own close rules, so the test ends instead of hanging.
        if (QTest::currentTestFailed() && FLast && FLast->isVisible()) {
            if (auto *Dialog = qobject_cast<QDialog *>(FLast.data()))
                Dialog->done(QDialog::Rejected);
            FSteps.clear();
        }
        FBusy = false;
        if (FSteps.isEmpty())
            FTimer.stop();
    }

    QTimer FTimer;
    QList<TStep> FSteps;
    QPointer<QWidget> FLast;
    bool FBusy = false;
};
