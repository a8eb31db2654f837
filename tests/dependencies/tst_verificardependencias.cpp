// Dependencies judged against the installed versions of the demo suite on the
// test PostgreSQL server.
#include "db/ConsultaSql.h"
#include "db/SessaoBanco.h"
#include "dependencies/VerificarDependencias.h"
#include "dependencies/VersaoAssembly.h"
#include "support/PostgresTeste.h"

#include <QTest>
#include <iterator>

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

    // Demo: KXSIS800/1 29.01.05.100, KXINF1203/1 29.00.02.010, KXBASE/2 29.02.01.000.
    const struct
    {
        const char* rotina;
        int opcao;
        const char* versao;
        const char* descricao;
        bool desatualizada;
        const char* descricaoFinal; // after judging
    } casos[] = {
        {"KXSIS800", 1, "29.01.05.100", "igual", false, "igual"},
        {"KXSIS800", 1, "29.01.05.101", "manifesto", true, "Cadastro de rotinas"},
        {"KXINF1203", 1, "29.00.02.09", "menor", false, "menor"},
        {"KXBASE", 2, "29.02.01.01", "manifesto", true, "Tabelas de vendas"},
        {"KXNENHUMA", 1, "01.00.00.00", "sem linha", true, "sem linha"},
        {"KXSIS800", 2, "01.00.00.00", "outra opção", true, "outra opção"},
        {"KXTESTE", 1, "02.00.00.00", "descrição do manifesto", true, "descrição do manifesto"},
        {"KXTESTE", 2, "01.00.00.00", "manifesto", true, "Versão ilegível"},
        {"KXTESTE", 3, "01.00.00.00", "manifesto", true, "Sem versão"},
        {"KXTESTE", 4, "01.02.03.00", "manifesto", true, "Três partes"},
    };
    TDependencias lista;
    for (const auto& c : casos) {
        lista.append(dep(QString::fromUtf8(c.rotina), c.opcao, QString::fromUtf8(c.versao),
                         QString::fromUtf8(c.descricao)));
    }
    const TDependencias compartilhada = lista;

    QVERIFY(!VerificarDependencias(lista, sessao));
    sessao.desfazerTransacao();

    QCOMPARE(compartilhada.size(), qsizetype(std::size(casos)));
    for (qsizetype i = 0; i < compartilhada.size(); ++i) {
        const TDependencia& d = compartilhada.at(i); // the flags are in the shared array
        QVERIFY2(d.Desatualizada == casos[i].desatualizada, qPrintable(QString::number(i)));
        QCOMPARE(d.Descricao, QString::fromUtf8(casos[i].descricaoFinal));
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
