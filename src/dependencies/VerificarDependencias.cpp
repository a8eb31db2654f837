#include "dependencies/VerificarDependencias.h"

#include "db/ConsultaSql.h"
#include "dependencies/VersaoAssembly.h"

bool VerificarDependencias(TDependencias& dependencias, SessaoBanco& sessao)
{
    if (dependencias.isEmpty())
        return true;

    ConsultaSql consulta(sessao);
    consulta.setSql(QStringList{
        QStringLiteral("SELECT KXVERSAOBD.VERSAO"),
        QStringLiteral(",KXVERSAOBD.DESCRICAO"),
        QStringLiteral("FROM   KXVERSAOBD"),
        QStringLiteral("WHERE  KXVERSAOBD.ROTINA = :ROTINA"),
        QStringLiteral("AND    KXVERSAOBD.OPCAO = :OPCAO"),
    });
    bool todasAtendidas = true;
    for (TDependencia& dependencia : dependencias) {
        consulta.fechar();
        consulta.setParametro(QStringLiteral("ROTINA"), dependencia.Rotina);
        consulta.setParametro(QStringLiteral("OPCAO"), dependencia.Opcao);
        consulta.abrir();
        if (consulta.eof()) {
            dependencia.Desatualizada = true;
        } else if (!VersaoAtendida(dependencia.Versao, consulta.valor(0).toString())) {
            dependencia.Desatualizada = true;
            const QString descricao = consulta.valor(1).toString();
            if (!descricao.isEmpty())
                dependencia.Descricao = descricao;
        }
        dependencia.VersaoInteiro = VersaoParaInteiro(dependencia.Versao);
        if (dependencia.Desatualizada)
            todasAtendidas = false;
    }
    consulta.fechar();
    return todasAtendidas;
}
