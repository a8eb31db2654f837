#include "activation/DirExecucao.h"

#include "frame/PastasKorvane.h"
#include "platform/EKorvane.h"
#include "platform/Processo.h"
#include "platform/RegistroUsuario.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <filesystem>

namespace {

// The one process-wide path, behind its lock: requests may arrive on any
// thread.
struct EstadoDirExecucao
{
    QMutex trava;
    QString pasta;
};

EstadoDirExecucao& estado()
{
    static EstadoDirExecucao e;
    return e;
}

QString semDelimitadoresFinais(QString pasta)
{
    while (pasta.endsWith(QLatin1Char('/')))
        pasta.chop(1);
    return pasta;
}

// ".../DirRotinas/ExecNNNN", the only kind of folder this module records.
bool pareceDirExecucao(const QString& pasta)
{
    static const QRegularExpression forma(QStringLiteral("/DirRotinas/Exec[0-9]{4}$"));
    return forma.match(pasta).hasMatch();
}

} // namespace

QString ChaveRemocoesPendentes()
{
    return QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\ZiVori\\RemDir");
}

QString NovoDirExecucao()
{
    const QString base = ObterDirSpool() + QStringLiteral("DirRotinas/");
    QDir().mkpath(base);
    QRandomGenerator* aleatorio = QRandomGenerator::global();
    QString nome;
    for (int tentativa = 1; tentativa <= 9999; ++tentativa) {
        nome = QStringLiteral("Exec");
        for (int d = 0; d < 4; ++d)
            nome += QString::number(aleatorio->bounded(10));
        if (tentativa == 9999)
            break; // all taken, or nearly: share the last one drawn
        // mkdir fails when the folder exists: the name is then someone else's.
        if (QDir(base).mkdir(nome))
            break;
        if (!QFileInfo(base).isDir())
            break; // nothing can be created there; the caller finds out
    }
    return base + nome + QLatin1Char('/');
}

QString DirExecucaoDoProcesso()
{
    EstadoDirExecucao& e = estado();
    const QMutexLocker trava(&e.trava);
    if (e.pasta.isEmpty()) {
        RemoverDiretoriosPendentes();
        e.pasta = NovoDirExecucao();
        QDir().mkpath(e.pasta);
    }
    return e.pasta;
}

QString ObterDirLocalExecucaoRotinas()
{
    const QString pasta = DirExecucaoDoProcesso();
    QDir().mkpath(pasta);
    return pasta;
}

bool ExcluirDiretorio(const QString& pasta)
{
    const QString alvo = semDelimitadoresFinais(pasta);
    if (alvo.isEmpty())
        return false;
    // Removing a folder on this system succeeds even while a program works
    // in it; the routine would lose its folder. Leave it for later instead.
    if (PastaEmUsoPorProcesso(alvo))
        return false;
    std::error_code erro;
    const std::filesystem::path caminho(QFile::encodeName(alvo).toStdString());
    std::filesystem::remove_all(caminho, erro);
    return !std::filesystem::exists(std::filesystem::symlink_status(caminho, erro));
}

void AgendarRemocao(const QString& pasta)
{
    try {
        RegistroUsuario registro;
        registro.criarChave(ChaveRemocoesPendentes());
        const QStringList nomes = registro.nomesDosValores(ChaveRemocoesPendentes());
        // Counting gives the next number; after removals of earlier values that
        // name may be taken, and overwriting it would lose a pending folder.
        qsizetype n = nomes.size();
        while (nomes.contains(QStringLiteral("Dir%1").arg(n), Qt::CaseInsensitive))
            ++n;
        registro.gravarTexto(ChaveRemocoesPendentes(), QStringLiteral("Dir%1").arg(n), pasta);
    } catch (const EKorvane&) {
        // The registry cannot be written: the folder simply stays.
    }
}

void RemoverDiretoriosPendentes()
{
    try {
        RegistroUsuario registro;
        const QString chave = ChaveRemocoesPendentes();
        if (!registro.chaveExiste(chave))
            return;
        for (const QString& nome : registro.nomesDosValores(chave)) {
            const auto valor = registro.lerValor(chave, nome);
            if (!valor || valor->tipo != RegistroUsuario::TipoValor::Texto)
                continue;
            const QString pasta = semDelimitadoresFinais(valor->texto);
            if (QFileInfo(pasta).isDir() && !pareceDirExecucao(pasta))
                continue; // not one of ours: a damaged value must not wipe a folder
            if (pasta.isEmpty() || !QFileInfo(pasta).isDir() || ExcluirDiretorio(pasta))
                registro.excluirValor(chave, nome);
        }
    } catch (const EKorvane&) {
        // Nothing can be recorded: try again at the next start.
    }
}

void RemoverDirExecucao()
{
    EstadoDirExecucao& e = estado();
    const QMutexLocker trava(&e.trava);
    if (!e.pasta.isEmpty() && !ExcluirDiretorio(e.pasta))
        AgendarRemocao(e.pasta);
    e.pasta.clear();
}

void IniciarDiretoriosDeExecucao()
{
    RemoverDiretoriosPendentes();
}

void FinalizarDiretoriosDeExecucao()
{
    RemoverDirExecucao();
}
