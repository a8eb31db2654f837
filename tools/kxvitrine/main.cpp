// kxvitrine: opens a framed sample window with the context menu of parameter
// windows over sample data, so the suite's look can be seen and tried.
//   kxvitrine [--simplificada | --monitoramento | --provisoria | --treinamento]
//             [--parametros | --permissoes | --wms]
#include "dependencies/ParametrosExibicao.h"
#include "frame/DataSetKX.h"
#include "frame/WallpaperRotinaKX.h"

#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

TDataSetKX* Parametros(QObject* dono)
{
    auto* ds = new TDataSetKX(
        {"ID", "TITULO", "VALOR", "PORFILIAL", "PARAMETRO", "TEXTOAJUDA", "FILIAL"}, dono);
    ds->AdicionarLinha({1001, "Permite venda abaixo do custo", "N", "N", "VENDACUSTO",
                        "Quando S, o caixa aceita preço menor que o custo do produto.", ""});
    ds->AdicionarLinha({1002, "Casas decimais do preço de venda", "2", "N", "CASASPRECO", "", ""});
    ds->AdicionarLinha({1003, "Dias de validade do orçamento", "15", "N", "VALIDADEORC",
                        "Prazo, em dias, antes que o orçamento expire.", ""});
    ds->AdicionarLinha({2001, "Série da nota fiscal", "1", "S", "SERIENF",
                        "Série usada na emissão da nota fiscal.", "1"});
    ds->AdicionarLinha({2001, "Série da nota fiscal", "3", "S", "SERIENF",
                        "Série usada na emissão da nota fiscal.", "2"});
    return ds;
}

TDataSetKX* Permissoes(QObject* dono)
{
    auto* ds =
        new TDataSetKX({"ACESSO", "CODCONTROLE", "DESCRICAO", "CODROTINA", "CODUSUARIO"}, dono);
    ds->AdicionarLinha({"S", 1, "Incluir pedido", 800, 42});
    ds->AdicionarLinha({"N", 2, "Cancelar pedido faturado", 800, 42});
    ds->AdicionarLinha({"S", 3, "Conceder desconto acima do limite", 800, 42});
    return ds;
}

TDataSetKX* ParametrosWMS(QObject* dono)
{
    auto* ds = new TDataSetKX({"CODFILIAL", "DESCRICAO", "VALOR", "NOME", "ID"}, dono);
    ds->AdicionarLinha({"1", "Endereçamento automático na entrada", "S", "ENDAUTO", 1});
    ds->AdicionarLinha({"1", "Conferência cega no recebimento", "N", "CONFCEGA", 2});
    return ds;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TfrmParametros::Registrar();
    TCustomWallpaperKX::TrocarIconeAplicativo();
    const QStringList args = app.arguments();

    QWidget form;
    form.resize(760, 480);
    auto* moldura = new TWallpaperRotinaKX(&form);
    moldura->SetCaption(QStringLiteral("Pedido de venda"));
    moldura->SetNomeUsuario(QStringLiteral("Marina Duarte"));
    moldura->SetNomeLoja(QStringLiteral("Loja 12"));
    moldura->SetNomeEmpresa(QStringLiteral("Atacado Sul"));
    moldura->SetSizable(true);
    moldura->SetEnableMaximize(true);
    moldura->SetVisibleMenuContexto(true);
    moldura->SetDataSetParametros132(Parametros(&form));
    moldura->SetDataSetPemisoes530(Permissoes(&form));
    moldura->SetDataSetParametrosWMS(ParametrosWMS(&form));
    moldura->SetShowStatusBar(true);
    moldura->SetStatusText(QStringLiteral("Pronto"));
    if (args.contains(QStringLiteral("--provisoria")))
        moldura->SetDataValidadeProvisoria(QDate::currentDate().addDays(30));
    if (args.contains(QStringLiteral("--treinamento")))
        moldura->SetModoAplicacao(maTreinamento);
    if (args.contains(QStringLiteral("--monitoramento")))
        moldura->SetInterfaceMonitoramento(true);
    if (args.contains(QStringLiteral("--simplificada")))
        moldura->SetInterfaceSimplificada(true);

    auto* conteudo = new QWidget(moldura);
    auto* campos = new QFormLayout(conteudo);
    campos->setContentsMargins(16, 16, 16, 16);
    campos->addRow(QStringLiteral("Cliente:"),
                   new QLineEdit(QStringLiteral("Mercearia Boa Vista")));
    campos->addRow(QStringLiteral("Condição:"), new QLineEdit(QStringLiteral("30/60 dias")));
    campos->addRow(QStringLiteral("Observação:"), new QLineEdit);
    auto* fechar = new QPushButton(QStringLiteral("Fechar"));
    QObject::connect(fechar, &QPushButton::clicked, &form, &QWidget::close);
    campos->addRow(QString(), fechar);
    auto* layout = new QVBoxLayout(moldura);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(conteudo);
    layout->addStretch(1);

    form.show();
    if (args.contains(QStringLiteral("--parametros")))
        moldura->AbrirItemMenuContexto(mciParametros132);
    else if (args.contains(QStringLiteral("--permissoes")))
        moldura->AbrirItemMenuContexto(mciPermisoes530);
    else if (args.contains(QStringLiteral("--wms")))
        moldura->AbrirItemMenuContexto(mciParametrosWMS);
    return app.exec();
}
