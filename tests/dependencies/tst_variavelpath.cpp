#include "dependencies/AmbienteRotina.h"
#include "dependencies/VariavelPath.h"
#include "platform/Processo.h"

#include <QTemporaryDir>
#include <QtTest>

class TstVariavelPath : public QObject
{
    Q_OBJECT

private slots:
    void casosDoWindows_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("adicionar");
        QTest::addColumn<QStringList>("pastas");
        QTest::addColumn<QString>("texto");
        const QString base = "C:\\A;;C:\\B\\;";
        const QStringList lista{"C:\\A", "C:\\B\\"};
        QTest::newRow("com PATH=") << "PATH=" + base << QStringList() << lista << "C:\\A;C:\\B\\;";
        QTest::newRow("sem PATH=") << base << QStringList() << lista << "C:\\A;C:\\B\\;";
        QTest::newRow("path= em minúsculas")
            << "path=" + base << QStringList() << lista << "C:\\A;C:\\B\\;";
        QTest::newRow("presente sem caixa")
            << base << QStringList{"C:\\b"} << lista << "C:\\A;C:\\B\\;";
        QTest::newRow("barras finais cortadas")
            << base << QStringList{"C:\\C\\\\"} << QStringList{"C:\\A", "C:\\B\\", "C:\\C"}
            << "C:\\A;C:\\B\\;C:\\C;";
        QTest::newRow("raiz vira C:")
            << base << QStringList{"C:\\"} << QStringList{"C:\\A", "C:\\B\\", "C:"}
            << "C:\\A;C:\\B\\;C:;";
        QTest::newRow("vazio mais uma")
            << "" << QStringList{"C:\\Korvane\\Prod\\lib"} << QStringList{"C:\\Korvane\\Prod\\lib"}
            << "C:\\Korvane\\Prod\\lib;";
        QTest::newRow("brancos e controles")
            << " ;\t;\x01;C:\\X " << QStringList() << QStringList{"C:\\X "} << "C:\\X ;";
        QTest::newRow("duas em ordem, sem repetir")
            << "C:\\A" << QStringList{"C:\\Z", "c:\\z\\", "C:\\Y"}
            << QStringList{"C:\\A", "C:\\Z", "C:\\Y"} << "C:\\A;C:\\Z;C:\\Y;";
        QTest::newRow("lista vazia") << "PATH=" << QStringList() << QStringList() << "";
    }

    void casosDoWindows()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, adicionar);
        QFETCH(QStringList, pastas);
        QFETCH(QString, texto);
        TVariavelPath v(path, TVariavelPath::formatoWindows());
        v.AdicionarPastas(adicionar);
        QCOMPARE(v.Pastas(), pastas);
        QCOMPARE(v.ToString(), texto);
    }

    void varPath()
    {
        const TVariavelPath v("C:\\A;C:\\B", TVariavelPath::formatoWindows());
        QCOMPARE(v.GetVarPath(), QStringLiteral("Path=C:\\A;C:\\B"));
        QCOMPARE(TVariavelPath("PATH=x; ;", TVariavelPath::formatoWindows()).GetVarPath(),
                 QStringLiteral("Path=x"));
        QCOMPARE(TVariavelPath::IncluirPathNoInicio("path=x"), QStringLiteral("path=x"));
        QCOMPARE(TVariavelPath::IncluirPathNoInicio("x"), QStringLiteral("Path=x"));
    }

    void formatoDoSistema()
    {
        // ":" between folders, "/" cut, letter case counts, and no trailing
        // ":" that would put the current folder on the search path.
        TVariavelPath v("/usr/bin::/opt/Lib/:");
        QCOMPARE(v.Pastas(), QStringList({"/usr/bin", "/opt/Lib/"}));
        v.AdicionarPastas({"/opt/Lib", "/opt/lib//", "/usr/bin/"});
        QCOMPARE(v.ToString(), QStringLiteral("/usr/bin:/opt/Lib/:/opt/lib"));
        QCOMPARE(TVariavelPath("").ToString(), QString());
    }

    void textos_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("conjunto");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("quebras") << "a\r\nb\r\n\r\n"
                                 << "\r\n"
                                 << "a\r\nb";
        QTest::newRow("todos") << "\\ \\"
                               << "\\ "
                               << "";
        QTest::newRow("nenhum") << "abc"
                                << "x"
                                << "abc";
        QTest::newRow("vazio") << ""
                               << "x"
                               << "";
    }

    void textos()
    {
        QFETCH(QString, texto);
        QFETCH(QString, conjunto);
        QFETCH(QString, esperado);
        QCOMPARE(RemoverCaracteresFinais(texto, conjunto), esperado);
    }

    void hexa()
    {
        QCOMPARE(BytesParaHexa(QByteArray("\x00\xab\xff", 3), 3), QStringLiteral("00ABFF"));
        QCOMPARE(BytesParaHexa(QByteArray("\x01\x02\x03", 3), 2), QStringLiteral("0102"));
        QCOMPARE(BytesParaHexa(QByteArray(), 0), QString());
    }

    void ambienteDaRotina()
    {
        const QByteArray pathAntes = qgetenv("PATH");
        const QStringList base{"PATH=/usr/bin:/bin", "HOME=/h", "DISTRIBUICAO=x"};
        const QStringList env = MontarAmbienteDaRotina(
            {"/k/Prod/lib", "/usr/bin/"}, {"DISTRIBUICAO=", "A=b=c", "SOZINHA", "=semnome"}, base);
        QVERIFY(env.contains("PATH=/usr/bin:/bin:/k/Prod/lib"));
        QVERIFY(env.contains("HOME=/h"));
        QVERIFY(env.contains("DISTRIBUICAO="));
        QVERIFY(env.contains("A=b=c"));
        QVERIFY(env.contains("SOZINHA="));
        QCOMPARE(env.size(), 5);
        QCOMPARE(qgetenv("PATH"), pathAntes);
    }

    void filhoRecebeOPathEstendido()
    {
        // A real child reports the environment it was given.
        QTemporaryDir dir;
        const QString saida = dir.filePath("env.txt");
        const QByteArray pathAntes = qgetenv("PATH");
        PedidoProcesso p;
        p.programa = "/bin/sh";
        p.argumentos = "-c \"env > '" + saida + "'\"";
        p.pasta = dir.path();
        p.ambiente = MontarAmbienteDaRotina({"/k/Prod/lib/"}, {"DISTRIBUICAO="});
        p.aguardar = true;
        const ResultadoProcesso r = IniciarProcesso(p);
        QVERIFY2(r.iniciado, qPrintable(r.erro));
        QFile f(saida);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList linhas = QString::fromLocal8Bit(f.readAll()).split('\n');
        QVERIFY(linhas.contains("PATH=" + QString::fromLocal8Bit(pathAntes) + ":/k/Prod/lib"));
        QVERIFY(linhas.contains("DISTRIBUICAO="));
        QCOMPARE(qgetenv("PATH"), pathAntes);
        QVERIFY(!qEnvironmentVariableIsSet("DISTRIBUICAO"));
    }
};

QTEST_GUILESS_MAIN(TstVariavelPath)
#include "tst_variavelpath.moc"
