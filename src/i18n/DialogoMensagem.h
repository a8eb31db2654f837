#pragma once

#include "i18n/TiposDialogo.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// The platform's message dialog: icon, message and one button per requested
// kind, laid out by hand so that the suite's pixel rules (footer, button row,
// details area) apply to it exactly.
class TDialogoMensagem : public QDialog
{
    Q_OBJECT

public:
    explicit TDialogoMensagem(const TPedidoDialogo& pPedido, QWidget* pParent = nullptr);

    QList<QPushButton*> Botoes() const { return m_botoes; }
    QPushButton* Botao(TMsgDlgBtn pTipo) const;

    // Grows the dialog by 9 pixels and puts the identification label, with a
    // line above it, at the bottom.
    void AdicionarRodape(const QString& pTexto);

    // Centres over pReferencia (the screen when null), then keeps the top-left
    // corner on the desktop.
    void Centralizar(const QWidget* pReferencia);

    // CR LF and lone CR as the line feeds the widgets break at.
    static QString QuebrasDeLinha(QString pTexto);

    // Buttons close the dialog with their modal result; closing it otherwise gives mrCancel.
    void reject() override;

    static constexpr int LarguraBotao = 75;
    static constexpr int AlturaBotao = 25;
    static constexpr int EspacoEntreBotoes = 6;
    static constexpr int Margem = 12;

private:
    void Montar(const TPedidoDialogo& pPedido);

    QLabel* m_icone = nullptr;
    QLabel* m_mensagem = nullptr;
    QList<QPushButton*> m_botoes;
};
