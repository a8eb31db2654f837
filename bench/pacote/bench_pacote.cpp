// Extraction of a large package: TPacoteDeRotinas::ExtrairAssemblies next to
// Info-ZIP `unzip -P` on the same package, in the same run.
// Usage: bench_pacote [MB] [ITENS]
#include "dependencies/PacoteDeRotinas.h"
#include "dependencies/PacoteDeRotinasCriacao.h"
#include "dependencies/PacoteDeRotinasSenha.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

namespace {

// Half random bytes, half repeated text: about what executables and
// libraries compress to.
QByteArray dadosDoItem(qint64 tamanho, QRandomGenerator& gerador)
{
    QByteArray dados(tamanho, Qt::Uninitialized);
    static const QByteArray texto = "TKXRotina.Executar;KXSIS800;Korvane;0123456789abcdef\n";
    qint64 i = 0;
    while (i < tamanho) {
        const qint64 bloco = std::min<qint64>(4096, tamanho - i);
        if ((i / 4096) % 2 == 0) {
            gerador.fillRange(reinterpret_cast<quint32*>(dados.data() + i), bloco / 4);
        } else {
            for (qint64 j = 0; j < bloco; ++j)
                dados[i + j] = texto.at((i + j) % texto.size());
        }
        i += bloco;
    }
    return dados;
}

double mediana(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qint64 megas = args.size() > 1 ? args.at(1).toLongLong() : 300;
    const int itens = args.size() > 2 ? args.at(2).toInt() : 400;
    QTextStream out(stdout);

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString fonte = dir.filePath(QStringLiteral("fonte"));
    QDir().mkpath(fonte + QStringLiteral("/Lib"));
    QRandomGenerator gerador(20201126);
    QStringList arquivos;
    const qint64 media = megas * 1048576 / itens;
    qint64 total = 0;
    for (int i = 0; i < itens; ++i) {
        // Sizes spread from a tenth of the mean to nearly twice it.
        const qint64 tamanho =
            media / 10 + qint64(gerador.bounded(1.8)) * media + gerador.bounded(int(media));
        const QString nome =
            (i == 0 ? fonte + QStringLiteral("/KXSIS800.EXE")
                    : fonte + QStringLiteral("/Lib/KXLIB%1.DLL").arg(i, 4, 10, QLatin1Char('0')));
        QFile f(nome);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(dadosDoItem(tamanho, gerador));
        total += tamanho;
        if (i == 0)
            arquivos.append(nome);
    }
    arquivos.append(fonte + QStringLiteral("/Lib"));
    const QString pacote = dir.filePath(QStringLiteral("KXSIS800.KX"));
    QElapsedTimer t;
    t.start();
    CriarPacoteDeRotinas(pacote, ItensParaPacote(arquivos));
    out << QStringLiteral("pacote: %1 itens, %2 MB de dados, %3 MB compactado, criado em %4 s\n")
               .arg(itens)
               .arg(total / 1048576.0, 0, 'f', 1)
               .arg(QFileInfo(pacote).size() / 1048576.0, 0, 'f', 1)
               .arg(t.elapsed() / 1000.0, 0, 'f', 2);
    out.flush();

    const QString senha = QString::fromLocal8Bit(SenhaDoPacote(pacote));
    QList<double> nossos;
    QList<double> unzips;
    constexpr int kRodadas = 3;
    for (int r = 0; r < kRodadas; ++r) {
        const QString d1 = dir.filePath(QStringLiteral("nosso%1").arg(r));
        t.restart();
        TPacoteDeRotinas(pacote).ExtrairAssemblies(d1);
        nossos.append(t.nsecsElapsed() / 1e9);
        QDir(d1).removeRecursively();

        const QString d2 = dir.filePath(QStringLiteral("unzip%1").arg(r));
        QDir().mkpath(d2);
        QProcess unzip;
        t.restart();
        unzip.start(QStringLiteral("unzip"),
                    {QStringLiteral("-qq"), QStringLiteral("-o"), QStringLiteral("-P"), senha,
                     pacote, QStringLiteral("-d"), d2});
        if (!unzip.waitForFinished(-1) || unzip.exitCode() != 0) {
            out << "unzip falhou: " << unzip.readAllStandardError() << '\n';
            return 1;
        }
        unzips.append(t.nsecsElapsed() / 1e9);
        QDir(d2).removeRecursively();
        out << QStringLiteral("rodada %1: nosso %2 s, unzip -P %3 s\n")
                   .arg(r + 1)
                   .arg(nossos.last(), 0, 'f', 3)
                   .arg(unzips.last(), 0, 'f', 3);
        out.flush();
    }
    const double mNosso = mediana(nossos);
    const double mUnzip = mediana(unzips);
    out << QStringLiteral("mediana: nosso %1 s (%2 MB/s), unzip -P %3 s (%4 MB/s); "
                          "razão nosso/unzip = %5\n")
               .arg(mNosso, 0, 'f', 3)
               .arg(total / 1048576.0 / mNosso, 0, 'f', 0)
               .arg(mUnzip, 0, 'f', 3)
               .arg(total / 1048576.0 / mUnzip, 0, 'f', 0)
               .arg(mNosso / mUnzip, 0, 'f', 2);
    return 0;
}
