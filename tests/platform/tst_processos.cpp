#include "platform/Caminhos.h"
#include "platform/LinhaDeComandoWindows.h"
#include "platform/Processo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool aguardarAte(const std::function<bool()>& condicao, int ms = 30000)
{
    QElapsedTimer relogio;
    relogio.start();
    while (!condicao()) {
        if (relogio.elapsed() > ms)
            return false;
        QTest::qWait(20);
    }
    return true;
}

} // namespace

class TstProcessos : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_n = 0;

    QString configIni() const { return Caminhos::dirConfiguracaoLauncher() + "/config.ini"; }

    void definirExecutor(const QString& executor)
    {
        QDir().mkpath(Caminhos::dirConfiguracaoLauncher());
        QFile f(configIni());
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (!executor.isEmpty())
            f.write("[]\nexecutor=" + executor.toUtf8() + "\n");
    }

    QString executavelFalsoDoWindows()
    {
        const QString nome = m_dir.filePath("rotinas/KXSIS800.EXE");
        QDir().mkpath(QFileInfo(nome).absolutePath());
        QFile f(nome);
        f.open(QIODevice::WriteOnly);
        f.write("MZ\x90\x00 not really a program", 26);
        return nome;
    }

    // Starts the child with "eco" and returns what it reported.
    QJsonObject eco(PedidoProcesso pedido, const QStringList& ambienteExtra = {})
    {
        const QString saida = m_dir.filePath(QStringLiteral("eco%1.json").arg(++m_n));
        if (pedido.ambiente.isEmpty())
            pedido.ambiente = QProcessEnvironment::systemEnvironment().toStringList();
        pedido.ambiente << "KS_ECO_SAIDA=" + saida << ambienteExtra;
        const ResultadoProcesso r = IniciarProcesso(pedido);
        if (!r.iniciado || r.pid <= 0)
            return {{"erro", r.erro}};
        if (!aguardarAte([&] { return QFile::exists(saida); }))
            return {{"erro", "sem resposta"}};
        QFile f(saida);
        f.open(QIODevice::ReadOnly);
        return QJsonDocument::fromJson(f.readAll()).object();
    }

    static QStringList argumentos(const QJsonObject& o)
    {
        QStringList l;
        for (const auto& v : o["argumentos"].toArray())
            l << v.toString();
        return l;
    }

private slots:
    void init() { QFile::remove(configIni()); }

    void argumentosDoWindows_data()
    {
        // Expected arrays written from Microsoft's documented rules for the
        // start-up code of Windows programs.
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("esperado");
        QTest::newRow("simples") << "a b c" << QStringList{"a", "b", "c"};
        QTest::newRow("aspas agrupam") << "\"a b c\" d e" << QStringList{"a b c", "d", "e"};
        QTest::newRow("aspas escapadas")
            << "\"ab\\\"c\" \"\\\\\" d" << QStringList{"ab\"c", "\\", "d"};
        QTest::newRow("barras literais")
            << "a\\\\\\b d\"e f\"g h" << QStringList{"a\\\\\\b", "de fg", "h"};
        QTest::newRow("ímpar antes de aspas")
            << "a\\\\\\\"b c d" << QStringList{"a\\\"b", "c", "d"};
        QTest::newRow("par antes de aspas")
            << "a\\\\\\\\\"b c\" d e" << QStringList{"a\\\\b c", "d", "e"};
        QTest::newRow("aspas duplas dentro") << "a\"b\"\" c d" << QStringList{"ab\"", "c", "d"};
        QTest::newRow("quatro aspas") << "\"\"\"\"" << QStringList{"\""};
        QTest::newRow("brancos nas pontas") << "  um \t dois  " << QStringList{"um", "dois"};
        QTest::newRow("argumento vazio") << "\"\" x \"\"" << QStringList{"", "x", ""};
        QTest::newRow("pasta com barra final")
            << "C:\\Korvane\\Prod\\ \"C:\\dir com espaço\\\\\" x"
            << QStringList{"C:\\Korvane\\Prod\\", "C:\\dir com espaço\\", "x"};
        QTest::newRow("barra antes da aspa final")
            << "\"C:\\temp\\\" opt3" << QStringList{"C:\\temp\" opt3"};
        QTest::newRow("aspas sem fim") << "x \"sem fim" << QStringList{"x", "sem fim"};
        QTest::newRow("aspas no meio") << "x\"y z\"w" << QStringList{"xy zw"};
        QTest::newRow("só barra e aspa") << "\\\"" << QStringList{"\""};
        QTest::newRow("modo 1, branco final")
            << "USUARIO SENHA ALIAS USERBD 1203 "
            << QStringList{"USUARIO", "SENHA", "ALIAS", "USERBD", "1203"};
        QTest::newRow("acentos e ponto e vírgula")
            << "Ação;\"São Paulo\"" << QStringList{"Ação;São Paulo"};
        QTest::newRow("vazio") << "" << QStringList();
    }

    void argumentosDoWindows()
    {
        QFETCH(QString, texto);
        QFETCH(QStringList, esperado);
        QCOMPARE(DividirArgumentosWindows(texto), esperado);
        // And what a real child receives.
        PedidoProcesso p;
        p.programa = KS_AUXILIAR;
        p.argumentos = "eco " + texto;
        p.aguardar = true;
        const QJsonObject o = eco(p);
        QCOMPARE(o["erro"].toString(), QString());
        QCOMPARE(argumentos(o), esperado);
    }

    void pastaEAmbienteDoFilho()
    {
        const QByteArray pathAntes = qgetenv("PATH");
        const QString pasta = m_dir.filePath("trabalho com brancos");
        QVERIFY(QDir().mkpath(pasta));
        PedidoProcesso p;
        p.programa = KS_AUXILIAR;
        p.argumentos = "eco x";
        p.pasta = pasta;
        p.ambiente = {"PATH=/opt/k/lib:/usr/bin", "ROTINA_KS=1", "VAZIA="};
        const QJsonObject o = eco(p);
        QCOMPARE(o["erro"].toString(), QString());
        QCOMPARE(o["pasta"].toString(), QFileInfo(pasta).canonicalFilePath());
        const QJsonObject env = o["ambiente"].toObject();
        QCOMPARE(env["PATH"].toString(), QStringLiteral("/opt/k/lib:/usr/bin"));
        QCOMPARE(env["ROTINA_KS"].toString(), QStringLiteral("1"));
        QVERIFY(env.contains("VAZIA"));
        QVERIFY(!env.contains("HOME")); // the whole environment is the one given
        QCOMPARE(qgetenv("PATH"), pathAntes);
        QVERIFY(!qEnvironmentVariableIsSet("ROTINA_KS"));
    }

    void programaComBrancos()
    {
        const QString pasta = m_dir.filePath("Korvane Prod/MOD 008");
        QVERIFY(QDir().mkpath(pasta));
        const QString copia = pasta + "/KXSIS 800";
        QVERIFY(QFile::copy(KS_AUXILIAR, copia));
        PedidoProcesso p;
        p.programa = copia;
        p.argumentos = "eco a b";
        const QJsonObject o = eco(p);
        QCOMPARE(o["erro"].toString(), QString());
        QCOMPARE(argumentos(o), QStringList({"a", "b"}));
    }

    void recusaEhValorDeFalha_data()
    {
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QString>("pasta");
        QTest::newRow("programa inexistente") << m_dir.filePath("nada/KXSIS1.EXE") << "";
        QTest::newRow("pasta inexistente") << KS_AUXILIAR << m_dir.filePath("nada");
        QTest::newRow("não executável") << configIni() << "";
    }

    void recusaEhValorDeFalha()
    {
        QFETCH(QString, programa);
        QFETCH(QString, pasta);
        definirExecutor({});
        PedidoProcesso p;
        p.programa = programa;
        p.pasta = pasta;
        for (bool aguardar : {false, true}) {
            p.aguardar = aguardar;
            const ResultadoProcesso r = IniciarProcesso(p);
            QVERIFY(!r.iniciado);
            QVERIFY(!r.erro.isEmpty());
        }
    }

    void aguardarComRetorno()
    {
        const QString sinal = m_dir.filePath("fim-aguardar");
        PedidoProcesso p;
        p.programa = KS_AUXILIAR;
        p.argumentos = "esperar";
        p.aguardar = true;
        p.ambiente = QProcessEnvironment::systemEnvironment().toStringList()
                     << "KS_ESPERAR_ATE=" + sinal;
        int chamadas = 0;
        p.aoAguardar = [&] {
            // The child ends once the callback has run a few times.
            if (++chamadas == 5) {
                QFile f(sinal);
                f.open(QIODevice::WriteOnly);
            }
        };
        const ResultadoProcesso r = IniciarProcesso(p);
        QVERIFY(r.iniciado);
        QVERIFY(r.pid > 0);
        QVERIFY(chamadas >= 5);
        QCOMPARE(r.codigoSaida, 0);

        // A callback that fails: the wait goes on without it.
        p.ambiente = QProcessEnvironment::systemEnvironment().toStringList() << "KS_ESPERAR_MS=300";
        chamadas = 0;
        p.aoAguardar = [&] {
            ++chamadas;
            throw std::runtime_error("falha");
        };
        QElapsedTimer relogio;
        relogio.start();
        const ResultadoProcesso r2 = IniciarProcesso(p);
        QVERIFY(r2.iniciado);
        QCOMPARE(chamadas, 1);
        QVERIFY(relogio.elapsed() >= 250);
    }

    void executavelDoWindowsPeloExecutor()
    {
        const QString exe = executavelFalsoDoWindows();
        QVERIFY(EhExecutavelWindows(exe));
        QVERIFY(!EhExecutavelWindows(KS_AUXILIAR));
        definirExecutor(QStringLiteral("\"%1\" eco").arg(KS_AUXILIAR));
        QCOMPARE(ExecutorDeProgramasWindows(), QStringList({KS_AUXILIAR, "eco"}));
        PedidoProcesso p;
        p.programa = exe;
        p.argumentos = "USUARIO \"a b\" 800";
        const QJsonObject o = eco(p);
        QCOMPARE(o["erro"].toString(), QString());
        QCOMPARE(argumentos(o), QStringList({exe, "USUARIO", "a b", "800"}));
    }

    void semExecutorFalha()
    {
        if (!QStandardPaths::findExecutable("wine").isEmpty())
            QSKIP("wine is installed here: it is the default runner");
        definirExecutor({});
        QCOMPARE(ExecutorDeProgramasWindows(), QStringList());
        PedidoProcesso p;
        p.programa = executavelFalsoDoWindows();
        const ResultadoProcesso r = IniciarProcesso(p);
        QVERIFY(!r.iniciado);
        QVERIFY(r.erro.contains("executor"));
    }

    void processoEmExecucao()
    {
        const QString sinal = m_dir.filePath("fim-execucao");
        const QString pasta = m_dir.filePath("em uso");
        const QString pastaVizinha = m_dir.filePath("em uso2");
        QVERIFY(QDir().mkpath(pasta + "/sub"));
        QVERIFY(QDir().mkpath(pastaVizinha));
        // Private copies: other test programs run the shared helper at the same time.
        const QString proprio = m_dir.filePath("auxiliar proprio");
        QVERIFY(QFile::copy(KS_AUXILIAR, proprio));
        const QString copia = m_dir.filePath("outra copia");
        QVERIFY(QFile::copy(KS_AUXILIAR, copia));
        const QString exe = executavelFalsoDoWindows();
        QVERIFY(!ProcessoEmExecucao(proprio));
        QVERIFY(!ProcessoEmExecucao(exe));

        PedidoProcesso p;
        p.programa = proprio;
        p.argumentos = "esperar";
        p.pasta = pasta + "/sub";
        p.ambiente = QProcessEnvironment::systemEnvironment().toStringList()
                     << "KS_ESPERAR_ATE=" + sinal;
        QVERIFY(IniciarProcesso(p).iniciado);
        // Through the runner: the process's executable is the runner.
        definirExecutor(QStringLiteral("\"%1\" esperar").arg(copia));
        p.programa = exe;
        p.pasta = m_dir.path();
        QVERIFY(IniciarProcesso(p).iniciado);

        QVERIFY(ProcessoEmExecucao(proprio));
        QVERIFY(ProcessoEmExecucao(exe));
        QVERIFY(!ProcessoEmExecucao(m_dir.filePath("rotinas/KXSIS801.EXE")));
        QVERIFY(PastaEmUsoPorProcesso(pasta));
        QVERIFY(PastaEmUsoPorProcesso(pasta + "/"));
        QVERIFY(!PastaEmUsoPorProcesso(pastaVizinha));

        QFile f(sinal);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(aguardarAte([&] { return !ProcessoEmExecucao(exe); }));
        QVERIFY(aguardarAte([&] { return !ProcessoEmExecucao(proprio); }));
        QVERIFY(aguardarAte([&] { return !PastaEmUsoPorProcesso(pasta); }));
    }
};

QTEST_GUILESS_MAIN(TstProcessos)
#include "tst_processos.moc"
