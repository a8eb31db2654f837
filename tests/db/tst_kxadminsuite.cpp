// `kxadmin suite criar|demo DESTINO` as a real process, on both backends.
#include "db/ConsultaSql.h"
#include "db/EsquemaSuite.h"
#include "db/SessaoBanco.h"
#include "support/ExecutarPrograma.h"
#include "support/PostgresTeste.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Execucao = ResultadoPrograma;

Execucao kxadmin(const QStringList& argumentos)
{
    return executarPrograma(QStringLiteral(KS_KXADMIN), argumentos);
}

QMap<QString, int> contagens(const QString& destino)
{
    SessaoBanco s;
    s.setServidor(destino);
    s.conectar();
    QMap<QString, int> r;
    for (const QString& t : EsquemaSuite::tabelas()) {
        ConsultaSql q(s);
        q.setSql(QStringLiteral("SELECT COUNT(*) FROM ") + t);
        q.abrir();
        r[t] = q.valor(0).toInt();
    }
    return r;
}

} // namespace

class TestKxadminSuite : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PostgresTeste m_pg = PostgresTeste::ler();

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(m_pg.disponivel(),
                 "o servidor PostgreSQL de teste não está no ar (fixture postgres)");
        const QString erro = m_pg.criarBanco(QStringLiteral("ks_kxadminsuite"));
        QVERIFY2(erro.isEmpty(), qPrintable(erro));
    }

    void demoDuasVezesDeixaUmaCopia_data()
    {
        QTest::addColumn<QString>("destino");
        QTest::newRow("sqlite") << QStringLiteral("sqlite:") +
                                       m_dir.filePath(QStringLiteral("suite.db"));
        QTest::newRow("postgres") << m_pg.destino(m_pg.dono(), m_pg.senhaDono(),
                                                  QStringLiteral("ks_kxadminsuite"));
    }
    void demoDuasVezesDeixaUmaCopia()
    {
        QFETCH(QString, destino);
        const Execucao criar = kxadmin({QStringLiteral("suite"), QStringLiteral("criar"), destino});
        QVERIFY2(criar.codigo == 0, qPrintable(criar.erro));
        QCOMPARE(contagens(destino).value(QStringLiteral("KXROTINA")), 0);

        const Execucao primeira =
            kxadmin({QStringLiteral("suite"), QStringLiteral("demo"), destino});
        QVERIFY2(primeira.codigo == 0, qPrintable(primeira.erro));
        const QMap<QString, int> depoisDaPrimeira = contagens(destino);
        QVERIFY(depoisDaPrimeira.value(QStringLiteral("KXROTINA")) >= 5);
        QVERIFY(depoisDaPrimeira.value(QStringLiteral("KXEMPR")) >= 2);
        QCOMPARE(depoisDaPrimeira.value(QStringLiteral("KXCONSUM")), 1);

        const Execucao segunda = kxadmin({QStringLiteral("suite"), QStringLiteral("demo"), destino,
                                          QStringLiteral("--rede"), m_dir.path()});
        QVERIFY2(segunda.codigo == 0, qPrintable(segunda.erro));
        QCOMPARE(contagens(destino), depoisDaPrimeira);

        SessaoBanco s;
        s.setServidor(destino);
        s.conectar();
        ConsultaSql q(s);
        q.setSql(QStringLiteral("SELECT DIRKORVANE FROM KXCONSUM"));
        q.abrir();
        QCOMPARE(q.valor(0).toString(), m_dir.path());
        // The password never shows in what the tool prints.
        QVERIFY(!segunda.saida.contains(m_pg.senhaDono()));
    }

    // A server that is not there: one line on standard error, non-zero exit.
    void servidorForaDoAr_data()
    {
        QTest::addColumn<QString>("destino");
        const QString soquete = QString::fromUtf8(
            QUrl::toPercentEncoding(m_dir.filePath(QStringLiteral("sem-servidor"))));
        QTest::newRow("soquete sem servidor")
            << QStringLiteral("postgresql://kx:segredo@%1:5432/korvane").arg(soquete);
        QTest::newRow("sqlite em pasta inexistente")
            << QStringLiteral("sqlite:") + m_dir.filePath(QStringLiteral("nao/existe/suite.db"));
    }
    void servidorForaDoAr()
    {
        QFETCH(QString, destino);
        for (const char* acao : {"criar", "demo"}) {
            const Execucao r =
                kxadmin({QStringLiteral("suite"), QString::fromLatin1(acao), destino});
            QVERIFY(r.codigo > 0);
            const QStringList linhas = r.erro.split(u'\n', Qt::SkipEmptyParts);
            QCOMPARE(linhas.size(), 1);
            QVERIFY2(linhas.first().startsWith(QLatin1String("kxadmin: ")), qPrintable(r.erro));
            QVERIFY(!r.erro.contains(QLatin1String("segredo")));
        }
    }

    void argumentosInvalidos_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::newRow("sem destino")
            << QStringList{QStringLiteral("suite"), QStringLiteral("demo")};
        QTest::newRow("ação") << QStringList{QStringLiteral("suite"), QStringLiteral("apagar"),
                                             QStringLiteral("sqlite:/x")};
        QTest::newRow("destino") << QStringList{QStringLiteral("suite"), QStringLiteral("criar"),
                                                QStringLiteral("mysql://h/x")};
    }
    void argumentosInvalidos()
    {
        QFETCH(QStringList, argumentos);
        QVERIFY(kxadmin(argumentos).codigo > 0);
    }
};

QTEST_GUILESS_MAIN(TestKxadminSuite)
#include "tst_kxadminsuite.moc"
