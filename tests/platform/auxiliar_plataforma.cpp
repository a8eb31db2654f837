// Child program of the platform tests.
//   registro <arquivo> <chave> <prefixo> <n>  writes n text values, one change at a time
//   somar <arquivo> <chave> <nome> <n>        adds 1 to an integer value n times
//   eco [args...]                             prints its arguments, folder and environment as JSON
//   esperar [...]                             waits until the file $KS_ESPERAR_ATE exists,
//                                             or for $KS_ESPERAR_MS milliseconds
#include "platform/RegistroUsuario.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QThread>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString comando = args.value(1);
    if (comando == QLatin1String("registro") && args.size() == 6) {
        RegistroUsuario registro(args[2]);
        const int n = args[5].toInt();
        for (int i = 0; i < n; ++i)
            registro.gravarTexto(args[3], args[4] + QString::number(i), QString::number(i));
        return 0;
    }
    if (comando == QLatin1String("somar") && args.size() == 6) {
        RegistroUsuario registro(args[2]);
        const int n = args[5].toInt();
        for (int i = 0; i < n; ++i)
            registro.alterarValor(args[3], args[4], [](const auto& atual) {
                RegistroUsuario::Valor v;
                v.tipo = RegistroUsuario::TipoValor::Inteiro;
                v.inteiro = atual ? atual->inteiro + 1 : 1;
                return v;
            });
        return 0;
    }
    if (comando == QLatin1String("eco")) {
        QJsonObject saida;
        saida[QStringLiteral("argumentos")] = QJsonArray::fromStringList(args.mid(2));
        saida[QStringLiteral("pasta")] = QDir::currentPath();
        QJsonObject ambiente;
        const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& nome : env.keys())
            ambiente[nome] = env.value(nome);
        saida[QStringLiteral("ambiente")] = ambiente;
        const QByteArray json = QJsonDocument(saida).toJson(QJsonDocument::Compact);
        // Into a file when asked (the process may be started detached).
        const QString destino = qEnvironmentVariable("KS_ECO_SAIDA");
        if (!destino.isEmpty()) {
            QFile f(destino + QStringLiteral(".tmp"));
            if (f.open(QIODevice::WriteOnly))
                f.write(json);
            f.close();
            f.rename(destino);
        } else {
            std::fwrite(json.constData(), 1, json.size(), stdout);
        }
        return 0;
    }
    if (comando == QLatin1String("esperar")) {
        const QString ate = qEnvironmentVariable("KS_ESPERAR_ATE");
        const int ms = qEnvironmentVariableIntValue("KS_ESPERAR_MS");
        QElapsedTimer relogio;
        relogio.start();
        // Bounded, so a failed test never leaves it behind for long.
        while (relogio.elapsed() < (ms > 0 ? ms : 300000)) {
            if (!ate.isEmpty() && QFile::exists(ate))
                break;
            QThread::msleep(20);
        }
        return 0;
    }
    return 2;
}
