#include "platform/EKorvane.h"
#include "platform/RegistroUsuario.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using TipoValor = RegistroUsuario::TipoValor;

class TstRegistroUsuario : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString hive(const QString& nome = QStringLiteral("registro")) const
    {
        return m_dir.filePath(QStringLiteral("cfg/Korvane/") + nome);
    }

private slots:
    void init() { QDir(m_dir.filePath(QStringLiteral("cfg"))).removeRecursively(); }

    void padraoEhOArquivoDoPerfil()
    {
        QCOMPARE(RegistroUsuario().arquivo(),
                 qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Korvane/registro"));
    }

    void valoresTipadosNaOrdemGravada()
    {
        RegistroUsuario r(hive());
        r.gravarTexto("Software\\GrupoKX", "TipoAplicativo", "4");
        r.gravarInteiro("Software\\GrupoKX", "Contador", -7);
        r.gravarTexto("Software\\GrupoKX", "Alfa", "a");
        // Rewriting keeps the value where it was, with the new type.
        r.gravarInteiro("software\\grupokx", "TIPOAPLICATIVO", 5);

        RegistroUsuario outro(hive());
        QCOMPARE(outro.nomesDosValores("\\Software\\GrupoKX"),
                 QStringList({"TipoAplicativo", "Contador", "Alfa"}));
        const auto tipo = outro.lerValor("SOFTWARE\\GRUPOKX", "tipoaplicativo");
        QVERIFY(tipo);
        QCOMPARE(tipo->tipo, TipoValor::Inteiro);
        QCOMPARE(tipo->inteiro, 5);
        const auto contador = outro.lerValor("Software\\GrupoKX", "Contador");
        QCOMPARE(contador->inteiro, -7);
        const auto alfa = outro.lerValor("Software\\GrupoKX", "Alfa");
        QCOMPARE(alfa->tipo, TipoValor::Texto);
        QCOMPARE(alfa->texto, QStringLiteral("a"));
        QVERIFY(!outro.lerValor("Software\\GrupoKX", "Nenhum"));
        QVERIFY(!outro.lerValor("Software\\Outra", "Alfa"));
    }

    void chavesSubchavesEExclusao()
    {
        RegistroUsuario r(hive());
        QVERIFY(!r.chaveExiste("Software\\GrupoKX"));
        QVERIFY(r.chaveExiste("")); // the root always exists
        r.criarChave("\\Software\\GrupoKX\\Korvane");
        r.gravarTexto("Software\\GrupoKX\\Trevan\\Sub", "x", "1");
        r.criarChave("Environment");
        QVERIFY(r.chaveExiste("software\\grupokx"));
        QCOMPARE(r.subchaves(""), QStringList({"Software", "Environment"}));
        QCOMPARE(r.subchaves("SOFTWARE\\GrupoKX"), QStringList({"Korvane", "Trevan"}));
        QCOMPARE(r.subchaves("Software\\GrupoKX\\Korvane"), QStringList());

        QVERIFY(r.excluirValor("Software\\GrupoKX\\Trevan\\Sub", "X"));
        QVERIFY(!r.excluirValor("Software\\GrupoKX\\Trevan\\Sub", "X"));
        QVERIFY(r.chaveExiste("Software\\GrupoKX\\Trevan\\Sub"));
        QVERIFY(r.excluirChave("software\\GRUPOKX\\trevan"));
        QVERIFY(!r.chaveExiste("Software\\GrupoKX\\Trevan\\Sub"));
        QVERIFY(!r.excluirChave("Software\\GrupoKX\\Trevan"));
        QVERIFY(r.chaveExiste("Software\\GrupoKX\\Korvane"));
        // A key whose name merely starts like the removed one survives.
        r.criarChave("Software\\GrupoKXTeste");
        QVERIFY(r.excluirChave("Software\\GrupoKX"));
        QVERIFY(r.chaveExiste("Software\\GrupoKXTeste"));
    }

    void textosQualquerSobrevivem_data()
    {
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("texto");
        QTest::newRow("aspas e barras") << "A\"b/"
                                        << "n\"o\\me"
                                        << "C:\\Korvane\\\"x\"";
        QTest::newRow("quebras de linha") << "K\nL"
                                          << "a\nb"
                                          << "linha 1\r\nlinha 2\t[x]";
        QTest::newRow("igual e colchetes") << "[K]"
                                           << "a=b"
                                           << "=[]\"=";
        QTest::newRow("acentos e por cento") << "Configuração%41"
                                             << "ação"
                                             << "Ünïcødé €";
        QTest::newRow("vazios") << "K"
                                << ""
                                << "";
        QTest::newRow("espacos nas pontas") << " K "
                                            << " n "
                                            << "  ";
        QTest::newRow("controle") << "K\x01" << QString(QChar(0x1f)) << QString(QChar(0x7f));
    }

    void textosQualquerSobrevivem()
    {
        QFETCH(QString, chave);
        QFETCH(QString, nome);
        QFETCH(QString, texto);
        RegistroUsuario(hive()).gravarTexto(chave, nome, texto);
        RegistroUsuario(hive()).gravarTexto("Depois", "x", "y");
        const RegistroUsuario r(hive());
        QCOMPARE(r.subchaves(""), QStringList({chave, "Depois"}));
        QCOMPARE(r.nomesDosValores(chave), QStringList{nome});
        QCOMPARE(r.lerValor(chave, nome)->texto, texto);
        QCOMPARE(r.lerValor("Depois", "x")->texto, QStringLiteral("y"));
    }

    void arquivoLegivel()
    {
        RegistroUsuario r(hive());
        r.gravarTexto("Environment", "DirInstalacao", "/home/u/Korvane/");
        r.gravarInteiro("Software\\GrupoKX", "N", 12);
        QFile f(hive());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray texto = f.readAll();
        QVERIFY(texto.contains("[Environment]\n\"DirInstalacao\"=\"/home/u/Korvane/\"\n"));
        QVERIFY(texto.contains("[Software\\GrupoKX]\n\"N\"=inteiro:12\n"));
    }

    void arquivoDanificadoLeVazio_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::newRow("vazio") << QByteArray();
        QTest::newRow("sem cabeçalho") << QByteArray("[K]\n\"a\"=\"b\"\n");
        QTest::newRow("aspas abertas") << QByteArray("KorvaneRegistro 1\n[K]\n\"a\"=\"b\n");
        QTest::newRow("inteiro inválido")
            << QByteArray("KorvaneRegistro 1\n[K]\n\"a\"=inteiro:x\n");
        QTest::newRow("inteiro grande")
            << QByteArray("KorvaneRegistro 1\n[K]\n\"a\"=inteiro:4294967296\n");
        QTest::newRow("escape truncado") << QByteArray("KorvaneRegistro 1\n[K]\n\"a\"=\"\\x4\"\n");
        QTest::newRow("chave sem fim") << QByteArray("KorvaneRegistro 1\n[K\n");
        QTest::newRow("binário") << QByteArray("KorvaneRegistro 1\n\0\xff\xfe\x01[", 24);
    }

    void arquivoDanificadoLeVazio()
    {
        QFETCH(QByteArray, conteudo);
        QDir().mkpath(QFileInfo(hive()).absolutePath());
        QFile f(hive());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(conteudo);
        f.close();
        RegistroUsuario r(hive());
        QCOMPARE(r.subchaves(""), QStringList());
        QVERIFY(!r.lerValor("K", "a"));
        r.gravarTexto("K", "novo", "1");
        QCOMPARE(r.nomesDosValores("K"), QStringList{"novo"});
        if (!conteudo.isEmpty()) {
            // The damaged contents are kept aside, not silently lost.
            QFile copia(hive() + ".danificado");
            QVERIFY(copia.open(QIODevice::ReadOnly));
            QCOMPARE(copia.readAll(), conteudo);
        }
    }

    void pastaImpossivelFalhaAoGravar()
    {
        // A plain file where the hive's folder should be.
        QDir().mkpath(m_dir.filePath("cfg"));
        QFile bloqueio(m_dir.filePath("cfg/Korvane"));
        QVERIFY(bloqueio.open(QIODevice::WriteOnly));
        bloqueio.close();
        RegistroUsuario r(hive());
        QCOMPARE(r.subchaves(""), QStringList());
        QVERIFY(!r.lerValor("K", "a"));
        QVERIFY_THROWS_EXCEPTION(EKorvane, r.gravarTexto("K", "a", "b"));
        QVERIFY_THROWS_EXCEPTION(EKorvane, r.criarChave("K"));
    }

    // Starts one child per argument list, all at once, and waits for them all.
    static void rodarAoMesmoTempo(const QList<QStringList>& argumentos)
    {
        std::vector<std::unique_ptr<QProcess>> filhos;
        for (const QStringList& a : argumentos) {
            auto filho = std::make_unique<QProcess>();
            filho->setProcessChannelMode(QProcess::ForwardedChannels);
            filho->start(KS_AUXILIAR, a);
            filhos.push_back(std::move(filho));
        }
        for (auto& filho : filhos) {
            QVERIFY(filho->waitForFinished(120000));
            QCOMPARE(filho->exitStatus(), QProcess::NormalExit);
            QCOMPARE(filho->exitCode(), 0);
        }
    }

    void variosProcessosNaoPerdemNada()
    {
        // Each child writes its own values one change at a time, all at once.
        const int processos = 4;
        const int valores = 40;
        QList<QStringList> argumentos;
        for (int p = 0; p < processos; ++p)
            argumentos.append({"registro", hive(), "Software\\Compartilhada",
                               QStringLiteral("p%1_").arg(p), QString::number(valores)});
        rodarAoMesmoTempo(argumentos);
        const RegistroUsuario r(hive());
        const QStringList nomes = r.nomesDosValores("Software\\Compartilhada");
        QCOMPARE(nomes.size(), processos * valores);
        for (int p = 0; p < processos; ++p)
            for (int i = 0; i < valores; ++i)
                QCOMPARE(
                    r.lerValor("Software\\Compartilhada", QStringLiteral("p%1_%2").arg(p).arg(i))
                        ->texto,
                    QString::number(i));
    }

    void alteracoesDeVariosProcessosNaoSePerdem()
    {
        // Each child reads the same value and writes it plus one, many times over:
        // every read-then-write must see the one before it.
        const int processos = 4;
        const int vezes = 40;
        rodarAoMesmoTempo(QList<QStringList>(processos, {"somar", hive(), "Software\\Compartilhada",
                                                         "Contador", QString::number(vezes)}));
        const auto total = RegistroUsuario(hive()).lerValor("Software\\Compartilhada", "Contador");
        QVERIFY(total);
        QCOMPARE(total->inteiro, processos * vezes);
    }
};

QTEST_GUILESS_MAIN(TstRegistroUsuario)
#include "tst_registrousuario.moc"
