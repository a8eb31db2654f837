// The hidden main window: its content, the tray menu and the service toggle.
#include "app/frmLauncher.h"
#include "repository/dmRepositorio.h"
#include "service/ServidorHttp.h"
#include "service/wmLocal.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QtTest>
#include <httplib.h>

namespace {

struct Ambiente
{
    Ambiente()
        : repositorio(TdmRepositorio::Locais{pasta.path(), pasta.path() + "/registro",
                                             KS_BINARY_DIR "/src/app/korvanestart"})
    {}
    QTemporaryDir pasta;
    TdmRepositorio repositorio;
};

QStringList legendas(const QMenu* menu)
{
    QStringList resultado;
    for (const QAction* a : menu->actions())
        resultado << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return resultado;
}

bool responde(int porta)
{
    httplib::Client c("127.0.0.1", porta);
    c.set_connection_timeout(5);
    const auto r = c.Get("/datasnap/rest/TServicos/getPort");
    return r && r->status == 200;
}

} // namespace

class TstLauncher : public QObject
{
    Q_OBJECT

private slots:
    void conteudoDaJanela();
    void menuEAlternancia();
    void modos_data();
    void modos();
    void esperaAntesDeLigar();
    void portaOcupadaMudaDePorta();
    void fecharEncerraOServico();
};

void TstLauncher::conteudoDaJanela()
{
    Ambiente a;
    TfrmLauncher janela(a.repositorio, QString(), {0, 0});
    QCOMPARE(janela.windowTitle(), QStringLiteral("Launcher Korvane"));
    QVERIFY(janela.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(janela.size(), QSize(623, 177));
    QVERIFY(!janela.isVisible());

    const auto* painel = janela.findChild<QWidget*>("Panel1");
    const auto* imagem = janela.findChild<QLabel*>("Image1");
    const auto* rotulo = janela.findChild<QLabel*>("Label1");
    QVERIFY(painel && imagem && rotulo);
    QCOMPARE(painel->geometry(), QRect(0, 0, 623, 177));
    QCOMPARE(imagem->geometry(), QRect(222, 9, 177, 50));
    QVERIFY(imagem->hasScaledContents());
    QCOMPARE(rotulo->geometry(), QRect(0, 76, 623, 101));
    QCOMPARE(rotulo->text(), QStringLiteral("KorvaneStart"));
    QCOMPARE(rotulo->font().family(), QStringLiteral("Arial"));
    QCOMPARE(rotulo->font().pixelSize(), 37);
    QVERIFY(rotulo->alignment() & Qt::AlignHCenter);
    // TColor 12622848 is 0x00C09C00: blue C0, green 9C, red 00.
    QCOMPARE(painel->palette().color(QPalette::Window), QColor(0x00, 0x9C, 0xC0));
    QCOMPARE(rotulo->palette().color(QPalette::WindowText), QColor(0x44, 0x44, 0x44));

    const QImage imagemJanela = janela.grab().toImage();
    QDir().mkpath(KS_BINARY_DIR "/screenshots");
    imagemJanela.save(KS_BINARY_DIR "/screenshots/launcher_janela.png");
    QCOMPARE(imagemJanela.pixelColor(3, 170), QColor(0x00, 0x9C, 0xC0));
    // The logo draws white on the panel.
    bool temBranco = false;
    for (int x = 222; x < 399 && !temBranco; ++x)
        for (int y = 9; y < 59 && !temBranco; ++y)
            temBranco = imagemJanela.pixelColor(x, y) == Qt::white;
    QVERIFY(temBranco);
}

void TstLauncher::menuEAlternancia()
{
    Ambiente a;
    TfrmLauncher janela(a.repositorio, QString(), {0, 0});
    QCOMPARE(legendas(janela.menu()),
             QStringList({"&Iniciar serviço", "&Versão do KorvaneStart", "-", "&Fechar"}));
    QCOMPARE(janela.acaoFechar()->statusTip(), QStringLiteral("Fechar aplicativo"));
    QCOMPARE(janela.iconeBandeja()->toolTip(), QStringLiteral("Launcher Korvane"));
    QCOMPARE(janela.iconeBandeja()->contextMenu(), janela.menu());
    QVERIFY(!janela.iconeBandeja()->icon().isNull());

    QSignalSpy iniciado(&janela, &TfrmLauncher::servicoIniciado);
    QVERIFY(iniciado.wait(10000));
    const int porta = iniciado.takeFirst().at(0).toInt();
    QVERIFY(porta > 0);
    QCOMPARE(a.repositorio.PortLauncher(), porta);
    QCOMPARE(janela.acaoServico()->text(), QStringLiteral("&Parar serviço"));
    QVERIFY(responde(porta));

    janela.acaoServico()->trigger();
    QCOMPARE(janela.acaoServico()->text(), QStringLiteral("&Iniciar serviço"));
    QVERIFY(!janela.servicoAtivo());
    QVERIFY(!responde(porta));

    janela.acaoServico()->trigger();
    QVERIFY(iniciado.wait(10000));
    QCOMPARE(janela.acaoServico()->text(), QStringLiteral("&Parar serviço"));
    QVERIFY(responde(a.repositorio.PortLauncher()));
}

void TstLauncher::modos_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<bool>("compartilhado");
    QTest::newRow("sem argumento") << QString() << false;
    QTest::newRow("W") << "W" << true;
    QTest::newRow("w minusculo") << "w" << false;
    QTest::newRow("outro") << "WTS" << false;
}

void TstLauncher::modos()
{
    QFETCH(QString, modo);
    QFETCH(bool, compartilhado);
    Ambiente a;
    TfrmLauncher janela(a.repositorio, modo, {0, 0});
    QCOMPARE(janela.modoCompartilhado(), compartilhado);
    QCOMPARE(janela.iconeBandeja()->isVisible(), !compartilhado);
    const QString versao = a.repositorio.GetVersao();
    QCOMPARE(versao, QStringLiteral("1.0.0.0"));
    if (compartilhado) {
        QCOMPARE(janela.rotulo()->text(), "KorvaneStart \r\n" + versao);
        QCOMPARE(janela.textoVersao(), "Versão do KorvaneStart: " + versao + " Modo:TS");
        QSignalSpy iniciado(&janela, &TfrmLauncher::servicoIniciado);
        QVERIFY(iniciado.wait(10000));
        const int porta = iniciado.takeFirst().at(0).toInt();
        QVERIFY(porta >= 1024 && porta <= 9998);
        const QImage imagem = janela.grab().toImage();
        imagem.save(KS_BINARY_DIR "/screenshots/launcher_compartilhado.png");
    } else {
        QCOMPARE(janela.rotulo()->text(), QStringLiteral("KorvaneStart"));
        QCOMPARE(janela.textoVersao(), "Versão do KorvaneStart: " + versao);
    }
}

void TstLauncher::esperaAntesDeLigar()
{
    Ambiente a;
    QElapsedTimer relogio;
    relogio.start();
    TfrmLauncher janela(a.repositorio, QString(), {0, 400});
    QVERIFY(janela.iniciando());
    QVERIFY(!janela.servicoAtivo());
    QCOMPARE(janela.acaoServico()->text(), QStringLiteral("&Iniciar serviço"));
    QSignalSpy iniciado(&janela, &TfrmLauncher::servicoIniciado);
    QVERIFY(iniciado.wait(10000));
    QVERIFY(relogio.elapsed() >= 400);
}

void TstLauncher::portaOcupadaMudaDePorta()
{
    Ambiente a;
    // Another program holds the port the window is told to use.
    TdmRepositorio outro(
        TdmRepositorio::Locais{a.pasta.path() + "/outro", a.pasta.path() + "/r2", {}});
    TwmLocal modulo(outro);
    ServidorHttp ocupante(modulo);
    QVERIFY(ocupante.iniciar(0, false));

    TfrmLauncher janela(a.repositorio, QString(), {ocupante.porta(), 0});
    QSignalSpy iniciado(&janela, &TfrmLauncher::servicoIniciado);
    QVERIFY(iniciado.wait(20000));
    const int porta = iniciado.takeFirst().at(0).toInt();
    QVERIFY(porta != ocupante.porta());
    QVERIFY(porta >= 1024 && porta <= 9998);
    QFile config(a.pasta.path() + "/config.ini");
    QVERIFY(config.open(QIODevice::ReadOnly));
    QVERIFY(config.readAll().contains("porta=" + QByteArray::number(porta)));
}

void TstLauncher::fecharEncerraOServico()
{
    Ambiente a;
    TfrmLauncher janela(a.repositorio, QString(), {0, 0});
    QSignalSpy iniciado(&janela, &TfrmLauncher::servicoIniciado);
    QVERIFY(iniciado.wait(10000));
    const int porta = a.repositorio.PortLauncher();
    QSignalSpy fechado(&janela, &TfrmLauncher::fechado);
    janela.acaoFechar()->trigger();
    QCOMPARE(fechado.count(), 1);
    QVERIFY(!janela.servicoAtivo());
    QVERIFY(!responde(porta));
}

QTEST_MAIN(TstLauncher)
#include "tst_launcher.moc"
