#include "TVisualStyle.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace {

QPalette CyanDuskPalette()
{
    const QColor Window(0xE4, 0xEF, 0xF2);
    const QColor Dusk(0x1D, 0x3A, 0x4C);
    const QColor Cyan(0x1F, 0x7A, 0x8C);
    QPalette Palette;
    Palette.setColor(QPalette::Window, Window);
    Palette.setColor(QPalette::WindowText, Dusk);
    Palette.setColor(QPalette::Base, Qt::white);
    Palette.setColor(QPalette::AlternateBase, QColor(0xF1, 0xF7, 0xF9));
    Palette.setColor(QPalette::Text, Qt::black);
    Palette.setColor(QPalette::Button, QColor(0xD3, 0xE6, 0xEB));
    Palette.setColor(QPalette::ButtonText, Dusk);
    Palette.setColor(QPalette::Highlight, Cyan);
    Palette.setColor(QPalette::HighlightedText, Qt::white);
    Palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    Palette.setColor(QPalette::ToolTipText, Qt::black);
    Palette.setColor(QPalette::Link, Cyan);
    Palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x8A, 0x9B, 0xA3));
    Palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x8A, 0x9B, 0xA3));
    Palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x8A, 0x9B, 0xA3));
    return Palette;
}

// Menus and the tool bar in the dusk colour; the entry fields keep their own
// background so the focus highlight of the forms shows.
const char *StyleSheet = R"(
QMenuBar { background: #1d3a4c; color: #ffffff; }
QMenuBar::item:selected { background: #1f7a8c; }
QMenuBar::item:disabled { color: #7d95a1; }
QMenu::item:selected { background: #1f7a8c; color: #ffffff; }
QToolBar { background: #d3e6eb; border: none; spacing: 2px; }
QToolButton { border: 1px solid transparent; border-radius: 3px; }
QToolButton:hover { border-color: #1f7a8c; background: #e9f4f6; }
)";

} // namespace

bool TVisualStyle::Apply(QApplication &App, QString &Error)
{
    QStyle *Fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    if (!Fusion) {
        Error = QStringLiteral("The visual style \"%1\" could not be applied: its base style is missing.")
                    .arg(Name());
        return false;
    }
    QApplication::setStyle(Fusion);
    QApplication::setPalette(CyanDuskPalette());
    App.setStyleSheet(QString::fromLatin1(StyleSheet));
    return true;
}
