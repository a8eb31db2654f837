#include "dependencies/PacoteDeRotinas.h"
#include "dependencies/PacoteDeRotinasSenha.h"
#include "dependencies/PacoteDeRotinasZip.h"
#include "platform/FileVersionUnit.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <sys/stat.h>

namespace {

// The stored name as a path below the target folder ("/" separated, without
// "." parts, ending in "/" for a folder item), or empty when the name would
// leave the folder (absolute, drive letter, "..") or names nothing.
QString caminhoRelativoSeguro(const QString& nome)
{
    QString normalizado = nome;
    normalizado.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (normalizado.startsWith(QLatin1Char('/')))
        return QString();
    if (normalizado.size() >= 2 && normalizado.at(1) == QLatin1Char(':'))
        return QString();
    QStringList partes;
    for (const QString& parte : normalizado.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (parte == QLatin1String(".."))
            return QString();
        if (parte != QLatin1String("."))
            partes.append(parte);
    }
    if (partes.isEmpty())
        return QString();
    QString caminho = partes.join(QLatin1Char('/'));
    if (normalizado.endsWith(QLatin1Char('/')))
        caminho += QLatin1Char('/');
    return caminho;
}

bool itemEhLinkSimbolico(zip_t* zip, zip_uint64_t i)
{
    zip_uint8_t sistema = 0;
    zip_uint32_t atributos = 0;
    if (zip_file_get_external_attributes(zip, i, 0, &sistema, &atributos) != 0)
        return false;
    return sistema == ZIP_OPSYS_UNIX && S_ISLNK(mode_t(atributos >> 16));
}

// Owner read and write always; the rest from the Unix mode the item was stored
// with, when it has one.
QFileDevice::Permissions permissoesDoItem(zip_t* zip, zip_uint64_t i)
{
    QFileDevice::Permissions permissoes = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ReadUser | QFileDevice::WriteUser;
    zip_uint8_t sistema = 0;
    zip_uint32_t atributos = 0;
    if (zip_file_get_external_attributes(zip, i, 0, &sistema, &atributos) != 0 ||
        sistema != ZIP_OPSYS_UNIX || (atributos >> 16) == 0) {
        return permissoes | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    }
    const mode_t modo = mode_t(atributos >> 16);
    const struct
    {
        mode_t bit;
        QFileDevice::Permissions permissao;
    } mapa[] = {
        {S_IXUSR, QFileDevice::ExeOwner | QFileDevice::ExeUser},
        {S_IRGRP, QFileDevice::ReadGroup},
        {S_IWGRP, QFileDevice::WriteGroup},
        {S_IXGRP, QFileDevice::ExeGroup},
        {S_IROTH, QFileDevice::ReadOther},
        {S_IWOTH, QFileDevice::WriteOther},
        {S_IXOTH, QFileDevice::ExeOther},
    };
    for (const auto& m : mapa) {
        if (modo & m.bit)
            permissoes |= m.permissao;
    }
    return permissoes;
}

// Writes item i to destino through a temporary file renamed at the end, so a
// failure never leaves a partial file under the item's name. Returns a
// ZIP_ER_* code, ZIP_ER_OK on success.
int extrairItem(zip_t* zip, zip_uint64_t i, const QByteArray& senha, const QString& destino,
                qint64 tamanhoMaximo)
{
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(zip, i, 0, &st) != 0)
        return zip_error_code_zip(zip_get_error(zip));
    if (!(st.valid & ZIP_STAT_SIZE) || st.size > zip_uint64_t(tamanhoMaximo))
        return ZIP_ER_INCONS;

    // Unsupported methods are turned away here: the archive library leaks
    // what it set up when it finds them itself.
    if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE &&
        !zip_encryption_method_supported(st.encryption_method, 0)) {
        return ZIP_ER_ENCRNOTSUPP;
    }
    if ((st.valid & ZIP_STAT_COMP_METHOD) &&
        !zip_compression_method_supported(zip_int32_t(st.comp_method), 0)) {
        return ZIP_ER_COMPNOTSUPP;
    }
    const PacoteZip::Item item(zip_fopen_index_encrypted(zip, i, 0, senha.constData()));
    if (!item)
        return zip_error_code_zip(zip_get_error(zip));

    // No flush to disk: a copy lost in a crash has no version record and is
    // extracted again.
    QTemporaryFile arquivo(QFileInfo(destino).absolutePath() + QStringLiteral("/.ks-item-XXXXXX"));
    if (!arquivo.open())
        return ZIP_ER_OPEN;
    constexpr qint64 kBloco = 1 << 20;
    QByteArray bloco(kBloco, Qt::Uninitialized);
    zip_uint64_t gravados = 0;
    for (;;) {
        const zip_int64_t lidos = zip_fread(item.get(), bloco.data(), zip_uint64_t(kBloco));
        if (lidos < 0)
            return zip_error_code_zip(zip_file_get_error(item.get()));
        if (lidos == 0)
            break;
        gravados += zip_uint64_t(lidos);
        if (gravados > st.size)
            return ZIP_ER_INCONS;
        if (arquivo.write(bloco.constData(), lidos) != lidos)
            return ZIP_ER_WRITE;
    }
    if (gravados != st.size)
        return ZIP_ER_INCONS;
    if (!arquivo.flush())
        return ZIP_ER_WRITE;
    if (st.valid & ZIP_STAT_MTIME) {
        arquivo.setFileTime(QDateTime::fromSecsSinceEpoch(qint64(st.mtime)),
                            QFileDevice::FileModificationTime);
    }
    arquivo.setPermissions(permissoesDoItem(zip, i));
    arquivo.close();
    std::error_code erro;
    std::filesystem::rename(QFile::encodeName(arquivo.fileName()).toStdString(),
                            QFile::encodeName(destino).toStdString(), erro);
    if (erro)
        return ZIP_ER_WRITE;
    arquivo.setAutoRemove(false);
    return ZIP_ER_OK;
}

QString comBarraFinal(const QString& pasta)
{
    return pasta.endsWith(QLatin1Char('/')) ? pasta : pasta + QLatin1Char('/');
}

} // namespace

void TPacoteDeRotinas::ExtrairAssemblies(const QString& pPastaDestino)
{
    int erro = 0;
    int errnoSistema = 0;
    const PacoteZip::Arquivo zip = PacoteZip::abrirLeitura(fNomeArquivoRotina, erro, errnoSistema);
    if (!zip) {
        ErroArquivoInutilizavel(QLatin1Char(' ') + PacoteZip::textoErro(erro, errnoSistema));
    }
    const zip_int64_t total = zip_get_num_entries(zip.get(), 0);
    if (total != fAssemblyCount)
        ErroArquivoInutilizavel(QStringLiteral(" O arquivo mudou desde que foi aberto."));
    if (!PacoteZip::algumItemCriptografado(zip.get()))
        ErroArquivoInutilizavel(QStringLiteral(" Arquivo não criptografado."));

    // Every name is checked before anything is written: a package that would
    // write outside the folder is refused whole.
    QStringList relativos;
    relativos.reserve(fAssemblyCount);
    for (qint32 i = 0; i < fAssemblyCount; ++i) {
        const QString relativo = caminhoRelativoSeguro(fAssemblies.at(i).Nome);
        if (relativo.isEmpty() || itemEhLinkSimbolico(zip.get(), zip_uint64_t(i))) {
            ErroArquivoInutilizavel(
                QStringLiteral(" O item \"%1\" não pode ser gravado na pasta de destino.")
                    .arg(fAssemblies.at(i).Nome));
        }
        relativos.append(relativo);
    }

    const QString pasta = comBarraFinal(pPastaDestino);
    const QByteArray senha = SenhaDoPacote(fNomeArquivoRotina);
    for (qint32 i = 0; i < fAssemblyCount; ++i) {
        const TAssembly& assembly = fAssemblies.at(i);
        const QString destino = pasta + relativos.at(i);
        if (destino.endsWith(QLatin1Char('/'))) {
            if (!QDir().mkpath(destino))
                AoFalharItem(QFileInfo(destino.chopped(1)).absolutePath(), ZIP_ER_WRITE);
            continue;
        }
        const QFileInfo info(destino);
        const QString instalada = info.exists() ? LerVersaoDoArquivo(destino) : QString();
        const bool mesmaVersao = !instalada.isEmpty() && instalada == assembly.Versao.Texto;
        if (!mesmaVersao) {
            QFile::remove(destino);
            const QString pastaDoItem = info.absolutePath();
            if (!QDir().mkpath(pastaDoItem))
                AoFalharItem(pastaDoItem, ZIP_ER_WRITE);
            const int codigo =
                extrairItem(zip.get(), zip_uint64_t(i), senha, destino, kTamanhoMaximoItem);
            if (codigo != ZIP_ER_OK)
                AoFalharItem(pastaDoItem, codigo);
        }
        if (assembly.Nome.toLower().contains(QLatin1String(".dep")))
            CarregarDependencias(destino);
    }
}

void TPacoteDeRotinas::AoFalharItem(const QString& pastaDoItem, int codigoErro) const
{
    // The archive library's code 4 is a seek failure, reported by the disk
    // space line alone.
    QString mensagem =
        codigoErro == ZIP_ER_SEEK ? QString() : QStringLiteral("Erro %1.").arg(codigoErro);
    if (!pastaDoItem.trimmed().isEmpty()) {
        const QStorageInfo disco(pastaDoItem);
        const qint64 livre = disco.isValid() ? disco.bytesAvailable() : -1;
        const QString raiz = disco.isValid() ? disco.rootPath() : pastaDoItem;
        if (!mensagem.isEmpty())
            mensagem += QStringLiteral("\r\n");
        mensagem +=
            QStringLiteral("O espaço no disco %1 é de %2.").arg(raiz, FormatarTamanho(livre));
    }
    ErroArquivoInutilizavel(mensagem);
}

void TPacoteDeRotinas::CarregarDependencias(const QString& arquivo)
{
    if (!fDependencias.isEmpty() || !QFileInfo(arquivo).isFile())
        return;
    fDependencias.assign(LerDependenciasDoManifesto(arquivo));
}
