#include "dependencies/ParametrosExibicao.h"

#include "dependencies/GradeExibicao.h"
#include "frame/DataSetKX.h"
#include "frame/JanelaParametrosKX.h"
#include "frame/WallpaperRotinaKX.h"
#include "i18n/KXLinguas.h"
#include "platform/EKorvane.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const char* const kAbaGeral = "   &Parâmetros gerais, para toda a empresa";
const char* const kAbaFilial = "   Pa&râmetros por filial";

QList<ColunaGrade> ColunasGeral()
{
    return {Coluna("ID", {}, 67),        Coluna("TITULO", {}, 387),
            Coluna("VALOR", {}, 101),    Coluna("PORFILIAL", {}, 0, true),
            Coluna("PARAMETRO", "NOME"), Coluna("TEXTOAJUDA", {}, 0, true)};
}

QList<ColunaGrade> ColunasFilial()
{
    return {Coluna("FILIAL"),
            Coluna("ID"),
            Coluna("TITULO", {}, 381),
            Coluna("VALOR", {}, 110),
            Coluna("PARAMETRO", "NOME"),
            Coluna("PORFILIAL", {}, 0, true),
            Coluna("TEXTOAJUDA", {}, 0, true)};
}

QList<ColunaGrade> ColunasPermissoes()
{
    return {Coluna("ACESSO", {}, 80, false, true, true), Coluna("CODCONTROLE", {}, 79),
            Coluna("DESCRICAO", {}, 397), Coluna("CODROTINA", {}, 0, true, false),
            Coluna("CODUSUARIO", {}, 0, true, false)};
}

QList<ColunaGrade> ColunasWMS()
{
    return {Coluna("CODFILIAL", "FILIAL"), Coluna("DESCRICAO", "DESCRIÇÃO", 578), Coluna("VALOR"),
            Coluna("NOME")};
}

} // namespace

TfrmParametros::TfrmParametros(QWidget* AOwner, TDataSetKX* pDataSet,
                               TMenuContextoItem pMenuContextoItem)
    : QDialog(AOwner)
    , fDataSource(pDataSet)
    , fMenuContextoItem(pMenuContextoItem)
{
    setObjectName(QStringLiteral("frmParametros"));
    resize(700, 462);
    QFont fonte(QStringLiteral("Tahoma"));
    fonte.setPointSize(8);
    setFont(fonte);

    fMoldura = new TWallpaperRotinaKX(this);
    fMoldura->SetCaption(QStringLiteral("Rotina do Korvane"));
    fMoldura->SetEnableMaximize(true);
    fMoldura->SetEnableFechar(true);
    fMoldura->SetVisibleHelp(false);
    fMoldura->SetVisibleMenuContexto(false);
    fMoldura->SetSizable(false);
    fMoldura->SetShowStatusBar(false);
    fMoldura->SetHintMaximize(QStringLiteral("Maximizar"));
    fMoldura->SetHintMinimize(QStringLiteral("Minimizar"));
    fMoldura->SetHintHelp(QStringLiteral("Ajuda"));
    fMoldura->SetHintMenuContexto(QStringLiteral("Menu de contexto"));
    fMoldura->SetHintClose(QStringLiteral("Fechar"));
    fMoldura->SetLabelVersao(QStringLiteral("Versão"));
    fMoldura->SetLabelValidadeProvisoria(QStringLiteral("Expira em"));

    auto* painel = new QWidget(fMoldura);
    painel->setObjectName(QStringLiteral("pnlFundo"));
    painel->setAutoFillBackground(true);
    QPalette pal = painel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    painel->setPalette(pal);
    auto* externo = new QVBoxLayout(fMoldura);
    externo->setContentsMargins(0, 0, 0, 0);
    externo->addWidget(painel);

    fPaginas = new QTabWidget(painel);
    fTsParametros = new QWidget;
    fTsPermissoes = new QWidget;
    fTsParametrosWMS = new QWidget;
    fPaginas->addTab(fTsParametros, QStringLiteral("Parâmetros"));
    fPaginas->addTab(fTsPermissoes, QStringLiteral("Permissões"));
    fPaginas->addTab(fTsParametrosWMS, QStringLiteral("Parâmetros WMS"));

    // Parameters: the two grids and, behind a splitter, the hint box.
    fGrids = new QTabWidget;
    fGeral = new GradeExibicao(QStringLiteral("vwParametrosGeral"), ColunasGeral(), true, nullptr);
    fFilial =
        new GradeExibicao(QStringLiteral("vwParametrosFilial"), ColunasFilial(), true, nullptr);
    fGrids->addTab(fGeral, QString::fromUtf8(kAbaGeral));
    fGrids->addTab(fFilial, QString::fromUtf8(kAbaFilial));
    fGrpDica = new QGroupBox(QStringLiteral("Dica do parâmetro: "));
    fMmDica = new QPlainTextEdit;
    fMmDica->setReadOnly(true);
    auto* dicaLayout = new QVBoxLayout(fGrpDica);
    dicaLayout->setContentsMargins(6, 4, 6, 6);
    dicaLayout->addWidget(fMmDica);
    auto* divisor = new QSplitter(Qt::Vertical);
    divisor->addWidget(fGrids);
    divisor->addWidget(fGrpDica);
    divisor->setStretchFactor(0, 3);
    divisor->setStretchFactor(1, 1);
    auto* lp = new QVBoxLayout(fTsParametros);
    lp->setContentsMargins(4, 4, 4, 4);
    lp->addWidget(divisor);

    fPermissoes =
        new GradeExibicao(QStringLiteral("vwPemissoes"), ColunasPermissoes(), false, fTsPermissoes);
    auto* lpe = new QVBoxLayout(fTsPermissoes);
    lpe->setContentsMargins(4, 4, 4, 4);
    lpe->addWidget(fPermissoes);

    fWMS =
        new GradeExibicao(QStringLiteral("vwParametrosWMS"), ColunasWMS(), true, fTsParametrosWMS);
    auto* lw = new QVBoxLayout(fTsParametrosWMS);
    lw->setContentsMargins(4, 4, 4, 4);
    lw->addWidget(fWMS);

    fBtnImprimir = new QPushButton(QStringLiteral("Imprimir"));
    fBtnImprimir->setObjectName(QStringLiteral("btnImprimir"));
    fBtnFechar = new QPushButton(QStringLiteral("Fechar"));
    fBtnFechar->setObjectName(QStringLiteral("btnFechar"));
    for (QPushButton* b : {fBtnImprimir, fBtnFechar}) {
        b->setMinimumWidth(90);
        b->setAutoDefault(false);
    }
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(fBtnImprimir);
    botoes->addWidget(fBtnFechar);

    auto* lpainel = new QVBoxLayout(painel);
    lpainel->setContentsMargins(6, 6, 6, 6);
    lpainel->addWidget(fPaginas, 1);
    lpainel->addLayout(botoes);

    connect(fGrids, &QTabWidget::currentChanged, this, &TfrmParametros::AoMudarGradeInterna);
    connect(fGeral, &GradeExibicao::linhaAtualAlterada, this, &TfrmParametros::AtualizarDica);
    connect(fBtnImprimir, &QPushButton::clicked, this, &TfrmParametros::Imprimir);
    connect(fBtnFechar, &QPushButton::clicked, this, &QDialog::close);

    if (QScreen* tela = screen())
        move(tela->availableGeometry().center() - rect().center());
}

TfrmParametros::~TfrmParametros()
{
    // The caller's dataset is left as it came: unfiltered.
    if (fDataSource) {
        fDataSource->SetFiltered(false);
        try {
            fDataSource->SetFilter(QString());
        } catch (const EKorvane&) {
        }
    }
}

void TfrmParametros::Registrar()
{
    JanelaParametrosKX::Registrar([](TDataSetKX* dados, TMenuContextoItem item) {
        TfrmParametros janela(nullptr, dados, item);
        janela.exec();
    });
}

bool TfrmParametros::event(QEvent* e)
{
    const bool r = QDialog::event(e);
    if (e->type() == QEvent::WindowActivate)
        AoAtivar();
    return r;
}

void TfrmParametros::AoAtivar()
{
    QString erro;
    if (!fDataSource)
        erro = QStringLiteral("O data set de exibição não foi criado.");
    else if (fDataSource->IsEmpty())
        erro = QStringLiteral("O data set não possui dados para serem exibidos");
    if (!erro.isEmpty()) {
        // Told once: closing the message activates the window again.
        if (erro != fErroInformado) {
            fErroInformado = erro;
            TKXLinguas().Erro(erro);
        }
        return;
    }
    fErroInformado.clear();
    PrepararExibicao();
}

void TfrmParametros::PrepararExibicao()
{
    ++fPreparacoes;
    switch (fMenuContextoItem) {
    case mciParametros132:
        fGeral->Vincular(fDataSource);
        fFilial->Vincular(fDataSource);
        fGeral->AjustarLarguras();
        fFilial->AjustarLarguras();
        fGrids->blockSignals(true);
        fGrids->setCurrentIndex(0);
        fGrids->blockSignals(false);
        Filtrar(QStringLiteral("PORFILIAL = 'N'"));
        break;
    case mciPermisoes530:
        fPermissoes->Vincular(fDataSource);
        fPermissoes->AjustarLarguras();
        break;
    case mciParametrosWMS:
        fWMS->Vincular(fDataSource);
        break;
    }
    fPaginas->setTabVisible(0, fMenuContextoItem == mciParametros132);
    fPaginas->setTabVisible(1, fMenuContextoItem == mciPermisoes530);
    fPaginas->setTabVisible(2, fMenuContextoItem == mciParametrosWMS);
    fPaginas->setCurrentIndex(int(fMenuContextoItem == mciParametros132  ? 0
                                  : fMenuContextoItem == mciPermisoes530 ? 1
                                                                         : 2));
    fDataSource->First();
}

void TfrmParametros::Filtrar(const QString& filtro)
{
    if (!fDataSource)
        return;
    fDataSource->SetFiltered(false);
    try {
        fDataSource->SetFilter(filtro);
    } catch (const EKorvane&) {
    }
    fDataSource->SetFiltered(true);
}

void TfrmParametros::AoMudarGradeInterna(int indice)
{
    Filtrar(indice == 0 ? QStringLiteral("PORFILIAL = 'N'") : QStringLiteral("PORFILIAL = 'S'"));
}

void TfrmParametros::AtualizarDica(int linhaDados)
{
    // Only the company-wide grid on display gives hints; the dataset's row
    // also moves while the per-branch grid is shown.
    if (!fDataSource || linhaDados < 0 || fGrids->currentWidget() != fGeral)
        return;
    fGrpDica->setTitle(QStringLiteral("Dica do parâmetro %1: ")
                           .arg(fDataSource->Valor(linhaDados, QStringLiteral("ID")).toString()));
    const QString dica = fDataSource->Valor(linhaDados, QStringLiteral("TEXTOAJUDA")).toString();
    fMmDica->setPlainText(dica.trimmed().isEmpty()
                              ? QStringLiteral("Não possui dica registrada para este parâmetro.")
                              : dica);
}

GradeExibicao* TfrmParametros::GradeEmExibicao() const
{
    switch (fMenuContextoItem) {
    case mciParametros132:
        return fGrids->currentIndex() == 0 ? fGeral : fFilial;
    case mciPermisoes530:
        return fPermissoes;
    case mciParametrosWMS:
        break;
    }
    return fWMS;
}

void TfrmParametros::Imprimir()
{
    VisualizarGrid(GradeEmExibicao(), QString());
}
