// The frame control on a real (offscreen) form: colours and rectangles of
// each mode, caption buttons, resize border and window dragging.
#include "frame/ArteKX.h"
#include "frame/BotaoWindow.h"
#include "frame/ControleDosBotoes.h"
#include "frame/PreferenciasKX.h"
#include "frame/SizeHandler.h"
#include "frame/VVersionInfo.h"
#include "frame/WallpaperRotinaKX.h"
#include "platform/EKorvane.h"
#include "platform/ObservadorRegistro.h"
#include "platform/RegistroUsuario.h"

#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

namespace {

const QColor kPrata(192, 192, 192);
const QColor kConteudo(236, 239, 244);

bool Perto(QColor a, QColor b, int tol = 6)
{
    return qAbs(a.red() - b.red()) <= tol && qAbs(a.green() - b.green()) <= tol &&
           qAbs(a.blue() - b.blue()) <= tol;
}

QString Cor(QColor c)
{
    return QStringLiteral("RGB(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

void Mouse(QWidget* w, QEvent::Type tipo, QPoint p, Qt::MouseButton botao, Qt::MouseButtons botoes)
{
    QMouseEvent e(tipo, p, w->mapToGlobal(p), botao, botoes, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// White text pixels in a region of the caption band.
int PixelsBrancos(const QImage& img, QRect r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 235 && c.green() > 235 && c.blue() > 235)
                ++n;
        }
    return n;
}

struct Janela
{
    std::unique_ptr<QWidget> form;
    TWallpaperRotinaKX* moldura = nullptr;
};

Janela NovaJanela(int major = 6, QSize tamanho = QSize(600, 400))
{
    Janela j;
    j.form = std::make_unique<QWidget>();
    j.form->resize(tamanho);
    j.form->move(60, 40);
    j.moldura = new TWallpaperRotinaKX(j.form.get());
    TVVersionInfo::Registro r;
    r.languageCodePage = QStringLiteral("041604B0");
    r.textos.insert(QStringLiteral("FileVersion"), QStringLiteral("%1.1.5.12").arg(major));
    j.moldura->SetInfoVersao(new TVVersionInfo(nullptr, QStringLiteral("KXSIS800"), r));
    j.moldura->SetCorFundo(kConteudo);
    return j;
}

void Salvar(QWidget* w, const QString& nome)
{
    QDir().mkpath(QStringLiteral(KS_BINARY_DIR "/screenshots"));
    QVERIFY(w->grab().save(QStringLiteral(KS_BINARY_DIR "/screenshots/%1.png").arg(nome)));
}

} // namespace

class TestMoldura : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // Each case starts from the normal mode.
        Janela j = NovaJanela();
        j.moldura->SetInterfaceMonitoramento(false);
        j.moldura->SetInterfaceSimplificada(false);
    }

    void donoQueNaoEFormularioLevanta_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::newRow("objeto") << 0;
        QTest::newRow("painel") << 1;
    }
    void donoQueNaoEFormularioLevanta()
    {
        QFETCH(int, tipo);
        QObject modulo;
        QWidget form;
        auto* painel = new QWidget(&form);
        QObject* dono = tipo == 0 ? &modulo : painel;
        try {
            TWallpaperRotinaKX m(dono);
            QFAIL("sem exceção");
        } catch (const EKorvane& e) {
            QCOMPARE(e.mensagem(), QStringLiteral("O componente deve estar em um formulário. "
                                                  "Isto é, o Owner deve ser um TForm."));
        }
    }

    void criacao()
    {
        Janela j = NovaJanela();
        QCOMPARE(j.moldura->Caption(), QStringLiteral("Rotina do Korvane"));
        QCOMPARE(j.form->windowTitle(), QStringLiteral("Rotina do Korvane"));
        QCOMPARE(j.moldura->About(), QStringLiteral("Versão 2.00 de 03/07/2012 14:00"));
        QVERIFY(j.form->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(j.moldura->geometry(), j.form->rect());
        QCOMPARE(j.moldura->VersaoTexto(), QStringLiteral("06.1.05.012"));
        QVERIFY(!j.moldura->EnableMaximize());
        QVERIFY(!j.moldura->VisibleHelp());
        QVERIFY(!j.moldura->VisibleMenuContexto());
        QCOMPARE(j.moldura->LinhaProduto(), QStringLiteral("Korvane - KX Rozedeve"));
        QCOMPARE(j.moldura->LabelValidadeProvisoria(), QStringLiteral("Expira em"));
    }

    void coresPorModo_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QString>("modo");
        QTest::addColumn<QColor>("borda");
        QTest::addColumn<QColor>("faixa");   // (300, 10), caption band
        QTest::addColumn<QColor>("rodape");  // (300, H - 3)
        QTest::addColumn<QColor>("lateral"); // (1, H - 3)
        const QColor preto(0, 0, 0), novaBorda(0, 181, 199);
        const QColor nada; // the header image: not a stated colour
        QTest::newRow("normal-6") << 6 << "normal" << preto << nada << QColor(107, 184, 234)
                                  << QColor(32, 147, 223);
        QTest::newRow("normal-28")
            << 28 << "normal" << novaBorda << nada << QColor(0, 181, 199) << QColor(12, 154, 190);
        QTest::newRow("provisoria") << 6 << "provisoria" << preto << kPrata << kPrata << kPrata;
        QTest::newRow("monitoramento") << 6 << "monitoramento" << preto << QColor(0, 116, 155)
                                       << QColor(0, 116, 155) << QColor(0, 116, 155);
        QTest::newRow("simplificada")
            << 29 << "simplificada" << novaBorda << kPrata << kPrata << kPrata;
        QTest::newRow("treinamento")
            << 6 << "treinamento" << preto << nada << QColor(107, 184, 234) << QColor(32, 147, 223);
    }
    void coresPorModo()
    {
        QFETCH(int, major);
        QFETCH(QString, modo);
        QFETCH(QColor, borda);
        QFETCH(QColor, faixa);
        QFETCH(QColor, rodape);
        QFETCH(QColor, lateral);
        Janela j = NovaJanela(major);
        TWallpaperRotinaKX* m = j.moldura;
        m->SetNomeUsuario(QStringLiteral("Marina Duarte"));
        m->SetNomeLoja(QStringLiteral("Loja 12"));
        m->SetNomeEmpresa(QStringLiteral("Atacado Sul"));
        if (modo == QLatin1String("provisoria"))
            m->SetDataValidadeProvisoria(QDate(2027, 3, 31));
        else if (modo == QLatin1String("monitoramento"))
            m->SetInterfaceMonitoramento(true);
        else if (modo == QLatin1String("simplificada"))
            m->SetInterfaceSimplificada(true);
        else if (modo == QLatin1String("treinamento"))
            m->SetModoAplicacao(maTreinamento);
        auto* layout = new QVBoxLayout(m);
        layout->addWidget(new QLabel(QStringLiteral("Conteúdo da rotina"), m));
        j.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(j.form.get()));

        const QImage img = m->ImagemFundoComTitulo();
        const int w = img.width(), h = img.height();
        QCOMPARE(w, 600);
        QCOMPARE(h, 400);
        for (QPoint p : {QPoint(0, 0), QPoint(w - 1, 200), QPoint(300, h - 1), QPoint(0, h - 1)})
            QVERIFY2(img.pixelColor(p) == borda, qPrintable(Cor(img.pixelColor(p))));
        // The content area: black pen from (4, 48) to (W - 4, H - 4), CorFundo inside.
        for (QPoint p : {QPoint(4, 200), QPoint(w - 5, 200), QPoint(300, 48), QPoint(300, h - 5)})
            QCOMPARE(img.pixelColor(p), QColor(Qt::black));
        QCOMPARE(img.pixelColor(5, 49), kConteudo);
        QCOMPARE(img.pixelColor(w - 6, h - 6), kConteudo);
        QCOMPARE(m->RetanguloConteudo(), QRect(QPoint(5, 49), QPoint(w - 6, h - 6)));
        if (faixa.isValid())
            QVERIFY2(img.pixelColor(300, 10) == faixa, qPrintable(Cor(img.pixelColor(300, 10))));
        QVERIFY2(Perto(img.pixelColor(300, h - 3), rodape),
                 qPrintable(Cor(img.pixelColor(300, h - 3))));
        QVERIFY2(Perto(img.pixelColor(1, h - 3), lateral),
                 qPrintable(Cor(img.pixelColor(1, h - 3))));

        const bool treino = modo == QLatin1String("treinamento");
        // Product line at (9, 31): absent in training mode.
        QCOMPARE(PixelsBrancos(img, QRect(9, 33, 150, 10)) == 0, treino);
        // Right side: in training mode only the user line, ending at W - 16.
        const int direita = PixelsBrancos(img, QRect(w - 15, 33, 9, 10));
        QCOMPARE(direita == 0, treino);
        if (treino)
            QVERIFY(PixelsBrancos(img, QRect(w - 60, 33, 44, 10)) > 0);
        Salvar(j.form.get(),
               QStringLiteral("moldura_") + QString::fromLatin1(QTest::currentDataTag()));
    }

    void repeticaoDoTopoAteOCabecalho_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QString>("topo");
        QTest::addColumn<QString>("repeticao");
        QTest::newRow("6") << 6 << "I1"
                           << "I2";
        QTest::newRow("28") << 28 << "I101"
                            << "I102";
    }
    void repeticaoDoTopoAteOCabecalho()
    {
        QFETCH(int, major);
        QFETCH(QString, topo);
        QFETCH(QString, repeticao);
        const QImage cabecalho = QImage::fromData(ArteKX::Recurso(topo), "JPG");
        const QImage ladrilho = QImage::fromData(ArteKX::Recurso(repeticao), "JPG");
        QVERIFY(!cabecalho.isNull() && !ladrilho.isNull());
        Janela j = NovaJanela(major, QSize(1100, 500));
        const QImage img = j.moldura->ImagemFundo();
        // The tile from x = 1 up to the header image, which starts at W - its width - 1.
        const int inicioCabecalho = 1100 - cabecalho.width() - 1;
        for (int y : {1, 20, 47}) {
            for (int x : {1, 150, inicioCabecalho - 1})
                QCOMPARE(img.pixelColor(x, y), ladrilho.pixelColor(0, y - 1));
            QCOMPARE(img.pixelColor(inicioCabecalho, y), cabecalho.pixelColor(0, y - 1));
        }
        Salvar(j.form.get(), QStringLiteral("moldura_larga_") + QString::number(major));
    }

    void linhaDaVersaoProvisoria()
    {
        Janela j = NovaJanela();
        TWallpaperRotinaKX* m = j.moldura;
        QVERIFY(!m->InterfaceRotinaProvisoria());
        m->SetDataValidadeProvisoria(QDate());
        QVERIFY(!m->InterfaceRotinaProvisoria());
        m->SetIdEntregaContinua(QStringLiteral("   "));
        QVERIFY(!m->InterfaceRotinaProvisoria());
        m->SetIdEntregaContinua(QStringLiteral("EC-4471"));
        QVERIFY(m->InterfaceRotinaProvisoria());
        m->SetDataValidadeProvisoria(QDate(2027, 3, 31));
        const QString data = QLocale().toString(QDate(2027, 3, 31), QLocale::ShortFormat);
        QCOMPARE(m->LinhaVersao(), m->CodigoRotina() +
                                       QStringLiteral(" [EC-4471]  v.06.1.05.012"
                                                      "(Expira em ") +
                                       data + QStringLiteral(")"));
        m->SetNomeUsuario(QStringLiteral("ana"));
        m->SetNomeLoja(QStringLiteral("loja 1"));
        QCOMPARE(m->LinhaUsuario(), QStringLiteral("ANA / LOJA 1"));
        m->SetNomeEmpresa(QStringLiteral("acme"));
        QCOMPARE(m->LinhaUsuario(), QStringLiteral("ANA (LOJA 1@ACME)"));
    }

    void barraDeStatus()
    {
        Janela j = NovaJanela();
        TWallpaperRotinaKX* m = j.moldura;
        m->SetStatusText(QStringLiteral("perdido"));
        m->SetShowStatusBar(true);
        QVERIFY(m->StatusText().isEmpty());
        m->SetStatusText(QStringLiteral("Pronto"));
        QCOMPARE(m->StatusText(), QStringLiteral("Pronto"));
        QCOMPARE(m->StatusBar()->geometry().topLeft(), QPoint(4, 400 - 23));
        QCOMPARE(m->StatusBar()->width(), 600 - 8);
        // The content area ends 2 pixels above the bar.
        const QImage img = m->ImagemFundoComTitulo();
        QCOMPARE(img.pixelColor(300, 377 - 2 - 1), QColor(Qt::black));
        QCOMPARE(m->RetanguloConteudo(), QRect(QPoint(5, 49), QPoint(594, 373)));
        j.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(j.form.get()));
        Salvar(j.form.get(), QStringLiteral("moldura_barra_de_status"));
        m->SetShowStatusBar(false);
        QCOMPARE(m->RetanguloConteudo(), QRect(QPoint(5, 49), QPoint(594, 394)));
        QCOMPARE(m->ImagemFundoComTitulo().pixelColor(300, 395), QColor(Qt::black));
    }

    void botoesEmW600()
    {
        Janela j = NovaJanela();
        TWallpaperRotinaKX* m = j.moldura;
        TControleDosBotoes* b = m->BotoesWindows();
        QCOMPARE(b->BotaoFechar()->geometry(), QRect(573, 4, 23, 22));
        QCOMPARE(b->BotaoMaximizar()->x(), 550);
        QCOMPARE(b->BotaoMinimizar()->x(), 527);
        QCOMPARE(b->BotaoSimplificarGUI()->x(), 504);
        QCOMPARE(b->BotaoHelp()->x(), 481);
        QCOMPARE(b->BotaoMenuContexto()->x(), 458);
        QCOMPARE(b->PosicaoBotaoMaisEsq(), 458);
        QVERIFY(!b->VisibleHelp() && !b->VisibleMenuContexto());
        // A long caption stops 2 pixels left of the slot, at 456.
        m->SetCaption(QString(60, QLatin1Char('W')));
        const QImage img = m->ImagemFundoComTitulo();
        QVERIFY(PixelsBrancos(img, QRect(430, 7, 26, 22)) > 0);
        QCOMPARE(PixelsBrancos(img, QRect(456, 7, 30, 22)), 0);
        QCOMPARE(b->BotaoSimplificarGUI()->toolTip(),
                 QStringLiteral("Simplificar a tela - para facilitar o uso remoto do Korvane"));
    }

    void botaoFecharDesabilitado()
    {
        Janela j = NovaJanela();
        j.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(j.form.get()));
        TBotaoWindow* fechar = j.moldura->BotoesWindows()->BotaoFechar();
        j.moldura->SetEnableFechar(false);
        QCOMPARE(fechar->EstadoAtual(), TBotaoWindow::Estado::Desabilitado);
        const QImage img = fechar->grab().toImage();
        // Centre of the X: glyph box (6, 5) to (17, 16).
        QCOMPARE(img.pixelColor(11, 10), QColor(128, 128, 128));
        QTest::mouseClick(fechar, Qt::LeftButton, {}, QPoint(11, 10));
        QVERIFY(!fechar->Down());
        QVERIFY(j.form->isVisible());
        j.moldura->SetEnableFechar(true);
        QVERIFY(fechar->grab().toImage().pixelColor(11, 10) != QColor(128, 128, 128));
        QTest::mouseClick(fechar, Qt::LeftButton, {}, QPoint(11, 10));
        QTRY_VERIFY(!j.form->isVisible());
    }

    void pontosQuentes_data()
    {
        QTest::addColumn<bool>("maximizada");
        QTest::addColumn<QPoint>("ponto");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("local");
        QTest::newRow("canto") << false << QPoint(3, 3) << int(Qt::SizeFDiagCursor)
                               << int(spTopLeft);
        QTest::newRow("esquerda") << false << QPoint(3, 300) << int(Qt::SizeHorCursor)
                                  << int(spLeft);
        QTest::newRow("base-direita")
            << false << QPoint(597, 397) << int(Qt::SizeFDiagCursor) << int(spBottomRight);
        QTest::newRow("topo-direita")
            << false << QPoint(597, 3) << int(Qt::SizeBDiagCursor) << int(spTopRight);
        QTest::newRow("base") << false << QPoint(300, 397) << int(Qt::SizeVerCursor)
                              << int(spBottom);
        QTest::newRow("meio") << false << QPoint(300, 200) << int(Qt::ArrowCursor) << int(spNone);
        QTest::newRow("max-canto") << true << QPoint(3, 3) << int(Qt::ArrowCursor) << int(spNone);
        QTest::newRow("max-esquerda")
            << true << QPoint(3, 300) << int(Qt::ArrowCursor) << int(spNone);
    }
    void pontosQuentes()
    {
        QFETCH(bool, maximizada);
        QFETCH(QPoint, ponto);
        QFETCH(int, cursor);
        QFETCH(int, local);
        Janela j = NovaJanela();
        j.moldura->SetSizable(true);
        j.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(j.form.get()));
        if (maximizada) {
            j.moldura->SetEnableMaximize(true);
            j.moldura->MaximizarForm();
            QTRY_VERIFY(j.moldura->Maximizado());
        }
        Mouse(j.moldura, QEvent::MouseMove, ponto, Qt::NoButton, Qt::NoButton);
        QCOMPARE(int(j.moldura->SizeHandler()->LocalRedimAtual()), local);
        QCOMPARE(int(j.moldura->cursor().shape()), cursor);
        QCOMPARE(j.moldura->SizeHandler()->TimerCursorAtivo(), cursor != int(Qt::ArrowCursor));
    }

    void redimensionarPelosCantos_data()
    {
        QTest::addColumn<QPoint>("inicio");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<QRect>("esperado"); // relative to the starting geometry
        QTest::newRow("base-direita") << QPoint(597, 397) << QPoint(20, 10) << QRect(0, 0, 20, 10);
        QTest::newRow("topo-esquerda") << QPoint(3, 3) << QPoint(-15, -5) << QRect(-15, -5, 15, 5);
        QTest::newRow("direita") << QPoint(597, 200) << QPoint(-30, 40) << QRect(0, 0, -30, 0);
        QTest::newRow("base") << QPoint(300, 397) << QPoint(8, 12) << QRect(0, 0, 0, 12);
    }
    void redimensionarPelosCantos()
    {
        QFETCH(QPoint, inicio);
        QFETCH(QPoint, delta);
        QFETCH(QRect, esperado);
        Janela j = NovaJanela();
        j.moldura->SetSizable(true);
        j.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(j.form.get()));
        const QRect antes = j.form->geometry();
        Mouse(j.moldura, QEvent::MouseMove, inicio, Qt::NoButton, Qt::NoButton);
        Mouse(j.moldura, QEvent::MouseButtonPress, inicio, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(j.moldura->SizeHandler()->Capturando());
        Mouse(j.moldura, QEvent::MouseMove, inicio + delta, Qt::NoButton, Qt::LeftButton);
        Mouse(j.moldura, QEvent::MouseButtonRelease, inicio + delta, Qt::LeftButton, Qt::NoButton);
        QVERIFY(!j.moldura->SizeHandler()->Capturando());
        QTRY_COMPARE(j.form->geometry(),
                     QRect(antes.x() + esperado.x(), antes.y() + esperado.y(),
                           antes.width() + esperado.width(), antes.height() + esperado.height()));
        QCOMPARE(j.moldura->size(), j.form->size());
    }

    void arrastarPelaFaixa()
    {
        Janela j = NovaJanela();
        j.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(j.form.get()));
        const QPoint antes = j.form->pos();
        Mouse(j.moldura, QEvent::MouseButtonPress, QPoint(100, 20), Qt::LeftButton, Qt::LeftButton);
        QVERIFY(j.moldura->ArrastandoCaption());
        Mouse(j.moldura, QEvent::MouseMove, QPoint(130, 25), Qt::NoButton, Qt::LeftButton);
        Mouse(j.moldura, QEvent::MouseButtonRelease, QPoint(130, 25), Qt::LeftButton, Qt::NoButton);
        QVERIFY(!j.moldura->ArrastandoCaption());
        QTRY_COMPARE(j.form->pos(), antes + QPoint(30, 5));
        QCOMPARE(j.form->size(), QSize(600, 400));

        j.moldura->SetEnableMaximize(true);
        j.moldura->MaximizarForm();
        QTRY_VERIFY(j.moldura->Maximizado());
        Mouse(j.moldura, QEvent::MouseButtonPress, QPoint(100, 20), Qt::LeftButton, Qt::LeftButton);
        QVERIFY(!j.moldura->ArrastandoCaption());
        Mouse(j.moldura, QEvent::MouseButtonRelease, QPoint(100, 20), Qt::LeftButton, Qt::NoButton);
        // Restoring goes back to the size the form had, centred.
        j.moldura->MaximizarForm();
        QTRY_VERIFY(!j.moldura->Maximizado());
        QTRY_COMPARE(j.form->size(), QSize(600, 400));
    }

    void simplificarDuasVezesNumSegundo()
    {
        Janela j = NovaJanela();
        int avisos = 0;
        j.moldura->SetOnSimplificar([&] { ++avisos; });
        j.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(j.form.get()));
        TBotaoWindow* s = j.moldura->BotoesWindows()->BotaoSimplificarGUI();
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(11, 10));
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(11, 10));
        QVERIFY(j.moldura->InterfaceSimplificada());
        QVERIFY(avisos >= 1);
        QTRY_VERIFY_WITH_TIMEOUT(!j.moldura->BotoesWindows()->Simplificando(), 5000);
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(11, 10));
        QVERIFY(!j.moldura->InterfaceSimplificada());
    }

    void simplificadaIgnoradaEmMonitoramento()
    {
        Janela j = NovaJanela();
        Janela outra = NovaJanela();
        int avisos = 0;
        j.moldura->SetOnSimplificar([&] { ++avisos; });
        j.moldura->SetInterfaceMonitoramento(true);
        // Every window of the process follows.
        QVERIFY(outra.moldura->InterfaceMonitoramento());
        const int antes = avisos;
        j.moldura->SetInterfaceSimplificada(true);
        QVERIFY(!j.moldura->InterfaceSimplificada());
        QCOMPARE(avisos, antes);
        j.moldura->SetInterfaceMonitoramento(false);
        QVERIFY(!outra.moldura->InterfaceMonitoramento());
        // Setting the current value does nothing.
        const int depois = avisos;
        j.moldura->SetInterfaceSimplificada(false);
        QCOMPARE(avisos, depois);
    }

    void segueOutroProgramaSoQuandoOsModosMudam()
    {
        Janela j = NovaJanela();
        int avisos = 0;
        j.moldura->SetOnSimplificar([&] { ++avisos; });
        ObservadorRegistro observador;
        QSignalSpy mudou(&observador, &ObservadorRegistro::alterado);
        // Another program writes something else to the hive: nothing to follow.
        RegistroUsuario().gravarTexto(QStringLiteral("Software\\Outro"), QStringLiteral("Valor"),
                                      QString::number(QDateTime::currentMSecsSinceEpoch()));
        QVERIFY(mudou.wait(10000));
        // The frame's process watches the same file: let its notice arrive too.
        QTest::qWait(300);
        QCOMPARE(avisos, 0);
        // Another program simplifies: this window follows, once.
        PreferenciasKX::GravarInterface({true, false});
        QTRY_VERIFY_WITH_TIMEOUT(j.moldura->InterfaceSimplificada(), 10000);
        QCOMPARE(avisos, 1);
        PreferenciasKX::GravarInterface({false, false});
        QTRY_VERIFY_WITH_TIMEOUT(!j.moldura->InterfaceSimplificada(), 10000);
        QCOMPARE(avisos, 2);
        // A change made here is followed at once; the hive's notice of that
        // same write is not a second one.
        mudou.clear();
        j.moldura->SetInterfaceSimplificada(true);
        const int aposMudar = avisos;
        QVERIFY(aposMudar > 2);
        QVERIFY(mudou.wait(10000));
        QTest::qWait(300);
        QCOMPARE(avisos, aposMudar);
        j.moldura->SetInterfaceSimplificada(false);
    }
};

QTEST_MAIN(TestMoldura)
#include "tst_moldura.moc"
