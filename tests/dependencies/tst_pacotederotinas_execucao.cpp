#include "AuxiliarPacotes.h"
#include "dependencies/PacoteDeRotinas.h"
#include "dependencies/PacoteDeRotinasCriacao.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace AuxiliarPacotes;

namespace {

struct Identidade
{
    quint64 inode = 0;
    qint64 mtimeNs = 0;
    bool operator==(const Identidade&) const = default;
};

Identidade identidade(const QString& caminho)
{
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(caminho).constData(), &st) != 0)
        return {};
    return {quint64(st.st_ino), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

} // namespace

// A routine that is running from the executables folder while its package is
// extracted again.
class TstPacoteDeRotinasExecucao : public QObject
{
    Q_OBJECT

private slots:
    void executavelEmUsoNaoEhRegravado();
};

void TstPacoteDeRotinasExecucao::executavelEmUsoNaoEhRegravado()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fonte = dir.filePath(QStringLiteral("fonte"));
    QDir().mkpath(fonte);
    const QString programa = fonte + QStringLiteral("/KXSIS800");
    programaComVersao(programa, QStringLiteral("29.2.1.5"));
    gravar(fonte + QStringLiteral("/KXSIS800.dep"), "<rotina/>");
    const QString pacote = dir.filePath(QStringLiteral("KXSIS800.KX"));
    CriarPacoteDeRotinas(pacote,
                         ItensParaPacote({programa, fonte + QStringLiteral("/KXSIS800.dep")}));

    const QString executaveis = dir.filePath(QStringLiteral("Spool/Executaveis"));
    TPacoteDeRotinas(pacote).ExtrairAssemblies(executaveis);
    const QString instalado = executaveis + QStringLiteral("/KXSIS800");
    QCOMPARE(LerVersaoDoArquivo(instalado), QStringLiteral("29.2.1.5"));

    // Start the installed copy from the executables folder.
    QProcess rotina;
    rotina.setWorkingDirectory(executaveis);
    rotina.start(instalado, {QStringLiteral("300")});
    QVERIFY2(rotina.waitForStarted(30000), qPrintable(rotina.errorString()));
    const Identidade antes = identidade(instalado);
    const auto parar = qScopeGuard([&] {
        rotina.kill();
        rotina.waitForFinished(30000);
    });
    gravar(executaveis + QStringLiteral("/KXSIS800.dep"), "alterado");

    TPacoteDeRotinas(pacote).ExtrairAssemblies(executaveis);

    QCOMPARE(rotina.state(), QProcess::Running);
    QVERIFY(identidade(instalado) == antes); // neither deleted nor rewritten
    // The manifest has no version record: it is written again.
    QCOMPARE(ler(executaveis + QStringLiteral("/KXSIS800.dep")), QByteArray("<rotina/>"));

    // A new version replaces the running copy (a new file; the process keeps the old one).
    programaComVersao(programa, QStringLiteral("29.2.1.6"));
    CriarPacoteDeRotinas(pacote, ItensParaPacote({programa}));
    TPacoteDeRotinas(pacote).ExtrairAssemblies(executaveis);
    QCOMPARE(LerVersaoDoArquivo(instalado), QStringLiteral("29.2.1.6"));
    QVERIFY(identidade(instalado).inode != antes.inode);
    QCOMPARE(rotina.state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(TstPacoteDeRotinasExecucao)
#include "tst_pacotederotinas_execucao.moc"
