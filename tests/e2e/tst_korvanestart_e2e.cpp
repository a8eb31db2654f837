// The real korvanestart, started headless with an empty HOME, over real HTTP.
#include "support/PaginaEsperada.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <httplib.h>

namespace {

const std::string kServicos = "/datasnap/rest/TServicos/";

// Socket inodes of the sockets a process has open.
QSet<QString> soquetesDoProcesso(qint64 pid)
{
    QSet<QString> inodes;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString& fd :
         fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)) {
        const QString alvo = QFile::symLinkTarget(fds.filePath(fd));
        const auto m = QRegularExpression("socket:\\[(\\d+)\\]").match(alvo);
        if (m.hasMatch())
            inodes << m.captured(1);
    }
    return inodes;
}

// Whether the process itself listens on the port (another launcher may hold 9195).
bool processoEscuta(qint64 pid, int porta)
{
    const QSet<QString> meus = soquetesDoProcesso(pid);
    for (const char* tabela : {"/proc/net/tcp", "/proc/net/tcp6"}) {
        QFile f(tabela);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        f.readLine();
        while (!f.atEnd()) {
            const QStringList c = QString(f.readLine()).simplified().split(' ');
            if (c.size() < 10 || c[3] != "0A")
                continue;
            if (c[1].section(':', -1).toInt(nullptr, 16) == porta && meus.contains(c[9]))
                return true;
        }
    }
    return false;
}

int portaGravada(const QString& configIni)
{
    QFile f(configIni);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const auto m = QRegularExpression("(?m)^porta=(\\d+)").match(QString::fromLatin1(f.readAll()));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

} // namespace

class TstKorvanestartE2e : public QObject
{
    Q_OBJECT

private slots:
    void servicoCompleto();
};

void TstKorvanestartE2e::servicoCompleto()
{
    const QString programa = KS_BINARY_DIR "/src/app/korvanestart";
    QVERIFY2(QFile::exists(programa), qPrintable(programa));
    QTemporaryDir home;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("HOME", home.path());
    ambiente.insert("XDG_CONFIG_HOME", home.path() + "/.config");
    ambiente.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess launcher;
    launcher.setProcessEnvironment(ambiente);
    launcher.start(programa, {});
    QVERIFY(launcher.waitForStarted());
    const qint64 pid = launcher.processId();
    auto encerrar = qScopeGuard([&] {
        if (launcher.state() != QProcess::NotRunning) {
            launcher.kill();
            launcher.waitForFinished();
        }
    });

    // The port it bound is the one config.ini ends with.
    const QString configIni = home.path() + "/.config/KorvaneStart/config.ini";
    int porta = 0;
    QElapsedTimer relogio;
    relogio.start();
    while (relogio.elapsed() < 60000 && launcher.state() == QProcess::Running) {
        const int gravada = portaGravada(configIni);
        if (gravada > 0 && processoEscuta(pid, gravada)) {
            porta = gravada;
            break;
        }
        QTest::qWait(50);
    }
    if (porta == 0)
        QFAIL(launcher.readAllStandardError().constData());

    httplib::Client c("127.0.0.1", porta);
    c.set_keep_alive(true);
    c.set_read_timeout(30);

    auto r = c.Get(kServicos + "getVersao");
    QVERIFY(r);
    QCOMPARE(r->status, 200);
    QCOMPARE(r->body, std::string("{\"status\":\"OK\",\"msg\":\"1.0.0.0\"}"));

    r = c.Options((kServicos + "AbrirRotina/800").c_str(),
                  httplib::Headers{{"Origin", "http://portal"},
                                   {"Access-Control-Request-Method", "POST"},
                                   {"Access-Control-Request-Headers", "content-type"}});
    QVERIFY(r);
    QCOMPARE(r->status, 200);
    QVERIFY(r->body.empty());
    const std::vector<std::pair<std::string, std::string>> cabecalhos{
        {"Access-Control-Allow-Origin", "*"},
        {"Access-Control-Allow-Methods", "GET, POST, OPTIONS,PUT, HEAD"},
        {"Access-Control-Allow-Credentials", "true"},
        {"Connection", "Keep-Alive"},
        {"Access-Control-Allow-Headers", "content-type"},
        {"Access-Control-Request-Method", "POST"},
        {"Access-Control-Request-Headers", "X-PINGOTHER, Content-Type"},
        {"Content-Type", "application/json; charset=utf-8"},
    };
    for (const auto& [nome, valor] : cabecalhos) {
        QVERIFY2(r->get_header_value_count(nome) == 1, nome.c_str());
        QCOMPARE(r->get_header_value(nome), valor);
    }

    r = c.Get(kServicos + "getPort");
    QVERIFY(r);
    QCOMPARE(r->body, std::string("{\"port\":\"3236\"}"));

    r = c.Get(kServicos + "getExecucaoLocal");
    QVERIFY(r);
    const std::string inicial = r->body;
    QCOMPARE(inicial, std::string("{\"status\":\"OK\",\"msg\":\"false\"}"));
    r = c.Post(kServicos + "ExecucaoLocalInverter", "", "application/json");
    QVERIFY(r);
    QCOMPARE(QString::fromStdString(r->body),
             QString::fromUtf8("{\"status\":\"OK\",\"msg\":\"Valor alterado para: Sim\"}"));
    QCOMPARE(c.Get(kServicos + "getExecucaoLocal")->body,
             std::string("{\"status\":\"OK\",\"msg\":\"true\"}"));
    r = c.Post(kServicos + "ExecucaoLocalInverter", "", "application/json");
    QVERIFY(r);
    QCOMPARE(QString::fromStdString(r->body),
             QString::fromUtf8("{\"status\":\"OK\",\"msg\":\"Valor alterado para: Não\"}"));
    QCOMPARE(c.Get(kServicos + "getExecucaoLocal")->body, inicial);

    r = c.Get("/");
    QVERIFY(r);
    QCOMPARE(r->get_header_value("Content-Type"), std::string("text/html; charset=ISO-8859-1"));
    QCOMPARE(QByteArray::fromStdString(r->body), QByteArray::fromStdString(paginaEsperada(porta)));

    // SIGTERM closes it as "&Fechar" does: service stopped, clean exit.
    c.stop();
    launcher.terminate();
    QVERIFY(launcher.waitForFinished(30000));
    QCOMPARE(launcher.exitStatus(), QProcess::NormalExit);
    QCOMPARE(launcher.exitCode(), 0);
    QVERIFY(!QFile::exists(QStringLiteral("/proc/%1").arg(pid)) ||
            QFile(QStringLiteral("/proc/%1/status").arg(pid)).size() == 0);
    httplib::Client depois("127.0.0.1", porta);
    depois.set_connection_timeout(2);
    const auto fim = depois.Get(kServicos + "getPort");
    QVERIFY(!fim || !processoEscuta(pid, porta));

    const QString erros = QString::fromLocal8Bit(launcher.readAllStandardError());
    QVERIFY2(erros.count(QStringLiteral("área de notificação indisponível")) == 1,
             qPrintable(erros));
}

QTEST_GUILESS_MAIN(TstKorvanestartE2e)
#include "tst_korvanestart_e2e.moc"
