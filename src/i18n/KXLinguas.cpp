#include "i18n/KXLinguas.h"

#include "i18n/InterfaceUsuario.h"
#include "i18n/Mensagem.h"
#include "platform/FileVersionUnit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <atomic>

namespace {

const QString IdiomaOrigem = QStringLiteral("PT-BR");
const QString NomeArquivoListas = QStringLiteral("korvane-todos.lng");

// The toolkit's own texts (standard dialogs, context menus) in Brazilian
// Portuguese, installed once per process by the first component.
void TraduzirTextosDoToolkit()
{
    static std::atomic_bool feito{false};
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || feito.exchange(true))
        return;
    auto* tradutor = new QTranslator(app);
    if (tradutor->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(tradutor);
    else
        delete tradutor;
}

} // namespace

TKXLinguas::TKXLinguas(QObject* AOwner)
    : QObject(AOwner)
    , m_log(std::make_unique<TLogTermoDesconhecido>(this))
{
    TraduzirTextosDoToolkit();
    m_log->SetLogMode(lmTranslation);
}

TKXLinguas::~TKXLinguas() = default;

IInterfaceUsuario& TKXLinguas::InterfaceUsuario() const
{
    return m_interface ? *m_interface : ::InterfaceUsuario();
}

void TKXLinguas::SetBancoDados(QObject* pValor)
{
    const QByteArray classe =
        pValor ? QByteArray(pValor->metaObject()->className()).toUpper() : QByteArray();
    if (classe == "TDATABASE" || classe == "TORASESSION" || classe == "TSQLCONNECTION") {
        m_bancoDados = pValor;
        return;
    }
    m_bancoDados = nullptr;
    if (m_bancoInvalidoAvisado)
        return;
    m_bancoInvalidoAvisado = true;
    TPedidoDialogo pedido = TMensagem::Pedido(
        QStringLiteral("Não é possível carregar o idioma ") + Idioma() +
            QStringLiteral(".\r\n\r\nSr. programador, atribua à propriedade BancoDados do "
                           "KXLinguas um objeto da classe TOraSession, TDataBase ou "
                           "TSQLConnection."),
        mtError, {mbOK});
    pedido.Titulo = QStringLiteral("Idioma não carregado");
    InterfaceUsuario().ExibirMensagem(pedido);
}

QString TKXLinguas::DiretorioListas() const
{
    QMutexLocker trava(&m_mutex);
    return m_diretorioListas;
}

void TKXLinguas::SetDiretorioListas(const QString& pValor)
{
    QString valor;
    if (!pValor.trimmed().isEmpty()) {
        valor = pValor;
        if (!QDir(valor).exists())
            Atencao(QStringLiteral("A pasta das listas de tradução não foi encontrada!\r\n[") +
                    valor + QLatin1Char(']'));
        if (!valor.endsWith(QLatin1Char('/')))
            valor += QLatin1Char('/');
    }
    QMutexLocker trava(&m_mutex);
    if (valor != m_diretorioListas) {
        m_diretorioListas = valor;
        m_listaCarregada = false;
    }
}

QString TKXLinguas::Idioma() const
{
    QMutexLocker trava(&m_mutex);
    return m_idioma;
}

void TKXLinguas::SetIdioma(const QString& pValor)
{
    const QString valor = pValor.toUpper();
    QMutexLocker trava(&m_mutex);
    if (valor != m_idioma) {
        m_idioma = valor;
        m_listaCarregada = false;
    }
}

QString TKXLinguas::NomeLogTermoDesconhecido() const
{
    QMutexLocker trava(&m_mutex);
    return m_log->NomeArquivo();
}

void TKXLinguas::SetNomeLogTermoDesconhecido(const QString& pValor)
{
    // An empty name simply turns the log off.
    const QString pasta = pValor.left(pValor.lastIndexOf(QLatin1Char('/')) + 1);
    if (!pValor.isEmpty() && (pasta.isEmpty() || !QDir(pasta).exists())) {
        TMensagem::Atencao(QStringLiteral("O nome ou diretório do arquivo para log dos termos "
                                          "desconhecidos é inválido:") +
                           pasta);
        return;
    }
    QMutexLocker trava(&m_mutex);
    m_log->SetNomeArquivo(pValor);
}

TLogMode TKXLinguas::LogMode() const
{
    QMutexLocker trava(&m_mutex);
    return m_log->LogMode();
}

void TKXLinguas::SetLogMode(TLogMode pValor)
{
    QMutexLocker trava(&m_mutex);
    m_log->SetLogMode(pValor);
}

void TKXLinguas::CarregarLista()
{
    enum class TAviso
    {
        Nenhum,
        SemDiretorio,
        SemIdioma
    } aviso = TAviso::Nenhum;
    {
        QMutexLocker trava(&m_mutex);
        if (m_idioma == IdiomaOrigem) {
            m_lista.Clear();
        } else if (m_diretorioListas.isEmpty()) {
            aviso = TAviso::SemDiretorio;
        } else if (m_idioma.isEmpty()) {
            aviso = TAviso::SemIdioma;
            m_idioma = IdiomaOrigem;
        } else {
            m_lista.SetIdioma(m_idioma);
            m_lista.LoadFromFile(m_diretorioListas + NomeArquivoListas);
        }
        m_listaCarregada = true;
    }
    // Shown outside the lock: the dialog may wait for the GUI thread.
    if (aviso == TAviso::SemDiretorio)
        InterfaceUsuario().ExibirMensagem(TMensagem::Pedido(
            QStringLiteral("A aplicação não informou o diretório das listas de tradução.\r"
                           "Entre em contato com o suporte técnico."),
            mtWarning, {mbOK}));
    else if (aviso == TAviso::SemIdioma)
        InterfaceUsuario().ExibirMensagem(
            TMensagem::Pedido(QStringLiteral("A aplicação não informou o idioma do usuário.\r"
                                             "Será usado o idioma português do Brasil."),
                              mtWarning, {mbOK}));
}

QString TKXLinguas::ObtenhaTextoNoIdioma(const QString& Texto)
{
    const QString t = AparaTexto(Texto);
    if (!m_enabled || t.isEmpty() || TextoSemLetras(t))
        return TrocarQuebrasDeLinha(Texto);
    bool carregada = false;
    {
        QMutexLocker trava(&m_mutex);
        if (m_idioma == IdiomaOrigem)
            return TrocarQuebrasDeLinha(Texto);
        carregada = m_listaCarregada;
    }
    if (!carregada)
        CarregarLista();

    QString comQuebras = t;
    comQuebras.replace(QLatin1String("\r\n"), QLatin1String("^M"));
    comQuebras.replace(QLatin1Char('\r'), QLatin1String("^M"));
    comQuebras.replace(QLatin1Char('\n'), QLatin1String("^M"));
    const QString chave = NormalizarTermoPesquisa(comQuebras);

    QMutexLocker trava(&m_mutex);
    if (m_idioma == IdiomaOrigem) // the load may have fallen back to the source language
        return TrocarQuebrasDeLinha(Texto);
    const QString traducao = m_lista.FindName(chave);
    if (!traducao.isEmpty()) {
        qsizetype inicio = 0;
        while (inicio < Texto.size() && Texto.at(inicio) == QLatin1Char(' '))
            ++inicio;
        const qsizetype removidos = Texto.size() - t.size();
        const qsizetype fim = qMax<qsizetype>(0, removidos - inicio);
        return QString(inicio, QLatin1Char(' ')) + TrocarQuebrasDeLinha(traducao) +
               QString(fim, QLatin1Char(' '));
    }
    trava.unlock(); // the log reads the language again
    m_log->Escreva(NormalizarTermoPesquisa(t), t);
    return QLatin1Char('#') + TrocarQuebrasDeLinha(Texto) + QLatin1Char('#');
}

QString TKXLinguas::ObtenhaTextoNoIdioma(const QString& Texto, const QStringList& MsgParams)
{
    return SubstituirParametros(ObtenhaTextoNoIdioma(Texto), MsgParams);
}

QString TKXLinguas::ObterPeriodo(const QDateTime& pdInicio, const QDateTime& pdFinal)
{
    const QLocale local;
    return ObtenhaTextoNoIdioma(QStringLiteral("%s a %s"),
                                {local.toString(pdInicio.date(), QLocale::ShortFormat),
                                 local.toString(pdFinal.date(), QLocale::ShortFormat)});
}

QString TKXLinguas::TextoRodape()
{
    if (!QCoreApplication::instance())
        return QString();
    const QString programa = QCoreApplication::applicationFilePath();
    const QFileInfo info(programa);
    return info.fileName() + QLatin1Char(' ') + LerVersaoDoArquivo(programa) + QLatin1Char(' ') +
           info.absolutePath() + QLatin1Char('/');
}
