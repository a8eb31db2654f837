#include "app/frmLauncher.h"

#include "app/LogoKorvane.h"
#include "i18n/KXLinguas.h"
#include "repository/dmRepositorio.h"
#include "service/ServidorHttp.h"
#include "service/wmLocal.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QRandomGenerator>
#include <QScreen>
#include <QSystemTrayIcon>
#include <cstdio>

const QString TfrmLauncher::kIniciar = QStringLiteral("&Iniciar serviço");
const QString TfrmLauncher::kParar = QStringLiteral("&Parar serviço");

namespace {

const QString kLauncherKorvane = QStringLiteral("Launcher Korvane");

void avisar(const QString& texto)
{
    std::fprintf(stderr, "korvanestart: %s\n", texto.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace

TfrmLauncher::TfrmLauncher(TdmRepositorio& repositorio, QString modoInstalacao)
    : TfrmLauncher(repositorio, std::move(modoInstalacao), Opcoes{})
{}

TfrmLauncher::TfrmLauncher(TdmRepositorio& repositorio, QString modoInstalacao, Opcoes opcoes)
    : QWidget(nullptr, Qt::FramelessWindowHint)
    , m_repositorio(repositorio)
    , m_opcoes(opcoes)
    , FModoInstalacao(std::move(modoInstalacao))
    , m_wmLocal(std::make_unique<TwmLocal>(repositorio))
    , FServer(std::make_unique<ServidorHttp>(*m_wmLocal))
{
    setObjectName(QStringLiteral("frmLauncher"));
    setWindowTitle(kLauncherKorvane);
    setWindowIcon(LogoKorvane::icone());
    montarConteudo();
    montarMenu();

    Timer1.setInterval(3000);
    connect(&Timer1, &QTimer::timeout, this, &TfrmLauncher::Timer1Timer);
    m_espera.setSingleShot(true);
    m_espera.setTimerType(Qt::PreciseTimer);
    connect(&m_espera, &QTimer::timeout, this, &TfrmLauncher::tentarLigar);

    tryExecutaveis = new QSystemTrayIcon(LogoKorvane::icone(), this);
    tryExecutaveis->setObjectName(QStringLiteral("tryExecutaveis"));
    tryExecutaveis->setToolTip(kLauncherKorvane);
    tryExecutaveis->setContextMenu(pmnControlar);
    if (!modoCompartilhado()) {
        tryExecutaveis->show();
        if (!QSystemTrayIcon::isSystemTrayAvailable())
            avisar(QStringLiteral("área de notificação indisponível; o serviço segue ativo sem "
                                  "o ícone."));
    } else {
        Label1->setText(QStringLiteral("KorvaneStart \r\n") + m_repositorio.GetVersao());
    }

    Iniciarservio1->setText(kIniciar);
    Iniciarservio1Click();
}

TfrmLauncher::~TfrmLauncher()
{
    m_espera.stop();
    FServer->parar();
}

void TfrmLauncher::montarConteudo()
{
    setFixedSize(623, 177);
    setAutoFillBackground(true);
    QPalette fundo = palette();
    fundo.setColor(QPalette::Window, Qt::white);
    setPalette(fundo);
    if (const QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());

    auto* Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(rect());
    Panel1->setAutoFillBackground(true);
    QPalette painel = Panel1->palette();
    painel.setColor(QPalette::Window, LogoKorvane::corDeTColor(12622848));
    painel.setColor(QPalette::WindowText, Qt::white);
    Panel1->setPalette(painel);
    Panel1->setFont(QFont(QStringLiteral("Arial")));

    auto* Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(222, 9, 177, 50);
    Image1->setScaledContents(true);
    Image1->setPixmap(LogoKorvane::logo(QSize(177, 50)));

    Label1 = new QLabel(QStringLiteral("KorvaneStart"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(0, 76, 623, 101);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont fonte(QStringLiteral("Arial"));
    fonte.setPixelSize(37);
    Label1->setFont(fonte);
    QPalette rotulo = Label1->palette();
    rotulo.setColor(QPalette::WindowText, LogoKorvane::corDeTColor(4473924));
    Label1->setPalette(rotulo);
}

void TfrmLauncher::montarMenu()
{
    pmnControlar = new QMenu(this);
    pmnControlar->setObjectName(QStringLiteral("pmnControlar"));
    Iniciarservio1 = pmnControlar->addAction(kIniciar, this, &TfrmLauncher::Iniciarservio1Click);
    Iniciarservio1->setObjectName(QStringLiteral("Iniciarservio1"));
    Verso1 = pmnControlar->addAction(QStringLiteral("&Versão do KorvaneStart"), this,
                                     &TfrmLauncher::Verso1Click);
    Verso1->setObjectName(QStringLiteral("Verso1"));
    N1 = pmnControlar->addSeparator();
    N1->setObjectName(QStringLiteral("N1"));
    mniFechar =
        pmnControlar->addAction(QStringLiteral("&Fechar"), this, &TfrmLauncher::mniFecharClick);
    mniFechar->setObjectName(QStringLiteral("mniFechar"));
    mniFechar->setStatusTip(QStringLiteral("Fechar aplicativo"));
    mniFechar->setToolTip(QStringLiteral("Fechar aplicativo"));

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& ponto) { pmnControlar->popup(mapToGlobal(ponto)); });
}

bool TfrmLauncher::servicoAtivo() const
{
    return FServer->ativo();
}

QString TfrmLauncher::textoVersao() const
{
    QString texto = QStringLiteral("Versão do KorvaneStart: ") + m_repositorio.GetVersao();
    if (modoCompartilhado())
        texto += QStringLiteral(" Modo:TS");
    return texto;
}

void TfrmLauncher::Iniciarservio1Click()
{
    if (m_iniciando)
        return;
    if (Iniciarservio1->text() != kIniciar)
        pararServico();
    else
        iniciarServico();
}

int TfrmLauncher::sortearPorta()
{
    // Ports below 1024 are reserved for the system.
    return QRandomGenerator::global()->bounded(1024, 9999);
}

void TfrmLauncher::guardarPorta(int porta)
{
    try {
        m_repositorio.SetPortLauncher(porta);
    } catch (const std::exception& e) {
        // The port is kept in memory all the same; the service must still run.
        if (!m_avisouPorta)
            avisar(QString::fromUtf8(e.what()));
        m_avisouPorta = true;
    }
}

void TfrmLauncher::iniciarServico()
{
    m_iniciando = true;
    Iniciarservio1->setEnabled(false);
    guardarPorta(modoCompartilhado() ? sortearPorta() : m_opcoes.portaNormal);
    m_espera.start(m_opcoes.esperaMs);
}

void TfrmLauncher::tentarLigar()
{
    bool ligado = false;
    try {
        ligado = FServer->iniciar(m_repositorio.PortLauncher(), m_repositorio.EscutaTodos());
    } catch (const std::exception&) {
        ligado = false;
    }
    if (!ligado) {
        guardarPorta(sortearPorta());
        m_espera.start(m_opcoes.esperaMs);
        return;
    }
    if (FServer->porta() != m_repositorio.PortLauncher())
        guardarPorta(FServer->porta());
    m_iniciando = false;
    Iniciarservio1->setEnabled(true);
    Iniciarservio1->setText(kParar);
    emit servicoIniciado(FServer->porta());
}

void TfrmLauncher::pararServico()
{
    FServer->parar();
    Iniciarservio1->setText(kIniciar);
    emit servicoParado();
}

void TfrmLauncher::Verso1Click()
{
    TKXLinguas().Informar(textoVersao());
}

void TfrmLauncher::mniFecharClick()
{
    close();
}

void TfrmLauncher::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    Timer1.start();
}

void TfrmLauncher::Timer1Timer()
{
    showMinimized();
    Timer1.stop();
    hide();
}

void TfrmLauncher::closeEvent(QCloseEvent* evento)
{
    m_espera.stop();
    m_iniciando = false;
    FServer->parar();
    tryExecutaveis->hide();
    evento->accept();
    emit fechado();
}
