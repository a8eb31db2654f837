#include "platform/ArquivosSistema.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

void escrever(const QString& nome, const QByteArray& conteudo)
{
    QFile f(nome);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(conteudo);
}

// Sets the modification time to the given second of the epoch (plus ns).
void definirData(const QString& nome, qint64 segundos, qint64 nanos = 0)
{
    const auto quando = fs::file_time_type::clock::from_sys(
        std::chrono::sys_seconds(std::chrono::seconds(segundos)) + std::chrono::nanoseconds(nanos));
    fs::last_write_time(QFile::encodeName(nome).toStdString(), quando);
}

} // namespace

class TstArquivosSistema : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString caminho(const QString& nome) const { return m_dir.filePath(nome); }

private slots:
    void comparacoes_data()
    {
        QTest::addColumn<QByteArray>("conteudoA");
        QTest::addColumn<qint64>("dataA");
        QTest::addColumn<QByteArray>("conteudoB");
        QTest::addColumn<qint64>("dataB");
        QTest::addColumn<bool>("dataDiferente");
        QTest::addColumn<bool>("tamanhoDiferente");
        QTest::addColumn<bool>("precisaCopiar");
        // 1700000000 is even: it and the next second share one DOS time.
        const qint64 par = 1700000000;
        QTest::newRow("iguais") << QByteArray("abc") << par << QByteArray("xyz") << par << false
                                << false << false;
        QTest::newRow("um segundo no mesmo passo")
            << QByteArray("abc") << par << QByteArray("abc") << par + 1 << false << false << false;
        QTest::newRow("um segundo entre passos")
            << QByteArray("abc") << par + 1 << QByteArray("abc") << par + 2 << true << false
            << true;
        QTest::newRow("tamanho") << QByteArray("abc") << par << QByteArray("abcd") << par << false
                                 << true << true;
        QTest::newRow("falta b") << QByteArray("abc") << par << QByteArray() << qint64(-1) << true
                                 << true << true;
        QTest::newRow("vazio e ausente têm tamanho zero")
            << QByteArray("") << par << QByteArray() << qint64(-1) << true << false << true;
    }

    void comparacoes()
    {
        QFETCH(QByteArray, conteudoA);
        QFETCH(qint64, dataA);
        QFETCH(QByteArray, conteudoB);
        QFETCH(qint64, dataB);
        const QString a = caminho("a.bin"), b = caminho("b.bin");
        QFile::remove(a);
        QFile::remove(b);
        escrever(a, conteudoA);
        definirData(a, dataA, 999999999);
        if (dataB >= 0) {
            escrever(b, conteudoB);
            definirData(b, dataB);
        }
        QTEST(DataDiferente(a, b), "dataDiferente");
        QTEST(DataDiferente(b, a), "dataDiferente");
        QTEST(TamanhoDiferente(a, b), "tamanhoDiferente");
        QTEST(PrecisaCopiar(a, b), "precisaCopiar");
    }

    void dataDosArredondaParaBaixo()
    {
        const QString a = caminho("dos.bin");
        escrever(a, "x");
        definirData(a, 1700000001, 500000000);
        QCOMPARE(DataHoraDos(a), qint64(1700000000));
        QCOMPARE(DataHoraDos(caminho("nenhum")), qint64(-1));
    }

    void copiaSobrescreveMantendoData()
    {
        const QString origem = caminho("rede/KXSIS800.EXE");
        const QString destino = caminho("local/KXSIS800.EXE");
        QDir().mkpath(caminho("rede"));
        QDir().mkpath(caminho("local"));
        escrever(origem, QByteArray(200000, 'n'));
        QFile(origem).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                     QFileDevice::ReadGroup);
        definirData(origem, 1600000000, 123456789);
        escrever(destino, "antigo");
        QFile(destino).setPermissions(QFileDevice::ReadOwner); // read-only copy

        QString motivo;
        QVERIFY2(CopiarArquivo(origem, destino, &motivo), qPrintable(motivo));
        QFile f(destino);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray(200000, 'n'));
        QCOMPARE(fs::last_write_time(QFile::encodeName(destino).toStdString()),
                 fs::last_write_time(QFile::encodeName(origem).toStdString()));
        QVERIFY(!PrecisaCopiar(origem, destino));
        const auto permissoes = QFile(destino).permissions();
        QVERIFY(permissoes & QFileDevice::ExeOwner);
        QVERIFY(permissoes & QFileDevice::WriteOwner);
        QCOMPARE(QDir(caminho("local")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"KXSIS800.EXE"}); // no temporary file left behind
    }

    void copiaSobreProgramaEmExecucao()
    {
        // Writing into a running program's file fails on this system; the
        // copy must replace it instead, and the running program goes on.
        const QString programa = caminho("emuso/dormir");
        QDir().mkpath(caminho("emuso"));
        QVERIFY(QFile::copy("/bin/sleep", programa));
        QProcess rodando;
        rodando.start(programa, {"300"});
        QVERIFY(rodando.waitForStarted());
        const QString novo = caminho("novo-dormir");
        QVERIFY(QFile::copy("/bin/sleep", novo));
        definirData(novo, 1600000000);
        QString motivo;
        QVERIFY2(CopiarArquivo(novo, programa, &motivo), qPrintable(motivo));
        QCOMPARE(rodando.state(), QProcess::Running);
        QVERIFY(!DataDiferente(novo, programa));
        rodando.kill();
        rodando.waitForFinished();
    }

    void copiaQueFalha_data()
    {
        QTest::addColumn<QString>("origem");
        QTest::addColumn<QString>("destino");
        QTest::newRow("origem ausente") << "nada.bin"
                                        << "copia.bin";
        QTest::newRow("pasta de destino ausente") << "existe.bin"
                                                  << "sem/pasta/copia.bin";
    }

    void copiaQueFalha()
    {
        QFETCH(QString, origem);
        QFETCH(QString, destino);
        escrever(caminho("existe.bin"), "x");
        QString motivo;
        QVERIFY(!CopiarArquivo(caminho(origem), caminho(destino), &motivo));
        QVERIFY(!motivo.isEmpty());
        QVERIFY(!QFileInfo::exists(caminho(destino)));
    }

    void atributosNormais()
    {
        const QString a = caminho("somente-leitura.bin");
        escrever(a, "x");
        QVERIFY(QFile(a).setPermissions(QFileDevice::ReadOwner));
        QVERIFY(DefinirAtributosNormais(a));
        QVERIFY(QFile(a).permissions() & QFileDevice::WriteOwner);
        QVERIFY(!DefinirAtributosNormais(caminho("ausente")));
    }

    void espacoLivreComoODf()
    {
        // df reads the same file system on its own.
        const QString inexistente = m_dir.filePath("a/b/c");
        QProcess df;
        df.start("df", {"--output=avail,target", "-B1", m_dir.path()});
        QVERIFY(df.waitForFinished());
        const QStringList linhas =
            QString::fromLocal8Bit(df.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(linhas.size(), 2);
        const QStringList campos = linhas[1].simplified().split(' ');
        const qint64 livresDf = campos[0].toLongLong();
        const EspacoEmDisco e = EspacoLivre(inexistente);
        QCOMPARE(e.pontoDeMontagem, campos[1]);
        // Other programs write meanwhile: close, not equal.
        QVERIFY2(qAbs(e.bytesLivres - livresDf) < 64 * 1024 * 1024,
                 qPrintable(QStringLiteral("%1 x %2").arg(e.bytesLivres).arg(livresDf)));
    }

    void pastaTemporaria()
    {
        const QByteArray antes = qgetenv("TMPDIR");
        qputenv("TMPDIR", m_dir.path().toUtf8());
        QCOMPARE(DirTemporarioUsuario(), m_dir.path() + "/");
        qputenv("TMPDIR", antes);
        if (antes.isEmpty())
            qunsetenv("TMPDIR");
    }
};

QTEST_GUILESS_MAIN(TstArquivosSistema)
#include "tst_arquivossistema.moc"
