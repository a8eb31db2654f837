#pragma once

// Runs a program of the build to its end, as an administrator would from a shell.
#include <QProcess>
#include <QString>
#include <QStringList>

struct ResultadoPrograma
{
    int codigo = -1; // -1: did not end normally within the time allowed
    QString saida;
    QString erro;
};

inline ResultadoPrograma executarPrograma(const QString& programa, const QStringList& argumentos,
                                          int limiteMs = 120000)
{
    QProcess p;
    p.start(programa, argumentos);
    ResultadoPrograma r;
    if (!p.waitForFinished(limiteMs) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.codigo = p.exitCode();
    r.saida = QString::fromUtf8(p.readAllStandardOutput());
    r.erro = QString::fromUtf8(p.readAllStandardError());
    return r;
}
