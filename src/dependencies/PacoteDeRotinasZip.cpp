#include "dependencies/PacoteDeRotinasZip.h"

#include <QFile>
#include <cstring>

namespace PacoteZip {

Arquivo abrirLeitura(const QString& caminho, int& codigoErro, int& errnoSistema)
{
    codigoErro = ZIP_ER_OK;
    errnoSistema = 0;
    errno = 0;
    int erro = ZIP_ER_OK;
    zip_t* arquivo =
        zip_open(QFile::encodeName(caminho).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &erro);
    if (!arquivo) {
        codigoErro = erro;
        errnoSistema = errno;
    }
    return Arquivo(arquivo);
}

QString textoErro(int codigoErro, int errnoSistema)
{
    QString texto;
    switch (codigoErro) {
    case ZIP_ER_NOENT:
        texto = QStringLiteral("O arquivo não existe.");
        break;
    case ZIP_ER_OPEN:
        texto = QStringLiteral("Não foi possível abrir o arquivo.");
        break;
    case ZIP_ER_READ:
        texto = QStringLiteral("Erro de leitura.");
        break;
    case ZIP_ER_SEEK:
        texto = QStringLiteral("Erro ao posicionar no arquivo.");
        break;
    case ZIP_ER_WRITE:
        texto = QStringLiteral("Erro de gravação.");
        break;
    case ZIP_ER_MEMORY:
        texto = QStringLiteral("Memória insuficiente.");
        break;
    case ZIP_ER_CRC:
        texto = QStringLiteral("Conteúdo danificado (CRC).");
        break;
    case ZIP_ER_WRONGPASSWD:
        texto = QStringLiteral("Senha incorreta.");
        break;
    case ZIP_ER_NOPASSWD:
        texto = QStringLiteral("Senha não informada.");
        break;
    case ZIP_ER_COMPNOTSUPP:
        texto = QStringLiteral("Método de compressão não suportado.");
        break;
    case ZIP_ER_ENCRNOTSUPP:
        texto = QStringLiteral("Método de criptografia não suportado.");
        break;
    case ZIP_ER_MULTIDISK:
        texto = QStringLiteral("Arquivos divididos em vários volumes não são suportados.");
        break;
    default: {
        zip_error_t erro;
        zip_error_init_with_code(&erro, codigoErro);
        texto = QString::fromLocal8Bit(zip_error_strerror(&erro));
        zip_error_fini(&erro);
        return texto;
    }
    }
    if (errnoSistema != 0)
        texto += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(std::strerror(errnoSistema)));
    return texto;
}

bool itemCriptografado(zip_t* arquivo, zip_uint64_t i)
{
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(arquivo, i, 0, &st) != 0)
        return false;
    return (st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE;
}

bool algumItemCriptografado(zip_t* arquivo)
{
    const zip_int64_t total = zip_get_num_entries(arquivo, 0);
    for (zip_int64_t i = 0; i < total; ++i) {
        if (itemCriptografado(arquivo, zip_uint64_t(i)))
            return true;
    }
    return false;
}

} // namespace PacoteZip
