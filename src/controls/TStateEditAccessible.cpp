#include "TStateEditAccessible.h"

#include "TStateEdit.h"

namespace {

QAccessibleInterface *StateEditFactory(const QString &ClassName, QObject *Object)
{
    if (ClassName == QLatin1String("TStateEdit") && qobject_cast<TStateEdit *>(Object))
        return new TStateEditAccessible(static_cast<QWidget *>(Object));
    return nullptr;
}

} // namespace

TStateEditAccessible::TStateEditAccessible(QWidget *Selector)
    : QAccessibleWidget(Selector, QAccessible::ComboBox)
{
}

QString TStateEditAccessible::text(QAccessible::Text Kind) const
{
    const auto *Selector = static_cast<const TStateEdit *>(widget());
    if (Kind == QAccessible::Value)
        return Selector->State();
    if (Kind == QAccessible::Name && Selector->accessibleName().isEmpty())
        return Selector->State();
    return QAccessibleWidget::text(Kind);
}

void TStateEditAccessible::Install()
{
    static const bool Installed = [] {
        QAccessible::installFactory(StateEditFactory);
        return true;
    }();
    Q_UNUSED(Installed);
}
