#include "i18n/InterfaceUsuarioRoteirizada.h"

TInterfaceUsuarioRoteirizada::TInterfaceUsuarioRoteirizada()
    : m_anterior(&InterfaceUsuario())
{
    DefinirInterfaceUsuario(this);
}

TInterfaceUsuarioRoteirizada::~TInterfaceUsuarioRoteirizada()
{
    if (&InterfaceUsuario() == this)
        DefinirInterfaceUsuario(m_anterior);
}

void TInterfaceUsuarioRoteirizada::Responder(int pResultado)
{
    std::lock_guard trava(m_mutex);
    m_resultados.push_back(pResultado);
}

void TInterfaceUsuarioRoteirizada::ResponderEntrada(std::optional<QString> pResposta)
{
    std::lock_guard trava(m_mutex);
    m_respostas.push_back(std::move(pResposta));
}

QList<TInterfaceUsuarioRoteirizada::TRegistro> TInterfaceUsuarioRoteirizada::Registros() const
{
    std::lock_guard trava(m_mutex);
    return m_registros;
}

int TInterfaceUsuarioRoteirizada::Quantidade() const
{
    std::lock_guard trava(m_mutex);
    return static_cast<int>(m_registros.size());
}

TInterfaceUsuarioRoteirizada::TRegistro TInterfaceUsuarioRoteirizada::Ultimo() const
{
    std::lock_guard trava(m_mutex);
    return m_registros.isEmpty() ? TRegistro() : m_registros.last();
}

void TInterfaceUsuarioRoteirizada::Limpar()
{
    std::lock_guard trava(m_mutex);
    m_registros.clear();
    m_resultados.clear();
    m_respostas.clear();
}

int TInterfaceUsuarioRoteirizada::Responda(TGenero pGenero, const TPedidoDialogo& pPedido)
{
    std::lock_guard trava(m_mutex);
    int resultado = mrOk;
    if (!m_resultados.empty()) {
        resultado = m_resultados.front();
        m_resultados.pop_front();
    } else if (pPedido.BotaoDefault && ResultadoDoBotao(*pPedido.BotaoDefault) != mrNone) {
        resultado = ResultadoDoBotao(*pPedido.BotaoDefault);
    } else if (!pPedido.Botoes.isEmpty()) {
        resultado = ResultadoDoBotao(pPedido.Botoes.first().Tipo);
    }
    TRegistro registro;
    registro.Genero = pGenero;
    registro.Dialogo = pPedido;
    registro.Resultado = resultado;
    m_registros.append(registro);
    return resultado;
}

int TInterfaceUsuarioRoteirizada::ExibirMensagem(const TPedidoDialogo& pPedido)
{
    return Responda(pPedido.Tipo == TTipoPedido::Detalhes ? TGenero::Detalhes : TGenero::Mensagem,
                    pPedido);
}

int TInterfaceUsuarioRoteirizada::ExibirDetalhes(const TPedidoDialogo& pPedido)
{
    return Responda(TGenero::Detalhes, pPedido);
}

std::optional<QString> TInterfaceUsuarioRoteirizada::Perguntar(const TPedidoEntrada& pPedido)
{
    std::lock_guard trava(m_mutex);
    std::optional<QString> resposta = pPedido.ValorPadrao;
    if (!m_respostas.empty()) {
        resposta = m_respostas.front();
        m_respostas.pop_front();
    }
    TRegistro registro;
    registro.Genero = TGenero::Entrada;
    registro.Entrada = pPedido;
    registro.Resposta = resposta;
    m_registros.append(registro);
    return resposta;
}
