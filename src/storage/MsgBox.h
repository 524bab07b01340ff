#pragma once

#include <QString>

// Message box flags and results, with the values of the system codes the
// program has always used (buttons | icon | default button).
namespace MsgFlag {
constexpr int Ok = 0x000;
constexpr int OkCancel = 0x001;
constexpr int YesNo = 0x004;
constexpr int ButtonsMask = 0x00F;
constexpr int IconError = 0x010;
constexpr int IconQuestion = 0x020;
constexpr int IconWarning = 0x030;
constexpr int IconInformation = 0x040;
constexpr int IconMask = 0x0F0;
constexpr int DefaultButton2 = 0x100;
constexpr int DefaultMask = 0xF00;
} // namespace MsgFlag

namespace MsgResult {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace MsgResult

// Every '~' becomes one carriage return (no line feed).
QString TildeToCR(const QString &Text);

// Shows Text after TildeToCR with Caption and Flags; returns the button
// pressed. Control characters other than line breaks are shown escaped
// ("\x1b").
int MsgBox(const QString &Text, const QString &Caption, int Flags);

// The answer a box gives when it is closed without a choice (Esc, title bar):
// Cancel or No where the box offers them, else OK.
int MsgBoxSafeAnswer(int Flags);
