// Two programs of the suite, each with a framed window: a simplify click in
// one is followed by the other through the per-user registry hive.
#include "frame/BotaoWindow.h"
#include "frame/ControleDosBotoes.h"
#include "frame/WallpaperRotinaKX.h"

#include <QProcess>
#include <QtTest>
#include <cstdio>

namespace {

// The other program: shows its window, says so, and reports every mode
// change it sees until it is simplified.
int Filho()
{
    QWidget form;
    form.resize(500, 300);
    TWallpaperRotinaKX moldura(&form);
    moldura.SetOnSimplificar([&] {
        std::printf("simplificada=%d\n", moldura.InterfaceSimplificada() ? 1 : 0);
        std::fflush(stdout);
        if (moldura.InterfaceSimplificada())
            QCoreApplication::exit(0);
    });
    form.show();
    std::printf("pronto simplificada=%d\n", moldura.InterfaceSimplificada() ? 1 : 0);
    std::fflush(stdout);
    QTimer::singleShot(60000, [] { QCoreApplication::exit(3); });
    return QCoreApplication::exec();
}

} // namespace

class TestMolduraProcessos : public QObject
{
    Q_OBJECT

private slots:
    void outroProgramaSegueOClique()
    {
        QWidget form;
        form.resize(600, 400);
        TWallpaperRotinaKX moldura(&form);
        if (moldura.InterfaceSimplificada())
            moldura.SetInterfaceSimplificada(false);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QProcess filho;
        filho.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        filho.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--filho")});
        QVERIFY(filho.waitForStarted());
        QByteArray saida;
        QTRY_VERIFY_WITH_TIMEOUT((saida += filho.readAllStandardOutput()).contains("pronto"),
                                 30000);
        QVERIFY(saida.contains("pronto simplificada=0"));

        QTest::mouseClick(moldura.BotoesWindows()->BotaoSimplificarGUI(), Qt::LeftButton, {},
                          QPoint(11, 10));
        QVERIFY(moldura.InterfaceSimplificada());
        QTRY_VERIFY_WITH_TIMEOUT(
            (saida += filho.readAllStandardOutput()).contains("simplificada=1\n"), 30000);
        QVERIFY(filho.state() == QProcess::NotRunning || filho.waitForFinished(30000));
        QCOMPARE(filho.exitCode(), 0);
        moldura.SetInterfaceSimplificada(false);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--filho") == 0)
        return Filho();
    TestMolduraProcessos t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_moldura_processos.moc"
