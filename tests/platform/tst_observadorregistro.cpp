#include "platform/ObservadorRegistro.h"
#include "platform/RegistroUsuario.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TstObservadorRegistro : public QObject
{
    Q_OBJECT

    static void gravarEmOutroProcesso(const QString& hive, const QString& prefixo, int n)
    {
        QProcess filho;
        filho.setProcessChannelMode(QProcess::ForwardedChannels);
        filho.start(KS_AUXILIAR,
                    {"registro", hive, "Software\\GrupoKX", prefixo, QString::number(n)});
        QVERIFY(filho.waitForFinished(60000));
        QCOMPARE(filho.exitCode(), 0);
    }

private slots:
    void mudancaDeOutroProcessoEhAvisada()
    {
        QTemporaryDir dir;
        // The folder does not exist yet: the first write creates it.
        const QString hive = dir.filePath("cfg/Korvane/registro");
        ObservadorRegistro observador(hive);
        QSignalSpy avisos(&observador, &ObservadorRegistro::alterado);

        gravarEmOutroProcesso(hive, "a", 1);
        QVERIFY(avisos.wait(10000));

        // Each write replaces the file by a rename; the watch must survive it,
        // again and again.
        for (int vez = 0; vez < 3; ++vez) {
            avisos.clear();
            gravarEmOutroProcesso(hive, QStringLiteral("b%1_").arg(vez), 1);
            QVERIFY(avisos.wait(10000));
        }
    }

    void rajadaDaUmAvisoENadaSemMudanca()
    {
        QTemporaryDir dir;
        const QString hive = dir.filePath("Korvane/registro");
        RegistroUsuario registro(hive);
        registro.gravarTexto("K", "inicio", "0");
        ObservadorRegistro observador(hive);
        QSignalSpy avisos(&observador, &ObservadorRegistro::alterado);

        gravarEmOutroProcesso(hive, "rajada", 30);
        QVERIFY(avisos.wait(10000));
        // Events of the burst still in the queue must not give more notices.
        QTest::qWait(500);
        QVERIFY2(avisos.size() <= 2, qPrintable(QString::number(avisos.size())));

        // Writing what is already there changes nothing and tells nobody.
        avisos.clear();
        registro.gravarTexto("K", "inicio", "0");
        QVERIFY(!avisos.wait(700));
    }

    void escritorSemPausaAindaEhAvisado()
    {
        QTemporaryDir dir;
        const QString hive = dir.filePath("Korvane/registro");
        RegistroUsuario registro(hive);
        ObservadorRegistro observador(hive);
        QSignalSpy avisos(&observador, &ObservadorRegistro::alterado);

        // A value rewritten every 30 ms for 2.5 s never leaves a quiet moment;
        // notices must still come while it goes on.
        int n = 0;
        QTimer escritor;
        escritor.setInterval(30);
        connect(&escritor, &QTimer::timeout, this,
                [&] { registro.gravarTexto("K", "contador", QString::number(++n)); });
        escritor.start();
        QTest::qWait(2500);
        escritor.stop();
        QVERIFY2(avisos.size() >= 2, qPrintable(QString::number(avisos.size())));
        QVERIFY2(avisos.size() < n / 2, qPrintable(QString::number(avisos.size())));
    }
};

QTEST_GUILESS_MAIN(TstObservadorRegistro)
#include "tst_observadorregistro.moc"
