#include "repository/credenciais/LoginFacade.h"

namespace {

const QString kAlfabeto = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
constexpr int kSimbolos = 36;

// Position counted from 1; 0 outside the alphabet.
int posicao(QChar c)
{
    return int(kAlfabeto.indexOf(c)) + 1;
}

QChar simbolo(int n)
{
    // 0 and 36 are the same residue; both are written as the last symbol.
    return kAlfabeto.at(((n - 1) % kSimbolos + kSimbolos) % kSimbolos);
}

QString semColchetes(const QString& texto, bool* tinha)
{
    *tinha =
        texto.size() >= 2 && texto.startsWith(QLatin1Char('[')) && texto.endsWith(QLatin1Char(']'));
    return *tinha ? texto.mid(1, texto.size() - 2) : texto;
}

} // namespace

QString TLoginFacade::ChaveDoDia(const QDate& pData, int pnCodRotina)
{
    // Date separators are outside the alphabet, so which one the regional
    // settings use makes no difference to the result: "/" stands for all.
    return pData.toString(QStringLiteral("dd/MM/yyyy")).trimmed() +
           QString::number(pnCodRotina).trimmed();
}

QString TLoginFacade::SenhaChamarRotina_gerar(const QString& psSenha, int pnCodRotina)
{
    return SenhaChamarRotina_gerar(psSenha, pnCodRotina, QDate::currentDate());
}

QString TLoginFacade::SenhaChamarRotina_gerar(const QString& psSenha, int pnCodRotina,
                                              const QDate& pData)
{
    const QString chave = ChaveDoDia(pData, pnCodRotina);
    const qsizetype tamanho = chave.size();
    qsizetype j = tamanho;
    QString resultado;
    resultado.reserve(psSenha.size() + 2);
    resultado += QLatin1Char('[');
    for (const QChar c : psSenha) {
        int n = posicao(c) + posicao(chave.at(j - 1));
        if (--j == 0)
            j = tamanho;
        if (n > kSimbolos)
            n -= kSimbolos;
        resultado += simbolo(n);
    }
    resultado += QLatin1Char(']');
    return resultado;
}

QString TLoginFacade::SenhaChamarRotina_ler(const QString& psTexto, int pnCodRotina)
{
    return SenhaChamarRotina_ler(psTexto, pnCodRotina, QDate::currentDate());
}

QString TLoginFacade::SenhaChamarRotina_ler(const QString& psTexto, int pnCodRotina,
                                            const QDate& pData)
{
    bool codificado = false;
    const QString texto = semColchetes(psTexto, &codificado);
    if (!codificado)
        return texto;
    const QString chave = ChaveDoDia(pData, pnCodRotina);
    const qsizetype tamanho = chave.size();
    qsizetype j = tamanho;
    QString resultado;
    resultado.reserve(texto.size());
    for (const QChar c : texto) {
        const int k = posicao(chave.at(j - 1));
        if (--j == 0)
            j = tamanho;
        const int n = posicao(c);
        resultado += n == 0 ? c : simbolo(n - k);
    }
    return resultado;
}
