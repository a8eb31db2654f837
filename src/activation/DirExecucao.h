#pragma once

#include <QString>

// The execution directory of this launcher process: the working folder of
// every routine it starts, "<Spool>/DirRotinas/ExecNNNN/", chosen on the first
// request and removed when the program ends. A directory that cannot be
// removed then (a routine still runs in it) is recorded in the per-user
// registry, key RemDir, and removed at a later start.

// The registry key of the pending removals.
QString ChaveRemocoesPendentes();

// The directory of this process, chosen (and created) on the first call.
QString DirExecucaoDoProcesso();
// Same, created again when someone removed it meanwhile.
QString ObterDirLocalExecucaoRotinas();

// A new "<Spool>/DirRotinas/ExecNNNN/" not in use yet (created, so that
// another launcher cannot take the same one).
QString NovoDirExecucao();

// Program end: removes the directory of this process or records it.
void RemoverDirExecucao();
// Records a directory to remove at a later start.
void AgendarRemocao(const QString& pasta);
// Removes the recorded directories that can be removed now, and forgets
// those that no longer exist.
void RemoverDiretoriosPendentes();

// Removes the folder (trailing delimiters ignored) with all its contents.
// Fails for an empty path and for a folder a running process works in.
// Success when the folder is gone.
bool ExcluirDiretorio(const QString& pasta);

// What the program calls once at its start and once at its end.
void IniciarDiretoriosDeExecucao();
void FinalizarDiretoriosDeExecucao();
