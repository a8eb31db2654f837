#include "db/BlocoEscrita.h"

#include "db/SessaoBanco.h"

#include <QString>

namespace {

QString savepoint(int nivel)
{
    return QStringLiteral("KS_BLOCO_%1").arg(nivel);
}

} // namespace

BlocoEscrita::BlocoEscrita(SessaoBanco& sessao)
    : m_sessao(sessao)
{
    if (!m_sessao.emTransacao()) {
        m_sessao.iniciarTransacao();
        m_dono = true;
    } else {
        m_nivel = m_sessao.profundidadeBlocos() + 1;
        m_sessao.executar(QStringLiteral("SAVEPOINT ") + savepoint(m_nivel));
    }
    ++m_sessao.profundidadeBlocos();
    m_aberto = true;
}

BlocoEscrita::~BlocoEscrita()
{
    if (!m_aberto)
        return;
    try {
        desfazer();
    } catch (...) { // a destructor must not throw; the rollback is best effort
    }
}

bool BlocoEscrita::encerrar()
{
    if (!m_aberto)
        return false;
    m_aberto = false;
    if (m_sessao.profundidadeBlocos() > 0)
        --m_sessao.profundidadeBlocos();
    return true;
}

void BlocoEscrita::confirmar()
{
    if (!encerrar())
        return;
    if (m_dono)
        m_sessao.confirmarTransacao();
    else
        m_sessao.executar(QStringLiteral("RELEASE SAVEPOINT ") + savepoint(m_nivel));
}

void BlocoEscrita::desfazer()
{
    if (!encerrar() || !m_sessao.conectado())
        return;
    if (m_dono) {
        m_sessao.desfazerTransacao();
    } else {
        m_sessao.executar(QStringLiteral("ROLLBACK TO SAVEPOINT ") + savepoint(m_nivel));
        m_sessao.executar(QStringLiteral("RELEASE SAVEPOINT ") + savepoint(m_nivel));
    }
}
