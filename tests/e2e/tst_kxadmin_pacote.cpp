#include "support/ExecutarPrograma.h"

#include <QtTest>

// `kxadmin pacote` as an administrator uses it: build, list and extract a
// routine package; errors on standard error with a non-zero exit.

namespace {

const QString kKxadmin = QStringLiteral(KS_BINARY_DIR "/tools/kxadmin/kxadmin");

using Resultado = ResultadoPrograma;

Resultado kxadmin(const QStringList& argumentos)
{
    return executarPrograma(kKxadmin, argumentos);
}

void gravar(const QString& caminho, const QByteArray& conteudo)
{
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(conteudo);
}

QByteArray ler(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
}

const char kManifesto[] =
    "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<rotina><Dependencias>"
    "<rotinaDep>KXSIS100</rotinaDep><opcao>3</opcao><versao>1.2.3.4.5</versao>"
    "<descricao>Configura\xE7\xE3o</descricao></Dependencias></rotina>";

} // namespace

class TstKxadminPacote : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void criarListarExtrair();
    void erros_data();
    void erros();

private:
    QTemporaryDir m_dir;
};

void TstKxadminPacote::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QFileInfo::exists(kKxadmin));
}

void TstKxadminPacote::criarListarExtrair()
{
    const QString fonte = m_dir.filePath(QStringLiteral("fonte"));
    const QString exe = fonte + QStringLiteral("/KXSIS800");
    QDir().mkpath(fonte);
    QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), exe));
    Resultado r = kxadmin({QStringLiteral("versao"), QStringLiteral("--gravar"), exe,
                           QStringLiteral("--versao"), QStringLiteral("29.2.1.5")});
    QVERIFY2(r.codigo == 0, qPrintable(r.erro));
    // A known modification time, so the listing can be checked to the second.
    QFile f(exe);
    QVERIFY(f.open(QIODevice::ReadWrite));
    const QDateTime salvo(QDate(2020, 11, 26), QTime(14, 5, 10));
    QVERIFY(f.setFileTime(salvo, QFileDevice::FileModificationTime));
    f.close();
    gravar(fonte + QStringLiteral("/Lib/KXAUX.SO"), QByteArray(50000, 'z'));
    gravar(fonte + QStringLiteral("/KXSIS800.dep"), kManifesto);

    const QString pacote = m_dir.filePath(QStringLiteral("KXSIS800.KX"));
    r = kxadmin({QStringLiteral("pacote"), QStringLiteral("criar"), QStringLiteral("--manifesto"),
                 fonte + QStringLiteral("/KXSIS800.dep"), pacote, exe,
                 fonte + QStringLiteral("/Lib")});
    QVERIFY2(r.codigo == 0, qPrintable(r.erro));

    r = kxadmin({QStringLiteral("pacote"), QStringLiteral("listar"), pacote});
    QCOMPARE(r.codigo, 0);
    QCOMPARE(r.saida,
             QStringLiteral("1:  KXSIS800 - versão 29.2.1.5 - salvo em 26/11/2020 - 14:05:10\r\n"
                            "2:  Lib/KXAUX.SO - versão  - salvo em 30/12/1899 - 00:00:00\r\n"
                            "3:  KXSIS800.dep - versão  - salvo em 30/12/1899 - 00:00:00\r\n"));

    const QString destino = m_dir.filePath(QStringLiteral("destino"));
    r = kxadmin({QStringLiteral("pacote"), QStringLiteral("extrair"), pacote, destino});
    QVERIFY2(r.codigo == 0, qPrintable(r.erro));
    QVERIFY(r.saida.contains(QStringLiteral("KXSIS100 opção 3 versão 01.02.03.04 - Configuração")));
    QCOMPARE(ler(destino + QStringLiteral("/KXSIS800")), ler(exe));
    QCOMPARE(ler(destino + QStringLiteral("/Lib/KXAUX.SO")), QByteArray(50000, 'z'));
    QVERIFY(QFileInfo(destino + QStringLiteral("/KXSIS800")).isExecutable());
    QCOMPARE(QFileInfo(destino + QStringLiteral("/KXSIS800")).lastModified(), salvo);

    // The extracted program runs.
    QProcess p;
    p.start(destino + QStringLiteral("/KXSIS800"), {QStringLiteral("0")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
}

void TstKxadminPacote::erros_data()
{
    QTest::addColumn<QStringList>("argumentos");
    QTest::addColumn<QString>("trecho");
    const QString naoPacote = m_dir.filePath(QStringLiteral("texto.KX"));
    gravar(naoPacote, "nada");
    const QString ruim = m_dir.filePath(QStringLiteral("ruim.dep"));
    gravar(ruim, "<rotina><Dependencias><opcao>1</opcao><versao>1.2.3</versao></Dependencias>"
                 "</rotina>");
    const QString semNome = m_dir.filePath(QStringLiteral("manifesto.xml"));
    gravar(semNome, "<rotina/>");
    const QString arquivo = m_dir.filePath(QStringLiteral("a.txt"));
    gravar(arquivo, "a");
    const QString destino = m_dir.filePath(QStringLiteral("ERRO.KX"));
    QTest::newRow("listar não pacote") << QStringList{QStringLiteral("listar"), naoPacote}
                                       << QStringLiteral("não é reconhecido como um \".KX\"");
    QTest::newRow("extrair inexistente")
        << QStringList{QStringLiteral("extrair"), m_dir.filePath(QStringLiteral("nao.KX")),
                       m_dir.filePath(QStringLiteral("d"))}
        << QStringLiteral("Ocorreu um erro ao acessar o conteúdo do arquivo");
    QTest::newRow("criar com arquivo inexistente")
        << QStringList{QStringLiteral("criar"), destino, m_dir.filePath(QStringLiteral("nao"))}
        << QStringLiteral("não existe");
    QTest::newRow("manifesto com versão de três partes")
        << QStringList{QStringLiteral("criar"), QStringLiteral("--manifesto"), ruim, destino,
                       arquivo}
        << QStringLiteral("1.2.3");
    QTest::newRow("manifesto sem .dep no nome")
        << QStringList{QStringLiteral("criar"), QStringLiteral("--manifesto"), semNome, destino,
                       arquivo}
        << QStringLiteral(".dep");
    QTest::newRow("sem arquivos") << QStringList{QStringLiteral("criar"), destino}
                                  << QStringLiteral("Uso:");
    QTest::newRow("subcomando desconhecido")
        << QStringList{QStringLiteral("apagar")} << QStringLiteral("Uso:");
}

void TstKxadminPacote::erros()
{
    QFETCH(QStringList, argumentos);
    QFETCH(QString, trecho);
    const Resultado r = kxadmin(QStringList{QStringLiteral("pacote")} + argumentos);
    QVERIFY(r.codigo > 0);
    QVERIFY2(r.erro.contains(trecho), qPrintable(r.erro));
    QCOMPARE(r.saida, QString());
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("ERRO.KX"))));
}

QTEST_GUILESS_MAIN(TstKxadminPacote)
#include "tst_kxadmin_pacote.moc"
