#pragma once

#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class ConsultaSql;
class Dialeto;

// One database session over Qt SQL. Like a Qt SQL connection, it belongs to
// the thread that connects it: open it, query it and close it there.
//
// `servidor` is the database alias (resolved by DestinoBanco::resolverAlias,
// or a destination written in place of the alias); `usuario` and `senha` are
// the login, which wins over one written in the destination. SQLite has no
// logins and ignores them.
class SessaoBanco
{
public:
    SessaoBanco();
    ~SessaoBanco();
    SessaoBanco(const SessaoBanco&) = delete;
    SessaoBanco& operator=(const SessaoBanco&) = delete;

    const QString& servidor() const noexcept { return m_servidor; }
    const QString& usuario() const noexcept { return m_usuario; }
    const QString& senha() const noexcept { return m_senha; }
    void setServidor(const QString& v) { m_servidor = v; }
    void setUsuario(const QString& v) { m_usuario = v; }
    void setSenha(const QString& v) { m_senha = v; }

    // Runs before every connection; may replace server, user and password.
    void setAntesDeConectar(std::function<void(SessaoBanco&)> f)
    {
        m_antesDeConectar = std::move(f);
    }

    // A SQLite file that does not exist is created (otherwise refused).
    void setCriarArquivoSqlite(bool criar) { m_criarArquivoSqlite = criar; }

    // Connects when not connected. Raises EBancoDados with the database's own
    // message when the server cannot be reached or refuses the login.
    void conectar();
    // Closes every query of the session, rolls back an open transaction and
    // disconnects. Harmless when not connected.
    void desconectar();
    bool conectado() const;

    // The backend's dialect; raises EBancoDados when not connected.
    const Dialeto& dialeto() const;
    QSqlDatabase& banco() { return m_banco; }

    // Raw transaction control; writing code uses BlocoEscrita instead.
    bool emTransacao() const noexcept { return m_emTransacao; }
    void iniciarTransacao();
    void confirmarTransacao();
    void desfazerTransacao();

    // Runs a statement that returns no rows (DDL, savepoints); raises
    // ESQLQueryError with the database's message and the statement.
    void executar(const QString& sql);

    // The database's own text of an error (the driver's when it has none).
    static QString mensagemDoErro(const class QSqlError& erro);

    // Nesting depth of the writing blocks open on the session.
    int& profundidadeBlocos() noexcept { return m_profundidadeBlocos; }

private:
    friend class ConsultaSql;
    void registrar(ConsultaSql* c);
    void remover(ConsultaSql* c);

    QString m_servidor;
    QString m_usuario;
    QString m_senha;
    std::function<void(SessaoBanco&)> m_antesDeConectar;
    bool m_criarArquivoSqlite = false;

    const QString m_nomeConexao;
    QSqlDatabase m_banco;
    std::unique_ptr<Dialeto> m_dialeto;
    bool m_emTransacao = false;
    int m_profundidadeBlocos = 0;
    std::vector<ConsultaSql*> m_consultas; // not owned: each query unregisters itself
};
