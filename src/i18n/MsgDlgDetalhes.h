#pragma once

#include "i18n/TiposDialogo.h"

#include <QPointer>
#include <QStringList>
#include <memory>

class QLabel;
class QPushButton;
class QTextEdit;
class QWidget;
class TDialogoMensagem;

// A message dialog that can fold out a read-only area with technical details
// (the SQL text of a failed statement, say) and offer a link to a related file.
class TMessageDlgDetalhes
{
public:
    // Shows the dialog (from any thread, through the user interface) and
    // returns its modal result.
    static int Exibir(const QString& Msg, TMsgDlgType DlgType, const TMsgDlgButtons& Buttons,
                      const QStringList& pDetalhes, bool pExibindoDetalhes,
                      const QString& pNomeArquivoAbrir);

    // The request Exibir hands to the user interface.
    static TPedidoDialogo Pedido(const QString& Msg, TMsgDlgType DlgType,
                                 const TMsgDlgButtons& Buttons, const QStringList& pDetalhes,
                                 bool pExibindoDetalhes, const QString& pNomeArquivoAbrir);

    // Builds and runs the dialog for a finished request; GUI thread only.
    static int ExibirNaTela(const TPedidoDialogo& pPedido);

    ~TMessageDlgDetalhes();

    static constexpr int LarguraMinima = 430;
    static constexpr int DistanciaBotoesDaBorda = 10;

private:
    explicit TMessageDlgDetalhes(const TPedidoDialogo& pPedido);
    void SetExibindoDetalhes(bool pExibindo);
    void AbrirArquivo() const;
    int Executar();

    std::unique_ptr<TDialogoMensagem> fMessageDialog;
    QTextEdit* fMemoDetalhes = nullptr;
    QPushButton* fBtnDetalhes = nullptr;
    bool fExibindoDetalhes = false;
    int fTopBotoes = 0;
    int fHeightBotoes = 0;
    QPointer<QWidget> fCompFocalizado;
    QString fNomeArquivoAbrir;
    QLabel* fLabelLink = nullptr;
    int fAlturaAberto = 0;
    int fAlturaFechado = 0;
};

// The two unit-level forms: details as a list of lines, or as one text split
// at its line breaks (CR LF, CR or LF).
int MessageDlgDetalhes(const QString& Msg, TMsgDlgType DlgType, const TMsgDlgButtons& Buttons,
                       const QStringList& pDetalhes, bool pExibindoDetalhes = false,
                       const QString& pNomeArquivoAbrir = QString());
int MessageDlgDetalhes(const QString& Msg, TMsgDlgType DlgType, const TMsgDlgButtons& Buttons,
                       const QString& pDetalhes, bool pExibindoDetalhes = false,
                       const QString& pNomeArquivoAbrir = QString());
