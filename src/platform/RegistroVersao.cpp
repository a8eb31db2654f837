#include "platform/RegistroVersao.h"

#include "platform/EKorvane.h"
#include "platform/FonteBytes.h"

#include <QtEndian>

namespace {

constexpr qsizetype kTamanhoInfoFixa = 52;
constexpr qsizetype kMaiorChave = 256;       // characters of a block key
constexpr int kMaisFilhos = 4096;            // children read per block
constexpr qsizetype kMaiorRegistro = 0xFFFF; // wLength is a WORD

qsizetype alinhar4(qsizetype pos)
{
    return (pos + 3) & ~qsizetype(3);
}

using Bytes::u16le;
using Bytes::u32le;

// One block's header, key and the places of its value and children, all as
// offsets into the record; `fim` never passes the end of the enclosing block.
struct Bloco
{
    qsizetype fim = 0;
    quint16 tamanhoValor = 0;
    QString chave;
    qsizetype valor = 0;
    qsizetype filhos = 0;
};

// UTF-16LE text from pos up to a NUL or `fim`, at most `limite` characters;
// `depois` receives the offset after the NUL (or `fim` when none was found).
QString lerUtf16(QByteArrayView d, qsizetype pos, qsizetype fim, qsizetype limite,
                 qsizetype* depois = nullptr)
{
    QString texto;
    while (pos + 2 <= fim && texto.size() < limite) {
        const char16_t c = u16le(d, pos);
        pos += 2;
        if (c == 0) {
            if (depois)
                *depois = pos;
            return texto;
        }
        texto.append(QChar(c));
    }
    if (depois)
        *depois = fim;
    return texto;
}

// A child that claims more than its parent holds is refused; the root of a
// truncated record (`aparar`) is cut to what is there.
std::optional<Bloco> lerBloco(QByteArrayView d, qsizetype pos, qsizetype fimPai,
                              bool aparar = false)
{
    if (pos < 0 || pos + 6 > fimPai)
        return std::nullopt;
    const quint16 tamanho = u16le(d, pos);
    if (tamanho < 6 || (pos + tamanho > fimPai && !aparar))
        return std::nullopt;
    Bloco b;
    b.fim = std::min(pos + qsizetype(tamanho), fimPai);
    b.tamanhoValor = u16le(d, pos + 2);
    const quint16 tipo = u16le(d, pos + 4);
    qsizetype depoisChave = b.fim;
    b.chave = lerUtf16(d, pos + 6, b.fim, kMaiorChave, &depoisChave);
    b.valor = std::min(alinhar4(depoisChave), b.fim);
    const qsizetype bytesValor = tipo == 1 ? qsizetype(b.tamanhoValor) * 2 : b.tamanhoValor;
    b.filhos = std::min(alinhar4(b.valor + bytesValor), b.fim);
    return b;
}

// Calls f(bloco) for each well-formed child of `pai`, stopping at the first
// damaged one (its length could not be trusted to find the next).
template<typename F> void paraCadaFilho(QByteArrayView d, const Bloco& pai, F f)
{
    qsizetype pos = pai.filhos;
    for (int n = 0; n < kMaisFilhos && pos + 6 <= pai.fim; ++n) {
        const auto filho = lerBloco(d, pos, pai.fim);
        if (!filho)
            return;
        f(*filho);
        pos = alinhar4(filho->fim); // a block is at least 6 bytes: always moves on
    }
}

bool mesmaChave(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

void lerTextos(QByteArrayView d, const Bloco& sfi, RegistroVersao& r)
{
    paraCadaFilho(d, sfi, [&](const Bloco& tabela) {
        RegistroVersao::TabelaTextos t;
        t.chave = tabela.chave;
        paraCadaFilho(d, tabela, [&](const Bloco& texto) {
            // wValueLength counts characters, and some writers count bytes or
            // forget the NUL: read up to the NUL or the block's end.
            const QString valor = texto.tamanhoValor == 0
                                      ? QString()
                                      : lerUtf16(d, texto.valor, texto.fim, kMaiorRegistro);
            t.textos.append({texto.chave, valor});
        });
        r.tabelas.append(std::move(t));
    });
}

void lerTraducoes(QByteArrayView d, const Bloco& vfi, RegistroVersao& r)
{
    paraCadaFilho(d, vfi, [&](const Bloco& var) {
        if (!mesmaChave(var.chave, QStringLiteral("Translation")))
            return;
        const qsizetype fim = std::min(var.valor + qsizetype(var.tamanhoValor), var.fim);
        for (qsizetype p = var.valor; p + 4 <= fim; p += 4)
            r.traducoes.append({u16le(d, p), u16le(d, p + 2)});
    });
}

QByteArray utf16ComNul(const QString& s)
{
    QByteArray b;
    for (QChar c : s) {
        const char16_t u = c.unicode();
        b.append(char(u & 0xFF)).append(char(u >> 8));
    }
    b.append(2, '\0');
    return b;
}

// Writes a block: header, key, value, then the children each 32-bit aligned.
QByteArray bloco(const QString& chave, const QByteArray& valor, quint16 tamanhoValor, quint16 tipo,
                 const QList<QByteArray>& filhos = {})
{
    QByteArray b(6, '\0');
    b.append(utf16ComNul(chave));
    b.append((4 - b.size() % 4) % 4, '\0');
    b.append(valor);
    for (const QByteArray& filho : filhos) {
        b.append((4 - b.size() % 4) % 4, '\0');
        b.append(filho);
    }
    if (b.size() > kMaiorRegistro)
        throw EKorvane(QStringLiteral("O registro de versão excede 64 KiB."));
    qToLittleEndian<quint16>(quint16(b.size()), b.data());
    qToLittleEndian<quint16>(tamanhoValor, b.data() + 2);
    qToLittleEndian<quint16>(tipo, b.data() + 4);
    return b;
}

QString versao(quint32 ms, quint32 ls)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(ms >> 16)
        .arg(ms & 0xFFFF)
        .arg(ls >> 16)
        .arg(ls & 0xFFFF);
}

} // namespace

QString RegistroVersao::InfoFixa::versaoArquivo() const
{
    return versao(versaoArquivoMS, versaoArquivoLS);
}

QString RegistroVersao::InfoFixa::versaoProduto() const
{
    return versao(versaoProdutoMS, versaoProdutoLS);
}

bool RegistroVersao::InfoFixa::infoInferida() const
{
    return (flags & kFlagInfoInferida) && (mascaraFlags & kFlagInfoInferida);
}

QString RegistroVersao::Traducao::chave() const
{
    return QStringLiteral("%1%2")
        .arg(idioma, 4, 16, QLatin1Char('0'))
        .arg(codigoPagina, 4, 16, QLatin1Char('0'));
}

std::optional<RegistroVersao> RegistroVersao::interpretar(QByteArrayView dados)
{
    // A truncated record is read as far as it goes.
    const QByteArrayView d = dados.first(std::min(dados.size(), kMaiorRegistro));
    const auto raiz = lerBloco(d, 0, d.size(), true);
    if (!raiz || raiz->chave != QLatin1String("VS_VERSION_INFO"))
        return std::nullopt;

    RegistroVersao r;
    if (raiz->tamanhoValor >= kTamanhoInfoFixa && raiz->valor + kTamanhoInfoFixa <= raiz->fim &&
        u32le(d, raiz->valor) == kAssinaturaFixa) {
        const qsizetype v = raiz->valor;
        InfoFixa f;
        quint32* campos[] = {&f.assinatura,      &f.versaoEstrutura,
                             &f.versaoArquivoMS, &f.versaoArquivoLS,
                             &f.versaoProdutoMS, &f.versaoProdutoLS,
                             &f.mascaraFlags,    &f.flags,
                             &f.sistema,         &f.tipo,
                             &f.subtipo,         &f.dataMS,
                             &f.dataLS};
        for (qsizetype i = 0; i < 13; ++i)
            *campos[i] = u32le(d, v + 4 * i);
        r.fixa = f;
    }
    paraCadaFilho(d, *raiz, [&](const Bloco& filho) {
        if (mesmaChave(filho.chave, QStringLiteral("StringFileInfo")))
            lerTextos(d, filho, r);
        else if (mesmaChave(filho.chave, QStringLiteral("VarFileInfo")))
            lerTraducoes(d, filho, r);
    });
    return r;
}

QByteArray RegistroVersao::gerar() const
{
    QByteArray valorFixo;
    if (fixa) {
        const InfoFixa& f = *fixa;
        for (quint32 campo : {f.assinatura, f.versaoEstrutura, f.versaoArquivoMS, f.versaoArquivoLS,
                              f.versaoProdutoMS, f.versaoProdutoLS, f.mascaraFlags, f.flags,
                              f.sistema, f.tipo, f.subtipo, f.dataMS, f.dataLS}) {
            char b[4];
            qToLittleEndian<quint32>(campo, b);
            valorFixo.append(b, 4);
        }
    }
    QList<QByteArray> filhos;
    if (!tabelas.isEmpty()) {
        QList<QByteArray> blocosTabelas;
        for (const TabelaTextos& t : tabelas) {
            QList<QByteArray> blocosTextos;
            for (const Texto& tx : t.textos) {
                const QByteArray v = utf16ComNul(tx.valor);
                blocosTextos.append(bloco(tx.nome, v, quint16(v.size() / 2), 1));
            }
            blocosTabelas.append(bloco(t.chave, {}, 0, 1, blocosTextos));
        }
        filhos.append(bloco(QStringLiteral("StringFileInfo"), {}, 0, 1, blocosTabelas));
    }
    if (!traducoes.isEmpty()) {
        QByteArray lista;
        for (const Traducao& t : traducoes) {
            char b[4];
            qToLittleEndian<quint16>(t.idioma, b);
            qToLittleEndian<quint16>(t.codigoPagina, b + 2);
            lista.append(b, 4);
        }
        if (lista.size() > kMaiorRegistro)
            throw EKorvane(QStringLiteral("O registro de versão excede 64 KiB."));
        const QByteArray var =
            bloco(QStringLiteral("Translation"), lista, quint16(lista.size()), 0);
        filhos.append(bloco(QStringLiteral("VarFileInfo"), {}, 0, 1, {var}));
    }
    return bloco(QStringLiteral("VS_VERSION_INFO"), valorFixo, quint16(valorFixo.size()), 0,
                 filhos);
}

std::optional<RegistroVersao::Traducao> RegistroVersao::primeiraTraducao() const
{
    if (traducoes.isEmpty())
        return std::nullopt;
    return traducoes.first();
}

std::optional<QString> RegistroVersao::texto(const QString& chave, const QString& nome) const
{
    for (const TabelaTextos& t : tabelas) {
        if (!mesmaChave(t.chave, chave))
            continue;
        // Like the Windows lookup, only the first table of that key counts.
        for (const Texto& tx : t.textos) {
            if (mesmaChave(tx.nome, nome))
                return tx.valor;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QString> RegistroVersao::consultarTexto(const QString& caminho) const
{
    const QStringList partes = caminho.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (partes.size() != 3 || !mesmaChave(partes[0], QStringLiteral("StringFileInfo")))
        return std::nullopt;
    return texto(partes[1], partes[2]);
}

void RegistroVersao::definirTexto(const QString& chave, const QString& nome, const QString& valor)
{
    for (TabelaTextos& t : tabelas) {
        if (!mesmaChave(t.chave, chave))
            continue;
        for (Texto& tx : t.textos) {
            if (mesmaChave(tx.nome, nome)) {
                tx.valor = valor;
                return;
            }
        }
        t.textos.append({nome, valor});
        return;
    }
    tabelas.append({chave, {{nome, valor}}});
}
