#include "activation/DirExecucao.h"
#include "frame/PastasKorvane.h"
#include "platform/RegistroUsuario.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

QString dirRotinas()
{
    return ObterDirSpool() + "DirRotinas/";
}

QStringList pendentes()
{
    RegistroUsuario r;
    QStringList pastas;
    for (const QString& nome : r.nomesDosValores(ChaveRemocoesPendentes()))
        pastas << nome + "=" + r.lerValor(ChaveRemocoesPendentes(), nome)->texto;
    return pastas;
}

void criarComConteudo(const QString& pasta)
{
    QVERIFY(QDir().mkpath(pasta + "/sub"));
    QFile f(pasta + "/sub/arquivo.txt");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
}

} // namespace

class TstDirExecucao : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        RemoverDirExecucao();
        QFile::remove(RegistroUsuario().arquivo());
        QDir(ObterDirInstalacao()).removeRecursively();
    }

    void duasAtivacoesUmaPasta()
    {
        const QString primeira = ObterDirLocalExecucaoRotinas();
        QVERIFY(
            QRegularExpression("^" + QRegularExpression::escape(dirRotinas()) + "Exec[0-9]{4}/$")
                .match(primeira)
                .hasMatch());
        QVERIFY(QFileInfo(primeira).isDir());
        QCOMPARE(ObterDirLocalExecucaoRotinas(), primeira);
        // Removed by someone meanwhile: created again under the same name.
        QVERIFY(QDir(primeira).removeRecursively());
        QCOMPARE(ObterDirLocalExecucaoRotinas(), primeira);
        QVERIFY(QFileInfo(primeira).isDir());

        criarComConteudo(primeira);
        RemoverDirExecucao();
        QVERIFY(!QFileInfo::exists(primeira));
        QCOMPARE(pendentes(), QStringList());
    }

    void nomesNovosNaoSeRepetem()
    {
        QSet<QString> nomes;
        for (int i = 0; i < 25; ++i) {
            const QString pasta = NovoDirExecucao();
            QVERIFY(QFileInfo(pasta).isDir());
            nomes.insert(pasta);
        }
        QCOMPARE(nomes.size(), 25);
    }

    void pastaEmUsoNoFimEhRemovidaDepois()
    {
        const QString pasta = ObterDirLocalExecucaoRotinas();
        criarComConteudo(pasta);
        // A routine still working in the folder when the launcher ends.
        QProcess rotina;
        rotina.setWorkingDirectory(pasta + "sub");
        rotina.start("sleep", {"300"});
        QVERIFY(rotina.waitForStarted());

        RemoverDirExecucao();
        QVERIFY(QFileInfo::exists(pasta + "sub/arquivo.txt"));
        QCOMPARE(pendentes(), QStringList{"Dir0=" + pasta});

        // A start while the routine still runs leaves it alone.
        IniciarDiretoriosDeExecucao();
        QVERIFY(QFileInfo::exists(pasta + "sub/arquivo.txt"));
        QCOMPARE(pendentes().size(), 1);

        rotina.kill();
        QVERIFY(rotina.waitForFinished());
        IniciarDiretoriosDeExecucao();
        QVERIFY(!QFileInfo::exists(pasta));
        QCOMPARE(pendentes(), QStringList());
    }

    void pendentesRegistradas()
    {
        const QString sumida = dirRotinas() + "Exec1234";
        const QString comBarras = dirRotinas() + "Exec5555";
        const QString alheia = ObterDirInstalacao() + "Dados";
        criarComConteudo(comBarras);
        criarComConteudo(alheia);
        RegistroUsuario r;
        r.gravarTexto(ChaveRemocoesPendentes(), "Dir0", sumida + "/");
        r.gravarTexto(ChaveRemocoesPendentes(), "Dir1", comBarras + "///");
        r.gravarTexto(ChaveRemocoesPendentes(), "Dir2", alheia);
        r.gravarTexto(ChaveRemocoesPendentes(), "Dir3", "/");

        RemoverDiretoriosPendentes();
        QVERIFY(!QFileInfo::exists(comBarras));
        QVERIFY(QFileInfo::exists(dirRotinas())); // the folder itself, not its parent
        // A folder that is not an execution directory is never removed.
        QVERIFY(QFileInfo::exists(alheia + "/sub/arquivo.txt"));
        QCOMPARE(pendentes(), QStringList{"Dir2=" + alheia});
    }

    void agendarNaoSobrescreve()
    {
        AgendarRemocao("/a/DirRotinas/Exec0001");
        AgendarRemocao("/a/DirRotinas/Exec0002");
        RegistroUsuario().excluirValor(ChaveRemocoesPendentes(), "Dir0");
        // One value left, named Dir1: the next one must not take its name.
        AgendarRemocao("/a/DirRotinas/Exec0003");
        QCOMPARE(pendentes(),
                 QStringList({"Dir1=/a/DirRotinas/Exec0002", "Dir2=/a/DirRotinas/Exec0003"}));
    }

    void excluirDiretorio()
    {
        QVERIFY(!ExcluirDiretorio(""));
        QVERIFY(!ExcluirDiretorio("///"));
        const QString pasta = dirRotinas() + "Exec7777";
        criarComConteudo(pasta);
        QVERIFY(ExcluirDiretorio(pasta + "//"));
        QVERIFY(!QFileInfo::exists(pasta));
        QVERIFY(ExcluirDiretorio(pasta)); // already gone
    }
};

QTEST_GUILESS_MAIN(TstDirExecucao)
#include "tst_direxecucao.moc"
