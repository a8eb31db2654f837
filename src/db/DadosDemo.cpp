#include "db/DadosDemo.h"

#include "db/BlocoEscrita.h"
#include "db/CifraSenhaBanco.h"
#include "db/ConsultaSql.h"
#include "db/Dialeto.h"
#include "db/EsquemaSuite.h"
#include "db/SessaoBanco.h"
#include "platform/Caminhos.h"

#include <QVariantList>

namespace {

struct Linhas
{
    QString tabela;
    QStringList chaves;
    QStringList colunas;
    QList<QVariantList> linhas;
};

QVariant nulo()
{
    return QVariant(QMetaType::fromType<QString>());
}

QVariantList empregado(int matricula, const QString& nome, const QString& usuario,
                       const QString& senha, const QString& email)
{
    return {matricula, nome, usuario, CifraSenhaBanco::cifrar(senha, usuario), email};
}

QList<Linhas> dados()
{
    const QString u = QString::fromLatin1(DadosDemo::kUsuarioBD);
    const QString s = QString::fromLatin1(DadosDemo::kSenhaBD);
    return {
        {QStringLiteral("KXMODULO"),
         {QStringLiteral("CODMODULO")},
         {QStringLiteral("NOME")},
         {{1, QStringLiteral("Sistema")}, {2, QStringLiteral("Vendas")}}},
        {QStringLiteral("KXSUBMODULO"),
         {QStringLiteral("CODMODULO"), QStringLiteral("CODSUBMODULO")},
         {QStringLiteral("NOME")},
         {{1, 1, QStringLiteral("Administração")}, {2, 1, QStringLiteral("Pedidos")}}},
        {QStringLiteral("KXROTINA"),
         {QStringLiteral("CODIGO")},
         {QStringLiteral("NOMEROTINA"), QStringLiteral("ACAO"), QStringLiteral("LOG"),
          QStringLiteral("CODMODULO"), QStringLiteral("CODSUBMODULO"),
          QStringLiteral("QTUTILIZACAO")},
         {
             {132, QStringLiteral("Parâmetros do sistema"), QStringLiteral("KXSIS132.EXE"),
              QStringLiteral("S"), 1, 1, 0},
             {530, QStringLiteral("Usuários do sistema"), QStringLiteral("KXSIS530.EXE"),
              QStringLiteral("N"), 1, 1, 0},
             {800, QStringLiteral("Cadastro de rotinas"), QStringLiteral("KXSIS800.EXE"),
              QStringLiteral("S"), 1, 1, 0},
             {801, QStringLiteral("Etiquetas de rotinas"), QStringLiteral("KXSIS801.EXE"),
              QStringLiteral("N"), 1, 1, 0},
             {1203, QStringLiteral("Pedido de venda"), QStringLiteral("KXINF1203.EXE"),
              QStringLiteral("S"), 2, 1, 0},
             {1500, QStringLiteral("Painel de vendas"),
              QStringLiteral("KXTOR1500.EXE X${USUARIOKV} ${SENHABD}"), QStringLiteral("N"), 2,
              nulo(), 0},
         }},
        {QStringLiteral("KXEMPR"),
         {QStringLiteral("MATRICULA")},
         {QStringLiteral("NOME"), QStringLiteral("USUARIOBD"), QStringLiteral("SENHABD"),
          QStringLiteral("EMAIL")},
         {
             empregado(1, QStringLiteral("Supervisor do sistema"), QStringLiteral("SUPERVISOR"),
                       QStringLiteral("SUPERVISOR"), QStringLiteral("supervisor@korvane.exemplo")),
             empregado(DadosDemo::kMatriculaUsuario, QStringLiteral("Maria da Silva"), u, s,
                       QStringLiteral("maria@korvane.exemplo")),
             empregado(1002, QStringLiteral("João Pereira"), QStringLiteral("KXVENDAS"),
                       QStringLiteral("VENDAS2026"), QStringLiteral("joao@korvane.exemplo")),
         }},
        {QStringLiteral("KXCONTRO"),
         {QStringLiteral("CODROTINA"), QStringLiteral("CODUSUARIO")},
         {QStringLiteral("ACESSO")},
         {
             {800, 1, QStringLiteral("S")},
             {800, DadosDemo::kMatriculaUsuario, QStringLiteral("S")},
             {801, DadosDemo::kMatriculaUsuario, QStringLiteral("S")},
             {1203, DadosDemo::kMatriculaUsuario, QStringLiteral("S")},
             {1500, DadosDemo::kMatriculaUsuario, QStringLiteral("S")},
             {132, DadosDemo::kMatriculaUsuario, QStringLiteral("N")},
             {1203, 1002, QStringLiteral("S")},
         }},
        {QStringLiteral("KXPARAMFILIAL"),
         {QStringLiteral("NOME")},
         {QStringLiteral("VALOR"), QStringLiteral("DESCRICAO")},
         {
             {QStringLiteral("LNC_VERSAOKORVANE"), QStringLiteral("29"),
              QStringLiteral("3975 - Versão do Korvane Launcher")},
             {QStringLiteral("IPMOBILE"), QStringLiteral("127.0.0.1"),
              QStringLiteral("Endereço do portal")},
             {QStringLiteral("PORTAMOBILE"), QStringLiteral("8080"),
              QStringLiteral("Porta do portal")},
         }},
        {QStringLiteral("KXVERSAOBD"),
         {QStringLiteral("ROTINA"), QStringLiteral("OPCAO")},
         {QStringLiteral("VERSAO"), QStringLiteral("DESCRICAO")},
         {
             {QStringLiteral("KXSIS800"), 1, QStringLiteral("29.01.05.100"),
              QStringLiteral("Cadastro de rotinas")},
             {QStringLiteral("KXINF1203"), 1, QStringLiteral("29.00.02.010"),
              QStringLiteral("Pedido de venda")},
             {QStringLiteral("KXBASE"), 1, QStringLiteral("29.02.00.001"),
              QStringLiteral("Estrutura básica do banco")},
             {QStringLiteral("KXBASE"), 2, QStringLiteral("29.02.01.000"),
              QStringLiteral("Tabelas de vendas")},
         }},
        {QStringLiteral("KXROTDESCONTINUADAS"),
         {QStringLiteral("CODIGO")},
         {QStringLiteral("CODROTINA"), QStringLiteral("NOME"), QStringLiteral("MOTIVO"),
          QStringLiteral("ACAO"), QStringLiteral("DATA")},
         {
             {1, 715, QStringLiteral("Relatório de comissões"),
              QStringLiteral("As comissões passaram a ser calculadas no pedido de venda."),
              QStringLiteral("Use a rotina 1203 - Pedido de venda, aba Comissões."),
              QStringLiteral("2024-03-01 00:00:00")},
             {2, 801, QStringLiteral("Etiquetas de rotinas"),
              QStringLiteral("As etiquetas foram unificadas com o cadastro de rotinas."),
              QStringLiteral("Use a rotina 800 - Cadastro de rotinas."),
              QStringLiteral("2025-01-15 00:00:00")},
         }},
    };
}

// Tables of one row and no key: inserted only while empty.
void linhaUnica(SessaoBanco& sessao, const QString& tabela, const QString& coluna,
                const QString& tipo, const QVariant& valor, bool substituir)
{
    ConsultaSql q(sessao);
    if (substituir) {
        q.setSql(QStringLiteral("UPDATE %1 SET %2 = :VALOR").arg(tabela, coluna));
        q.setParametro(QStringLiteral("VALOR"), valor);
        q.executar();
    }
    q.setSql(QStringLiteral("INSERT INTO %1 (%2)\nSELECT CAST(:VALOR AS %3)\n"
                            "WHERE NOT EXISTS (SELECT 1 FROM %1)")
                 .arg(tabela, coluna, tipo));
    q.setParametro(QStringLiteral("VALOR"), valor);
    q.executar();
}

} // namespace

namespace DadosDemo {

QString dirRedePadrao()
{
    return Caminhos::dirInstalacaoPadrao() + QStringLiteral("Rede");
}

void carregar(SessaoBanco& sessao, const QString& dirRede)
{
    EsquemaSuite::criar(sessao);
    BlocoEscrita bloco(sessao);
    ConsultaSql q(sessao);
    for (const Linhas& t : dados()) {
        q.setSql(sessao.dialeto().sqlInserirSeAusente(t.tabela, t.chaves, t.colunas));
        const QStringList todas = t.chaves + t.colunas;
        for (const QVariantList& linha : t.linhas) {
            q.limparParametros();
            for (int i = 0; i < todas.size(); ++i)
                q.setParametro(todas.at(i), linha.value(i));
            q.executar();
        }
    }
    linhaUnica(sessao, QStringLiteral("KXCONSUM"), QStringLiteral("DIRKORVANE"),
               QStringLiteral("VARCHAR(250)"), dirRede.isEmpty() ? dirRedePadrao() : dirRede,
               !dirRede.isEmpty());
    linhaUnica(sessao, QStringLiteral("KXLICENCA"), QStringLiteral("MODELOVERSAO"),
               QStringLiteral("INTEGER"), 2, false);
    bloco.confirmar();
}

} // namespace DadosDemo
