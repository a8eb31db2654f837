#include "repository/DadosRequisicao.h"

#include <QCoreApplication>
#include <QDir>

void TBancoDados::Limpar()
{
    FSenha.clear();
    FDataBase.clear();
    FUsuario.clear();
}

void TBancoDados::Carregar(const QString& pServer, const QString& pUsuario, const QString& pSenha)
{
    FDataBase = pServer;
    FUsuario = pUsuario;
    FSenha = pSenha;
}

void TDadosKorvane::Limpar()
{
    FOutrosParametros.clear();
    FUsuario.clear();
    FMatricula = QStringLiteral("0");
    FRotina = QStringLiteral("0");
    // The launcher's own folder, without the trailing delimiter.
    FDiretorio = QCoreApplication::instance()
                     ? QDir::cleanPath(QCoreApplication::applicationDirPath())
                     : QString();
}

TDadosRequisicao& DadosRequisicaoGlobal()
{
    static TDadosRequisicao dados;
    return dados;
}
