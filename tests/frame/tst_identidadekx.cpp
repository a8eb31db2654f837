// The running program's identity: version records read from real executables,
// the formatted version text, the product family and its artwork.
#include "frame/AplicacaoKX.h"
#include "frame/ArteKX.h"
#include "frame/PreferenciasKX.h"
#include "frame/RegistroGrupoKX.h"
#include "frame/VVersionInfo.h"
#include "frame/WallpaperKX.h"
#include "platform/EKorvane.h"
#include "platform/GravadorVersao.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using Textos = QList<QPair<QString, QString>>;

class TestIdentidade : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // A copy of this test program carrying the given version record.
    QString Executavel(const QString& nome, const QString& fileVersion, const Textos& extras)
    {
        const QString destino = m_dir.filePath(nome);
        QFile::remove(destino);
        if (!QFile::copy(QCoreApplication::applicationFilePath(), destino))
            return {};
        if (fileVersion.isNull() && extras.isEmpty())
            return destino;
        DadosCarimboVersao dados;
        dados.versao = QStringLiteral("1.0.0.0");
        dados.nomeOriginal = nome;
        RegistroVersao r = montarRegistroVersao(dados);
        const QString chave = dados.traducao.chave();
        r.definirTexto(chave, QStringLiteral("FileVersion"), fileVersion);
        for (const auto& [n, v] : extras)
            r.definirTexto(chave, n, v);
        gravarRegistroVersaoELF(destino, r);
        return destino;
    }

private slots:
    void versaoDoRegistro_data()
    {
        QTest::addColumn<QString>("fileVersion");
        QTest::addColumn<Textos>("extras");
        QTest::addColumn<QString>("kx");
        QTest::addColumn<QList<int>>("numeros");
        QTest::newRow("6.0.0.0") << "6.0.0.0" << Textos{} << "06.0.00.000"
                                 << QList<int>{6, 0, 0, 0};
        QTest::newRow("29.1.5.12")
            << "29.1.5.12" << Textos{} << "29.1.05.012" << QList<int>{29, 1, 5, 12};
        QTest::newRow("29.1.5") << "29.1.5" << Textos{} << "29.1.05" << QList<int>{0, 0, 0, 0};
        QTest::newRow("cinco-partes")
            << "30.2.7.1.9" << Textos{} << "30.2.07.001" << QList<int>{30, 2, 7, 1};
        QTest::newRow("nao-numero")
            << "x.1..4" << Textos{} << "00.1.00.004" << QList<int>{0, 1, 0, 4};
        QTest::newRow("especifico-categoria")
            << "29.1.5.12" << Textos{{"Especifico", " 3 "}, {"CategoriaDaRotina", "  WMS "}}
            << "29.1.05.012 03 WMS" << QList<int>{29, 1, 5, 12};
        QTest::newRow("versao-fixa")
            << "29.1.5.12" << Textos{{"Especifico", "3"}, {"VersaoFixa", " 28.0 Especial"}}
            << " 28.0 Especial" << QList<int>{29, 1, 5, 12};
        QTest::newRow("versao-fixa-branca") << "29.1.5.12" << Textos{{"VersaoFixa", "   "}}
                                            << "29.1.05.012" << QList<int>{29, 1, 5, 12};
    }
    void versaoDoRegistro()
    {
        QFETCH(QString, fileVersion);
        QFETCH(Textos, extras);
        QFETCH(QString, kx);
        QFETCH(QList<int>, numeros);
        const QString exe = Executavel(QStringLiteral("KXSIS800"), fileVersion, extras);
        QVERIFY(!exe.isEmpty());
        TVVersionInfo info(nullptr, exe);
        QCOMPARE(info.FileName(), exe);
        QCOMPARE(info.LanguageCodePage(), QStringLiteral("041604B0"));
        QCOMPARE(info.Language(), quint16(0x0416));
        QCOMPARE(info.CodePage(), quint16(0x04B0));
        QCOMPARE(info.FileVersion(), fileVersion);
        QCOMPARE(info.FileVersionKX(), kx);
        QCOMPARE((QList<int>{info.Major(), info.Minor(), info.Release(), info.Build()}), numeros);
    }

    void semRegistro()
    {
        const QString exe = Executavel(QStringLiteral("KXSIS801"), QString(), {});
        for (const QString& arquivo : {exe, m_dir.filePath(QStringLiteral("nao-existe"))}) {
            TVVersionInfo info(nullptr, arquivo);
            QCOMPARE(info.LanguageCodePage(), QStringLiteral("00000000"));
            QVERIFY(info.FileVersion().isEmpty());
            QVERIFY(info.FileVersionKX().isEmpty());
            QCOMPARE(info.Major() + info.Minor() + info.Release() + info.Build(), 0);
        }
    }

    void familia_data()
    {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<int>("tipoGrupo");
        QTest::addColumn<int>("familia");
        QTest::addColumn<QString>("produto");
        QTest::newRow("sis-sem-tipo") << "/opt/KXSIS800.EXE" << 0 << 1 << "Korvane";
        QTest::newRow("sis-trevan") << "KXSIS800.EXE" << 4 << 4 << "Trevan";
        QTest::newRow("zor-quindo") << "C:/x/KXZOR12.EXE" << 6 << 6 << "QUINDO";
        QTest::newRow("inf") << "KXINF3.EXE" << 3 << 3 << "Korvane Torvo";
        QTest::newRow("tor") << "KXTOR9.EXE" << 4 << 3 << "Korvane Torvo";
        QTest::newRow("vex") << "KXVEX9.EXE" << 4 << 2 << "Korvane";
        QTest::newRow("minusculas") << "kxsis800.exe" << 4 << 5 << "Korvane";
        QTest::newRow("lancador") << "korvanestart" << 4 << 5 << "Korvane";
    }
    void familia()
    {
        QFETCH(QString, arquivo);
        QFETCH(int, tipoGrupo);
        QFETCH(int, familia);
        QFETCH(QString, produto);
        {
            TRegistroGrupoKX grupo;
            grupo.setTipoAplicativo(tipoGrupo);
        }
        const TSiglaAplicacao f = AplicacaoKX::FamiliaDoPrograma(
            arquivo, [] { return PreferenciasKX::TipoAplicativo(); });
        QCOMPARE(int(f), familia);
        QCOMPARE(AplicacaoKX::Textos(f, 6).nomeERP, produto);
    }

    void textosEImagens()
    {
        using AplicacaoKX::Textos;
        QCOMPARE(Textos(saTrevan, 6).icone, QStringLiteral("TREVAN"));
        QCOMPARE(Textos(saTrevan, 29).imagemTopo, QStringLiteral("I3"));
        QCOMPARE(Textos(saTrevan, 29).imagemRepeticao, QStringLiteral("I4"));
        QCOMPARE(Textos(saKorvane, 27).imagemTopo, QStringLiteral("I1"));
        QCOMPARE(Textos(saKorvane, 28).imagemTopo, QStringLiteral("I101"));
        QCOMPARE(Textos(saTorvo, 28).imagemRepeticao, QStringLiteral("I102"));
        QCOMPARE(Textos(saQuindo, 28).imagemTopo, QStringLiteral("I5"));
        QCOMPARE(Textos(saDravi, 6).nomeSofthouse, QStringLiteral("KX Rozedeve"));
        QCOMPARE(AplicacaoKX::TextoSegmento(QStringLiteral("Korvane")),
                 QStringLiteral("Distribuição e Torvo (Linha Korvane)"));
    }

    void imagensNosTamanhos_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QSize>("tamanho");
        QTest::newRow("I1") << "I1" << QSize(773, 128);
        QTest::newRow("I2") << "I2" << QSize(1, 140);
        QTest::newRow("I101") << "I101" << QSize(651, 128);
        QTest::newRow("I102") << "I102" << QSize(1, 140);
        QTest::newRow("I3") << "I3" << QSize(772, 127);
        QTest::newRow("I4") << "I4" << QSize(1, 127);
        QTest::newRow("I5") << "I5" << QSize(772, 127);
        QTest::newRow("I6") << "I6" << QSize(1, 127);
    }
    void imagensNosTamanhos()
    {
        QFETCH(QString, nome);
        QFETCH(QSize, tamanho);
        const QByteArray dados = ArteKX::Recurso(nome);
        QVERIFY(dados.startsWith("\xFF\xD8\xFF")); // JPEG
        QCOMPARE(QImage::fromData(dados, "JPG").size(), tamanho);
    }

    // The icon files are checked by file(1), which knows the format on its own.
    void icones_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QStringList>("esperado");
        QTest::newRow("KORVANE") << "KORVANE" << QStringList{"3 icons", "16x16", "32x32"};
        QTest::newRow("QUINDO") << "QUINDO" << QStringList{"3 icons", "16x16", "32x32"};
        QTest::newRow("TREVAN") << "TREVAN" << QStringList{"1 icon", "48x48"};
    }
    void icones()
    {
        QFETCH(QString, nome);
        QFETCH(QStringList, esperado);
        const QString arquivo = m_dir.filePath(nome + QStringLiteral(".ico"));
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(ArteKX::Recurso(nome));
        f.close();
        QProcess file;
        file.start(QStringLiteral("file"), {QStringLiteral("-b"), arquivo});
        QVERIFY(file.waitForFinished(30000));
        const QString saida = QString::fromLocal8Bit(file.readAllStandardOutput());
        QVERIFY2(saida.contains(QLatin1String("MS Windows icon resource")), qPrintable(saida));
        for (const QString& e : esperado)
            QVERIFY2(saida.contains(e), qPrintable(saida));
    }

    void recursoDesconhecidoLevanta()
    {
        QVERIFY_THROWS_EXCEPTION(EKorvane, ArteKX::Recurso(QStringLiteral("I7")));
    }

    void trocarIcone()
    {
        QApplication::setWindowIcon(QIcon());
        TCustomWallpaperKX::TrocarIconeAplicativo();
        const QIcon icone = QApplication::windowIcon();
        QVERIFY(!icone.isNull());
        QCOMPARE(icone.availableSizes().size(), 3);
    }
};

QTEST_MAIN(TestIdentidade)
#include "tst_identidadekx.moc"
