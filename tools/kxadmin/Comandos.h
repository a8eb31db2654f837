#pragma once

#include <QStringList>

// Each command group lives in its own file and receives the arguments that
// follow its name. It returns the process exit code: 0 on success; errors are
// written to standard error in Portuguese.
using ComandoKxadmin = int (*)(const QStringList& argumentos);

int comandoCifrar(const QStringList& argumentos);
int comandoDecifrar(const QStringList& argumentos);
int comandoSenhaRotina(const QStringList& argumentos);
int comandoParametroRotina(const QStringList& argumentos);
int comandoVersao(const QStringList& argumentos);
int comandoPacote(const QStringList& argumentos);
int comandoSuite(const QStringList& argumentos);
