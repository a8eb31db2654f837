#include "app/LogArquivo.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <thread>
#include <vector>

namespace {

QByteArray lerArquivo(const QString& caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// "dd/MM/yyyy hh:mm:ss| " at the start of every line.
const QRegularExpression
    kLinha(QStringLiteral("^(\\d\\d)/(\\d\\d)/(\\d{4}) (\\d\\d):(\\d\\d):(\\d\\d)\\| (.*)$"));

} // namespace

class TstLogArquivo : public QObject
{
    Q_OBJECT

private slots:
    void criaPastasEEscreveLinha()
    {
        QTemporaryDir tmp;
        const QString caminho = tmp.path() + "/Korvane/Spool/KStart/KStart.log";
        const QDateTime antes = QDateTime::currentDateTime().addSecs(-1);
        TLogArquivo log(caminho);
        QVERIFY(QFileInfo(tmp.path() + "/Korvane/Spool/KStart").isDir());
        log.Add(QStringLiteral("Rotina foi carregada"));
        const QDateTime depois = QDateTime::currentDateTime().addSecs(1);

        const QByteArray conteudo = lerArquivo(caminho);
        QVERIFY(conteudo.endsWith("| Rotina foi carregada\r\n"));
        QCOMPARE(conteudo.count('\n'), 1);
        const auto m = kLinha.match(QString::fromUtf8(conteudo.chopped(2)));
        QVERIFY2(m.hasMatch(), conteudo.constData());
        const QDateTime escrito(
            QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt()),
            QTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt()));
        QVERIFY(escrito >= antes.addMSecs(-antes.time().msec()) && escrito <= depois);
    }

    void acrescentaSemApagar()
    {
        QTemporaryDir tmp;
        const QString caminho = tmp.path() + "/KStart.log";
        {
            QFile f(caminho);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("linha antiga\r\n");
        }
        TLogArquivo(caminho).Add(QStringLiteral("primeira"));
        TLogArquivo(caminho).Add(QStringLiteral("segunda"));
        const QList<QByteArray> linhas = lerArquivo(caminho).split('\n');
        QCOMPARE(linhas.size(), 4);
        QCOMPARE(linhas[0], QByteArray("linha antiga\r"));
        QVERIFY(linhas[1].endsWith("| primeira\r"));
        QVERIFY(linhas[2].endsWith("| segunda\r"));
        QCOMPARE(linhas[3], QByteArray());
    }

    void mensagens_data()
    {
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QByteArray>("bytes");
        // The locale's encoding is UTF-8 on this system.
        QTest::newRow("acentos") << QStringLiteral("Solicitação de abertura da rotina [ 800 ]")
                                 << QByteArray(
                                        "Solicita\xc3\xa7\xc3\xa3o de abertura da rotina [ 800 ]");
        QTest::newRow("vazia") << QString() << QByteArray();
        QTest::newRow("barra e dois pontos")
            << QStringLiteral("Server: a|b: c") << QByteArray("Server: a|b: c");
    }

    void mensagens()
    {
        QFETCH(QString, mensagem);
        QFETCH(QByteArray, bytes);
        QTemporaryDir tmp;
        const QString caminho = tmp.path() + "/KStart.log";
        TLogArquivo(caminho).Add(mensagem);
        const QByteArray conteudo = lerArquivo(caminho);
        // dd/MM/yyyy hh:mm:ss is 19 characters, then "| ".
        QCOMPARE(conteudo.size(), 19 + 2 + bytes.size() + 2);
        QCOMPARE(conteudo.mid(19), "| " + bytes + "\r\n");
    }

    // Writers on many threads, each with its own log object as the REST
    // sessions have: every line arrives whole.
    void variasThreadsNaoPerdemLinhas()
    {
        QTemporaryDir tmp;
        const QString caminho = tmp.path() + "/KStart.log";
        constexpr int kThreads = 12;
        constexpr int kLinhas = 300;
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([t, caminho] {
                TLogArquivo log(caminho);
                for (int n = 0; n < kLinhas; ++n)
                    log.Add(QStringLiteral("thread %1 linha %2 %3")
                                .arg(t)
                                .arg(n)
                                .arg(QString(60, u'ã')));
            });
        }
        for (auto& th : threads)
            th.join();

        const QList<QByteArray> linhas = lerArquivo(caminho).split('\n');
        QCOMPARE(linhas.size(), kThreads * kLinhas + 1);
        QSet<QString> vistas;
        for (qsizetype i = 0; i + 1 < linhas.size(); ++i) {
            QVERIFY(linhas[i].endsWith('\r'));
            const auto m = kLinha.match(QString::fromUtf8(linhas[i].chopped(1)));
            QVERIFY2(m.hasMatch(), linhas[i].constData());
            vistas.insert(m.captured(7));
        }
        QCOMPARE(vistas.size(), kThreads * kLinhas);
    }

    // Two processes appending to the same file: this test program runs itself
    // as the second writer.
    void outroProcessoNaoPerdeLinhas()
    {
        QTemporaryDir tmp;
        const QString caminho = tmp.path() + "/KStart.log";
        constexpr int kLinhas = 400;
        QProcess filho;
        filho.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KS_LOG_FILHO"), caminho);
        filho.setProcessEnvironment(env);
        filho.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(filho.waitForStarted());
        TLogArquivo log(caminho);
        for (int n = 0; n < kLinhas; ++n)
            log.Add(QStringLiteral("pai %1").arg(n));
        QVERIFY(filho.waitForFinished(120000));
        QCOMPARE(filho.exitCode(), 0);
        const QByteArray conteudo = lerArquivo(caminho);
        QCOMPARE(conteudo.count('\n'), 2 * kLinhas);
        QCOMPARE(conteudo.count("| pai "), kLinhas);
        QCOMPARE(conteudo.count("| filho "), kLinhas);
    }

    // Nobody, not even root, can create a folder under a regular file.
    void pastaImpossivelNaoFalha()
    {
        QTemporaryDir tmp;
        const QString arquivoComum = tmp.path() + "/arquivo";
        {
            QFile f(arquivoComum);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const QString caminho = arquivoComum + "/Spool/KStart/KStart.log";
        TLogArquivo log(caminho);
        log.Add(QStringLiteral("perdida"));
        log.Add(QString());
        QVERIFY(!QFileInfo::exists(caminho));
        QCOMPARE(QFileInfo(arquivoComum).size(), 0);
    }

    void pastaApagadaDepoisDaCriacao()
    {
        QTemporaryDir tmp;
        const QString pasta = tmp.path() + "/Spool/KStart";
        TLogArquivo log(pasta + "/KStart.log");
        QVERIFY(QDir(tmp.path() + "/Spool").removeRecursively());
        log.Add(QStringLiteral("depois"));
        QVERIFY(lerArquivo(pasta + "/KStart.log").endsWith("| depois\r\n"));
    }
};

int main(int argc, char* argv[])
{
    const QString filho = qEnvironmentVariable("KS_LOG_FILHO");
    if (!filho.isEmpty()) {
        TLogArquivo log(filho);
        for (int n = 0; n < 400; ++n)
            log.Add(QStringLiteral("filho %1").arg(n));
        return 0;
    }
    QCoreApplication app(argc, argv);
    TstLogArquivo tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_logarquivo.moc"
