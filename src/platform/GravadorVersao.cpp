#include "platform/GravadorVersao.h"

#include "platform/EKorvane.h"
#include "platform/FonteBytes.h"
#include "platform/LeitorELF.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtEndian>
#include <filesystem>

namespace {

QString texto(const char* s)
{
    return QString::fromUtf8(s);
}

void acrescentar(RegistroVersao& r, const QString& chave, const char* nome, const QString& valor)
{
    if (!valor.isEmpty())
        r.definirTexto(chave, QString::fromLatin1(nome), valor);
}

} // namespace

bool interpretarVersao(const QString& texto, quint32& ms, quint32& ls)
{
    const QStringList partes = texto.trimmed().split(QLatin1Char('.'));
    if (partes.size() != 4)
        return false;
    quint32 n[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const uint v = partes[i].toUInt(&ok, 10);
        if (!ok || v > 0xFFFF || partes[i].startsWith(QLatin1Char('+')))
            return false;
        n[i] = v;
    }
    ms = (n[0] << 16) | n[1];
    ls = (n[2] << 16) | n[3];
    return true;
}

RegistroVersao montarRegistroVersao(const DadosCarimboVersao& d)
{
    RegistroVersao::InfoFixa fixa;
    if (!interpretarVersao(d.versao, fixa.versaoArquivoMS, fixa.versaoArquivoLS))
        throw EKorvane(texto("Versão inválida: \"%1\" (use quatro números de 0 a 65535 "
                             "separados por pontos, como 1.0.0.0).")
                           .arg(d.versao));
    const QString versaoProduto = d.versaoProduto.isEmpty() ? d.versao : d.versaoProduto;
    if (!interpretarVersao(versaoProduto, fixa.versaoProdutoMS, fixa.versaoProdutoLS))
        throw EKorvane(texto("Versão do produto inválida: \"%1\".").arg(versaoProduto));
    if (d.infoInferida)
        fixa.flags |= RegistroVersao::kFlagInfoInferida;

    RegistroVersao r;
    r.fixa = fixa;
    r.traducoes = {d.traducao};
    const QString chave = d.traducao.chave().toUpper();
    const QString interno =
        d.nomeInterno.isEmpty() ? QFileInfo(d.nomeOriginal).completeBaseName() : d.nomeInterno;
    acrescentar(r, chave, "CompanyName", d.empresa);
    acrescentar(r, chave, "FileDescription", d.descricao.isEmpty() ? d.produto : d.descricao);
    acrescentar(r, chave, "FileVersion", d.versao.trimmed());
    acrescentar(r, chave, "InternalName", interno);
    acrescentar(r, chave, "OriginalFilename", d.nomeOriginal);
    acrescentar(r, chave, "ProductName", d.produto);
    acrescentar(r, chave, "ProductVersion", versaoProduto.trimmed());
    for (const auto& t : d.outros)
        r.definirTexto(chave, t.nome, t.valor);
    return r;
}

QByteArray montarNotaVersaoELF(const QByteArray& registro, bool bigEndian)
{
    const QByteArray dono(NotaVersaoELF::kDono, sizeof NotaVersaoELF::kDono);
    QByteArray nota(12, '\0');
    const auto escrever = [&](qsizetype pos, quint32 v) {
        if (bigEndian)
            qToBigEndian<quint32>(v, nota.data() + pos);
        else
            qToLittleEndian<quint32>(v, nota.data() + pos);
    };
    escrever(0, quint32(dono.size()));
    escrever(4, quint32(registro.size()));
    escrever(8, NotaVersaoELF::kTipo);
    nota.append(dono);
    nota.append((4 - nota.size() % 4) % 4, '\0');
    nota.append(registro);
    nota.append((4 - nota.size() % 4) % 4, '\0');
    return nota;
}

void gravarRegistroVersaoELF(const QString& executavel, const RegistroVersao& registro)
{
    bool bigEndian = false;
    {
        const FonteArquivo fonte(executavel);
        if (!fonte.aberta())
            throw EKorvane(texto("Não foi possível abrir o arquivo %1.").arg(executavel));
        const auto cab = fonte.ler(0, 6);
        if (!cab ||
            !cab->startsWith("\x7F"
                             "ELF") ||
            (cab->at(5) != 1 && cab->at(5) != 2))
            throw EKorvane(texto("O arquivo %1 não é um executável ELF.").arg(executavel));
        bigEndian = cab->at(5) == 2;
    }
    const QString objcopy = QStandardPaths::findExecutable(QStringLiteral("objcopy"));
    if (objcopy.isEmpty())
        throw EKorvane(texto("O programa objcopy (binutils) não foi encontrado."));

    QTemporaryFile nota(QDir::tempPath() + QStringLiteral("/korvane-nota-XXXXXX"));
    if (!nota.open() || nota.write(montarNotaVersaoELF(registro.gerar(), bigEndian)) < 0 ||
        !nota.flush())
        throw EKorvane(texto("Não foi possível gravar um arquivo temporário."));

    // The new file is written beside the old one, so the final rename is atomic.
    const QFileInfo alvo(QFileInfo(executavel).canonicalFilePath());
    QTemporaryFile saida(alvo.absolutePath() + QStringLiteral("/.") + alvo.fileName() +
                         QStringLiteral(".XXXXXX"));
    if (!saida.open())
        throw EKorvane(
            texto("Não foi possível criar um arquivo na pasta %1.").arg(alvo.absolutePath()));
    saida.close();

    const QString secao = QString::fromLatin1(NotaVersaoELF::kSecao);
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(objcopy,
            {QStringLiteral("--remove-section=") + secao, QStringLiteral("--add-section"),
             secao + QLatin1Char('=') + nota.fileName(), QStringLiteral("--set-section-flags"),
             secao + QStringLiteral("=noload,readonly"), alvo.absoluteFilePath(),
             saida.fileName()});
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw EKorvane(texto("O objcopy falhou ao gravar o registro de versão em %1: %2")
                           .arg(executavel, QString::fromLocal8Bit(p.readAll()).trimmed()));

    QFile::setPermissions(saida.fileName(), QFile::permissions(alvo.absoluteFilePath()));
    std::error_code erro;
    std::filesystem::rename(saida.fileName().toStdString(), alvo.absoluteFilePath().toStdString(),
                            erro);
    if (erro)
        throw EKorvane(texto("Não foi possível substituir o arquivo %1: %2")
                           .arg(executavel, QString::fromLocal8Bit(erro.message())));
    saida.setAutoRemove(false);
}
