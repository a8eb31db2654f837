// Dependencies judged against the installed versions of the demo suite on the
// test PostgreSQL server.
#include "db/ConsultaSql.h"
#include "db/SessaoBanco.h"
#include "dependencies/VerificarDependencias.h"
#include "dependencies/VersaoAssembly.h"
#include "support/PostgresTeste.h"

#include <QTest>

namespace {

TDependencia dep(const QString& rotina, int opcao, const QString& versao, const QString& descricao)
{
    TDependencia d;
    d.Rotina = rotina;
    d.Opcao = opcao;
    d.Versao = versao;
    d.Descricao = descricao;
    return d;
}

void inserir(SessaoBanco& s, const QString& rotina, int opcao, const QVariant& versao,
             const QVariant& descricao)
{
    ConsultaSql q(s);
    q.setSql(QStringLiteral("INSERT INTO KXVERSAOBD (ROTINA, OPCAO, VERSAO, DESCRICAO) "
                            "VALUES (:ROTINA, :OPCAO, :VERSAO, :DESCRICAO)"));
    q.setParametro(QStringLiteral("ROTINA"), rotina);
    q.setParametro(QStringLiteral("OPCAO"), opcao);
    q.setParametro(QStringLiteral("VERSAO"), versao);
    q.setParametro(QStringLiteral("DESCRICAO"), descricao);
    q.executar();
}

} // namespace

class TstVerificarDependencias : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listaVaziaNaoConsulta();
    void sinalizaExatamenteAsDesatualizadas();
    void todasAtendidas();

private:
    PostgresTeste m_pg;
};

void TstVerificarDependencias::initTestCase()
{
    m_pg = PostgresTeste::ler();
    QVERIFY2(m_pg.disponivel(), "o servidor PostgreSQL de teste não foi iniciado");
}

void TstVerificarDependencias::listaVaziaNaoConsulta()
{
    SessaoBanco semConexao; // never connected: any query would fail
    TDependencias vazia;
    QVERIFY(VerificarDependencias(vazia, semConexao));
    QVERIFY(!semConexao.conectado());
}

void TstVerificarDependencias::sinalizaExatamenteAsDesatualizadas()
{
    SessaoBanco sessao;
    sessao.setServidor(m_pg.destinoDono());
    sessao.conectar();
    // Rows the demo lacks, visible to this session only and rolled back.
    sessao.iniciarTransacao();
    inserir(sessao, QStringLiteral("KXTESTE"), 1, QStringLiteral("1.0.0.0"), QString());
    inserir(sessao, QStringLiteral("KXTESTE"), 2, QStringLiteral("abc"),
            QStringLiteral("Versão ilegível"));
    inserir(sessao, QStringLiteral("KXTESTE"), 3, QVariant(), QStringLiteral("Sem versão"));
    inserir(sessao, QStringLiteral("KXTESTE"), 4, QStringLiteral("1.2.3"),
            QStringLiteral("Três partes"));

    TDependencias lista;
    // Demo: KXSIS800/1 29.01.05.100, KXINF1203/1 29.00.02.010, KXBASE/2 29.02.01.000.
    lista.append(dep(QStringLiteral("KXSIS800"), 1, QStringLiteral("29.01.05.100"),
                     QStringLiteral("igual")));
    lista.append(dep(QStringLiteral("KXSIS800"), 1, QStringLiteral("29.01.05.101"),
                     QStringLiteral("manifesto")));
    lista.append(dep(QStringLiteral("KXINF1203"), 1, QStringLiteral("29.00.02.09"),
                     QStringLiteral("menor")));
    lista.append(dep(QStringLiteral("KXBASE"), 2, QStringLiteral("29.02.01.01"),
                     QStringLiteral("manifesto")));
    lista.append(dep(QStringLiteral("KXNENHUMA"), 1, QStringLiteral("01.00.00.00"),
                     QStringLiteral("sem linha")));
    lista.append(dep(QStringLiteral("KXSIS800"), 2, QStringLiteral("01.00.00.00"),
                     QStringLiteral("outra opção")));
    lista.append(dep(QStringLiteral("KXTESTE"), 1, QStringLiteral("02.00.00.00"),
                     QStringLiteral("descrição do manifesto")));
    lista.append(dep(QStringLiteral("KXTESTE"), 2, QStringLiteral("01.00.00.00"),
                     QStringLiteral("manifesto")));
    lista.append(dep(QStringLiteral("KXTESTE"), 3, QStringLiteral("01.00.00.00"),
                     QStringLiteral("manifesto")));
    lista.append(dep(QStringLiteral("KXTESTE"), 4, QStringLiteral("01.02.03.00"),
                     QStringLiteral("manifesto")));
    const TDependencias compartilhada = lista;

    QVERIFY(!VerificarDependencias(lista, sessao));
    sessao.desfazerTransacao();

    const QList<bool> desatualizadas{false, true, false, true, true, true, true, true, true, true};
    const QStringList descricoes{QStringLiteral("igual"),
                                 QStringLiteral("Cadastro de rotinas"),
                                 QStringLiteral("menor"),
                                 QStringLiteral("Tabelas de vendas"),
                                 QStringLiteral("sem linha"),
                                 QStringLiteral("outra opção"),
                                 QStringLiteral("descrição do manifesto"),
                                 QStringLiteral("Versão ilegível"),
                                 QStringLiteral("Sem versão"),
                                 QStringLiteral("Três partes")};
    QCOMPARE(compartilhada.size(), desatualizadas.size());
    for (qsizetype i = 0; i < compartilhada.size(); ++i) {
        const TDependencia& d = compartilhada.at(i); // the flags are in the shared array
        QVERIFY2(d.Desatualizada == desatualizadas.at(i), qPrintable(QString::number(i)));
        QCOMPARE(d.Descricao, descricoes.at(i));
        QCOMPARE(d.VersaoInteiro, VersaoParaInteiro(d.Versao));
    }
    QCOMPARE(compartilhada.at(1).VersaoInteiro, qint64(29001005101));
}

void TstVerificarDependencias::todasAtendidas()
{
    SessaoBanco sessao;
    sessao.setServidor(m_pg.destino()); // the routine login, as the launcher connects
    sessao.conectar();
    TDependencias lista;
    lista.append(
        dep(QStringLiteral("KXBASE"), 1, QStringLiteral("29.02.00.01"), QStringLiteral("a")));
    lista.append(
        dep(QStringLiteral("KXBASE"), 2, QStringLiteral("01.00.00.00"), QStringLiteral("b")));
    QVERIFY(VerificarDependencias(lista, sessao));
    QVERIFY(!lista.at(0).Desatualizada);
    QCOMPARE(lista.at(0).Descricao, QStringLiteral("a"));
    QCOMPARE(lista.at(1).VersaoInteiro, qint64(1000000000));
}

QTEST_GUILESS_MAIN(TstVerificarDependencias)
#include "tst_verificardependencias.moc"
