#pragma once

#include "i18n/EAbort.h"
#include "i18n/KXLinguasDicionario.h"
#include "i18n/KXLinguasLog.h"
#include "i18n/KXLinguasTexto.h"
#include "i18n/Mensagem.h"
#include "i18n/TiposDialogo.h"
#include "platform/EKorvane.h"

#include <QDateTime>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QVariantList>
#include <exception>
#include <memory>

class IInterfaceUsuario;
class QWidget;

// The localization component: puts every user text of the suite into the
// user's language and shows the suite's message dialogs. Texts are written in
// Brazilian Portuguese ("PT-BR"), which passes through untranslated; "^M" in a
// text is a line break and "%s" a positional parameter.
//
// Every dialog goes through the user interface (InterfaceUsuario.h), so these
// operations may be called from any thread. Internacionalizar, TraduzirComponente,
// TraduzirCaption and the focusing form of Atencao touch widgets: GUI thread only.
class TKXLinguas : public QObject
{
    Q_OBJECT

public:
    explicit TKXLinguas(QObject* AOwner = nullptr);
    ~TKXLinguas() override;

    // Properties.
    QObject* BancoDados() const { return m_bancoDados; }
    void SetBancoDados(QObject* pValor);
    QString DiretorioListas() const;
    void SetDiretorioListas(const QString& pValor);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool pValor) { m_enabled = pValor; }
    QString Idioma() const;
    void SetIdioma(const QString& pValor);
    QString NomeLogTermoDesconhecido() const;
    void SetNomeLogTermoDesconhecido(const QString& pValor);
    TLogMode LogMode() const;
    void SetLogMode(TLogMode pValor);
    bool TraduzDataSource() const { return m_traduzDataSource; }
    void SetTraduzDataSource(bool pValor) { m_traduzDataSource = pValor; }
    QString Versao() const { return QStringLiteral("2.00 de 11/11/2015 15:00"); }
    void SetVersao(const QString&) {}
    bool BloquearCargaDLL() const { return m_bloquearCargaDLL; }
    void SetBloquearCargaDLL(bool pValor) { m_bloquearCargaDLL = pValor; }

    // The user interface of this component's dialogs; by default the process's.
    IInterfaceUsuario& InterfaceUsuario() const;
    void SetInterfaceUsuario(IInterfaceUsuario* pInterface) { m_interface = pInterface; }

    // Translation.
    QString ObtenhaTextoNoIdioma(const QString& Texto);
    QString ObtenhaTextoNoIdioma(const QString& Texto, const QStringList& MsgParams);
    QString ObterPeriodo(const QDateTime& pdInicio, const QDateTime& pdFinal);
    void CarregarLista();

    // Translation of windows and their widgets (GUI thread).
    void Internacionalizar(QObject* Formulario);
    void TraduzirComponente(QObject* pComponente);
    void TraduzirCaption(QObject* Componente);

    // Message dialogs; results are modal results (TModalResult).
    int MessageDlg(const QString& Msg, const QStringList& MsgParams, TMsgDlgType DlgType,
                   TMsgDlgButtons Buttons, TMsgDlgBtn DefaultButton);
    int MessageDlg(const QString& Msg, const QStringList& MsgParams, TMsgDlgType DlgType,
                   TMsgDlgButtons Buttons);
    bool Questionar(const QString& Mensagem, quint8 BotaoDefault = 0);
    bool Questionar(const QString& Mensagem, const QStringList& MsgParams, quint8 BotaoDefault = 0);
    void Atencao(const QString& Mensagem);
    void Atencao(const QString& Mensagem, const QStringList& MsgParams);
    // Validation shortcut: when pCondicaoMsg holds, warns, brings pComponenteFoco
    // into view and focus, and with pAbortarProcesso throws EAbort.
    void Atencao(bool pCondicaoMsg, const QString& Mensagem, bool pAbortarProcesso,
                 QWidget* pComponenteFoco = nullptr);
    void Exclamar(const QString& Mensagem);
    void Exclamar(const QString& Mensagem, const QStringList& MsgParams);
    void Erro(const QString& Mensagem);
    void Erro(const QString& Mensagem, const QStringList& MsgParams);
    void Informar(const QString& Mensagem);
    void Informar(const QString& Mensagem, const QStringList& MsgParams);
    // One caption per button of Buttons, in the buttons' fixed order.
    int Escolher(const QString& psMensagem, const QStringList& MsgParams, TMsgDlgButtons Buttons,
                 const QStringList& psTextoButton, TMsgDlgBtn DefaultButton);
    // Two options and Cancel: 6 (mrYes) for the first, 7 (mrNo) for the second, 2 for Cancel.
    int Escolher(const QString& psTitulo, const QString& psMensagem, const QStringList& MsgParams,
                 const QString& psOpcao1, const QString& psOpcao2);

    // Fixed messages.
    bool DesejaCancelar(quint8 BotaoDefault = 0);
    bool DesejaGravar(quint8 BotaoDefault = 0);
    bool DesejaLimpar(quint8 BotaoDefault = 0);
    bool DesejaExcluir(quint8 BotaoDefault = 0);
    bool DesejaFechar(quint8 BotaoDefault = 0);
    void Concluido();
    void MensErroCpd();
    void NenhumDado();
    void ErroBancoDados(const QString& Excessao);
    void ErroBancoDados(const std::exception& Excessao);

    // One-line input; a bad or cancelled answer gives back the default.
    QString InputBox(const QString& psTitulo, const QString& psLabel,
                     const QString& psValorDefault);
    int InputBox(const QString& psTitulo, const QString& psLabel, int psValorDefault);
    QDateTime InputBox(const QString& psTitulo, const QString& psLabel,
                       const QDateTime& psValorDefault);

    // Exceptions with translated messages.
    [[noreturn]] void RaiseError(const QString& MsgErro);
    template<class E> [[noreturn]] void RaiseError(const QString& MsgErro)
    {
        throw E(ObtenhaTextoNoIdioma(MsgErro));
    }
    [[noreturn]] void RaiseErrorFmt(const QString& MsgErro, const QVariantList& Args);
    template<class E>
    [[noreturn]] void RaiseErrorFmt(const QString& MsgErro, const QVariantList& Args)
    {
        throw E(FormatarTexto(ObtenhaTextoNoIdioma(MsgErro), Args));
    }

    // The footer of the message dialogs: program file name, its version and
    // its folder (with the trailing delimiter).
    static QString TextoRodape();

private:
    TPedidoDialogo PedidoMensagem(const QString& Msg, const QStringList& MsgParams,
                                  TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                                  std::optional<TMsgDlgBtn> DefaultButton);
    QString TraduzirTermo(const QString& Texto);
    void FormPass(QObject* Formulario);
    void PercorrerComponentes(QObject* pPai);
    void TraduzirPropriedade(QObject* pObjeto, const char* pNome);

    mutable QMutex m_mutex; // guards the language, folder and list across threads
    QPointer<QObject> m_bancoDados;
    QString m_diretorioListas;
    bool m_enabled = true;
    QString m_idioma = QStringLiteral("PT-BR");
    bool m_traduzDataSource = true;
    bool m_bloquearCargaDLL = false;
    bool m_listaCarregada = false;
    bool m_bancoInvalidoAvisado = false;
    TListaTermos m_lista;
    std::unique_ptr<TLogTermoDesconhecido> m_log;
    QList<QPointer<QObject>> m_traduzidos;
    IInterfaceUsuario* m_interface = nullptr;
};
