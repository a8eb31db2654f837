#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// What to start.
struct PedidoProcesso
{
    QString programa;                 // executed as it is: blanks in the path are harmless
    QString argumentos;               // one text, split by the Windows command-line rules
    QString pasta;                    // working folder of the new process
    QStringList ambiente;             // NAME=VALUE, the whole environment; empty: this process's
    bool aguardar = false;            // return only when the process has ended
    std::function<void()> aoAguardar; // called again and again while waiting
};

// How the start went. A start the system refuses is a failure value, never
// an exception: the caller decides what it means.
struct ResultadoProcesso
{
    bool iniciado = false;
    qint64 pid = 0;
    int codigoSaida = 0; // when waited for
    QString erro;        // why it did not start, in Portuguese
};

// Starts the program. A Windows executable (a PE file) is started through the
// runner named by the setting "executor" of config.ini (default: "wine" when
// it is on PATH), which receives the program path before the arguments.
// Without aguardar the process is detached: it outlives this one.
ResultadoProcesso IniciarProcesso(const PedidoProcesso& pedido);

// True when the file begins as a Windows executable ("MZ").
bool EhExecutavelWindows(const QString& arquivo);

// The runner as program and leading arguments; empty when there is none.
QStringList ExecutorDeProgramasWindows();

// True when a running process was started from that file: its executable is
// the file, or it is a runner process whose program argument names the file.
bool ProcessoEmExecucao(const QString& arquivo);

// True when a running process has its working folder in that folder (or
// below it). Such a folder must not be removed under the process.
bool PastaEmUsoPorProcesso(const QString& pasta);
