#include "platform/Caminhos.h"

#include <QtTest>

class TstCaminhos : public QObject
{
    Q_OBJECT

private slots:
    void configSegueXdg_data()
    {
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("xdg");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("xdg absoluto") << "/h"
                                      << "/x/cfg"
                                      << "/x/cfg";
        QTest::newRow("xdg vazio") << "/h"
                                   << ""
                                   << "/h/.config";
        QTest::newRow("xdg relativo é ignorado") << "/h"
                                                 << "rel"
                                                 << "/h/.config";
    }

    void configSegueXdg()
    {
        QFETCH(QString, home);
        QFETCH(QString, xdg);
        QFETCH(QString, esperado);
        const QByteArray homeAntes = qgetenv("HOME");
        const QByteArray xdgAntes = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", home.toUtf8());
        qputenv("XDG_CONFIG_HOME", xdg.toUtf8());
        QCOMPARE(Caminhos::dirConfiguracaoUsuario(), esperado);
        QCOMPARE(Caminhos::arquivoRegistro(), esperado + "/Korvane/registro");
        QCOMPARE(Caminhos::dirConfiguracaoLauncher(), esperado + "/KorvaneStart");
        QCOMPARE(Caminhos::arquivoConfiguracaoLauncher(), esperado + "/KorvaneStart/config.ini");
        QCOMPARE(Caminhos::dirInstalacaoPadrao(), home + "/Korvane/");
        QCOMPARE(Caminhos::dirLogOperacoes(), home + "/Korvane/Spool/KStart");
        qputenv("HOME", homeAntes);
        qputenv("XDG_CONFIG_HOME", xdgAntes);
    }
};

QTEST_GUILESS_MAIN(TstCaminhos)
#include "tst_caminhos.moc"
