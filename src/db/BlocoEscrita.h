#pragma once

class SessaoBanco;

// A writing block on a session. When no transaction is open it starts one
// and owns it: confirmar() commits, desfazer() (or leaving the scope without
// confirmar()) rolls back. Inside a transaction that someone else started it
// never ends that transaction: it works within a savepoint, which confirmar()
// releases and desfazer() rolls back, so a failed inner block undoes only its
// own work and the outer transaction stays usable.
class BlocoEscrita
{
public:
    explicit BlocoEscrita(SessaoBanco& sessao);
    ~BlocoEscrita();
    BlocoEscrita(const BlocoEscrita&) = delete;
    BlocoEscrita& operator=(const BlocoEscrita&) = delete;

    void confirmar();
    void desfazer();

    bool iniciouTransacao() const noexcept { return m_dono; }

private:
    // Marks the block closed; false when it already was.
    bool encerrar();

    SessaoBanco& m_sessao;
    bool m_dono = false;
    bool m_aberto = false;
    int m_nivel = 0;
};
