#include "platform/Processo.h"

#include "platform/ArquivoIni.h"
#include "platform/Caminhos.h"
#include "platform/LinhaDeComandoWindows.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

bool EhExecutavelWindows(const QString& arquivo)
{
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) && f.read(2) == "MZ";
}

QStringList ExecutorDeProgramasWindows()
{
    const ArquivoIni config(Caminhos::arquivoConfiguracaoLauncher());
    const QString executor = config.lerTexto(QString(), QStringLiteral("executor")).trimmed();
    if (!executor.isEmpty())
        return DividirArgumentosWindows(executor);
    const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    return wine.isEmpty() ? QStringList() : QStringList{wine};
}

namespace {

ResultadoProcesso aguardarFim(QProcess& processo, const std::function<void()>& aoAguardar)
{
    ResultadoProcesso r;
    r.iniciado = true;
    r.pid = processo.processId();
    bool comRetorno = static_cast<bool>(aoAguardar);
    // A short wait between calls keeps the callback responsive without
    // spinning the processor.
    while (comRetorno && !processo.waitForFinished(20)) {
        if (processo.state() == QProcess::NotRunning)
            break;
        try {
            aoAguardar();
        } catch (...) {
            comRetorno = false; // go on waiting without it
        }
    }
    processo.waitForFinished(-1);
    r.codigoSaida = processo.exitCode();
    return r;
}

} // namespace

ResultadoProcesso IniciarProcesso(const PedidoProcesso& pedido)
{
    ResultadoProcesso r;
    QString programa = pedido.programa;
    QStringList argumentos = DividirArgumentosWindows(pedido.argumentos);
    if (EhExecutavelWindows(programa)) {
        QStringList executor = ExecutorDeProgramasWindows();
        if (executor.isEmpty()) {
            r.erro = QStringLiteral("Não há como executar o programa do Windows %1: configure o "
                                    "executor (\"executor\" em config.ini) ou instale o wine.")
                         .arg(programa);
            return r;
        }
        argumentos.prepend(programa);
        programa = executor.takeFirst();
        argumentos = executor + argumentos;
    }
    if (!pedido.pasta.isEmpty() && !QFileInfo(pedido.pasta).isDir()) {
        r.erro = QStringLiteral("A pasta de trabalho %1 não existe.").arg(pedido.pasta);
        return r;
    }

    QProcess processo;
    processo.setProgram(programa);
    processo.setArguments(argumentos);
    processo.setWorkingDirectory(pedido.pasta);
    if (!pedido.ambiente.isEmpty())
        processo.setEnvironment(pedido.ambiente);

    if (pedido.aguardar) {
        processo.setProcessChannelMode(QProcess::ForwardedChannels);
        processo.setInputChannelMode(QProcess::ForwardedInputChannel);
        processo.start();
        if (!processo.waitForStarted(-1)) {
            r.erro = QStringLiteral("Não foi possível iniciar o programa %1: %2")
                         .arg(pedido.programa, processo.errorString());
            return r;
        }
        return aguardarFim(processo, pedido.aoAguardar);
    }

    qint64 pid = 0;
    if (!processo.startDetached(&pid)) {
        r.erro = QStringLiteral("Não foi possível iniciar o programa %1: %2")
                     .arg(pedido.programa, processo.errorString());
        return r;
    }
    r.iniciado = true;
    r.pid = pid;
    return r;
}
