#pragma once

// Where the version-record fixtures live, and pefile as an independent reader
// of the Windows ones. Shared by the version-record tests.
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace FixturesVersao {

inline QString arquivo(const QString& nome)
{
    return QStringLiteral(KS_BINARY_DIR "/tests/platform/versao/") + nome;
}

inline QString korvanestart()
{
    return QStringLiteral(KS_BINARY_DIR "/src/app/korvanestart");
}

inline QString kxadmin()
{
    return QStringLiteral(KS_BINARY_DIR "/tools/kxadmin/kxadmin");
}

// A python3 that can import pefile (Debian's own first: a python3 earlier in
// PATH may lack Debian's modules); empty when there is none.
inline QString pythonComPefile()
{
    QStringList candidatos{QStringLiteral("/usr/bin/python3"),
                           QStandardPaths::findExecutable(QStringLiteral("python3"))};
    for (const QString& py : candidatos) {
        if (py.isEmpty() || !QFile::exists(py))
            continue;
        QProcess p;
        p.start(py, {QStringLiteral("-c"), QStringLiteral("import pefile")});
        if (p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            return py;
    }
    return {};
}

// The record as pefile reads it: {"magic", "fixa": [13 numbers], "tabelas":
// [{"chave", "textos": [[name, value]...]}]}; an empty object on failure.
inline QJsonObject lerComPefile(const QString& arquivo)
{
    static const QString python = pythonComPefile();
    if (python.isEmpty())
        return {};
    QProcess p;
    p.start(python, {QStringLiteral(KS_SOURCE_DIR "/tests/platform/versao/pe_versao.py"), arquivo});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

} // namespace FixturesVersao
