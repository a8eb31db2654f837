#include "frame/KXRegistro.h"
#include "frame/PastasKorvane.h"
#include "frame/RegistroGrupoKX.h"
#include "platform/ObservadorRegistro.h"

#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>

namespace {

RegistroUsuario hive()
{
    return RegistroUsuario();
}

QString ambienteLido()
{
    const auto v = hive().lerValor("Environment", "DirInstalacao");
    return v ? v->texto : QStringLiteral("<ausente>");
}

// Child mode: the test program started again with these arguments.
int executarFilho(const QStringList& args)
{
    if (args.value(1) == QLatin1String("--interface-simples")) {
        TKXRegistro(1).setInterfaceSimplificada(true);
        return 0;
    }
    if (args.value(1) == QLatin1String("--modos")) {
        // Each process writes its own values under its own section.
        TKXRegistro r(4);
        for (int i = 0; i < 30; ++i)
            r.gravarInteiro(args.value(2), QStringLiteral("Modo%1").arg(i), i);
        return 0;
    }
    return -1;
}

} // namespace

class TstKXRegistro : public QObject
{
    Q_OBJECT

    QProcess* filho(const QStringList& args)
    {
        auto* p = new QProcess(this);
        p->setProcessChannelMode(QProcess::ForwardedChannels);
        p->start(QCoreApplication::applicationFilePath(), args);
        return p;
    }

private slots:
    void init() { QFile::remove(hive().arquivo()); }

    void perfilNovoGravaPastaPadrao()
    {
        const QString padrao = qEnvironmentVariable("HOME") + "/Korvane/";
        QCOMPARE(ambienteLido(), QStringLiteral("<ausente>"));
        QCOMPARE(ObterDirInstalacao(), padrao);
        QCOMPARE(ambienteLido(), padrao);
        // The plain constructor opens no product key.
        QVERIFY(!hive().chaveExiste("Software\\GrupoKX"));
        const TKXRegistro r(1);
        QCOMPARE(r.DirLib(), padrao + "Prod/Lib/");
        QCOMPARE(r.DirSpool(), padrao + "Spool/");
        QCOMPARE(ObterDirLib(), padrao + "Prod/Lib/");
        QCOMPARE(ObterDirExecutaveis(), padrao + "Spool/Executaveis/");
    }

    void pastaArmazenada_data()
    {
        QTest::addColumn<QString>("armazenado");
        QTest::addColumn<QString>("dirProd");
        QTest::addColumn<bool>("regravado");
        QTest::newRow("dois brancos contam como vazio") << "  "
                                                        << "<padrão>Prod/" << true;
        QTest::newRow("vazio") << ""
                               << "<padrão>Prod/" << true;
        QTest::newRow("sem barra final") << "/d/K"
                                         << "/d/KProd/" << false;
        QTest::newRow("com brancos, não aparado") << " /d/K/ "
                                                  << " /d/K/ Prod/" << false;
    }

    void pastaArmazenada()
    {
        QFETCH(QString, armazenado);
        QFETCH(QString, dirProd);
        QFETCH(bool, regravado);
        const QString padrao = qEnvironmentVariable("HOME") + "/Korvane/";
        dirProd.replace("<padrão>", padrao);
        hive().gravarTexto("Environment", "DirInstalacao", armazenado);
        QCOMPARE(ObterDirProd(), dirProd);
        QCOMPARE(TKXRegistro(3).DirProd(), dirProd);
        QCOMPARE(ambienteLido(), regravado ? padrao : armazenado);
    }

    void gravarPastaDefineVariavel()
    {
        TKXRegistro r;
        r.setDirInstalacao("/opt/korvane/");
        QCOMPARE(ambienteLido(), QStringLiteral("/opt/korvane/"));
        QCOMPARE(qEnvironmentVariable("DirInstalacao"), QStringLiteral("/opt/korvane/"));
        QCOMPARE(ObterDirSpool(), QStringLiteral("/opt/korvane/Spool/"));
    }

    void valoresTipados_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("booleano");
        QTest::addColumn<int>("inteiro");
        QTest::newRow("5") << "5" << true << 5;
        QTest::newRow("yes") << "yes" << false << 0;
        QTest::newRow("0") << "0" << false << 0;
        QTest::newRow("-1") << "-1" << true << -1;
        QTest::newRow("fora de 32 bits") << "4294967297" << false << 0;
        QTest::newRow("vazio") << "" << false << 0;
    }

    void valoresTipados()
    {
        QFETCH(QString, texto);
        QFETCH(bool, booleano);
        QFETCH(int, inteiro);
        hive().gravarTexto("Software\\GrupoKX\\Korvane", "InterfaceSimples", texto);
        hive().gravarTexto("Software\\GrupoKX\\Korvane", "ModoAplicacao", texto);
        const TKXRegistro r(7);
        QCOMPARE(r.InterfaceSimplificada(), booleano);
        QCOMPARE(r.ModoAplicacao(), inteiro);
        QCOMPARE(r.InterfaceMonitora(), false);
    }

    void gravacaoComoTexto()
    {
        TKXRegistro r(2);
        r.setInterfaceMonitora(true);
        r.setInterfaceSimplificada(false);
        r.setModoAplicacao(2);
        const QString chave = "Software\\GrupoKX\\KorvaneVexil";
        QCOMPARE(hive().nomesDosValores(chave),
                 QStringList({"InterfaceMonitora", "InterfaceSimples", "ModoAplicacao"}));
        for (const auto& [nome, texto] : {std::pair{"InterfaceMonitora", "1"},
                                          {"InterfaceSimples", "0"},
                                          {"ModoAplicacao", "2"}}) {
            const auto v = hive().lerValor(chave, nome);
            QCOMPARE(v->tipo, RegistroUsuario::TipoValor::Texto);
            QCOMPARE(v->texto, QString::fromLatin1(texto));
        }
        QVERIFY(TKXRegistro(2).InterfaceMonitora());
        QCOMPARE(TKXRegistro(2).ModoAplicacao(), 2);
        // Another family does not see them.
        QVERIFY(!TKXRegistro(6).InterfaceMonitora());
    }

    void valorDeOutroTipoFalha()
    {
        hive().gravarInteiro("Software\\GrupoKX\\Korvane", "ModoAplicacao", 1);
        const TKXRegistro r(1);
        QVERIFY_THROWS_EXCEPTION(ERegistro, r.ModoAplicacao());
        const auto v = hive().lerValor("Software\\GrupoKX\\Korvane", "ModoAplicacao");
        QCOMPARE(v->tipo, RegistroUsuario::TipoValor::Inteiro); // left as it was
    }

    void chavesDoAplicativo_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("chave");
        for (int t : {0, 1, 3, 5, 7, 8, 9})
            QTest::addRow("%d", t) << t << "\\Software\\GrupoKX\\Korvane";
        QTest::newRow("2") << 2 << "\\Software\\GrupoKX\\KorvaneVexil";
        QTest::newRow("4") << 4 << "\\Software\\GrupoKX\\Trevan";
        QTest::newRow("6") << 6 << "\\Software\\GrupoKX\\Quindo";
        QTest::newRow("10") << 10 << "";
        QTest::newRow("-1") << -1 << "";
    }

    void chavesDoAplicativo()
    {
        QFETCH(int, tipo);
        QFETCH(QString, chave);
        const TKXRegistro r(tipo);
        QCOMPARE(r.chaveAtual(), chave);
        QVERIFY(hive().chaveExiste(chave)); // created when opened
    }

    void grupoDaEditorDoTipoArmazenado()
    {
        hive().gravarTexto("Software\\GrupoKX", "TipoAplicativo", "4");
        TRegistroGrupoKX grupo;
        QCOMPARE(grupo.TipoAplicativo(), 4);
        QCOMPARE(grupo.Editor().chaveAtual(), QStringLiteral("\\Software\\GrupoKX\\Trevan"));
        QCOMPARE(grupo.Editor().TipoAplicativo(), 4);
        grupo.Editor().setModoAplicacao(1);
        QCOMPARE(hive().lerValor("Software\\GrupoKX\\Trevan", "ModoAplicacao")->texto,
                 QStringLiteral("1"));

        // A new type is recorded in the existing editor, which keeps its key.
        grupo.setTipoAplicativo(6);
        QCOMPARE(hive().lerValor("Software\\GrupoKX", "TipoAplicativo")->texto,
                 QStringLiteral("6"));
        QCOMPARE(grupo.Editor().TipoAplicativo(), 6);
        QCOMPARE(grupo.Editor().chaveAtual(), QStringLiteral("\\Software\\GrupoKX\\Trevan"));
        QCOMPARE(TRegistroGrupoKX().Editor().chaveAtual(),
                 QStringLiteral("\\Software\\GrupoKX\\Quindo"));
    }

    void grupoNovoCriaAChave()
    {
        TRegistroGrupoKX grupo;
        QVERIFY(hive().chaveExiste("Software\\GrupoKX"));
        QCOMPARE(grupo.TipoAplicativo(), 0);
        QCOMPARE(grupo.Editor().chaveAtual(), QStringLiteral("\\Software\\GrupoKX\\Korvane"));
        // Writing the type when no editor exists creates it for the new type.
        TRegistroGrupoKX outro;
        outro.setTipoAplicativo(2);
        QCOMPARE(outro.Editor().chaveAtual(), QStringLiteral("\\Software\\GrupoKX\\KorvaneVexil"));
    }

    void registroQueNaoGrava()
    {
        // A plain file where the hive's folder should be.
        const QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
        const auto restaurar = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", xdg); });
        const QString outro = QString::fromLocal8Bit(xdg) + "/bloqueado";
        QDir(outro).removeRecursively();
        QDir().mkpath(outro);
        {
            QFile f(outro + "/Korvane");
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        qputenv("XDG_CONFIG_HOME", outro.toLocal8Bit());
        TKXRegistro r(4);
        QCOMPARE(r.chaveAtual(), QStringLiteral("\\Software\\GrupoKX\\Trevan"));
        QCOMPARE(r.ModoAplicacao(), 0);
        QCOMPARE(r.DirInstalacao(), qEnvironmentVariable("HOME") + "/Korvane/");
        qunsetenv("DirInstalacao");
        r.setDirInstalacao("/x/"); // nothing written, nothing raised
        QVERIFY(!qEnvironmentVariableIsSet("DirInstalacao"));
        QVERIFY_THROWS_EXCEPTION(EKorvane, r.setModoAplicacao(1));
        QCOMPARE(TRegistroGrupoKX().TipoAplicativo(), 0);
    }

    void mudancaEmOutroProcessoEhVistaEAvisada()
    {
        TKXRegistro r(1);
        QVERIFY(!r.InterfaceSimplificada());
        ObservadorRegistro observador;
        QSignalSpy avisos(&observador, &ObservadorRegistro::alterado);
        QProcess* p = filho({"--interface-simples"});
        QVERIFY(p->waitForFinished(60000));
        QCOMPARE(p->exitCode(), 0);
        QVERIFY(avisos.wait(10000));
        QVERIFY(r.InterfaceSimplificada());
    }

    void doisProcessosAoMesmoTempo()
    {
        QProcess* a = filho({"--modos", "A"});
        QProcess* b = filho({"--modos", "B"});
        QVERIFY(a->waitForFinished(120000));
        QVERIFY(b->waitForFinished(120000));
        QCOMPARE(a->exitCode(), 0);
        QCOMPARE(b->exitCode(), 0);
        const TKXRegistro r(4);
        for (const char* secao : {"A", "B"}) {
            QCOMPARE(hive()
                         .nomesDosValores(QStringLiteral("Software\\GrupoKX\\Trevan\\") + secao)
                         .size(),
                     30);
            for (int i = 0; i < 30; ++i)
                QCOMPARE(r.lerInteiro(secao, QStringLiteral("Modo%1").arg(i), -1), i);
        }
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int filho = executarFilho(app.arguments());
    if (filho >= 0)
        return filho;
    TstKXRegistro teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "tst_kxregistro.moc"
