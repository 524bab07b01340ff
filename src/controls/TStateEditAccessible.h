#pragma once

#include <QAccessibleWidget>

// What a screen reader learns of a state selector: its own name (the box's
// caption) as the name and the chosen code as the value. Qt's own combo box
// interface gives the chosen code as the name on Linux, so every selector
// would be announced as "IL" instead of as its box.
class TStateEditAccessible : public QAccessibleWidget {
public:
    explicit TStateEditAccessible(QWidget *Selector);
    QString text(QAccessible::Text Kind) const override;

    // Makes every state selector use this interface; once is enough.
    static void Install();
};
