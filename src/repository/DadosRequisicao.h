#pragma once

#include <QString>

// The database credentials of the current opening request.
struct TBancoDados
{
    QString FSenha;
    QString FDataBase; // the database alias the request named
    QString FUsuario;

    void Limpar();
    void Carregar(const QString& pServer, const QString& pUsuario, const QString& pSenha);
};

// The data of the current opening request.
struct TDadosKorvane
{
    QString FRotina;
    QString FMatricula;
    QString FUsuario;   // the employee's database user, read from the database
    QString FDiretorio; // the suite's network directory, read from the database
    QString FEmail;
    QString FOutrosParametros;
    QString FSenha;
    bool FExecutarLocal = false;

    // Clears the request's own fields; e-mail, password and the
    // local-execution flag keep their values.
    void Limpar();
};

// The records of the latest request: one of each per process. Openings run
// one at a time, on the data module's worker thread, so they are not locked.
struct TDadosRequisicao
{
    TBancoDados BancoDadosGlobal;
    TDadosKorvane DadosKorvaneGlobal;
};

TDadosRequisicao& DadosRequisicaoGlobal();

inline TBancoDados& BancoDadosGlobal()
{
    return DadosRequisicaoGlobal().BancoDadosGlobal;
}

inline TDadosKorvane& DadosKorvaneGlobal()
{
    return DadosRequisicaoGlobal().DadosKorvaneGlobal;
}
