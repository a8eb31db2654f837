#include "platform/LeitorELF.h"

#include <QList>

namespace {

constexpr quint32 kShtNote = 7;
constexpr quint32 kPtNote = 4;
constexpr int kMaisCabecalhos = 4096;       // sections or segments looked at
constexpr qint64 kMaiorNotas = 1024 * 1024; // bytes of one note area
constexpr int kMaisNotas = 4096;            // notes per area

struct Area
{
    quint64 posicao = 0;
    quint64 tamanho = 0;
    quint64 alinhamento = 0;
};

qint64 alinhar(qint64 v, qint64 a)
{
    return (v + a - 1) / a * a;
}

// Walks the notes of one area; the descriptor of ours, if found.
std::optional<QByteArray> procurarNaArea(const FonteBytes& f, const Area& area, bool be)
{
    if (area.tamanho < 12 || area.tamanho > quint64(kMaiorNotas))
        return std::nullopt;
    const auto dados = f.ler(qint64(area.posicao), qint64(area.tamanho));
    if (!dados)
        return std::nullopt;
    // Notes are padded to 4 bytes, or to 8 in an area aligned so.
    const qint64 a = area.alinhamento == 8 ? 8 : 4;
    const QByteArrayView dono(NotaVersaoELF::kDono, sizeof NotaVersaoELF::kDono);
    qint64 p = 0;
    const qint64 fim = dados->size();
    for (int n = 0; n < kMaisNotas && p + 12 <= fim; ++n) {
        const qint64 tamNome = Bytes::u32(*dados, p, be);
        const qint64 tamDesc = Bytes::u32(*dados, p + 4, be);
        const quint32 tipo = Bytes::u32(*dados, p + 8, be);
        const qint64 nome = p + 12;
        if (tamNome > fim - nome)
            return std::nullopt;
        const qint64 desc = alinhar(nome + tamNome, a);
        if (desc > fim || tamDesc > fim - desc)
            return std::nullopt;
        if (tipo == NotaVersaoELF::kTipo && QByteArrayView(*dados).sliced(nome, tamNome) == dono)
            return dados->sliced(desc, tamDesc);
        p = alinhar(desc + tamDesc, a);
    }
    return std::nullopt;
}

// Calls entrada(tabela, inicio) for every header of a section or segment
// table, when the table is plausible and all of it is in the file.
template<typename F>
void percorrerTabela(const FonteBytes& f, quint64 pos, quint16 tamEntrada, quint16 num,
                     qint64 menorEntrada, F entrada)
{
    if (pos == 0 || tamEntrada < menorEntrada || num > kMaisCabecalhos ||
        pos >= quint64(f.tamanho()))
        return;
    const auto tabela = f.ler(qint64(pos), qint64(num) * tamEntrada);
    for (int i = 0; tabela && i < num; ++i)
        entrada(*tabela, qsizetype(i) * tamEntrada);
}

} // namespace

std::optional<QByteArray> lerNotaVersaoELF(const FonteBytes& f)
{
    const auto id = f.ler(0, std::min<qint64>(64, f.tamanho()));
    if (!id || id->size() < 52 ||
        !id->startsWith("\x7F"
                        "ELF"))
        return std::nullopt;
    const char classe = id->at(4);
    const char ordem = id->at(5);
    if ((classe != 1 && classe != 2) || (ordem != 1 && ordem != 2))
        return std::nullopt;
    const bool e64 = classe == 2;
    if (e64 && id->size() < 64)
        return std::nullopt;
    const bool be = ordem == 2;
    const QByteArray& h = *id;

    const quint64 posSecoes = e64 ? Bytes::u64(h, 40, be) : Bytes::u32(h, 32, be);
    const quint16 tamSecao = Bytes::u16(h, e64 ? 58 : 46, be);
    const quint16 numSecoes = Bytes::u16(h, e64 ? 60 : 48, be);
    const quint64 posSegmentos = e64 ? Bytes::u64(h, 32, be) : Bytes::u32(h, 28, be);
    const quint16 tamSegmento = Bytes::u16(h, e64 ? 54 : 42, be);
    const quint16 numSegmentos = Bytes::u16(h, e64 ? 56 : 44, be);

    // Sections first (where the stamp puts the note), then segments (a file
    // stripped of its section table still has them).
    QList<Area> areas;
    percorrerTabela(
        f, posSecoes, tamSecao, numSecoes, e64 ? 64 : 40, [&](const QByteArray& t, qsizetype s) {
            if (Bytes::u32(t, s + 4, be) != kShtNote)
                return;
            areas.append(e64 ? Area{Bytes::u64(t, s + 24, be), Bytes::u64(t, s + 32, be),
                                    Bytes::u64(t, s + 48, be)}
                             : Area{Bytes::u32(t, s + 16, be), Bytes::u32(t, s + 20, be),
                                    Bytes::u32(t, s + 32, be)});
        });
    percorrerTabela(f, posSegmentos, tamSegmento, numSegmentos, e64 ? 56 : 32,
                    [&](const QByteArray& t, qsizetype s) {
                        if (Bytes::u32(t, s, be) != kPtNote)
                            return;
                        areas.append(e64 ? Area{Bytes::u64(t, s + 8, be), Bytes::u64(t, s + 32, be),
                                                Bytes::u64(t, s + 48, be)}
                                         : Area{Bytes::u32(t, s + 4, be), Bytes::u32(t, s + 16, be),
                                                Bytes::u32(t, s + 28, be)});
                    });
    for (const Area& area : areas) {
        if (area.posicao > quint64(f.tamanho()))
            continue;
        if (auto desc = procurarNaArea(f, area, be))
            return desc;
    }
    return std::nullopt;
}
