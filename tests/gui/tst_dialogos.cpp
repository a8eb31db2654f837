// The suite's message dialogs on real widgets (offscreen): captions, defaults,
// titles, footer, placement, the choice dialog, the detailed error dialog, and
// dialogs asked for from another thread. Saves a screenshot of each kind.

#include "app/frmLauncher.h"
#include "i18n/DialogoMensagem.h"
#include "i18n/ESQLQueryError.h"
#include "i18n/InterfaceUsuarioQt.h"
#include "i18n/InterfaceUsuarioRoteirizada.h"
#include "i18n/KXLinguas.h"
#include "i18n/MsgDlgDetalhes.h"
#include "repository/dmRepositorio.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <functional>

namespace {

// Calls pAcao on the first modal dialog that shows up; pAcao must close it.
void QuandoAparecer(std::function<void(QWidget*)> pAcao)
{
    auto* relogio = new QTimer(qApp);
    auto inicio = std::make_shared<QElapsedTimer>();
    inicio->start();
    QObject::connect(relogio, &QTimer::timeout, qApp, [relogio, pAcao, inicio] {
        QWidget* dialogo = QApplication::activeModalWidget();
        if (!dialogo) {
            if (inicio->elapsed() > 20000) {
                relogio->deleteLater();
                relogio->stop();
            }
            return;
        }
        relogio->stop();
        relogio->deleteLater();
        pAcao(dialogo);
        // Whatever the checks did, never leave the dialog open.
        if (auto* d = qobject_cast<QDialog*>(dialogo); d && d->isVisible())
            d->reject();
    });
    relogio->start(10);
}

void Fotografar(QWidget* pDialogo, const QString& pNome)
{
    QDir().mkpath(QStringLiteral(KS_BINARY_DIR "/screenshots"));
    QVERIFY(pDialogo->grab().save(QStringLiteral(KS_BINARY_DIR "/screenshots/") + pNome +
                                  QStringLiteral(".png")));
}

QPushButton* Botao(QWidget* pDialogo, const char* pNome)
{
    return pDialogo->findChild<QPushButton*>(QString::fromLatin1(pNome));
}

int Direita(const QWidget* w)
{
    return w->x() + w->width();
}

int Fundo(const QWidget* w)
{
    return w->y() + w->height();
}

} // namespace

class TestDialogos : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void captionsAceleradoresEPadrao();
    void titulosPorTipo_data();
    void titulosPorTipo();
    void rodape();
    void posicaoSobreAJanelaPrincipal();
    void escolherQuebraCaptionLonga();
    void escolherDuasOpcoes();
    void mensagemSimples();
    void inputBox();
    void detalhesFechadoEAberto();
    void detalhesComLinkEMensagemLarga();
    void erroSQL();
    void chamadaDeOutraThread();
    void versaoDaBandeja();

private:
    TKXLinguas m_linguas;
};

void TestDialogos::initTestCase()
{
    // Pinned fonts keep the geometry the same on every machine.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    QCoreApplication::setApplicationName(QStringLiteral("KorvaneStart"));
    QVERIFY(QFontDatabase::families().contains(QStringLiteral("Liberation Sans")));
}

void TestDialogos::captionsAceleradoresEPadrao()
{
    QuandoAparecer([](QWidget* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Confirmação"));
        QCOMPARE(Botao(d, "Yes")->text(), QStringLiteral("&Sim"));
        QCOMPARE(Botao(d, "No")->text(), QStringLiteral("&Não"));
        QCOMPARE(Botao(d, "NoToAll")->text(), QStringLiteral("Nã&o todos"));
        QCOMPARE(Botao(d, "YesToAll")->text(), QStringLiteral("S&im todos"));
        QVERIFY(Botao(d, "Yes")->isDefault());
        QVERIFY(!Botao(d, "No")->isDefault());
        // Creation order, left to right.
        QVERIFY(Botao(d, "Yes")->x() < Botao(d, "No")->x());
        QVERIFY(Botao(d, "No")->x() < Botao(d, "NoToAll")->x());
        QVERIFY(Botao(d, "NoToAll")->x() < Botao(d, "YesToAll")->x());
        QCOMPARE(d->findChild<QLabel*>(QStringLiteral("Message"))->text(),
                 QStringLiteral("Substituir o arquivo KXSIS800.EXE?\nEle já existe na pasta."));
        Fotografar(d, QStringLiteral("dialogo_confirmacao"));
        // The shortcuts the buttons register: no two alike.
        QCOMPARE(QKeySequence::mnemonic(Botao(d, "Yes")->text()),
                 QKeySequence(Qt::ALT | Qt::Key_S));
        QCOMPARE(QKeySequence::mnemonic(Botao(d, "No")->text()), QKeySequence(Qt::ALT | Qt::Key_N));
        QCOMPARE(QKeySequence::mnemonic(Botao(d, "NoToAll")->text()),
                 QKeySequence(Qt::ALT | Qt::Key_O));
        QCOMPARE(QKeySequence::mnemonic(Botao(d, "YesToAll")->text()),
                 QKeySequence(Qt::ALT | Qt::Key_I));
        Botao(d, "No")->click();
    });
    const int resultado = m_linguas.MessageDlg(
        QStringLiteral("Substituir o arquivo %s?^MEle já existe na pasta."),
        {QStringLiteral("KXSIS800.EXE")}, mtConfirmation, {mbYesToAll, mbNoToAll, mbNo, mbYes});
    QCOMPARE(resultado, int(mrNo));
}

void TestDialogos::titulosPorTipo_data()
{
    QTest::addColumn<int>("tipo");
    QTest::addColumn<QString>("titulo");
    QTest::addColumn<QString>("foto");
    QTest::newRow("aviso") << int(mtWarning) << "Atenção"
                           << "dialogo_atencao";
    QTest::newRow("erro") << int(mtError) << "Erro"
                          << "dialogo_erro";
    QTest::newRow("informacao") << int(mtInformation) << "Informação"
                                << "dialogo_informacao";
    QTest::newRow("livre") << int(mtCustom) << "KorvaneStart"
                           << "dialogo_livre";
}

void TestDialogos::titulosPorTipo()
{
    QFETCH(int, tipo);
    QFETCH(QString, titulo);
    QFETCH(QString, foto);
    QuandoAparecer([&](QWidget* d) {
        QCOMPARE(d->windowTitle(), titulo);
        QCOMPARE(d->findChild<QLabel*>(QStringLiteral("Image")) != nullptr, tipo != mtCustom);
        QVERIFY(Botao(d, "OK")->isDefault());
        QCOMPARE(Botao(d, "OK")->text(), QStringLiteral("&OK"));
        Fotografar(d, foto);
        QTest::keyClick(d, Qt::Key_Return);
    });
    QCOMPARE(m_linguas.MessageDlg(QStringLiteral("Versão do KorvaneStart: 1.0.0.0"), {},
                                  static_cast<TMsgDlgType>(tipo), {}),
             int(mrOk));
}

void TestDialogos::rodape()
{
    const QString programa = QCoreApplication::applicationFilePath();
    const QString esperado = QStringLiteral("tst_dialogos " KS_VERSAO_PROJETO " ") +
                             QFileInfo(programa).absolutePath() + QLatin1Char('/');
    QCOMPARE(TKXLinguas::TextoRodape(), esperado);

    // The same dialog without the footer, for the height it adds.
    TPedidoDialogo pedido;
    pedido.DlgType = mtInformation;
    pedido.Texto = QStringLiteral("Concluído!");
    pedido.Botoes = {{mbOK, QStringLiteral("OK"), QStringLiteral("&OK")}};
    const int alturaSemRodape = TDialogoMensagem(pedido).height();

    QuandoAparecer([&](QWidget* d) {
        QCOMPARE(d->height(), alturaSemRodape + 9);
        auto* rotulo = d->findChild<QLabel*>(QStringLiteral("Rodape"));
        QVERIFY(rotulo);
        QCOMPARE(rotulo->text(), esperado);
        QCOMPARE(rotulo->toolTip(), esperado);
        const QFontInfo fonte(rotulo->font());
        QCOMPARE(fonte.family(), QStringLiteral("Liberation Sans")); // what "Arial" resolves to
        QCOMPARE(rotulo->font().pointSize(), 7);
        QCOMPARE(rotulo->palette().color(QPalette::WindowText), d->palette().color(QPalette::Dark));
        QCOMPARE(rotulo->x(), 5);
        QCOMPARE(rotulo->width(), d->width() - 10);
        QCOMPARE(rotulo->height(), QFontMetrics(rotulo->font()).height());
        QCOMPARE(Fundo(rotulo), d->height() - 1);
        QVERIFY(Fundo(Botao(d, "OK")) < rotulo->y() - 2);

        auto* linha = d->findChild<QWidget*>(QStringLiteral("LinhaRodape"));
        QVERIFY(linha);
        QCOMPARE(linha->geometry(), QRect(0, rotulo->y() - 2, d->width(), 1));
        const QImage imagem = d->grab().toImage();
        QCOMPARE(imagem.pixel(d->width() / 2, rotulo->y() - 2),
                 d->palette().color(QPalette::Dark).rgb());
        Fotografar(d, QStringLiteral("dialogo_rodape"));
        Botao(d, "OK")->click();
    });
    m_linguas.Concluido();
}

void TestDialogos::posicaoSobreAJanelaPrincipal()
{
    QWidget principal;
    principal.setGeometry(100, 80, 700, 500);
    principal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&principal));
    TInterfaceUsuarioQt::Instancia().DefinirJanelaPrincipal(&principal);

    QPoint posicao;
    QSize tamanho;
    auto anotar = [&](QWidget* d) {
        posicao = d->pos();
        tamanho = d->size();
        d->close();
    };
    QuandoAparecer(anotar);
    m_linguas.Informar(QStringLiteral("Centralizado"));
    const QRect area = principal.frameGeometry();
    QCOMPARE(posicao, QPoint(area.x() + (area.width() - tamanho.width()) / 2,
                             area.y() + (area.height() - tamanho.height()) / 2));

    // Never beyond the desktop's top-left corner.
    principal.move(-600, -450);
    QuandoAparecer(anotar);
    m_linguas.Informar(QStringLiteral("No canto"));
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    QCOMPARE(posicao, desktop.topLeft());
    TInterfaceUsuarioQt::Instancia().DefinirJanelaPrincipal(nullptr);
}

void TestDialogos::escolherQuebraCaptionLonga()
{
    QuandoAparecer([](QWidget* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Escolha"));
        QVERIFY(!(d->windowFlags() & Qt::WindowCloseButtonHint));
        QPushButton* longo = Botao(d, "Yes");
        QCOMPARE(longo->text(), QStringLiteral("Gravar e fechar!"));
        QCOMPARE(longo->text().size(), 16);
        QCOMPARE(longo->height(), 40);
        QVERIFY(longo->property("quebraTexto").toBool());
        QPushButton* curto = Botao(d, "No");
        QCOMPARE(curto->text(), QStringLiteral("Descartar"));
        QCOMPARE(curto->height(), 25);
        QVERIFY(!curto->property("quebraTexto").toBool());
        QCOMPARE(Botao(d, "Cancel")->text(), QStringLiteral("Voltar"));
        QVERIFY(curto->isDefault());
        QCOMPARE(d->focusWidget(), curto);
        // The wrapped caption really takes two lines inside the button.
        const QFontMetrics metricas(longo->font());
        QVERIFY(metricas.horizontalAdvance(longo->text()) > longo->width() - 8);
        Fotografar(d, QStringLiteral("dialogo_escolher"));
        longo->click();
    });
    QCOMPARE(m_linguas.Escolher(QStringLiteral("O cadastro foi alterado. O que deseja fazer?"), {},
                                {mbYes, mbNo, mbCancel},
                                {QStringLiteral("Gravar e fechar!"), QStringLiteral("Descartar"),
                                 QStringLiteral("Voltar")},
                                mbNo),
             int(mrYes));
}

void TestDialogos::escolherDuasOpcoes()
{
    QuandoAparecer([](QWidget* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Origem da rotina"));
        QCOMPARE(Botao(d, "Yes")->text(), QStringLiteral("Da rede"));
        QCOMPARE(Botao(d, "No")->text(), QStringLiteral("Do pacote"));
        QCOMPARE(Botao(d, "Cancel")->text(), QStringLiteral("Cancelar"));
        QVERIFY(Botao(d, "Yes")->isDefault());
        Fotografar(d, QStringLiteral("dialogo_escolher_opcoes"));
        Botao(d, "No")->click();
    });
    QCOMPARE(m_linguas.Escolher(
                 QStringLiteral("Origem da rotina"), QStringLiteral("De onde copiar a rotina %s?"),
                 {QStringLiteral("800")}, QStringLiteral("Da rede"), QStringLiteral("Do pacote")),
             7);
}

void TestDialogos::mensagemSimples()
{
    QuandoAparecer([](QWidget* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Atenção"));
        QCOMPARE(Botao(d, "OK")->text(), QStringLiteral("OK"));
        QVERIFY(!d->findChild<QLabel*>(QStringLiteral("Rodape")));
        Fotografar(d, QStringLiteral("dialogo_simples"));
        d->close();
    });
    QCOMPARE(TMensagem::Atencao(QStringLiteral("O nome ou diretório do arquivo para log dos "
                                               "termos desconhecidos é inválido:/tmp/x/")),
             int(mrCancel));
}

void TestDialogos::inputBox()
{
    QuandoAparecer([](QWidget* d) {
        auto* entrada = qobject_cast<QInputDialog*>(d);
        QVERIFY(entrada);
        QCOMPARE(entrada->windowTitle(), QStringLiteral("Rotina"));
        QCOMPARE(entrada->labelText(), QStringLiteral("Código da rotina:"));
        QCOMPARE(entrada->textValue(), QStringLiteral("800"));
        Fotografar(d, QStringLiteral("dialogo_inputbox"));
        entrada->setTextValue(QStringLiteral(" 42 "));
        entrada->accept();
    });
    QCOMPARE(m_linguas.InputBox(QStringLiteral("Rotina"), QStringLiteral("Código da rotina:"), 800),
             42);
}

void TestDialogos::detalhesFechadoEAberto()
{
    QuandoAparecer([](QWidget* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Erro"));
        QCOMPARE(d->width(), TMessageDlgDetalhes::LarguraMinima);
        QPushButton* ok = Botao(d, "OK");
        QPushButton* detalhes = Botao(d, "BtnDetalhes");
        QVERIFY(ok && detalhes);
        QCOMPARE(Direita(ok), d->width() - 10);
        QCOMPARE(detalhes->geometry(), QRect(10, ok->y(), 90, ok->height()));
        QCOMPARE(detalhes->text(), QStringLiteral("&Detalhes >>"));
        QVERIFY(!ok->isDefault());
        const int fechado = d->height();
        QCOMPARE(fechado, Fundo(ok) + 10);
        QVERIFY(!d->findChild<QLabel*>(QStringLiteral("LabelLink")));

        auto* memo = d->findChild<QTextEdit*>(QStringLiteral("MemoDetalhes"));
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->geometry(), QRect(10, Fundo(ok) + 11, d->width() - 20, 185));
        QVERIFY(memo->y() >= fechado); // folded away below the visible area
        QCOMPARE(memo->toPlainText(), QStringLiteral("linha 1\nlinha 2"));
        QCOMPARE(memo->textCursor().position(), 0);

        detalhes->click();
        QCOMPARE(d->height(), Fundo(memo) + 10);
        QCOMPARE(detalhes->text(), QStringLiteral("&Detalhes <<"));
        QCOMPARE(memo->focusPolicy(), Qt::StrongFocus);
        Fotografar(d, QStringLiteral("dialogo_detalhes_aberto"));
        detalhes->click();
        QCOMPARE(d->height(), fechado);
        QCOMPARE(detalhes->text(), QStringLiteral("&Detalhes >>"));
        Fotografar(d, QStringLiteral("dialogo_detalhes_fechado"));
        ok->click();
    });
    QCOMPARE(MessageDlgDetalhes(QStringLiteral("Falha curta."), mtError, {mbOK},
                                QStringLiteral("linha 1\r\nlinha 2")),
             int(mrOk));
}

void TestDialogos::detalhesComLinkEMensagemLarga()
{
    QTemporaryDir dir;
    const QString arquivo = dir.path() + QStringLiteral("/KXSIS800.log");
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("log\n");
    f.close();
    const QString larga = QStringLiteral(
        "Não foi possível copiar os arquivos da rotina 800 da pasta da rede para a pasta local, "
        "pois o arquivo está em uso por outro programa deste computador.");
    QuandoAparecer([&](QWidget* d) {
        QVERIFY(d->width() > TMessageDlgDetalhes::LarguraMinima);
        QPushButton* cancelar = Botao(d, "Cancel");
        QPushButton* ok = Botao(d, "OK");
        QCOMPARE(Direita(cancelar), d->width() - 10);
        QCOMPARE(cancelar->x() - Direita(ok), TDialogoMensagem::EspacoEntreBotoes);
        // Opened from the start.
        auto* memo = d->findChild<QTextEdit*>(QStringLiteral("MemoDetalhes"));
        QCOMPARE(memo->height(), 162);
        auto* link = d->findChild<QLabel*>(QStringLiteral("LabelLink"));
        QVERIFY(link);
        QCOMPARE(link->text(), QStringLiteral("Clique para abrir o arquivo..."));
        QCOMPARE(link->toolTip(), QStringLiteral("Arquivo ") + arquivo);
        QCOMPARE(link->pos(), QPoint(memo->x(), Fundo(memo) + 3));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(link->font().underline());
        QCOMPARE(d->height(), Fundo(memo) + 20);
        QVERIFY(Fundo(link) <= d->height());
        Fotografar(d, QStringLiteral("dialogo_detalhes_link"));
        cancelar->click();
    });
    QCOMPARE(MessageDlgDetalhes(larga, mtWarning, {mbOK, mbCancel},
                                QStringList{QStringLiteral("Arquivo: ") + arquivo,
                                            QStringLiteral("Código do erro: 32")},
                                true, arquivo),
             int(mrCancel));
}

void TestDialogos::erroSQL()
{
    QuandoAparecer([](QWidget* d) {
        auto* memo = d->findChild<QTextEdit*>(QStringLiteral("MemoDetalhes"));
        const QStringList linhas = memo->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(linhas.value(0), QStringLiteral("SQL:"));
        QCOMPARE(linhas.mid(1), (QStringList{"SELECT CODROTINA, DESCRICAO", "  FROM KXROTINA",
                                             " WHERE CODROTINA = :CODROTINA"}));
        Botao(d, "BtnDetalhes")->click();
        Fotografar(d, QStringLiteral("dialogo_erro_sql"));
        Botao(d, "OK")->click();
    });
    ESQLQueryError(QStringLiteral("ORA-00942: a tabela ou view não existe"),
                   QStringLiteral("SELECT CODROTINA, DESCRICAO\r\n  FROM KXROTINA\r\n WHERE "
                                  "CODROTINA = :CODROTINA"))
        .ShowException();
}

void TestDialogos::chamadaDeOutraThread()
{
    std::atomic<QThread*> threadDoDialogo{nullptr};
    QuandoAparecer([&](QWidget* d) {
        threadDoDialogo = QThread::currentThread();
        QCOMPARE(d->thread(), qApp->thread());
        QCOMPARE(d->windowTitle(), QStringLiteral("Confirmação"));
        Botao(d, "Yes")->click();
    });
    std::atomic_bool terminou{false};
    std::atomic_bool resposta{false};
    QThread* trabalho = QThread::create([&] {
        resposta = m_linguas.Questionar(QStringLiteral("Autoriza a execução da rotina %s?"),
                                        {QStringLiteral("800")}, 2);
        terminou = true;
    });
    trabalho->start();
    QTRY_VERIFY_WITH_TIMEOUT(terminou, 20000);
    trabalho->wait();
    delete trabalho;
    QCOMPARE(threadDoDialogo.load(), qApp->thread());
    QVERIFY(resposta);
}

void TestDialogos::versaoDaBandeja()
{
    QTemporaryDir pasta;
    TdmRepositorio repositorio(TdmRepositorio::Locais{pasta.path(), pasta.path() + "/registro",
                                                      KS_BINARY_DIR "/src/app/korvanestart"});
    TfrmLauncher janela(repositorio, QStringLiteral("W"), {0, 0});
    const QString esperado =
        QStringLiteral("Versão do KorvaneStart: " KS_VERSAO_PROJETO " Modo:TS");
    {
        TInterfaceUsuarioRoteirizada roteiro;
        janela.acaoVersao()->trigger();
        QCOMPARE(roteiro.Quantidade(), 1);
        const TPedidoDialogo p = roteiro.Ultimo().Dialogo;
        QCOMPARE(p.Tipo, TTipoPedido::Mensagem);
        QCOMPARE(p.DlgType, mtInformation);
        QCOMPARE(p.Titulo, QStringLiteral("Informação"));
        QCOMPARE(p.Texto, esperado);
        QVERIFY(!p.Rodape.isEmpty());
    }
    QuandoAparecer([&](QWidget* d) {
        QCOMPARE(d->findChild<QLabel*>(QStringLiteral("Message"))->text(), esperado);
        Fotografar(d, QStringLiteral("dialogo_versao"));
        Botao(d, "OK")->click();
    });
    janela.acaoVersao()->trigger();
}

QTEST_MAIN(TestDialogos)
#include "tst_dialogos.moc"
