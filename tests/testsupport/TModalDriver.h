#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

// Drives a modal window from inside its event loop: waits for the window of
// type T to be the active modal one, then runs Act on it. A window that Act
// leaves open (a failed check inside it) is rejected a moment later, so a
// failing test ends instead of hanging.
template <typename T> void WhenModal(std::function<void(T *)> Act)
{
    QTimer::singleShot(0, [Act] {
        T *Window = nullptr;
        for (int Waited = 0; Waited < 5000 && !Window; Waited += 10) {
            Window = qobject_cast<T *>(QApplication::activeModalWidget());
            if (!Window)
                QTest::qWait(10);
        }
        if (!Window) {
            QTest::qFail("the expected modal window did not show", __FILE__, __LINE__);
            return;
        }
        QPointer<QDialog> Guard = qobject_cast<QDialog *>(Window);
        Act(Window);
        QTimer::singleShot(3000, [Guard] {
            if (Guard && Guard->isVisible())
                Guard->reject();
        });
    });
}

// Shows a modal window over the active one and closes it once it has taken
// the focus: what a message box does to the window it comes from.
inline void PassModalWindow()
{
    QDialog Box(QApplication::activeWindow());
    Box.setObjectName(QStringLiteral("PassingModalWindow"));
    QTimer::singleShot(0, &Box, [&Box] {
        // Answered even if it never got the focus; the test then shows that.
        static_cast<void>(QTest::qWaitFor([&Box] { return Box.isActiveWindow(); }));
        Box.accept();
    });
    Box.exec();
}
