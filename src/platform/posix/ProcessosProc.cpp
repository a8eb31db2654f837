// The process list of /proc: executables, program arguments, working folders.
#include "platform/Processo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <functional>

namespace {

namespace fs = std::filesystem;

// Calls visitar for every process folder of /proc until it returns true.
bool percorrerProcessos(const std::function<bool(const fs::path&)>& visitar)
{
    std::error_code erro;
    for (fs::directory_iterator it("/proc", erro), fim; !erro && it != fim; it.increment(erro)) {
        const std::string nome = it->path().filename().string();
        if (nome.empty() || nome.find_first_not_of("0123456789") != std::string::npos)
            continue;
        if (visitar(it->path()))
            return true;
    }
    return false;
}

fs::path lerLink(const fs::path& link)
{
    std::error_code erro;
    fs::path alvo = fs::read_symlink(link, erro);
    return erro ? fs::path() : alvo;
}

fs::path canonico(const QString& caminho)
{
    std::error_code erro;
    fs::path c = fs::weakly_canonical(fs::path(QFile::encodeName(caminho).toStdString()), erro);
    return erro ? fs::path() : c;
}

bool dentroDe(const fs::path& caminho, const fs::path& pasta)
{
    auto p = caminho.begin();
    for (auto q = pasta.begin(); q != pasta.end(); ++q, ++p) {
        if (q->empty() && std::next(q) == pasta.end())
            return true; // pasta ended with a separator
        if (p == caminho.end() || *p != *q)
            return false;
    }
    return true;
}

// A runner receives the program as a plain path or, for wine, as a drive
// path ("Z:\\home\\..." names "/home/...").
fs::path caminhoDoArgumento(const QString& argumento, const fs::path& pastaDoProcesso)
{
    QString a = argumento;
    if (a.size() > 3 && a[0].toUpper() == QLatin1Char('Z') && a[1] == QLatin1Char(':') &&
        (a[2] == QLatin1Char('\\') || a[2] == QLatin1Char('/'))) {
        a = a.mid(2);
        a.replace(QLatin1Char('\\'), QLatin1Char('/'));
    }
    fs::path p(QFile::encodeName(a).toStdString());
    if (p.is_relative() && !pastaDoProcesso.empty())
        p = pastaDoProcesso / p;
    std::error_code erro;
    fs::path c = fs::weakly_canonical(p, erro);
    return erro ? fs::path() : c;
}

QStringList argumentosDoProcesso(const fs::path& proc)
{
    QFile f(QString::fromStdString((proc / "cmdline").string()));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList args;
    for (const QByteArray& a : f.readAll().split('\0'))
        if (!a.isEmpty())
            args << QFile::decodeName(a);
    return args;
}

} // namespace

bool ProcessoEmExecucao(const QString& arquivo)
{
    const fs::path alvo = canonico(arquivo);
    if (alvo.empty())
        return false;
    return percorrerProcessos([&](const fs::path& proc) {
        if (lerLink(proc / "exe") == alvo)
            return true;
        // Started through a runner: the program is among its first arguments.
        const QStringList args = argumentosDoProcesso(proc);
        const fs::path pasta = lerLink(proc / "cwd");
        for (qsizetype i = 0; i < args.size() && i < 4; ++i)
            if (caminhoDoArgumento(args[i], pasta) == alvo)
                return true;
        return false;
    });
}

bool PastaEmUsoPorProcesso(const QString& pasta)
{
    const fs::path alvo = canonico(pasta);
    if (alvo.empty())
        return false;
    return percorrerProcessos([&](const fs::path& proc) {
        const fs::path cwd = lerLink(proc / "cwd");
        return !cwd.empty() && dentroDe(cwd, alvo);
    });
}
