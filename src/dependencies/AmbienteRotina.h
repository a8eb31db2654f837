#pragma once

#include <QStringList>

// The environment of a routine's process, built for that process alone:
// base (this process's environment by default) with the folders added to
// PATH and the NAME=VALUE lines set. This process's own environment is left
// as it is, so concurrent starts cannot disturb one another.
// A line without "=" sets that name to the empty value.
QStringList MontarAmbienteDaRotina(const QStringList& pastas, const QStringList& linhas,
                                   const QStringList& base);
QStringList MontarAmbienteDaRotina(const QStringList& pastas, const QStringList& linhas);
