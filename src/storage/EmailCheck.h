#pragma once

#include <QString>

// The whole text is one e-mail address: a plain or quoted local part, or a
// display name with the address in angle brackets, at a domain name with a
// top-level domain of two or more letters or at an address literal in
// brackets. ASCII only.
bool IsValidEmail(const QString &Text);
