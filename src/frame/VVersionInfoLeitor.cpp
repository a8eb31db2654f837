#include "frame/VVersionInfo.h"
#include "platform/LeitorVersao.h"

// The record of a file as the platform's reader gives it: the first
// translation entry and the texts of its table.
TVVersionInfo::Registro TVVersionInfo::LerRegistro(const QString& arquivo)
{
    Registro r;
    const std::optional<RegistroVersao> registro = lerRegistroVersao(arquivo);
    if (!registro)
        return r;
    const std::optional<RegistroVersao::Traducao> traducao = registro->primeiraTraducao();
    if (!traducao)
        return r;
    r.languageCodePage = QStringLiteral("%1%2")
                             .arg(traducao->idioma, 4, 16, QLatin1Char('0'))
                             .arg(traducao->codigoPagina, 4, 16, QLatin1Char('0'))
                             .toUpper();
    for (const RegistroVersao::TabelaTextos& tabela : registro->tabelas)
        if (tabela.chave.compare(r.languageCodePage, Qt::CaseInsensitive) == 0)
            for (const RegistroVersao::Texto& t : tabela.textos)
                r.textos.insert(t.nome, t.valor);
    return r;
}
