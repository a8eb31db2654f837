// The data module's session against the test PostgreSQL server: the
// credentials of the latest request, the connection-reuse rule and the
// values read from the suite.
#include "db/EBancoDados.h"
#include "i18n/ESQLQueryError.h"
#include "platform/ArquivoIni.h"
#include "platform/Caminhos.h"
#include "repository/DadosRequisicao.h"
#include "repository/RepositorioSessao.h"
#include "support/PostgresTeste.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QTest>

namespace {

// MD5(MD5(password) + routine + employee + clock) by python3's hashlib.
QString tokenPython(const QString& senha, const QString& rotina, const QString& matricula,
                    const QString& relogio)
{
    QProcess p;
    p.start(QStringLiteral("python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import hashlib,sys\n"
                            "m=lambda s: hashlib.md5(s.encode('utf-8')).hexdigest().upper()\n"
                            "print(m(m(sys.argv[1])+sys.argv[2]+sys.argv[3]+sys.argv[4]))"),
             senha, rotina, matricula, relogio});
    p.waitForFinished(30000);
    return QString::fromLatin1(p.readAllStandardOutput()).trimmed();
}

} // namespace

class TestRepositorioSessao : public QObject
{
    Q_OBJECT

    PostgresTeste m_pg = PostgresTeste::ler();

private slots:
    void initTestCase()
    {
        QVERIFY2(m_pg.disponivel(),
                 "o servidor PostgreSQL de teste não está no ar (fixture postgres)");
        QDir().mkpath(Caminhos::dirConfiguracaoLauncher());
        ArquivoIni ini(Caminhos::dirConfiguracaoLauncher() + QStringLiteral("/config.ini"));
        ini.gravarTexto(QStringLiteral("bancos"), QStringLiteral("KXTESTE"),
                        m_pg.destinoSemLogin());
        ini.gravarTexto(QStringLiteral("bancos"), QStringLiteral("KXOUTRO"),
                        m_pg.destinoSemLogin());
    }

    void init()
    {
        BancoDadosGlobal().Limpar();
        DadosKorvaneGlobal().Limpar();
    }

    void registrosDaRequisicao()
    {
        TDadosKorvane& d = DadosKorvaneGlobal();
        d.FRotina = QStringLiteral("800");
        d.FUsuario = QStringLiteral("X");
        d.FEmail = QStringLiteral("e@x");
        d.FExecutarLocal = true;
        d.Limpar();
        QCOMPARE(d.FRotina, QStringLiteral("0"));
        QCOMPARE(d.FMatricula, QStringLiteral("0"));
        QVERIFY(d.FUsuario.isEmpty());
        QCOMPARE(d.FDiretorio, QCoreApplication::applicationDirPath());
        QCOMPARE(d.FEmail, QStringLiteral("e@x"));
        QVERIFY(d.FExecutarLocal);
        BancoDadosGlobal().Carregar(QStringLiteral("S"), QStringLiteral("U"), QStringLiteral("P"));
        QCOMPARE(BancoDadosGlobal().FDataBase, QStringLiteral("S"));
        QCOMPARE(BancoDadosGlobal().FUsuario, QStringLiteral("U"));
        QCOMPARE(BancoDadosGlobal().FSenha, QStringLiteral("P"));
    }

    // Same alias with another user: the first connection is reused as it is.
    // Another alias: a new connection with the request's credentials.
    void reusoDaConexao()
    {
        RepositorioSessao r;
        BancoDadosGlobal().Carregar(QStringLiteral("KXTESTE"), m_pg.usuario(), m_pg.senha());
        QCOMPARE(r.ConsultarValor(QStringLiteral("SELECT current_user")), m_pg.usuario());
        QCOMPARE(r.dbLogin().usuario(), m_pg.usuario());

        BancoDadosGlobal().Carregar(QStringLiteral("KXTESTE"), m_pg.dono(), m_pg.senhaDono());
        QCOMPARE(r.ConsultarValor(QStringLiteral("SELECT current_user")), m_pg.usuario());

        BancoDadosGlobal().Carregar(QStringLiteral("KXOUTRO"), m_pg.dono(), m_pg.senhaDono());
        QCOMPARE(r.ConsultarValor(QStringLiteral("SELECT current_user")), m_pg.dono());
        QCOMPARE(r.dbLogin().servidor(), QStringLiteral("KXOUTRO"));
    }

    void senhaErradaTrazAMensagemDoServidor()
    {
        RepositorioSessao r;
        BancoDadosGlobal().Carregar(QStringLiteral("KXTESTE"), m_pg.usuario(),
                                    QStringLiteral("ERRADA"));
        try {
            r.ConsultarValor(QStringLiteral("SELECT 1"));
            QFAIL("a conexão devia ser recusada");
        } catch (const EBancoDados& e) {
            QVERIFY2(e.mensagem().contains(QStringLiteral("password authentication failed")),
                     qPrintable(e.mensagem()));
        }
        QVERIFY(!r.DirKorvaneValido()); // absorbs the failure
    }

    void consultarValor_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("primeira coluna da primeira linha")
            << "SELECT CODIGO, NOMEROTINA FROM KXROTINA WHERE CODIGO IN (800, 1203) ORDER BY "
               "CODIGO DESC"
            << "1203";
        QTest::newRow("nenhuma linha") << "SELECT ACAO FROM KXROTINA WHERE CODIGO = -1"
                                       << "";
        QTest::newRow("nulo") << "SELECT CODSUBMODULO FROM KXROTINA WHERE CODIGO = 1500"
                              << "";
        QTest::newRow("texto") << "SELECT ACAO FROM KXROTINA WHERE CODIGO = 800"
                               << "KXSIS800.EXE";
    }
    void consultarValor()
    {
        QFETCH(QString, sql);
        RepositorioSessao r;
        BancoDadosGlobal().Carregar(QStringLiteral("KXTESTE"), m_pg.usuario(), m_pg.senha());
        QTEST(r.ConsultarValor(sql), "esperado");
    }

    void leituraQueFalhaTrazOComando()
    {
        RepositorioSessao r;
        BancoDadosGlobal().Carregar(QStringLiteral("KXTESTE"), m_pg.usuario(), m_pg.senha());
        const QString sql = QStringLiteral("SELECT COLUNA_INEXISTENTE FROM KXEMPR");
        try {
            r.ConsultarValor(sql);
            QFAIL("a leitura devia falhar");
        } catch (const ESQLQueryError& e) {
            QCOMPARE(e.SQLQuery(), sql);
            QVERIFY(e.mensagem().contains(QLatin1String("coluna_inexistente")));
        }
        // The session stays usable for the next statement.
        QCOMPARE(r.ConsultarValor(QStringLiteral("SELECT 7")), QStringLiteral("7"));
    }

    void valoresDaSuite()
    {
        RepositorioSessao r;
        BancoDadosGlobal().Carregar(QStringLiteral("KXTESTE"), m_pg.usuario(), m_pg.senha());
        QVERIFY(!r.ObterDirKorvane().isEmpty());
        QCOMPARE(r.ObterUsuarioBD(QStringLiteral("1001")), m_pg.usuario());
        QCOMPARE(r.ObterUsuarioBD(QStringLiteral("99999")), QString());
        QCOMPARE(r.ObterIpPortaMobile(), QStringLiteral("127.0.0.1:8080"));
        QVERIFY_THROWS_EXCEPTION(EKorvane, r.ObterUsuarioBD(QStringLiteral("1001 OR 1=1")));
    }

    // Every demo employee's login is a real login of the test server, and
    // its password is what decrypt gives for the employee.
    void tokenDaRequisicao_data()
    {
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<QString>("senha");
        QTest::addColumn<QString>("matricula");
        QTest::newRow("rotinas") << m_pg.usuario() << m_pg.senha() << "1001";
        QTest::newRow("supervisor") << "SUPERVISOR"
                                    << "SUPERVISOR"
                                    << "1";
        QTest::newRow("vendas") << "KXVENDAS"
                                << "VENDAS2026"
                                << "1002";
    }
    void tokenDaRequisicao()
    {
        QFETCH(QString, usuario);
        QFETCH(QString, senha);
        QFETCH(QString, matricula);
        RepositorioSessao r;
        BancoDadosGlobal().Carregar(QStringLiteral("KXTESTE"), usuario, senha);
        QCOMPARE(r.ObterUsuarioBD(matricula), usuario);
        const QString formato = QStringLiteral("ddMMyyyyHHmm");
        const QString antes = QDateTime::currentDateTime().toString(formato);
        const QString token = r.ObterHashToken(QStringLiteral("800"), matricula, 0);
        const QString depois = QDateTime::currentDateTime().toString(formato);
        QCOMPARE(token.size(), 32);
        QVERIFY(token == tokenPython(senha, QStringLiteral("800"), matricula, antes) ||
                token == tokenPython(senha, QStringLiteral("800"), matricula, depois));
    }
};

QTEST_GUILESS_MAIN(TestRepositorioSessao)
#include "tst_repositoriosessao.moc"
