// The parameter window over sample datasets: tabs per item, filters, hint,
// print preview and the display prepared again afterwards.
#include "dependencies/GradeExibicao.h"
#include "dependencies/ParametrosExibicao.h"
#include "frame/DataSetKX.h"
#include "frame/WallpaperRotinaKX.h"
#include "i18n/InterfaceUsuarioRoteirizada.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>
#include <functional>

namespace {

std::unique_ptr<TDataSetKX> Parametros(bool comGerais = true)
{
    auto ds = std::make_unique<TDataSetKX>(
        QStringList{"ID", "TITULO", "VALOR", "PORFILIAL", "PARAMETRO", "TEXTOAJUDA", "FILIAL"});
    if (comGerais) {
        ds->AdicionarLinha({1001, "Permite venda abaixo do custo", "N", "N", "VENDACUSTO",
                            "Quando S, o caixa aceita preço menor que o custo.", ""});
        ds->AdicionarLinha({1002, "Casas decimais do preço", "2", "N", "CASASPRECO", "   ", ""});
        ds->AdicionarLinha({1003, "Dias de validade do orçamento", "15", "N", "VALIDADEORC",
                            "Prazo, em dias, antes que o orçamento expire.", ""});
    }
    ds->AdicionarLinha({2001, "Série da nota fiscal", "1", "S", "SERIENF", "Série usada.", "1"});
    ds->AdicionarLinha({2001, "Série da nota fiscal", "3", "S", "SERIENF", "Série usada.", "2"});
    return ds;
}

std::unique_ptr<TDataSetKX> Permissoes()
{
    auto ds = std::make_unique<TDataSetKX>(
        QStringList{"ACESSO", "CODCONTROLE", "DESCRICAO", "CODROTINA", "CODUSUARIO"});
    ds->AdicionarLinha({"S", 1, "Incluir pedido", 800, 42});
    ds->AdicionarLinha({"N", 2, "Cancelar pedido faturado", 800, 42});
    ds->AdicionarLinha({"S", 3, "Conceder desconto acima do limite", 800, 42});
    return ds;
}

std::unique_ptr<TDataSetKX> ParametrosWMS()
{
    auto ds =
        std::make_unique<TDataSetKX>(QStringList{"CODFILIAL", "DESCRICAO", "VALOR", "NOME", "ID"});
    ds->AdicionarLinha({"1", "Endereçamento automático na entrada", "S", "ENDAUTO", 1});
    ds->AdicionarLinha({"1", "Conferência cega no recebimento", "N", "CONFCEGA", 2});
    return ds;
}

// Answers the next modal window (message box or preview) by closing it,
// after handing it to `ver`.
void AoAbrirModal(std::function<void(QWidget*)> ver)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, ver] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && (qobject_cast<QPrintPreviewDialog*>(w)))
                    modal = w;
        if (!modal || qobject_cast<TfrmParametros*>(modal))
            return;
        timer->stop();
        timer->deleteLater();
        ver(modal);
        modal->close();
    });
    timer->start();
}

void Salvar(QWidget* w, const QString& nome)
{
    QDir().mkpath(QStringLiteral(KS_BINARY_DIR "/screenshots"));
    QVERIFY(w->grab().save(QStringLiteral(KS_BINARY_DIR "/screenshots/%1.png").arg(nome)));
}

// Shows the window and waits until its first activation prepared the display.
bool Exibir(TfrmParametros& f)
{
    f.show();
    return QTest::qWaitForWindowExposed(&f) &&
           QTest::qWaitFor([&f] { return f.Preparacoes() >= 1; });
}

bool AbaVisivel(QTabWidget* t, QWidget* pagina)
{
    return t->isTabVisible(t->indexOf(pagina));
}

} // namespace

class TestParametros : public QObject
{
    Q_OBJECT

private slots:
    void formulario()
    {
        auto ds = Parametros();
        TfrmParametros f(nullptr, ds.get(), mciParametros132);
        QCOMPARE(f.size(), QSize(700, 462));
        QCOMPARE(f.Moldura()->Caption(), QStringLiteral("Rotina do Korvane"));
        QVERIFY(f.Moldura()->EnableMaximize());
        QVERIFY(!f.Moldura()->Sizable());
        QCOMPARE(f.pgcGrids()->tabText(0),
                 QStringLiteral("   &Parâmetros gerais, para toda a empresa"));
        QCOMPARE(f.pgcGrids()->tabText(1), QStringLiteral("   Pa&râmetros por filial"));
        QCOMPARE(f.btnImprimir()->text(), QStringLiteral("Imprimir"));
        QCOMPARE(f.btnFechar()->text(), QStringLiteral("Fechar"));
    }

    void parametros132()
    {
        auto ds = Parametros();
        {
            TfrmParametros f(nullptr, ds.get(), mciParametros132);
            QVERIFY(Exibir(f));
            QVERIFY(AbaVisivel(f.pgcPrincipal(), f.tsParametros()));
            QVERIFY(!AbaVisivel(f.pgcPrincipal(), f.tsPermissoes()));
            QVERIFY(!AbaVisivel(f.pgcPrincipal(), f.tsParametrosWMS()));
            QCOMPARE(ds->Filter(), QStringLiteral("PORFILIAL = 'N'"));
            QVERIFY(ds->Filtered());
            QCOMPARE(f.vwParametrosGeral()->Rodape(), QStringLiteral("Itens 3"));
            // Columns: stated order and captions, hidden ones left out.
            GradeExibicao* g = f.vwParametrosGeral();
            QStringList titulos;
            for (int c : g->ColunasVisiveis())
                titulos << g->Modelo()->headerData(c, Qt::Horizontal).toString();
            QCOMPARE(titulos, (QStringList{"ID", "TITULO", "VALOR", "NOME", "FILIAL"}.mid(0, 4)));

            // The hint follows the focused row of the company-wide grid.
            QTableView* t = g->Tabela();
            t->setCurrentIndex(g->Modelo()->index(0, ds->Campo("TITULO")));
            QCOMPARE(f.grpDica()->title(), QStringLiteral("Dica do parâmetro 1001: "));
            QCOMPARE(f.mmDica()->toPlainText(),
                     QStringLiteral("Quando S, o caixa aceita preço menor que o custo."));
            t->setCurrentIndex(g->Modelo()->index(1, ds->Campo("TITULO")));
            QCOMPARE(f.grpDica()->title(), QStringLiteral("Dica do parâmetro 1002: "));
            QCOMPARE(f.mmDica()->toPlainText(),
                     QStringLiteral("Não possui dica registrada para este parâmetro."));
            Salvar(&f, QStringLiteral("parametros_132"));

            // The filter row narrows the grid, not the dataset.
            f.vwParametrosGeral()->FiltroDaColuna("TITULO")->setText(QStringLiteral("preço"));
            QCOMPARE(f.vwParametrosGeral()->Rodape(), QStringLiteral("Itens 1"));
            f.vwParametrosGeral()->FiltroDaColuna("TITULO")->clear();

            f.pgcGrids()->setCurrentIndex(1);
            QCOMPARE(ds->Filter(), QStringLiteral("PORFILIAL = 'S'"));
            QCOMPARE(f.vwParametrosFilial()->Rodape(), QStringLiteral("Itens 2"));
            // The per-branch grid leaves the hint alone.
            t = f.vwParametrosFilial()->Tabela();
            t->setCurrentIndex(f.vwParametrosFilial()->Modelo()->index(1, ds->Campo("TITULO")));
            QCOMPARE(f.grpDica()->title(), QStringLiteral("Dica do parâmetro 1002: "));
            QCOMPARE(ds->RecNo(), 1);
            Salvar(&f, QStringLiteral("parametros_132_filial"));

            // "Imprimir" previews the per-branch grid; coming back prepares
            // the display again: company-wide tab, first row.
            const int antes = f.Preparacoes();
            QString titulo;
            AoAbrirModal([&](QWidget* w) { titulo = w->windowTitle(); });
            QCOMPARE(f.GradeEmExibicao(), f.vwParametrosFilial());
            f.btnImprimir()->click();
            QCOMPARE(titulo, QStringLiteral("Relatório"));
            QVERIFY(f.Preparacoes() > antes);
            QCOMPARE(f.pgcGrids()->currentIndex(), 0);
            QCOMPARE(ds->Filter(), QStringLiteral("PORFILIAL = 'N'"));
            QCOMPARE(ds->RecNo(), 0);
        }
        // Destroyed: the caller's dataset is unfiltered.
        QVERIFY(!ds->Filtered());
        QVERIFY(ds->Filter().isEmpty());
        QCOMPARE(ds->rowCount(), 5);
    }

    void soParametrosPorFilial()
    {
        auto ds = Parametros(false);
        TfrmParametros f(nullptr, ds.get(), mciParametros132);
        QVERIFY(Exibir(f));
        QCOMPARE(f.vwParametrosGeral()->Rodape(), QStringLiteral("Itens 0"));
        f.pgcGrids()->setCurrentIndex(1);
        QCOMPARE(f.vwParametrosFilial()->Rodape(), QStringLiteral("Itens 2"));
    }

    void permissoes530()
    {
        auto ds = Permissoes();
        TfrmParametros f(nullptr, ds.get(), mciPermisoes530);
        QVERIFY(Exibir(f));
        QVERIFY(!AbaVisivel(f.pgcPrincipal(), f.tsParametros()));
        QVERIFY(AbaVisivel(f.pgcPrincipal(), f.tsPermissoes()));
        QVERIFY(!AbaVisivel(f.pgcPrincipal(), f.tsParametrosWMS()));
        GradeExibicao* g = f.vwPemissoes();
        QCOMPARE(g->Rodape(), QStringLiteral("Itens 3"));
        const int acesso = ds->Campo("ACESSO");
        QCOMPARE(g->Modelo()->data(g->Modelo()->index(0, acesso), Qt::CheckStateRole).toInt(),
                 int(Qt::Checked));
        QCOMPARE(g->Modelo()->data(g->Modelo()->index(1, acesso), Qt::CheckStateRole).toInt(),
                 int(Qt::Unchecked));
        QVERIFY(g->Tabela()->isColumnHidden(ds->Campo("CODROTINA")));
        QVERIFY(g->Tabela()->isColumnHidden(ds->Campo("CODUSUARIO")));
        QCOMPARE(g->Modelo()->flags(g->Modelo()->index(0, acesso)) & Qt::ItemIsEditable,
                 Qt::ItemFlags());
        Salvar(&f, QStringLiteral("parametros_permissoes"));
        QCOMPARE(f.GradeEmExibicao(), g);
        QString titulo;
        bool maximizada = false;
        QPageLayout pagina;
        AoAbrirModal([&](QWidget* w) {
            titulo = w->windowTitle();
            maximizada = w->windowState().testFlag(Qt::WindowMaximized);
            if (auto* previa = qobject_cast<QPrintPreviewDialog*>(w))
                pagina = previa->printer()->pageLayout();
        });
        f.btnImprimir()->click();
        QCOMPARE(titulo, QStringLiteral("Relatório"));
        QVERIFY(maximizada);
        // Letter paper, portrait, 12.7 mm margins.
        QCOMPARE(pagina.pageSize().id(), QPageSize::Letter);
        QCOMPARE(pagina.orientation(), QPageLayout::Portrait);
        QCOMPARE(pagina.margins(QPageLayout::Millimeter), QMarginsF(12.7, 12.7, 12.7, 12.7));
    }

    void parametrosWMS()
    {
        auto ds = ParametrosWMS();
        TfrmParametros f(nullptr, ds.get(), mciParametrosWMS);
        QVERIFY(Exibir(f));
        QVERIFY(AbaVisivel(f.pgcPrincipal(), f.tsParametrosWMS()));
        QVERIFY(!AbaVisivel(f.pgcPrincipal(), f.tsParametros()));
        GradeExibicao* g = f.vwParametrosWMS();
        QCOMPARE(g->Tabela()->columnWidth(ds->Campo("DESCRICAO")), 578);
        QStringList titulos;
        for (int c : g->ColunasVisiveis())
            titulos << g->Modelo()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(titulos, (QStringList{"FILIAL", "DESCRIÇÃO", "VALOR", "NOME"}));
        QCOMPARE(g->Rodape(), QStringLiteral("Itens 2"));
        Salvar(&f, QStringLiteral("parametros_wms"));
    }

    void gradeReligadaAOutroDataSet()
    {
        GradeExibicao g(QStringLiteral("vwTeste"),
                        {Coluna("ACESSO", {}, 80, false, true, true), Coluna("DESCRICAO", "TEXTO")},
                        false, nullptr);
        auto primeiro = Permissoes();
        g.Vincular(primeiro.get());
        QCOMPARE(g.Modelo()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("TEXTO"));

        // Other fields in another order: the definitions follow the new columns.
        auto outro = std::make_unique<TDataSetKX>(QStringList{"DESCRICAO", "ACESSO"});
        outro->AdicionarLinha({"Excluir pedido", "S"});
        outro->AdicionarLinha({"Alterar preço", "N"});
        g.Vincular(outro.get());
        ModeloGrade* m = g.Modelo();
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("TEXTO"));
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("ACESSO"));
        QCOMPARE(m->data(m->index(0, 1), Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(!m->data(m->index(0, 1), Qt::DisplayRole).isValid());
        QVERIFY(!m->data(m->index(0, 0), Qt::CheckStateRole).isValid());

        // Moving the row tells it once, to the dataset bound now.
        QSignalSpy linhas(&g, &GradeExibicao::linhaAtualAlterada);
        g.Tabela()->setCurrentIndex(m->index(1, 0));
        QCOMPARE(linhas.count(), 1);
        QCOMPARE(linhas.at(0).at(0).toInt(), 1);
        QCOMPARE(outro->RecNo(), 1);
    }

    void semDadosInformaErro_data()
    {
        QTest::addColumn<bool>("criado");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("sem-data-set") << false << "O data set de exibição não foi criado.";
        QTest::newRow("vazio") << true << "O data set não possui dados para serem exibidos";
    }
    void semDadosInformaErro()
    {
        QFETCH(bool, criado);
        QFETCH(QString, mensagem);
        auto vazio = std::make_unique<TDataSetKX>(QStringList{"ID"});
        TfrmParametros f(nullptr, criado ? vazio.get() : nullptr, mciParametros132);
        TInterfaceUsuarioRoteirizada ui;
        f.show();
        QTRY_COMPARE_WITH_TIMEOUT(ui.Quantidade(), 1, 10000);
        QCOMPARE(ui.Ultimo().Dialogo.DlgType, mtError);
        QCOMPARE(ui.Ultimo().Dialogo.Texto, mensagem);
        QVERIFY(f.isVisible());
        // Closing the message activates the window again: told only once.
        QEvent ativar(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&f, &ativar);
        QCOMPARE(ui.Quantidade(), 1);
        QCOMPARE(f.Preparacoes(), 0);
    }

    void menuDeContextoDaMoldura()
    {
        TfrmParametros::Registrar();
        QWidget form;
        form.resize(600, 400);
        TWallpaperRotinaKX m(&form);
        auto ds = Permissoes();
        int eventos = 0;
        m.SetOnPermisoes530Click([&] { ++eventos; });
        {
            TInterfaceUsuarioRoteirizada ui;
            m.AbrirItemMenuContexto(mciPermisoes530);
            QCOMPARE(eventos, 1);
            QCOMPARE(ui.Quantidade(), 1);
            QCOMPARE(ui.Ultimo().Dialogo.DlgType, mtInformation);
            QCOMPARE(ui.Ultimo().Dialogo.Texto,
                     QStringLiteral("Não existem permissões listadas para exibir."));
            m.AbrirItemMenuContexto(mciParametros132);
            QCOMPARE(ui.Ultimo().Dialogo.Texto,
                     QStringLiteral("Não existem paramêtros listados para exibir."));
        }
        m.SetDataSetPemisoes530(ds.get());
        QTimer::singleShot(200, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* p = qobject_cast<TfrmParametros*>(w))
                    p->close();
        });
        m.AbrirItemMenuContexto(mciPermisoes530);
        QCOMPARE(eventos, 2);
        QVERIFY(!ds->Filtered());
    }
};

QTEST_MAIN(TestParametros)
#include "tst_parametros.moc"
