#include "platform/FileVersionUnit.h"
#include "platform/versao/Fixtures.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

using namespace FixturesVersao;

class TstFileVersion : public QObject
{
    Q_OBJECT

private slots:
    void lerInformacoes_data();
    void lerInformacoes();
    void concordaComPefile_data();
    void concordaComPefile();
};

void TstFileVersion::lerInformacoes_data()
{
    QTest::addColumn<QString>("arquivo");
    QTest::addColumn<QString>("fileVersion");
    QTest::addColumn<QString>("originalFilename");
    QTest::addColumn<QString>("rotinaAssinada");
    QTest::addColumn<bool>("infoInferred");

    const QString kxsis = QStringLiteral("KXSIS800.EXE");
    const QString versao = QStringLiteral("29.01.05.100");
    QTest::newRow("PE32+ completo") << arquivo("completo.exe") << versao << kxsis << "S" << true;
    QTest::newRow("PE32 completo") << arquivo("completo32.exe") << versao << kxsis << "S" << true;
    QTest::newRow("DLL completa") << arquivo("completo.dll") << versao << kxsis << "S" << true;
    // The values live under the second translation entry only.
    QTest::newRow("segunda tradução") << arquivo("segunda_traducao.exe") << ""
                                      << ""
                                      << "" << false;
    // 0x10 in the flags but not in the mask.
    QTest::newRow("sem RotinaAssinada") << arquivo("sem_assinatura.exe") << "07.0.00.001"
                                        << "KXAUX007.DLL"
                                        << "" << false;
    QTest::newRow("sem tabela de traduções") << arquivo("sem_traducao.exe") << ""
                                             << ""
                                             << "" << false;
    QTest::newRow("PE sem registro") << arquivo("sem_versao.exe") << ""
                                     << ""
                                     << "" << false;
    QTest::newRow("inexistente") << arquivo("nao_existe.exe") << ""
                                 << ""
                                 << "" << false;
    QTest::newRow("pasta") << arquivo("") << ""
                           << ""
                           << "" << false;
    QTest::newRow("ELF sem registro") << QCoreApplication::applicationFilePath() << ""
                                      << ""
                                      << "" << false;
    QTest::newRow("korvanestart gravado") << korvanestart() << "1.0.0.0"
                                          << "korvanestart"
                                          << "" << false;
    QTest::newRow("kxadmin gravado") << kxadmin() << "1.0.0.0"
                                     << "kxadmin"
                                     << "" << false;
}

void TstFileVersion::lerInformacoes()
{
    QFETCH(QString, arquivo);
    QFETCH(QString, fileVersion);
    QFETCH(QString, originalFilename);
    QFETCH(QString, rotinaAssinada);
    QFETCH(bool, infoInferred);

    const TFileVersionInfo info = LerInformacoesDeVersao(arquivo);
    QCOMPARE(info.FileVersion, fileVersion);
    QCOMPARE(info.OriginalFilename, originalFilename);
    QCOMPARE(info.RotinaAssinada, rotinaAssinada);
    QCOMPARE(info.RotinaAssinadaExiste, !rotinaAssinada.isEmpty());
    QCOMPARE(info.InfoInferred, infoInferred);
    QCOMPARE(LerVersaoDoArquivo(arquivo), fileVersion);
}

void TstFileVersion::concordaComPefile_data()
{
    QTest::addColumn<QString>("arquivo");
    QTest::newRow("PE32+") << arquivo("completo.exe");
    QTest::newRow("PE32") << arquivo("completo32.exe");
    QTest::newRow("DLL") << arquivo("completo.dll");
    QTest::newRow("outra tradução") << arquivo("sem_assinatura.exe");
}

// pefile, an independent reader, finds the same two texts in the (only)
// string table of these files.
void TstFileVersion::concordaComPefile()
{
    QFETCH(QString, arquivo);
    const QJsonObject pefile = lerComPefile(arquivo);
    QVERIFY2(!pefile.isEmpty(), "python3-pefile não conseguiu ler o arquivo (instale-o)");
    const QJsonArray tabelas = pefile.value(QStringLiteral("tabelas")).toArray();
    QCOMPARE(tabelas.size(), 1);
    QString fileVersion, originalFilename;
    for (const QJsonValue& par : tabelas[0].toObject().value(QStringLiteral("textos")).toArray()) {
        const QString nome = par[0].toString();
        if (nome == QLatin1String("FileVersion"))
            fileVersion = par[1].toString();
        else if (nome == QLatin1String("OriginalFilename"))
            originalFilename = par[1].toString();
    }
    QVERIFY(!fileVersion.isEmpty());
    const TFileVersionInfo info = LerInformacoesDeVersao(arquivo);
    QCOMPARE(info.FileVersion, fileVersion);
    QCOMPARE(info.OriginalFilename, originalFilename);
}

QTEST_GUILESS_MAIN(TstFileVersion)
#include "tst_fileversion.moc"
