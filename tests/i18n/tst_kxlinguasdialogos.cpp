// What the message operations of the localization component ask the user
// interface to show, and what they make of the answers (scripted interface).

#include "i18n/ESQLQueryError.h"
#include "i18n/InterfaceUsuarioRoteirizada.h"
#include "i18n/KXLinguas.h"
#include "i18n/MsgDlgDetalhes.h"

#include <QFile>
#include <QLineEdit>
#include <QStringEncoder>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

Q_DECLARE_METATYPE(TMsgDlgButtons)
Q_DECLARE_METATYPE(TMsgDlgBtn)
Q_DECLARE_METATYPE(TMsgDlgType)

namespace {

QStringList Captions(const TPedidoDialogo& p)
{
    QStringList captions;
    for (const TBotaoDialogo& b : p.Botoes)
        captions.append(b.Caption);
    return captions;
}

QStringList Nomes(const TPedidoDialogo& p)
{
    QStringList nomes;
    for (const TBotaoDialogo& b : p.Botoes)
        nomes.append(b.Nome);
    return nomes;
}

class EMinhaFalha : public EKorvane
{
public:
    using EKorvane::EKorvane;
};

} // namespace

class TestKXLinguasDialogos : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_ui = std::make_unique<TInterfaceUsuarioRoteirizada>(); }
    void botoesEPadrao_data();
    void botoesEPadrao();
    void titulosPorTipo_data();
    void titulosPorTipo();
    void mensagemTraduzidaEPreenchida();
    void rodape();
    void questionar_data();
    void questionar();
    void mensagensFixas();
    void escolherComTextos();
    void escolherDuasOpcoes();
    void inputBox();
    void raiseError();
    void atencaoDeValidacao();
    void mensagemSemComponente();
    void detalhesDoErroSQL();
    void dialogoEmOutroIdioma();

private:
    std::unique_ptr<TInterfaceUsuarioRoteirizada> m_ui;
};

void TestKXLinguasDialogos::botoesEPadrao_data()
{
    QTest::addColumn<TMsgDlgButtons>("botoes");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("padrao");
    QTest::newRow("vazio vira OK") << TMsgDlgButtons{} << QStringList{"&OK"} << "OK";
    QTest::newRow("sim e nao") << TMsgDlgButtons{mbNo, mbYes} << QStringList{"&Sim", "&Não"}
                               << "Yes";
    QTest::newRow("abortar repetir ignorar")
        << TMsgDlgButtons{mbIgnore, mbRetry, mbAbort}
        << QStringList{"&Abortar", "&Repetir", "&Ignorar"} << "Retry";
    QTest::newRow("todos os sim e nao")
        << TMsgDlgButtons{mbYesToAll, mbNoToAll, mbNo, mbYes}
        << QStringList{"&Sim", "&Não", "Nã&o todos", "S&im todos"} << "Yes";
    QTest::newRow("ok e cancelar")
        << TMsgDlgButtons{mbCancel, mbOK} << QStringList{"&OK", "&Cancelar"} << "OK";
    QTest::newRow("ok cancelar todos ajuda fechar")
        << TMsgDlgButtons{mbOK, mbCancel, mbAll, mbHelp, mbClose}
        << QStringList{"&OK", "&Cancelar", "&Todos", "&Ajuda", "&Fechar"} << "OK";
    QTest::newRow("cancelar sozinho sem padrao")
        << TMsgDlgButtons{mbCancel} << QStringList{"&Cancelar"} << "";
}

void TestKXLinguasDialogos::botoesEPadrao()
{
    QFETCH(TMsgDlgButtons, botoes);
    QFETCH(QStringList, captions);
    QFETCH(QString, padrao);
    TKXLinguas linguas;
    const int resultado = linguas.MessageDlg(QStringLiteral("Mensagem"), {}, mtWarning, botoes);
    const TPedidoDialogo p = m_ui->Ultimo().Dialogo;
    QCOMPARE(p.Tipo, TTipoPedido::Mensagem);
    QCOMPARE(Captions(p), captions);
    QCOMPARE(p.BotaoDefault ? NomesDosBotoes().at(*p.BotaoDefault) : QString(), padrao);
    QCOMPARE(p.Posicao, TPosicaoDialogo::SobreJanelaPrincipal);
    // Unanswered, the scripted interface presses the default button.
    if (p.BotaoDefault)
        QCOMPARE(resultado, ResultadoDoBotao(*p.BotaoDefault));
}

void TestKXLinguasDialogos::titulosPorTipo_data()
{
    QTest::addColumn<TMsgDlgType>("tipo");
    QTest::addColumn<QString>("titulo");
    QTest::newRow("aviso") << mtWarning << "Atenção";
    QTest::newRow("erro") << mtError << "Erro";
    QTest::newRow("informacao") << mtInformation << "Informação";
    QTest::newRow("confirmacao") << mtConfirmation << "Confirmação";
    QTest::newRow("livre") << mtCustom << "Aplicativo de Teste";
}

void TestKXLinguasDialogos::titulosPorTipo()
{
    QFETCH(TMsgDlgType, tipo);
    QFETCH(QString, titulo);
    QCoreApplication::setApplicationName(QStringLiteral("Aplicativo de Teste"));
    TKXLinguas linguas;
    linguas.MessageDlg(QStringLiteral("x"), {}, tipo, {mbOK}, mbOK);
    QCOMPARE(m_ui->Ultimo().Dialogo.Titulo, titulo);
    QCOMPARE(m_ui->Ultimo().Dialogo.DlgType, tipo);
}

void TestKXLinguasDialogos::mensagemTraduzidaEPreenchida()
{
    TKXLinguas linguas;
    linguas.ErroBancoDados(QStringLiteral("ORA-00001"));
    QCOMPARE(m_ui->Ultimo().Dialogo.Texto,
             QStringLiteral("Erro ao salvar registros no banco de dados!\rErro: ORA-00001"));
    QCOMPARE(m_ui->Ultimo().Dialogo.DlgType, mtError);
    linguas.ErroBancoDados(EKorvane(QStringLiteral("Sessão perdida")));
    QVERIFY(m_ui->Ultimo().Dialogo.Texto.endsWith(QStringLiteral("\rErro: Sessão perdida")));

    linguas.Informar(QStringLiteral("Linha 1^MLinha %s"),
                     {QStringLiteral("2"), QStringLiteral("sobra")});
    QCOMPARE(m_ui->Ultimo().Dialogo.Texto, QStringLiteral("Linha 1\rLinha 2"));
    QCOMPARE(m_ui->Ultimo().Dialogo.DlgType, mtInformation);
    linguas.Exclamar(QStringLiteral("Cuidado"));
    QCOMPARE(m_ui->Ultimo().Dialogo.DlgType, mtWarning);
    linguas.Atencao(QStringLiteral("Falta %s"), {QStringLiteral("o nome")});
    QCOMPARE(m_ui->Ultimo().Dialogo.Texto, QStringLiteral("Falta o nome"));
    linguas.Erro(QStringLiteral("Falhou"));
    QCOMPARE(Captions(m_ui->Ultimo().Dialogo), QStringList{QStringLiteral("&OK")});
}

void TestKXLinguasDialogos::rodape()
{
    TKXLinguas linguas;
    linguas.Informar(QStringLiteral("x"));
    const QString programa = QCoreApplication::applicationFilePath();
    const QString rodape = m_ui->Ultimo().Dialogo.Rodape;
    // Program file name, version text (this test program has no version record), folder.
    QCOMPARE(rodape, QFileInfo(programa).fileName() + QStringLiteral("  ") +
                         QFileInfo(programa).absolutePath() + QLatin1Char('/'));
    QVERIFY(rodape.startsWith(QStringLiteral("tst_kxlinguasdialogos ")));
}

void TestKXLinguasDialogos::questionar_data()
{
    QTest::addColumn<int>("botaoDefault");
    QTest::addColumn<int>("resposta");
    QTest::addColumn<QString>("padrao");
    QTest::addColumn<bool>("resultado");
    QTest::newRow("0 sim") << 0 << int(mrYes) << "Yes" << true;
    QTest::newRow("1 nao") << 1 << int(mrNo) << "Yes" << false;
    QTest::newRow("2 padrao nao") << 2 << int(mrYes) << "No" << true;
    QTest::newRow("fechado") << 255 << int(mrCancel) << "No" << false;
}

void TestKXLinguasDialogos::questionar()
{
    QFETCH(int, botaoDefault);
    QFETCH(int, resposta);
    QFETCH(QString, padrao);
    QFETCH(bool, resultado);
    TKXLinguas linguas;
    m_ui->Responder(resposta);
    QCOMPARE(linguas.Questionar(QStringLiteral("Gravar %s?"), {QStringLiteral("tudo")},
                                static_cast<quint8>(botaoDefault)),
             resultado);
    const TPedidoDialogo p = m_ui->Ultimo().Dialogo;
    QCOMPARE(p.DlgType, mtConfirmation);
    QCOMPARE(p.Texto, QStringLiteral("Gravar tudo?"));
    QCOMPARE(Nomes(p), (QStringList{"Yes", "No"}));
    QCOMPARE(NomesDosBotoes().at(*p.BotaoDefault), padrao);
}

void TestKXLinguasDialogos::mensagensFixas()
{
    TKXLinguas linguas;
    struct
    {
        std::function<void()> chamada;
        const char* texto;
        TMsgDlgType tipo;
    } const casos[] = {
        {[&] { linguas.DesejaCancelar(); }, "Deseja cancelar a edição do registro?",
         mtConfirmation},
        {[&] { linguas.DesejaGravar(); }, "Deseja gravar o(s) registro(s)?", mtConfirmation},
        {[&] { linguas.DesejaLimpar(); }, "Deseja limpar?", mtConfirmation},
        {[&] { linguas.DesejaExcluir(); }, "Deseja realmente excluir o registro?", mtConfirmation},
        {[&] { linguas.DesejaFechar(2); }, "Deseja fechar?", mtConfirmation},
        {[&] { linguas.Concluido(); }, "Concluído!", mtInformation},
        {[&] { linguas.MensErroCpd(); },
         "Ocorreu um erro durante a execução do procedimento. Informe a mensagem do erro ao T.I.",
         mtWarning},
        {[&] { linguas.NenhumDado(); }, "Nenhum registro foi encontrado.", mtInformation},
    };
    for (const auto& caso : casos) {
        caso.chamada();
        QCOMPARE(m_ui->Ultimo().Dialogo.Texto, QString::fromUtf8(caso.texto));
        QCOMPARE(m_ui->Ultimo().Dialogo.DlgType, caso.tipo);
    }
    QCOMPARE(*m_ui->Ultimo().Dialogo.BotaoDefault, mbOK);
    QCOMPARE(*m_ui->Registros().at(4).Dialogo.BotaoDefault, mbNo);
    m_ui->Responder(mrYes);
    QVERIFY(linguas.DesejaExcluir(2));
}

void TestKXLinguasDialogos::escolherComTextos()
{
    TKXLinguas linguas;
    m_ui->Responder(mrNo);
    const int resultado = linguas.Escolher(
        QStringLiteral("O arquivo %s mudou."), {QStringLiteral("a.txt")}, {mbCancel, mbNo, mbYes},
        {QStringLiteral("Gravar e fechar!"), QStringLiteral("Descartar"), QStringLiteral("Voltar")},
        mbNo);
    QCOMPARE(resultado, int(mrNo));
    const TPedidoDialogo p = m_ui->Ultimo().Dialogo;
    QCOMPARE(p.Tipo, TTipoPedido::Escolha);
    QCOMPARE(p.DlgType, mtConfirmation);
    QCOMPARE(p.Titulo, QStringLiteral("Escolha"));
    QCOMPARE(p.Texto, QStringLiteral("O arquivo a.txt mudou."));
    QCOMPARE(Nomes(p), (QStringList{"Yes", "No", "Cancel"}));
    QCOMPARE(Captions(p), (QStringList{"Gravar e fechar!", "Descartar", "Voltar"}));
    QCOMPARE(*p.BotaoDefault, mbNo);
    QVERIFY(p.SemIconesDeBorda);
    QVERIFY(p.QuebrarCaptionsLongas);
    QCOMPARE(p.Posicao, TPosicaoDialogo::CentroDaTela);
    QVERIFY(p.Rodape.isEmpty());
}

void TestKXLinguasDialogos::escolherDuasOpcoes()
{
    TKXLinguas linguas;
    QCOMPARE(linguas.Escolher(QStringLiteral("Cópia"), QStringLiteral("Copiar %s?"),
                              {QStringLiteral("800")}, QStringLiteral("Da rede"),
                              QStringLiteral("Do pacote")),
             int(mrYes));
    const TPedidoDialogo p = m_ui->Ultimo().Dialogo;
    QCOMPARE(p.Titulo, QStringLiteral("Cópia"));
    QCOMPARE(p.Texto, QStringLiteral("Copiar 800?"));
    QCOMPARE(Captions(p), (QStringList{"Da rede", "Do pacote", "Cancelar"}));
    QCOMPARE(Nomes(p), (QStringList{"Yes", "No", "Cancel"}));
    QCOMPARE(*p.BotaoDefault, mbYes);
    m_ui->Responder(mrCancel);
    QCOMPARE(linguas.Escolher(QStringLiteral("T"), QStringLiteral("M"), {}, QStringLiteral("A"),
                              QStringLiteral("B")),
             2);
}

void TestKXLinguasDialogos::inputBox()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TKXLinguas linguas;
    m_ui->ResponderEntrada(QStringLiteral("  Maria  "));
    QCOMPARE(linguas.InputBox(QStringLiteral("Cadastro"), QStringLiteral("Nome:"),
                              QStringLiteral("José")),
             QStringLiteral("Maria"));
    const TPedidoEntrada e = m_ui->Ultimo().Entrada;
    QCOMPARE(m_ui->Ultimo().Genero, TInterfaceUsuarioRoteirizada::TGenero::Entrada);
    QCOMPARE(e.Titulo, QStringLiteral("Cadastro"));
    QCOMPARE(e.Rotulo, QStringLiteral("Nome:"));
    QCOMPARE(e.ValorPadrao, QStringLiteral("José"));

    m_ui->ResponderEntrada(std::nullopt); // cancelled
    QCOMPARE(linguas.InputBox(QStringLiteral("T"), QStringLiteral("R"), QStringLiteral(" a ")),
             QStringLiteral("a"));

    m_ui->ResponderEntrada(QStringLiteral("abc"));
    QCOMPARE(linguas.InputBox(QStringLiteral("T"), QStringLiteral("R"), 7), 7);
    QCOMPARE(m_ui->Ultimo().Entrada.ValorPadrao, QStringLiteral("7"));
    m_ui->ResponderEntrada(QStringLiteral(" 42 "));
    QCOMPARE(linguas.InputBox(QStringLiteral("T"), QStringLiteral("R"), 7), 42);
    m_ui->ResponderEntrada(QStringLiteral("-3"));
    QCOMPARE(linguas.InputBox(QStringLiteral("T"), QStringLiteral("R"), 7), -3);

    const QDateTime padrao(QDate(2024, 2, 29), QTime(13, 5));
    m_ui->ResponderEntrada(QStringLiteral("31/12/2025"));
    QCOMPARE(linguas.InputBox(QStringLiteral("T"), QStringLiteral("R"), padrao),
             QDateTime(QDate(2025, 12, 31), QTime(0, 0)));
    QCOMPARE(m_ui->Ultimo().Entrada.ValorPadrao, QStringLiteral("29/02/2024"));
    m_ui->ResponderEntrada(QStringLiteral("31/02/2025"));
    QCOMPARE(linguas.InputBox(QStringLiteral("T"), QStringLiteral("R"), padrao), padrao);
    QLocale::setDefault(QLocale::system());
}

void TestKXLinguasDialogos::raiseError()
{
    TKXLinguas linguas;
    try {
        linguas.RaiseError(QStringLiteral("Falha^Mgrave"));
        QFAIL("sem exceção");
    } catch (const EKorvane& e) {
        QCOMPARE(e.mensagem(), QStringLiteral("Falha\rgrave"));
    }
    QVERIFY_THROWS_EXCEPTION(EMinhaFalha, linguas.RaiseError<EMinhaFalha>(QStringLiteral("x")));
    try {
        linguas.RaiseErrorFmt(QStringLiteral("Rotina %d: %s (%5.2f%%) %-4s| %x %.3d %1:s"),
                              {800, QStringLiteral("ok"), 3.14159, QStringLiteral("ab"), 255, 7});
        QFAIL("sem exceção");
    } catch (const EKorvane& e) {
        QCOMPARE(e.mensagem(), QStringLiteral("Rotina 800: ok ( 3.14%) ab  | FF 007 ok"));
    }
    try {
        linguas.RaiseErrorFmt<EMinhaFalha>(QStringLiteral("%d"), {QStringLiteral("texto")});
        QFAIL("sem exceção");
    } catch (const EMinhaFalha&) {
        QFAIL("formato incompatível deveria falhar antes");
    } catch (const EKorvane& e) {
        QVERIFY(e.mensagem().contains(QStringLiteral("inválido")));
    }
    QCOMPARE(m_ui->Quantidade(), 0);
}

void TestKXLinguasDialogos::atencaoDeValidacao()
{
    TKXLinguas linguas;
    linguas.Atencao(false, QStringLiteral("Nada"), true, nullptr);
    QCOMPARE(m_ui->Quantidade(), 0);

    QWidget janela;
    auto* abas = new QTabWidget(&janela);
    auto* primeira = new QWidget;
    auto* segunda = new QWidget;
    auto* internas = new QTabWidget(segunda);
    auto* pagina = new QWidget;
    auto* campo = new QLineEdit(pagina);
    auto* direto = new QLineEdit(&janela);
    (new QVBoxLayout(&janela))->addWidget(abas);
    janela.layout()->addWidget(direto);
    abas->addTab(primeira, QStringLiteral("Um"));
    abas->addTab(segunda, QStringLiteral("Dois"));
    internas->addTab(new QWidget, QStringLiteral("A"));
    internas->addTab(pagina, QStringLiteral("B"));
    janela.show();
    janela.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&janela));
    QCOMPARE(abas->currentWidget(), primeira);

    QVERIFY_THROWS_EXCEPTION(EAbort,
                             linguas.Atencao(true, QStringLiteral("Informe o campo"), true, campo));
    QCOMPARE(m_ui->Ultimo().Dialogo.Texto, QStringLiteral("Informe o campo"));
    QCOMPARE(m_ui->Ultimo().Dialogo.DlgType, mtWarning);
    QCOMPARE(abas->currentWidget(), segunda);
    QCOMPARE(internas->currentWidget(), pagina);
    QTRY_COMPARE(QApplication::focusWidget(), campo);

    linguas.Atencao(true, QStringLiteral("Sem abortar"), false, direto);
    QTRY_COMPARE(QApplication::focusWidget(), direto);
    QCOMPARE(m_ui->Quantidade(), 2);
}

void TestKXLinguasDialogos::mensagemSemComponente()
{
    QCOMPARE(TMensagem::Atencao(QStringLiteral("Sem %s"), mtError, {mbYes, mbNo}), int(mrYes));
    const TPedidoDialogo p = m_ui->Ultimo().Dialogo;
    QCOMPARE(p.Tipo, TTipoPedido::MensagemSimples);
    QCOMPARE(p.Texto, QStringLiteral("Sem %s"));
    QCOMPARE(p.Titulo, QStringLiteral("Erro"));
    QCOMPARE(Captions(p), (QStringList{"Sim", "Não"}));
    QVERIFY(p.Rodape.isEmpty());
}

void TestKXLinguasDialogos::detalhesDoErroSQL()
{
    const ESQLQueryError erro(QStringLiteral("ORA-00942: tabela ou visão não existe"),
                              QStringLiteral("SELECT *\r\n  FROM KXROTINA\r\n WHERE 1 = 1"));
    erro.ShowException();
    const auto registro = m_ui->Ultimo();
    QCOMPARE(registro.Genero, TInterfaceUsuarioRoteirizada::TGenero::Detalhes);
    const TPedidoDialogo p = registro.Dialogo;
    QCOMPARE(p.Texto, erro.mensagem());
    QCOMPARE(p.DlgType, mtError);
    QCOMPARE(p.Titulo, QStringLiteral("Erro"));
    QCOMPARE(Captions(p), QStringList{QStringLiteral("OK")});
    QVERIFY(!p.BotaoDefault);
    QVERIFY(p.Bipar);
    QVERIFY(!p.ExibindoDetalhes);
    QVERIFY(p.ArquivoAbrir.isEmpty());
    const QStringList linhas = p.Detalhes.split(QStringLiteral("\r\n"));
    QCOMPARE(linhas, (QStringList{"SQL:", "SELECT *", "  FROM KXROTINA", " WHERE 1 = 1"}));

    // The one-text form splits at every kind of line break.
    MessageDlgDetalhes(QStringLiteral("m"), mtWarning, {mbOK, mbCancel},
                       QStringLiteral("a\r\nb\rc\nd"), true, QStringLiteral("/nao/existe"));
    const TPedidoDialogo d = m_ui->Ultimo().Dialogo;
    QCOMPARE(d.Detalhes, QStringLiteral("a\nb\nc\nd"));
    QVERIFY(d.ExibindoDetalhes);
    QCOMPARE(Captions(d), (QStringList{"OK", "Cancelar"}));
}

void TestKXLinguasDialogos::dialogoEmOutroIdioma()
{
    QTemporaryDir dir;
    QFile lista(dir.path() + QStringLiteral("/korvane-todos.lng"));
    QVERIFY(lista.open(QIODevice::WriteOnly));
    lista.write(
        QStringEncoder(QStringConverter::System)
            .encode(QStringLiteral("?=ATENÇÃO\nEN=Warning\n?=SIM\nEN=Yes\n?=NÃO\nEN=No\n"
                                   "?=ARQUIVO%SNÃOENCONTRADO\nEN=File %s not found\n?=OK\nEN=OK\n"
                                   "?=CANCELAR\nEN=Yo!\n")));
    lista.close();
    TKXLinguas linguas;
    linguas.SetDiretorioListas(dir.path());
    linguas.SetIdioma(QStringLiteral("EN"));
    linguas.MessageDlg(QStringLiteral("Arquivo %s não encontrado"), {QStringLiteral("a.kx")},
                       mtWarning, {mbYes, mbNo, mbOK, mbCancel});
    const TPedidoDialogo p = m_ui->Ultimo().Dialogo;
    QCOMPARE(p.Titulo, QStringLiteral("Warning"));
    QCOMPARE(p.Texto, QStringLiteral("File a.kx not found"));
    // Every letter of the last caption is taken already: no accelerator for it.
    QCOMPARE(Captions(p), (QStringList{"&Yes", "&No", "&OK", "Yo!"}));
    linguas.Informar(QStringLiteral("Sem tradução"));
    QCOMPARE(m_ui->Ultimo().Dialogo.Texto, QStringLiteral("#Sem tradução#"));
}

QTEST_MAIN(TestKXLinguasDialogos)
#include "tst_kxlinguasdialogos.moc"
