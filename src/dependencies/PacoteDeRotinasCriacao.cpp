#include "dependencies/PacoteDeRotinasCriacao.h"

#include "dependencies/PacoteDeRotinasComentario.h"
#include "dependencies/PacoteDeRotinasErros.h"
#include "dependencies/PacoteDeRotinasSenha.h"
#include "dependencies/PacoteDeRotinasZip.h"
#include "platform/FileVersionUnit.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <sys/stat.h>

namespace {

[[noreturn]] void falhar(const QString& destino, const QString& motivo)
{
    throw EPacoteDeRotinas(
        QStringLiteral("Não foi possível criar o pacote \"%1\": %2").arg(destino, motivo));
}

QString erroDoZip(zip_t* zip)
{
    return QString::fromLocal8Bit(zip_error_strerror(zip_get_error(zip)));
}

} // namespace

QList<TItemNovoPacote> ItensParaPacote(const QStringList& caminhos)
{
    QList<TItemNovoPacote> itens;
    for (const QString& caminho : caminhos) {
        const QFileInfo info(caminho);
        if (info.isFile()) {
            itens.append({info.absoluteFilePath(), info.fileName()});
        } else if (info.isDir()) {
            const QDir base = info.absoluteDir();
            QStringList arquivos;
            QDirIterator it(info.absoluteFilePath(), QDir::Files | QDir::Hidden,
                            QDirIterator::Subdirectories);
            while (it.hasNext())
                arquivos.append(it.next());
            arquivos.sort();
            for (const QString& arquivo : arquivos)
                itens.append({arquivo, base.relativeFilePath(arquivo)});
        } else {
            throw EPacoteDeRotinas(QStringLiteral("O arquivo \"%1\" não existe.").arg(caminho));
        }
    }
    return itens;
}

void CriarPacoteDeRotinas(const QString& destino, const QList<TItemNovoPacote>& itens,
                          TCriptografiaPacote criptografia)
{
    if (itens.isEmpty())
        falhar(destino, QStringLiteral("nenhum arquivo foi informado."));
    const QByteArray senha = SenhaDoPacote(destino);
    const zip_uint16_t metodo =
        criptografia == TCriptografiaPacote::Aes256 ? ZIP_EM_AES_256 : ZIP_EM_TRAD_PKWARE;

    int erro = 0;
    zip_t* bruto =
        zip_open(QFile::encodeName(destino).constData(), ZIP_CREATE | ZIP_TRUNCATE, &erro);
    if (!bruto)
        falhar(destino, PacoteZip::textoErro(erro, errno));
    // Discarded unless closed: a failure leaves any earlier file in place.
    PacoteZip::Arquivo zip(bruto);

    QSet<QString> nomes;
    for (const TItemNovoPacote& item : itens) {
        const QFileInfo info(item.Arquivo);
        if (!info.isFile())
            falhar(destino, QStringLiteral("\"%1\" não é um arquivo.").arg(item.Arquivo));
        if (nomes.contains(item.NomeNoPacote))
            falhar(destino,
                   QStringLiteral("o nome \"%1\" aparece duas vezes.").arg(item.NomeNoPacote));
        nomes.insert(item.NomeNoPacote);

        zip_error_t erroFonte;
        zip_error_init(&erroFonte);
        zip_source_t* fonte =
            zip_source_file_create(QFile::encodeName(item.Arquivo).constData(), 0, -1, &erroFonte);
        if (!fonte) {
            const QString texto = QString::fromLocal8Bit(zip_error_strerror(&erroFonte));
            zip_error_fini(&erroFonte);
            falhar(destino, QStringLiteral("\"%1\": %2").arg(item.Arquivo, texto));
        }
        zip_error_fini(&erroFonte);
        const QByteArray nome = item.NomeNoPacote.toUtf8();
        const zip_int64_t indice =
            zip_file_add(zip.get(), nome.constData(), fonte, ZIP_FL_ENC_UTF_8);
        if (indice < 0) {
            zip_source_free(fonte);
            falhar(destino, QStringLiteral("\"%1\": %2").arg(item.Arquivo, erroDoZip(zip.get())));
        }
        const zip_uint64_t i = zip_uint64_t(indice);

        // The DOS time of an item has a two-second resolution; the comment
        // records the same time the item carries.
        qint64 segundos = info.lastModified().toSecsSinceEpoch();
        segundos -= segundos % 2;
        const QDateTime salvoEm = QDateTime::fromSecsSinceEpoch(segundos);
        const QByteArray comentario =
            MontarComentarioDoItem(LerVersaoDoArquivo(item.Arquivo), salvoEm).toUtf8();
        const mode_t modo =
            S_IFREG | (info.permissions().testFlag(QFileDevice::ExeOwner) ? 0755 : 0644);
        if (zip_file_set_encryption(zip.get(), i, metodo, senha.constData()) != 0 ||
            zip_file_set_comment(zip.get(), i, comentario.constData(),
                                 zip_uint16_t(comentario.size()), 0) != 0 ||
            zip_file_set_mtime(zip.get(), i, time_t(segundos), 0) != 0 ||
            zip_file_set_external_attributes(zip.get(), i, 0, ZIP_OPSYS_UNIX,
                                             zip_uint32_t(modo) << 16) != 0) {
            falhar(destino, QStringLiteral("\"%1\": %2").arg(item.Arquivo, erroDoZip(zip.get())));
        }
    }
    if (zip_close(zip.get()) != 0)
        falhar(destino, erroDoZip(zip.get()));
    zip.release();
}
