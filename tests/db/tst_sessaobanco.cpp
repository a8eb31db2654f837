// The session layer, the dialects, the schema and the demo data, run against
// both backends: a SQLite file and the test PostgreSQL server.
#include "db/BlocoEscrita.h"
#include "db/CifraSenhaBanco.h"
#include "db/ConsultaSql.h"
#include "db/DadosDemo.h"
#include "db/Dialeto.h"
#include "db/EBancoDados.h"
#include "db/EsquemaSuite.h"
#include "db/SessaoBanco.h"
#include "i18n/ESQLQueryError.h"
#include "support/PostgresTeste.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

int contar(SessaoBanco& s, const QString& tabela)
{
    ConsultaSql q(s);
    q.setSql(QStringLiteral("SELECT COUNT(*) FROM ") + tabela);
    q.abrir();
    return q.valor(0).toInt();
}

QString valor(SessaoBanco& s, const QString& sql, const QMap<QString, QVariant>& p = {})
{
    ConsultaSql q(s);
    q.setSql(sql);
    for (auto it = p.cbegin(); it != p.cend(); ++it)
        q.setParametro(it.key(), it.value());
    q.abrir();
    return q.eof() ? QStringLiteral("<nenhuma>") : q.valor(0).toString();
}

// AES-128-ECB under MD5(upper(user)), Base64: made by the openssl tool.
QString cifraOpenssl(const QString& senha, const QString& usuario)
{
    const QByteArray chave =
        QCryptographicHash::hash(usuario.toUpper().toUtf8(), QCryptographicHash::Md5).toHex();
    QProcess p;
    p.start(QStringLiteral("openssl"),
            {QStringLiteral("enc"), QStringLiteral("-aes-128-ecb"), QStringLiteral("-K"),
             QString::fromLatin1(chave), QStringLiteral("-a"), QStringLiteral("-A")});
    p.write(senha.toUtf8());
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return QString::fromLatin1(p.readAllStandardOutput()).trimmed();
}

} // namespace

class TestSessaoBanco : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PostgresTeste m_pg = PostgresTeste::ler();

    QString destino(const QString& backend) const
    {
        return backend == QLatin1String("sqlite")
                   ? QStringLiteral("sqlite:") + m_dir.filePath(QStringLiteral("s.db"))
                   : m_pg.destino(m_pg.dono(), m_pg.senhaDono(), QStringLiteral("ks_sessaobanco"));
    }

    std::unique_ptr<SessaoBanco> sessao(const QString& backend) const
    {
        auto s = std::make_unique<SessaoBanco>();
        s->setServidor(destino(backend));
        s->setCriarArquivoSqlite(true);
        s->conectar();
        return s;
    }

    void backends()
    {
        QTest::addColumn<QString>("backend");
        QTest::newRow("sqlite") << QStringLiteral("sqlite");
        QTest::newRow("postgres") << QStringLiteral("postgres");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(m_pg.disponivel(),
                 "o servidor PostgreSQL de teste não está no ar (fixture postgres)");
        const QString erro = m_pg.criarBanco(QStringLiteral("ks_sessaobanco"));
        QVERIFY2(erro.isEmpty(), qPrintable(erro));
        for (const char* b : {"sqlite", "postgres"}) {
            auto s = sessao(QString::fromLatin1(b));
            QVERIFY(!EsquemaSuite::existe(*s));
            DadosDemo::carregar(*s);
            QVERIFY(EsquemaSuite::existe(*s));
        }
    }

    void demoCarregadaDuasVezesFicaUmaCopia_data() { backends(); }
    void demoCarregadaDuasVezesFicaUmaCopia()
    {
        QFETCH(QString, backend);
        auto s = sessao(backend);
        QMap<QString, int> antes;
        for (const QString& t : EsquemaSuite::tabelas())
            antes[t] = contar(*s, t);
        DadosDemo::carregar(*s);
        for (const QString& t : EsquemaSuite::tabelas())
            QCOMPARE(contar(*s, t), antes[t]);
        QCOMPARE(antes[QStringLiteral("KXCONSUM")], 1);
        QCOMPARE(antes[QStringLiteral("KXLICENCA")], 1);
        QCOMPARE(valor(*s, QStringLiteral("SELECT ACAO FROM KXROTINA WHERE CODIGO = 800")),
                 QStringLiteral("KXSIS800.EXE"));
        QCOMPARE(
            valor(*s, QStringLiteral(
                          "SELECT VALOR FROM KXPARAMFILIAL WHERE NOME LIKE 'LNC_VERSAOKORVANE'")),
            QStringLiteral("29"));
        // A routine no longer registered but listed as discontinued.
        QCOMPARE(valor(*s, QStringLiteral("SELECT COUNT(*) FROM KXROTINA WHERE CODIGO = 715")),
                 QStringLiteral("0"));
        QCOMPARE(
            valor(*s, QStringLiteral("SELECT NOME FROM KXROTDESCONTINUADAS WHERE CODROTINA = 715")),
            QStringLiteral("Relatório de comissões"));
    }

    // The stored passwords go through the schema's decrypt and come back;
    // the cipher matches what openssl makes of the same key and text.
    void decryptDevolveASenha_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<QString>("senha");
        for (const char* b : {"sqlite", "postgres"}) {
            const QString backend = QString::fromLatin1(b);
            QTest::addRow("%s curta", b) << backend << "kxteste"
                                         << "SENHA123";
            QTest::addRow("%s 16 bytes", b) << backend << "KXTESTE"
                                            << "0123456789ABCDEF";
            QTest::addRow("%s acentos", b) << backend << "Usuário"
                                           << "ÇÃO-senha é";
        }
    }
    void decryptDevolveASenha()
    {
        QFETCH(QString, backend);
        QFETCH(QString, usuario);
        QFETCH(QString, senha);
        const QString cifrada = CifraSenhaBanco::cifrar(senha, usuario);
        QCOMPARE(cifrada, cifraOpenssl(senha, usuario));
        auto s = sessao(backend);
        QCOMPARE(valor(*s, QStringLiteral("SELECT decrypt(:S, :U)"),
                       {{QStringLiteral("S"), cifrada}, {QStringLiteral("U"), usuario}}),
                 senha);
        QCOMPARE(valor(*s,
                       QStringLiteral(
                           "select decrypt(senhabd, usuariobd) from kxempr where matricula = :M"),
                       {{QStringLiteral("M"), DadosDemo::kMatriculaUsuario}}),
                 QString::fromLatin1(DadosDemo::kSenhaBD));
    }

    // 12 digits: the server's time minus N hours, day first.
    void relogioDoServidor_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<int>("horas");
        for (const char* b : {"sqlite", "postgres"}) {
            for (int h : {0, 3, 30})
                QTest::addRow("%s -%dh", b, h) << QString::fromLatin1(b) << h;
        }
    }
    void relogioDoServidor()
    {
        QFETCH(QString, backend);
        QFETCH(int, horas);
        auto s = sessao(backend);
        const QDateTime antes = QDateTime::currentDateTime().addSecs(-3600LL * horas);
        const QString texto = valor(*s, s->dialeto().sqlRelogio(horas));
        const QDateTime depois = QDateTime::currentDateTime().addSecs(-3600LL * horas);
        QCOMPARE(texto.size(), 12);
        const QString formato = QStringLiteral("ddMMyyyyHHmm");
        QVERIFY2(texto == antes.toString(formato) || texto == depois.toString(formato),
                 qPrintable(texto));
    }

    void tabelasExistem_data() { backends(); }
    void tabelasExistem()
    {
        QFETCH(QString, backend);
        auto s = sessao(backend);
        QCOMPARE(valor(*s, s->dialeto().sqlTabelasExistem({QStringLiteral("KXMSGMENU"),
                                                           QStringLiteral("KXROTDESCONTINUADAS")})),
                 QStringLiteral("2"));
        QCOMPARE(valor(*s, s->dialeto().sqlTabelasExistem(
                               {QStringLiteral("KXMSGMENU"), QStringLiteral("NAOEXISTE")})),
                 QStringLiteral("1"));
        // A name that is not an identifier never reaches the statement.
        QCOMPARE(valor(*s, s->dialeto().sqlTabelasExistem(
                               {QStringLiteral("KXMSGMENU"), QStringLiteral("X') OR ('1' = '1")})),
                 QStringLiteral("1"));
    }

    // A parameter named twice, an outer join and the upsert, in the shared form.
    void parametrosRepetidosEUpsert_data() { backends(); }
    void parametrosRepetidosEUpsert()
    {
        QFETCH(QString, backend);
        auto s = sessao(backend);
        ConsultaSql q(*s);
        q.setSql(QStringList{"SELECT CAST(ROTINA.CODIGO AS INTEGER) CODIGO",
                             ", COALESCE(KXMSGMENU.ALERTAR, 'S') ALERTAR",
                             ", COALESCE(KXMSGMENU.MATRICULA, :MATRICULA) MATRICULA",
                             "FROM KXROTDESCONTINUADAS ROTINA",
                             "LEFT JOIN KXMSGMENU ON ROTINA.CODIGO = KXMSGMENU.CODIGO AND "
                             "KXMSGMENU.MATRICULA = :MATRICULA",
                             "WHERE ROTINA.CODROTINA = :CODROTINA"});
        q.setParametro(QStringLiteral("MATRICULA"), 4321);
        q.setParametro(QStringLiteral("CODROTINA"), 801);
        q.abrir();
        QCOMPARE(q.valor(QStringLiteral("ALERTAR")).toString(), QStringLiteral("S"));
        QCOMPARE(q.valor(QStringLiteral("MATRICULA")).toInt(), 4321);

        ConsultaSql u(*s);
        u.setSql(s->dialeto().sqlAtualizarOuInserir(
            QStringLiteral("KXMSGMENU"), {QStringLiteral("CODIGO"), QStringLiteral("MATRICULA")},
            {QStringLiteral("ALERTAR")}));
        u.setParametro(QStringLiteral("CODIGO"), 2);
        u.setParametro(QStringLiteral("MATRICULA"), 4321);
        for (const char* alertar : {"N", "S", "N"}) {
            BlocoEscrita bloco(*s);
            u.setParametro(QStringLiteral("ALERTAR"), QString::fromLatin1(alertar));
            u.executar();
            bloco.confirmar();
        }
        q.abrir();
        QCOMPARE(q.valor(QStringLiteral("ALERTAR")).toString(), QStringLiteral("N"));
        QCOMPARE(valor(*s, QStringLiteral("SELECT COUNT(*) FROM KXMSGMENU WHERE MATRICULA = 4321")),
                 QStringLiteral("1"));
    }

    void erroDeLeituraTrazOTextoDoComando_data() { backends(); }
    void erroDeLeituraTrazOTextoDoComando()
    {
        QFETCH(QString, backend);
        auto s = sessao(backend);
        ConsultaSql q(*s);
        const QString sql = QStringLiteral("SELECT NADA\n  FROM TABELA_QUE_NAO_EXISTE");
        q.setSql(sql);
        try {
            q.abrir();
            QFAIL("a leitura devia falhar");
        } catch (const ESQLQueryError& e) {
            QCOMPARE(e.SQLQuery(), sql);
            QVERIFY2(
                e.mensagem().contains(QLatin1String("tabela_que_nao_existe"), Qt::CaseInsensitive),
                qPrintable(e.mensagem()));
        }
    }

    // While another session holds the routine's row (SQLite: the database),
    // the locking read fails at once; once released, it succeeds.
    void bloqueioSemEsperaFalhaNaHora_data() { backends(); }
    void bloqueioSemEsperaFalhaNaHora()
    {
        QFETCH(QString, backend);
        auto a = sessao(backend);
        auto b = sessao(backend);
        if (backend == QLatin1String("postgres")) // a safety net, never reached when NOWAIT works
            b->executar(QStringLiteral("SET lock_timeout = '60s'"));
        const QStringList select{QStringLiteral("SELECT 1"), QStringLiteral("  FROM KXROTINA"),
                                 QStringLiteral(" WHERE CODIGO = :CODROTINA")};
        auto bloquear = [&](SessaoBanco& s) {
            auto q = std::make_unique<ConsultaSql>(s);
            q->setSql(select);
            q->setParametro(QStringLiteral("CODROTINA"), 800.0);
            q->setBloqueioSemEspera(QStringLiteral("KXROTINA"));
            q->abrir();
            return q;
        };
        auto blocoA = std::make_unique<BlocoEscrita>(*a);
        auto qa = bloquear(*a);
        QVERIFY(!qa->eof());

        BlocoEscrita blocoB(*b);
        QElapsedTimer relogio;
        relogio.start();
        try {
            bloquear(*b);
            QFAIL("o bloqueio devia falhar enquanto a outra sessão o detém");
        } catch (const ESQLQueryError& e) {
            // Waiting would take the backend's lock timeout (5 s, 60 s).
            QVERIFY2(relogio.elapsed() < 4000, qPrintable(QString::number(relogio.elapsed())));
            QVERIFY2(e.mensagem().contains(QLatin1String("lock"), Qt::CaseInsensitive),
                     qPrintable(e.mensagem()));
            QVERIFY(!e.SQLQuery().isEmpty());
        }
        blocoB.desfazer();
        qa.reset();
        blocoA->confirmar();

        BlocoEscrita depois(*b);
        QVERIFY(!bloquear(*b)->eof());
        depois.confirmar();
    }

    // An inner writing block never ends the transaction an outer one opened:
    // its confirmation commits nothing, its rollback undoes only its work.
    void blocoInternoNaoConfirmaOExterno_data() { backends(); }
    void blocoInternoNaoConfirmaOExterno()
    {
        QFETCH(QString, backend);
        auto s = sessao(backend);
        auto outra = sessao(backend);
        const QString contarLog =
            QStringLiteral("SELECT COUNT(*) FROM KXLOGROTINA WHERE CODROTINA = 9901");
        auto inserir = [&](int codfunc) {
            ConsultaSql q(*s);
            q.setSql(QStringLiteral(
                         "INSERT INTO KXLOGROTINA (DATAINICIO, CODROTINA, CODFUNC, DATAFINAL)\n"
                         "VALUES (%1, 9901, :F, %1)")
                         .arg(s->dialeto().agora()));
            q.setParametro(QStringLiteral("F"), codfunc);
            q.executar();
        };
        {
            BlocoEscrita externo(*s);
            QVERIFY(externo.iniciouTransacao());
            inserir(1);
            {
                BlocoEscrita interno(*s);
                QVERIFY(!interno.iniciouTransacao());
                inserir(2);
                interno.confirmar();
            }
            QVERIFY(s->emTransacao());
            QCOMPARE(valor(*outra, contarLog), QStringLiteral("0"));
            {
                BlocoEscrita interno(*s);
                inserir(3);
                interno.desfazer();
            }
            QCOMPARE(valor(*s, contarLog), QStringLiteral("2"));
            externo.confirmar();
        }
        QVERIFY(!s->emTransacao());
        QCOMPARE(valor(*outra, contarLog), QStringLiteral("2"));
        {
            BlocoEscrita sem(*s);
            inserir(4);
        } // left without confirmation: rolled back
        QCOMPARE(valor(*outra, contarLog), QStringLiteral("2"));
    }

    // The routine login of the test server; a wrong password fails with the
    // server's own message.
    void senhaErradaTrazAMensagemDoServidor()
    {
        SessaoBanco s;
        s.setServidor(m_pg.destinoSemLogin());
        s.setUsuario(m_pg.usuario());
        s.setSenha(QStringLiteral("errada"));
        try {
            s.conectar();
            QFAIL("a conexão devia ser recusada");
        } catch (const EBancoDados& e) {
            QVERIFY2(e.mensagem().contains(
                         QStringLiteral("password authentication failed for user \"%1\"")
                             .arg(m_pg.usuario())),
                     qPrintable(e.mensagem()));
        }
        QVERIFY(!s.conectado());
        s.setSenha(m_pg.senha());
        s.conectar();
        QCOMPARE(valor(s, QStringLiteral("SELECT current_user")), m_pg.usuario());
    }

    void arquivoSqliteAusenteERecusado()
    {
        SessaoBanco s;
        s.setServidor(QStringLiteral("sqlite:") + m_dir.filePath(QStringLiteral("nao-existe.db")));
        QVERIFY_THROWS_EXCEPTION(EBancoDados, s.conectar());
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("nao-existe.db"))));
    }
};

QTEST_GUILESS_MAIN(TestSessaoBanco)
#include "tst_sessaobanco.moc"
