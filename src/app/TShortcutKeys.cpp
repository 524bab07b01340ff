#include "TShortcutKeys.h"

#include <QEvent>

bool TShortcutKeys::CarriesText(const QEvent *Event)
{
    if (Event->type() != QEvent::KeyPress)
        return false;
    const auto *Key = static_cast<const QKeyEvent *>(Event);
    const Qt::KeyboardModifiers Mods = Key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    return Mods == Qt::AltModifier && !Key->text().isEmpty();
}

QKeyEvent TShortcutKeys::WithoutText(const QKeyEvent &Key)
{
    return QKeyEvent(Key.type(), Key.key(), Key.modifiers(), Key.nativeScanCode(), Key.nativeVirtualKey(),
        Key.nativeModifiers(), QString(), Key.isAutoRepeat(), quint16(Key.count()), Key.device());
}
