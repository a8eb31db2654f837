#include "platform/ArquivosSistema.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

fs::path caminhoFs(const QString& caminho)
{
    return fs::path(QFile::encodeName(caminho).toStdString());
}

QString texto(const std::error_code& erro)
{
    return QString::fromLocal8Bit(erro.message().c_str());
}

} // namespace

qint64 DataHoraDos(const QString& arquivo)
{
    const QFileInfo info(arquivo);
    if (!info.exists())
        return -1;
    // Local time, as DOS keeps it; the zone offsets are whole minutes, so the
    // two-second steps fall on the same instants in any zone.
    const qint64 segundos = info.lastModified().toSecsSinceEpoch();
    return segundos - (((segundos % 2) + 2) % 2);
}

bool DataDiferente(const QString& a, const QString& b)
{
    const qint64 da = DataHoraDos(a);
    const qint64 db = DataHoraDos(b);
    return da < 0 || db < 0 || da != db;
}

bool TamanhoDiferente(const QString& a, const QString& b)
{
    const QFileInfo ia(a), ib(b);
    return (ia.exists() ? ia.size() : 0) != (ib.exists() ? ib.size() : 0);
}

bool PrecisaCopiar(const QString& a, const QString& b)
{
    // DataDiferente already answers True for a missing file.
    return DataDiferente(a, b) || TamanhoDiferente(a, b);
}

bool CopiarArquivo(const QString& origem, const QString& destino, QString* motivo)
{
    auto falha = [&](const QString& m) {
        if (motivo)
            *motivo = m;
        return false;
    };
    QFile entrada(origem);
    if (!entrada.open(QIODevice::ReadOnly))
        return falha(entrada.errorString());
    const QFileInfo infoDestino(destino);
    QTemporaryFile saida(infoDestino.absolutePath() + QStringLiteral("/.") +
                         infoDestino.fileName() + QStringLiteral(".XXXXXX"));
    if (!saida.open())
        return falha(saida.errorString());
    while (!entrada.atEnd()) {
        const QByteArray bloco = entrada.read(1 << 16);
        if (bloco.isEmpty() && entrada.error() != QFileDevice::NoError)
            return falha(entrada.errorString());
        if (saida.write(bloco) != bloco.size())
            return falha(saida.errorString());
    }
    if (!saida.flush())
        return falha(saida.errorString());
    saida.setPermissions(entrada.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    saida.close();

    std::error_code erro;
    const fs::file_time_type quando = fs::last_write_time(caminhoFs(origem), erro);
    if (!erro)
        fs::last_write_time(caminhoFs(saida.fileName()), quando, erro);
    if (erro)
        return falha(texto(erro));
    fs::rename(caminhoFs(saida.fileName()), caminhoFs(destino), erro);
    if (erro)
        return falha(texto(erro));
    saida.setAutoRemove(false);
    return true;
}

bool DefinirAtributosNormais(const QString& arquivo)
{
    QFile f(arquivo);
    return f.exists() &&
           f.setPermissions(f.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

EspacoEmDisco EspacoLivre(const QString& caminho)
{
    QString existente = QFileInfo(caminho).absoluteFilePath();
    while (!QFileInfo::exists(existente)) {
        const QString acima = QFileInfo(existente).absolutePath();
        if (acima == existente)
            break;
        existente = acima;
    }
    const QStorageInfo info(existente);
    EspacoEmDisco e;
    if (info.isValid() && info.isReady()) {
        e.pontoDeMontagem = info.rootPath();
        e.bytesLivres = info.bytesAvailable();
    }
    return e;
}

QString DirTemporarioUsuario()
{
    QString pasta = QDir::tempPath();
    if (!pasta.endsWith(QLatin1Char('/')))
        pasta += QLatin1Char('/');
    return pasta;
}
