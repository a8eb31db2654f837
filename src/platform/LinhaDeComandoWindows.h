#pragma once

#include <QString>
#include <QStringList>

// Splits an argument text as a Windows program's start-up code does, so a
// routine receives the same arguments on both systems:
// - blanks and tabs part the arguments; "..." keeps blanks inside one;
// - 2n backslashes before a quote give n backslashes and the quote opens or
//   closes a quoted part; 2n+1 give n backslashes and a literal quote;
// - backslashes anywhere else are literal;
// - inside a quoted part, "" gives one literal quote and ends that part;
// - a quoted part left open runs to the end of the text.
// The text holds the arguments only: the program path is never part of it.
QStringList DividirArgumentosWindows(const QString& texto);
