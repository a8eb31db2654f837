#pragma once

#include "db/ConsultaSql.h"
#include "db/SessaoBanco.h"

#include <QMap>
#include <QString>
#include <QVariant>

// The database side of the data module: its one session (dbLogin) and one
// query (qryLocal), connected with the credentials of the latest request
// (BancoDadosGlobal), and the values the opening reads from the suite.
// Lives on the data module's worker thread, like the session it owns.
class RepositorioSessao
{
public:
    RepositorioSessao();
    ~RepositorioSessao();
    RepositorioSessao(const RepositorioSessao&) = delete;
    RepositorioSessao& operator=(const RepositorioSessao&) = delete;

    SessaoBanco& dbLogin() { return m_dbLogin; }

    // Before every connection: server, user and password of BancoDadosGlobal.
    static void dbLoginBeforeConnect(SessaoBanco& sessao);

    // First column of the first row as text; empty for no row or NULL.
    // Connects first when the session is not connected or names another
    // server than BancoDadosGlobal; a connected session on the same server
    // is reused as it is, even when the request brought another user.
    QString ConsultarValor(const QString& sql, const QMap<QString, QVariant>& parametros = {});

    // The suite's network directory (KXCONSUM).
    QString ObterDirKorvane();
    // True when that directory exists; false also when anything fails.
    bool DirKorvaneValido();
    // The employee's database user (KXEMPR.USUARIOBD).
    QString ObterUsuarioBD(const QString& pMatricula);
    // The portal address: IPMOBILE + ":" + PORTAMOBILE.
    QString ObterIpPortaMobile();
    // The server clock minus pDiminuirHoras hours, as DDMMYYYYHH24MI.
    QString ObterRelogio(int pDiminuirHoras);
    // The token the portal must send for this routine and employee:
    // MD5(MD5(password) + routine + employee + clock), upper-case hexadecimal.
    QString ObterHashToken(const QString& pRotina, const QString& pMatricula, int pDiminuirHoras);

private:
    // The reuse rule: reconnect only when disconnected or the server changed.
    void garantirConexao();

    SessaoBanco m_dbLogin;
    ConsultaSql m_qryLocal;
};
