// Translation of a whole window: captions, hints, headers, tabs, status bar,
// the frame control's named properties, reports and frames.

#include "i18n/InterfaceUsuarioRoteirizada.h"
#include "i18n/KXLinguas.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QStringEncoder>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

// Stand-ins with the class names and properties the translator looks for.
class TWallpaperRotinaKX : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption MEMBER Caption)
    Q_PROPERTY(QString HintClose MEMBER HintClose)
    Q_PROPERTY(QString LabelVersao MEMBER LabelVersao)
    Q_PROPERTY(QString StatusText MEMBER StatusText)
    Q_PROPERTY(QStringList Panels MEMBER Panels)

public:
    using QWidget::QWidget;
    QString Caption, HintClose, LabelVersao, StatusText;
    QStringList Panels;
};

class TppReport : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString PaperName MEMBER PaperName)
    Q_PROPERTY(QString Language MEMBER Language)
    Q_PROPERTY(QObject* KXLinguas MEMBER KXLinguas)

public:
    using QObject::QObject;
    QString PaperName, Language;
    QObject* KXLinguas = nullptr;
};

class TFrame : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
};

class TButtonPesquisa : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;
};

class TestKXLinguasComponentes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_ui = std::make_unique<TInterfaceUsuarioRoteirizada>(); }
    void janelaInteira();
    void origemNaoMexe();
    void legendaDaMolduraPelaOpcao();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TInterfaceUsuarioRoteirizada> m_ui;
};

void TestKXLinguasComponentes::initTestCase()
{
    QFile lista(m_dir.path() + QStringLiteral("/korvane-todos.lng"));
    QVERIFY(lista.open(QIODevice::WriteOnly));
    const char* const termos[][2] = {{"CADASTRODEROTINAS", "Routine register"},
                                     {"NOME", "Name"},
                                     {"SALVAR", "Save"},
                                     {"DICADESALVAR", "Save hint"},
                                     {"DADOS", "Data"},
                                     {"GERAL", "General"},
                                     {"AVANÇADO", "Advanced"},
                                     {"CÓDIGO", "Code"},
                                     {"DESCRIÇÃO", "Description"},
                                     {"PRONTO", "Ready"},
                                     {"FECHAR", "Close"},
                                     {"VERSÃO", "Version"},
                                     {"AGUARDANDO", "Waiting"},
                                     {"PAINEL1", "Panel 1"},
                                     {"ROTINADOKORVANE", "Korvane routine"},
                                     {"NOQUADRO", "In the frame"},
                                     {"PESQUISAR", "Search"},
                                     {"ABRIR", "Open"},
                                     {"COLUNA", "Column"}};
    QString texto;
    for (const auto& termo : termos)
        texto += QStringLiteral("?=%1\nPT-BR=x\nEN=%2\n")
                     .arg(QString::fromUtf8(termo[0]), QString::fromUtf8(termo[1]));
    lista.write(QStringEncoder(QStringConverter::System).encode(texto));
}

void TestKXLinguasComponentes::janelaInteira()
{
    TKXLinguas linguas;
    linguas.SetDiretorioListas(m_dir.path());
    linguas.SetIdioma(QStringLiteral("EN"));
    linguas.SetNomeLogTermoDesconhecido(m_dir.path() + QStringLiteral("/log.txt"));

    QWidget janela;
    janela.setWindowTitle(QStringLiteral("Cadastro de rotinas"));
    auto* rotulo = new QLabel(QStringLiteral("&Nome:"), &janela);
    auto* salvar = new QPushButton(QStringLiteral("&Salvar"), &janela);
    salvar->setToolTip(QStringLiteral("Dica de salvar"));
    auto* grupo = new QGroupBox(QStringLiteral("Dados"), &janela);
    auto* dentro = new QLabel(QStringLiteral("Código"), grupo);
    auto* abas = new QTabWidget(&janela);
    abas->addTab(new QWidget, QStringLiteral("Geral"));
    abas->addTab(new QWidget, QStringLiteral("Avançado"));
    auto* arvore = new QTreeWidget(&janela);
    arvore->setHeaderLabels({QStringLiteral("Código"), QStringLiteral("Descrição")});
    auto* modelo = new QStandardItemModel(0, 2, &janela);
    modelo->setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("123")});
    auto* barra = new QStatusBar(&janela);
    auto* painel = new QLabel(QStringLiteral("Pronto"), barra);
    barra->addWidget(painel);
    auto* acao = new QAction(QStringLiteral("&Abrir"), &janela);
    auto* moldura = new TWallpaperRotinaKX(&janela);
    moldura->Caption = QStringLiteral("Rotina do Korvane");
    moldura->HintClose = QStringLiteral("Fechar");
    moldura->LabelVersao = QStringLiteral("Versão");
    moldura->StatusText = QStringLiteral("Aguardando");
    moldura->Panels = {QStringLiteral("Painel 1"), QStringLiteral("42")};
    auto* relatorio = new TppReport(&janela);
    auto* quadro = new TFrame(&janela);
    auto* noQuadro = new QLabel(QStringLiteral("No quadro"), quadro);
    auto* pesquisa = new TButtonPesquisa(QStringLiteral("Pesquisar"), &janela);
    auto* desconhecido = new QLabel(QStringLiteral("Sem tradução"), &janela);
    auto* numero = new QLabel(QStringLiteral("31/12/2020"), &janela);

    linguas.Internacionalizar(&janela);

    QCOMPARE(janela.windowTitle(), QStringLiteral("Routine register"));
    QCOMPARE(rotulo->text(), QStringLiteral("Name"));
    QCOMPARE(salvar->text(), QStringLiteral("Save"));
    QCOMPARE(salvar->toolTip(), QStringLiteral("Save hint"));
    QCOMPARE(grupo->title(), QStringLiteral("Data"));
    QCOMPARE(dentro->text(), QStringLiteral("Code"));
    QCOMPARE(abas->tabText(0), QStringLiteral("General"));
    QCOMPARE(abas->tabText(1), QStringLiteral("Advanced"));
    QCOMPARE(arvore->headerItem()->text(0), QStringLiteral("Code"));
    QCOMPARE(arvore->headerItem()->text(1), QStringLiteral("Description"));
    QCOMPARE(modelo->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Code"));
    QCOMPARE(modelo->headerData(1, Qt::Horizontal).toString(), QStringLiteral("123"));
    QCOMPARE(painel->text(), QStringLiteral("Ready"));
    QCOMPARE(acao->text(), QStringLiteral("Open"));
    QCOMPARE(moldura->HintClose, QStringLiteral("Close"));
    QCOMPARE(moldura->LabelVersao, QStringLiteral("Version"));
    QCOMPARE(moldura->StatusText, QStringLiteral("Waiting"));
    QCOMPARE(moldura->Panels, (QStringList{"Panel 1", "42"}));
    QCOMPARE(moldura->Caption, QStringLiteral("Rotina do Korvane")); // option off
    QCOMPARE(relatorio->Language, QStringLiteral("lgEnglish"));
    QCOMPARE(relatorio->PaperName, QStringLiteral("Letter")); // no printer offers "Carta"
    QCOMPARE(relatorio->KXLinguas, &linguas);
    QCOMPARE(noQuadro->text(), QStringLiteral("In the frame"));
    QCOMPARE(pesquisa->text(), QStringLiteral("Pesquisar"));
    QCOMPARE(desconhecido->text(), QStringLiteral("#Sem tradução#"));
    QCOMPARE(numero->text(), QStringLiteral("31/12/2020"));

    // Each text translated once: the only unknown term is logged once.
    QFile log(m_dir.path() + QStringLiteral("/log.txt"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(log.readAll()),
             QStringLiteral("?=SEMTRADUÇÃO\nPT-BR=Sem tradução\nEN=\n"));
    QCOMPARE(m_ui->Quantidade(), 0);

    // Spanish of Mexico prints on A4.
    linguas.SetNomeLogTermoDesconhecido(QString());
    linguas.SetIdioma(QStringLiteral("ES-MX"));
    linguas.Internacionalizar(&janela);
    QCOMPARE(relatorio->PaperName, QStringLiteral("A4"));
    QCOMPARE(relatorio->Language, QStringLiteral("lgSpanishMexico"));
}

void TestKXLinguasComponentes::origemNaoMexe()
{
    TKXLinguas linguas;
    QWidget janela;
    janela.setWindowTitle(QStringLiteral("Cadastro de rotinas"));
    auto* rotulo = new QLabel(QStringLiteral("&Nome:^M"), &janela);
    auto* relatorio = new TppReport(&janela);
    linguas.Internacionalizar(&janela);
    QCOMPARE(rotulo->text(), QStringLiteral("&Nome:^M"));
    QCOMPARE(relatorio->KXLinguas, nullptr);
    QCOMPARE(relatorio->PaperName, QString());

    // Turned off, another language leaves the window alone too.
    linguas.SetDiretorioListas(m_dir.path());
    linguas.SetIdioma(QStringLiteral("EN"));
    linguas.SetEnabled(false);
    linguas.Internacionalizar(&janela);
    QCOMPARE(janela.windowTitle(), QStringLiteral("Cadastro de rotinas"));
}

void TestKXLinguasComponentes::legendaDaMolduraPelaOpcao()
{
    TKXLinguas linguas;
    linguas.SetDiretorioListas(m_dir.path());
    linguas.SetIdioma(QStringLiteral("EN"));
    TWallpaperRotinaKX moldura;
    moldura.Caption = QStringLiteral("Rotina do Korvane");
    SetPropriedadeKXNac(QStringLiteral("AutoTraduzCaptionWallpaper"), QStringLiteral("T"));
    linguas.TraduzirComponente(&moldura);
    SetPropriedadeKXNac(QStringLiteral("AutoTraduzCaptionWallpaper"), QStringLiteral("F"));
    QCOMPARE(moldura.Caption, QStringLiteral("Korvane routine"));

    // TraduzirCaption alone: the "Caption" property when there is one.
    TWallpaperRotinaKX outra;
    outra.Caption = QStringLiteral("Salvar");
    outra.HintClose = QStringLiteral("Fechar");
    linguas.TraduzirCaption(&outra);
    QCOMPARE(outra.Caption, QStringLiteral("Save"));
    QCOMPARE(outra.HintClose, QStringLiteral("Fechar"));
}

QTEST_MAIN(TestKXLinguasComponentes)
#include "tst_kxlinguascomponentes.moc"
