#pragma once

// Small helpers shared by the package tests: running the Info-ZIP tools and
// writing fixture files.

#include "dependencies/PacoteDeRotinasSenha.h"
#include "platform/FileVersionUnit.h"
#include "platform/GravadorVersao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace AuxiliarPacotes {

struct Saida
{
    int codigo = -1;
    QByteArray stdoutTexto;
    QByteArray stderrTexto;
};

inline Saida rodar(const QString& programa, const QStringList& argumentos,
                   const QString& pasta = QString(), const QByteArray& entrada = QByteArray())
{
    QProcess p;
    if (!pasta.isEmpty())
        p.setWorkingDirectory(pasta);
    p.start(programa, argumentos);
    Saida s;
    if (!p.waitForStarted(30000))
        return s;
    if (!entrada.isEmpty())
        p.write(entrada);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return s;
    }
    s.codigo = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    s.stdoutTexto = p.readAllStandardOutput();
    s.stderrTexto = p.readAllStandardError();
    return s;
}

inline void gravar(const QString& caminho, const QByteArray& conteudo)
{
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    QFile f(caminho);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(caminho));
    QCOMPARE(f.write(conteudo), conteudo.size());
}

inline QByteArray ler(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
}

// Builds a package with Info-ZIP: `zip -P` from pasta (stored names relative
// to it), then the item comments written with `zipnote -w`.
inline bool zipInfo(const QString& pacote, const QString& pasta, const QStringList& nomes,
                    const QMap<QString, QString>& comentarios, bool criptografar = true)
{
    QStringList args{QStringLiteral("-q"), QStringLiteral("-X")};
    if (criptografar)
        args << QStringLiteral("-P") << QString::fromLocal8Bit(SenhaDoPacote(pacote));
    args << pacote << nomes;
    if (rodar(QStringLiteral("zip"), args, pasta).codigo != 0)
        return false;
    QByteArray notas;
    for (const QString& nome : nomes) {
        notas += "@ " + nome.toUtf8() + "\n";
        if (comentarios.contains(nome))
            notas += comentarios.value(nome).toUtf8() + "\n";
        notas += "@ (comment above this line)\n";
    }
    notas += "@ (zip file comment below this line)\n";
    return rodar(QStringLiteral("zipnote"), {QStringLiteral("-w"), pacote}, pasta, notas).codigo ==
           0;
}

// A copy of a small real program carrying a version record.
inline void programaComVersao(const QString& destino, const QString& versao)
{
    QFile::remove(destino);
    QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), destino));
    QFile(destino).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    DadosCarimboVersao dados;
    dados.versao = versao;
    dados.nomeOriginal = QFileInfo(destino).fileName();
    gravarRegistroVersaoELF(destino, montarRegistroVersao(dados));
}

} // namespace AuxiliarPacotes
