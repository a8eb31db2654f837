#pragma once

#include "i18n/InterfaceUsuario.h"

#include <QList>
#include <deque>
#include <mutex>

// A user interface for tests: records every request and answers from a script
// instead of showing anything. While it exists it is the process's interface
// (the previous one comes back when it is destroyed). Safe to call from any thread.
class TInterfaceUsuarioRoteirizada : public IInterfaceUsuario
{
public:
    enum class TGenero
    {
        Mensagem,
        Entrada,
        Detalhes
    };

    struct TRegistro
    {
        TGenero Genero = TGenero::Mensagem;
        TPedidoDialogo Dialogo; // Mensagem and Detalhes
        TPedidoEntrada Entrada; // Entrada
        int Resultado = mrNone;
        std::optional<QString> Resposta;
    };

    TInterfaceUsuarioRoteirizada();
    ~TInterfaceUsuarioRoteirizada() override;
    TInterfaceUsuarioRoteirizada(const TInterfaceUsuarioRoteirizada&) = delete;
    TInterfaceUsuarioRoteirizada& operator=(const TInterfaceUsuarioRoteirizada&) = delete;

    // The next dialog is answered with this modal result. Without a scripted
    // answer a dialog gets its default button (else its first, else OK).
    void Responder(int pResultado);
    // The next question is answered with this text; nullopt cancels. Without
    // a scripted answer the offered value is confirmed.
    void ResponderEntrada(std::optional<QString> pResposta);

    QList<TRegistro> Registros() const;
    int Quantidade() const;
    TRegistro Ultimo() const; // the last request; an empty record when none
    void Limpar();

    int ExibirMensagem(const TPedidoDialogo& pPedido) override;
    std::optional<QString> Perguntar(const TPedidoEntrada& pPedido) override;
    int ExibirDetalhes(const TPedidoDialogo& pPedido) override;

private:
    int Responda(TGenero pGenero, const TPedidoDialogo& pPedido);

    mutable std::mutex m_mutex;
    std::deque<int> m_resultados;
    std::deque<std::optional<QString>> m_respostas;
    QList<TRegistro> m_registros;
    IInterfaceUsuario* m_anterior = nullptr;
};
