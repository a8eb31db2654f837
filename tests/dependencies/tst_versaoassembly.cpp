#include "dependencies/Dependencia.h"
#include "dependencies/PacoteDeRotinasComentario.h"
#include "dependencies/PacoteDeRotinasErros.h"
#include "dependencies/PacoteDeRotinasSenha.h"
#include "dependencies/RotinaDep.h"
#include "dependencies/VersaoAssembly.h"

#include <QLocale>
#include <QTest>

// Version arithmetic, manifest versions, item comments, sizes and the package
// password rule.
class TstVersaoAssembly : public QObject
{
    Q_OBJECT

private slots:
    void versaoParaInteiro_data();
    void versaoParaInteiro();
    void versaoAtendida_data();
    void versaoAtendida();
    void normalizarVersao_data();
    void normalizarVersao();
    void comentario_data();
    void comentario();
    void comentarioInvalido_data();
    void comentarioInvalido();
    void formatarTamanho_data();
    void formatarTamanho();
    void senhaDoPacote_data();
    void senhaDoPacote();
    void dependenciasCompartilhadas();
};

void TstVersaoAssembly::versaoParaInteiro_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<qint64>("esperado");
    QTest::newRow("quatro partes") << "01.02.03.40" << qint64(1002003040);
    QTest::newRow("sem zeros") << "1.2.3.40" << qint64(1002003040);
    QTest::newRow("29.2.1.5") << "29.2.1.5" << qint64(29002001005);
    QTest::newRow("três partes") << "1.2.3" << qint64(1002003);
    QTest::newRow("parte longa mantida") << "1.2.3.4000" << qint64(10020034000);
    QTest::newRow("branco separa") << "1.2 3.4" << qint64(1002003004);
    QTest::newRow("parte vazia") << "1..3.4" << qint64(1000003004);
    QTest::newRow("vazio") << "" << qint64(0);
    QTest::newRow("letras") << "1.2.a.4" << qint64(0);
    QTest::newRow("não numérico") << "versão" << qint64(0);
    QTest::newRow("longo demais") << "999.999.999.999.999.999.999" << qint64(0);
    QTest::newRow("limite de 64 bits")
        << "9.223.372.036.854.775.807" << qint64(9223372036854775807);
}

void TstVersaoAssembly::versaoParaInteiro()
{
    QFETCH(QString, texto);
    QFETCH(qint64, esperado);
    QCOMPARE(VersaoParaInteiro(texto), esperado);
}

void TstVersaoAssembly::versaoAtendida_data()
{
    QTest::addColumn<QString>("requerida");
    QTest::addColumn<QString>("instalada");
    QTest::addColumn<bool>("atendida");
    QTest::newRow("mesmo número") << "01.02.03.40"
                                  << "1.2.3.40" << true;
    QTest::newRow("instalada menor") << "01.02.03.40"
                                     << "1.2.3.39" << false;
    QTest::newRow("instalada maior") << "01.02.03.40"
                                     << "1.2.4.0" << true;
    QTest::newRow("três partes instaladas") << "01.02.03.40"
                                            << "1.2.3" << false;
    QTest::newRow("instalada vazia") << "01.02.03.40"
                                     << "" << false;
    QTest::newRow("instalada não numérica") << "01.02.03.40"
                                            << "abc" << false;
    QTest::newRow("requerida não numérica") << "x"
                                            << "" << true;
}

void TstVersaoAssembly::versaoAtendida()
{
    QFETCH(QString, requerida);
    QFETCH(QString, instalada);
    QFETCH(bool, atendida);
    QCOMPARE(VersaoAtendida(requerida, instalada), atendida);
}

void TstVersaoAssembly::normalizarVersao_data()
{
    QTest::addColumn<QString>("versao");
    QTest::addColumn<QString>("esperado"); // empty: fails
    QTest::newRow("quatro") << "1.2.3.40"
                            << "01.02.03.40";
    QTest::newRow("cinco partes") << "1.2.3.4.5"
                                  << "01.02.03.04";
    QTest::newRow("parte de três dígitos") << "1.2.3.400"
                                           << "01.02.03.400";
    QTest::newRow("três partes") << "1.2.3"
                                 << "";
    QTest::newRow("parte não numérica") << "1.2.x.4"
                                        << "";
    QTest::newRow("parte vazia") << "1..3.4"
                                 << "";
    QTest::newRow("vazia") << ""
                           << "";
    QTest::newRow("branco separa") << "29 2 1 5"
                                   << "29.02.01.05";
}

void TstVersaoAssembly::normalizarVersao()
{
    QFETCH(QString, versao);
    QFETCH(QString, esperado);
    if (esperado.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(RotinaDep::ERotinaDep, NormalizarVersaoDependencia(versao));
    } else {
        QCOMPARE(NormalizarVersaoDependencia(versao), esperado);
    }
}

void TstVersaoAssembly::comentario_data()
{
    QTest::addColumn<QString>("comentario");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QList<quint32>>("numeros");
    QTest::addColumn<QDateTime>("dataHora");
    const QDateTime nov(QDate(2020, 11, 26), QTime(14, 5, 9));
    QTest::newRow("completo") << "29.2.1.5 2020-11-26 14:05:09"
                              << "29.2.1.5" << QList<quint32>{29, 2, 1, 5} << nov;
    QTest::newRow("separadores não examinados") << "29.2.1.5 2020x11/26 14h05m09"
                                                << "29.2.1.5" << QList<quint32>{29, 2, 1, 5} << nov;
    QTest::newRow("brancos extras") << "  29.2.1.5   2020-11-26\t14:05:09  "
                                    << "29.2.1.5" << QList<quint32>{29, 2, 1, 5} << nov;
    QTest::newRow("partes da versão ausentes ou não numéricas")
        << "7.x 2021-01-02 00:00:00"
        << "7.x" << QList<quint32>{7, 0, 0, 0} << QDateTime(QDate(2021, 1, 2), QTime(0, 0));
    QTest::newRow("segundos não numéricos contam 0")
        << "1.0.0.0 2021-01-02 10:11:xx"
        << "1.0.0.0" << QList<quint32>{1, 0, 0, 0}
        << QDateTime(QDate(2021, 1, 2), QTime(10, 11, 0));
    QTest::newRow("vazio") << ""
                           << "" << QList<quint32>{0, 0, 0, 0} << QDateTime();
    QTest::newRow("só brancos") << "   "
                                << "" << QList<quint32>{0, 0, 0, 0} << QDateTime();
}

void TstVersaoAssembly::comentario()
{
    QFETCH(QString, comentario);
    QFETCH(QString, texto);
    QFETCH(QList<quint32>, numeros);
    QFETCH(QDateTime, dataHora);
    TAssembly item;
    item.Nome = QStringLiteral("KXSIS800.EXE");
    LerComentarioDoItem(comentario, item);
    QCOMPARE(item.Versao.Texto, texto);
    QCOMPARE((QList<quint32>{item.Versao.Major, item.Versao.Minor, item.Versao.Release,
                             item.Versao.Build}),
             numeros);
    QCOMPARE(item.DataHora, dataHora);
}

void TstVersaoAssembly::comentarioInvalido_data()
{
    QTest::addColumn<QString>("comentario");
    QTest::newRow("30 de fevereiro") << "1.0.0.7 2021-02-30 10:00:00";
    QTest::newRow("mês 13") << "1.0.0.7 2021-13-01 10:00:00";
    QTest::newRow("data não numérica") << "1.0.0.7 ontem 10:00:00";
    QTest::newRow("hora 24") << "1.0.0.7 2021-02-01 24:00:00";
    QTest::newRow("minuto 60") << "1.0.0.7 2021-02-01 10:60:00";
    QTest::newRow("sem hora") << "1.0.0.7 2021-02-01";
    QTest::newRow("só versão") << "1.0.0.7";
}

void TstVersaoAssembly::comentarioInvalido()
{
    QFETCH(QString, comentario);
    TAssembly item;
    QVERIFY_THROWS_EXCEPTION(EPacoteDeRotinas, LerComentarioDoItem(comentario, item));
}

void TstVersaoAssembly::formatarTamanho_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("1024") << qint64(1024) << "1 KB";
    QTest::newRow("-1") << qint64(-1) << "1 KB";
    QTest::newRow("zero") << qint64(0) << "1 KB";
    QTest::newRow("1536") << qint64(1536) << "1,5 KB";
    QTest::newRow("1025") << qint64(1025) << "1 KB";
    QTest::newRow("1 MB exato") << qint64(1048576) << "1.024 KB";
    QTest::newRow("2,25 MB") << qint64(2359296) << "2,25 MB";
    QTest::newRow("GB com milhar") << qint64(1536) * 1073741824 << "1.536 GB";
}

void TstVersaoAssembly::formatarTamanho()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, esperado);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QCOMPARE(FormatarTamanho(bytes), esperado);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(FormatarTamanho(1536), QStringLiteral("1.5 KB"));
}

void TstVersaoAssembly::senhaDoPacote_data()
{
    QTest::addColumn<QString>("arquivo");
    QTest::addColumn<QString>("inicio");
    QTest::newRow("pasta e maiúsculas") << "/opt/x/KXSIS800.KX"
                                        << "kXsIs800.kx";
    QTest::newRow("segundo caractere não é letra") << "a1bc.KX"
                                                   << "a1bC.kx";
    QTest::newRow("só letras ASCII mudam") << "ÇÃO.KX"
                                           << "ÇÃo.kx";
}

void TstVersaoAssembly::senhaDoPacote()
{
    QFETCH(QString, arquivo);
    QFETCH(QString, inicio);
    const QString senha = QString::fromLocal8Bit(SenhaDoPacote(arquivo));
    QCOMPARE(senha.left(inicio.size()), inicio);
    QCOMPARE(senha.size(), QFileInfo(arquivo).fileName().size() + 11);
    for (const QChar c : senha.mid(inicio.size()))
        QVERIFY(c.unicode() > 32 && c.unicode() < 127);
    // Another file name gives another password.
    QVERIFY(SenhaDoPacote(arquivo) != SenhaDoPacote(arquivo + QStringLiteral("X")));
}

void TstVersaoAssembly::dependenciasCompartilhadas()
{
    TDependencias a;
    a.append({QStringLiteral("KXSIS100"), 1, QStringLiteral("01.00.00.00"), {}, false, 0});
    TDependencias b = a; // shared by assignment
    b[0].Desatualizada = true;
    QVERIFY(a.at(0).Desatualizada);
    QVERIFY(a.compartilhaCom(b));
    TDependencias c = a.clone();
    c[0].Desatualizada = false;
    QVERIFY(a.at(0).Desatualizada);
}

QTEST_GUILESS_MAIN(TstVersaoAssembly)
#include "tst_versaoassembly.moc"
