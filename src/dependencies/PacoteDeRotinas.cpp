#include "dependencies/PacoteDeRotinas.h"

#include "dependencies/PacoteDeRotinasComentario.h"
#include "dependencies/PacoteDeRotinasZip.h"

TPacoteDeRotinas::TPacoteDeRotinas(const QString& pNomeArquivoRotina)
    : fNomeArquivoRotina(pNomeArquivoRotina)
{
    AbrirPacote();
}

void TPacoteDeRotinas::AbrirPacote()
{
    int erro = 0;
    int errnoSistema = 0;
    const PacoteZip::Arquivo zip = PacoteZip::abrirLeitura(fNomeArquivoRotina, erro, errnoSistema);
    if (!zip) {
        switch (erro) {
        case ZIP_ER_NOZIP:
        case ZIP_ER_INCONS:
        case ZIP_ER_MULTIDISK:
        case ZIP_ER_EOF:
            throw EPacoteDeRotinas(MensagemPacoteNaoReconhecido(fNomeArquivoRotina));
        default:
            throw EPacoteDeRotinas(
                QStringLiteral("Ocorreu um erro ao acessar o conteúdo do arquivo \"%1\":\r\n%2")
                    .arg(fNomeArquivoRotina, PacoteZip::textoErro(erro, errnoSistema)));
        }
    }

    const zip_int64_t total = zip_get_num_entries(zip.get(), 0);
    if (total < 0 || total > kMaximoItens)
        throw EPacoteDeRotinas(MensagemPacoteNaoReconhecido(fNomeArquivoRotina));
    if (!PacoteZip::algumItemCriptografado(zip.get()))
        throw EPacoteDeRotinas(MensagemPacoteNaoReconhecido(fNomeArquivoRotina));

    fAssemblyCount = qint32(total);
    fAssemblies.clear();
    fAssemblies.reserve(fAssemblyCount);
    for (qint32 i = 0; i < fAssemblyCount; ++i) {
        TAssembly item;
        const char* nome = zip_get_name(zip.get(), zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        if (!nome)
            throw EPacoteDeRotinas(MensagemPacoteNaoReconhecido(fNomeArquivoRotina));
        item.Nome = QString::fromUtf8(nome);
        zip_uint32_t tamanho = 0;
        const char* comentario =
            zip_file_get_comment(zip.get(), zip_uint64_t(i), &tamanho, ZIP_FL_ENC_GUESS);
        LerComentarioDoItem(
            comentario ? QString::fromUtf8(comentario, qsizetype(tamanho)) : QString(), item);
        fAssemblies.append(item);
    }
}

TAssembly TPacoteDeRotinas::GetAssembly(qint32 Index) const
{
    if (Index < 0 || Index >= fAssemblies.size()) {
        throw EPacoteDeRotinas(
            QStringLiteral("Índice de item do pacote fora dos limites (%1).").arg(Index));
    }
    return fAssemblies.at(Index);
}

TDependencia TPacoteDeRotinas::GetDependencia(qint32 Index) const
{
    if (Index < 0 || Index >= fDependencias.size()) {
        throw EPacoteDeRotinas(
            QStringLiteral("Índice de dependência fora dos limites (%1).").arg(Index));
    }
    return fDependencias.at(Index);
}

QString TPacoteDeRotinas::DescricaoConteudo() const
{
    // An item without a save time shows the zero date, as it always has.
    static const QDateTime kDataZero(QDate(1899, 12, 30), QTime(0, 0));
    QString texto;
    for (qsizetype i = 0; i < fAssemblies.size(); ++i) {
        const TAssembly& item = fAssemblies.at(i);
        const QDateTime& salvo = item.DataHora.isValid() ? item.DataHora : kDataZero;
        texto += QString::number(i + 1) + QStringLiteral(":  ") + item.Nome +
                 QStringLiteral(" - versão ") + item.Versao.Texto + QStringLiteral(" - salvo em ") +
                 salvo.toString(QStringLiteral("dd/MM/yyyy - HH:mm:ss")) + QStringLiteral("\r\n");
    }
    return texto;
}

void TPacoteDeRotinas::ErroArquivoInutilizavel(const QString& complemento) const
{
    throw EPacoteDeRotinas(MensagemArquivoInutilizavel(fNomeArquivoRotina, complemento));
}
