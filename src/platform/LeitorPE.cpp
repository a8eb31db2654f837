#include "platform/LeitorPE.h"

#include <QList>

namespace {

constexpr quint32 kRtVersion = 16;
constexpr quint16 kIdVersao = 1;         // VS_VERSION_INFO
constexpr int kMaisSecoes = 96;          // the loader's own limit
constexpr int kMaisEntradas = 4096;      // entries looked at per resource directory
constexpr qint64 kMaiorRecurso = 0xFFFF; // the record's length is a WORD
constexpr quint32 kSubdiretorio = 0x80000000;

using Bytes::u16le;
using Bytes::u32le;

struct Secao
{
    quint32 rva = 0;
    quint32 tamanhoVirtual = 0;
    quint32 tamanhoBruto = 0;
    quint32 posicaoBruta = 0;
};

struct Local
{
    qint64 posicao = -1;   // in the file
    qint64 disponivel = 0; // bytes the section stores from there on
};

// Where an RVA lies among the sections' stored bytes.
Local localizar(const QList<Secao>& secoes, quint32 rva)
{
    for (const Secao& s : secoes) {
        if (rva >= s.rva && quint64(rva) < quint64(s.rva) + s.tamanhoBruto)
            return {qint64(s.posicaoBruta) + (rva - s.rva), qint64(s.tamanhoBruto) - (rva - s.rva)};
    }
    return {};
}

// A resource directory's entries: (name or ID, offset) pairs; named entries
// come first, then the IDs.
struct Entrada
{
    quint32 nome = 0;
    quint32 destino = 0;
};

std::optional<QList<Entrada>> lerDiretorio(const FonteBytes& f, qint64 base, quint32 deslocamento,
                                           qint64 fimRecursos)
{
    const qint64 pos = base + deslocamento;
    if (pos + 16 > fimRecursos)
        return std::nullopt;
    const auto cab = f.ler(pos, 16);
    if (!cab)
        return std::nullopt;
    const int n = std::min<int>(u16le(*cab, 12) + u16le(*cab, 14), kMaisEntradas);
    const qint64 bytes = qint64(n) * 8;
    if (pos + 16 + bytes > fimRecursos)
        return std::nullopt;
    const auto dados = f.ler(pos + 16, bytes);
    if (!dados)
        return std::nullopt;
    QList<Entrada> entradas;
    for (int i = 0; i < n; ++i)
        entradas.append({u32le(*dados, i * 8), u32le(*dados, i * 8 + 4)});
    return entradas;
}

// The entry with the ID `id` (any entry when id is negative) that leads to a
// subdirectory, or to a data entry when `subdiretorio` is false.
std::optional<quint32> escolher(const QList<Entrada>& entradas, qint64 id, bool subdiretorio)
{
    for (const Entrada& e : entradas) {
        if (bool(e.destino & kSubdiretorio) != subdiretorio)
            continue;
        if (id < 0 || (!(e.nome & kSubdiretorio) && e.nome == quint32(id)))
            return e.destino & ~kSubdiretorio;
    }
    return std::nullopt;
}

} // namespace

std::optional<QByteArray> lerRecursoVersaoPE(const FonteBytes& f)
{
    const auto dos = f.ler(0, 64);
    if (!dos || dos->at(0) != 'M' || dos->at(1) != 'Z')
        return std::nullopt;
    const qint64 pe = u32le(*dos, 0x3C);
    const auto coff = f.ler(pe, 24);
    if (!coff || !coff->startsWith(QByteArrayView("PE\0\0", 4)))
        return std::nullopt;
    const int numSecoes = u16le(*coff, 6);
    const quint16 tamanhoOpcional = u16le(*coff, 20);
    if (numSecoes > kMaisSecoes)
        return std::nullopt;
    const qint64 posOpcional = pe + 24;
    const auto opcional = f.ler(posOpcional, tamanhoOpcional);
    if (!opcional || tamanhoOpcional < 2)
        return std::nullopt;

    // PE32 and PE32+ differ in where the data directories start.
    const quint16 magico = u16le(*opcional, 0);
    qsizetype posQuantos = 0;
    if (magico == 0x10B)
        posQuantos = 92;
    else if (magico == 0x20B)
        posQuantos = 108;
    else
        return std::nullopt;
    const qsizetype posDiretorios = posQuantos + 4;
    const qsizetype posRecursos = posDiretorios + 2 * 8; // the resource table is entry 2
    if (opcional->size() < posRecursos + 8 || u32le(*opcional, posQuantos) < 3)
        return std::nullopt;
    const quint32 rvaRecursos = u32le(*opcional, posRecursos);
    const quint32 tamanhoRecursos = u32le(*opcional, posRecursos + 4);
    if (rvaRecursos == 0 || tamanhoRecursos == 0)
        return std::nullopt;

    const auto tabela = f.ler(posOpcional + tamanhoOpcional, qint64(numSecoes) * 40);
    if (!tabela)
        return std::nullopt;
    QList<Secao> secoes;
    for (int i = 0; i < numSecoes; ++i) {
        const qsizetype s = i * 40;
        secoes.append({u32le(*tabela, s + 12), u32le(*tabela, s + 8), u32le(*tabela, s + 16),
                       u32le(*tabela, s + 20)});
    }

    // The resource tree may run shorter in the file than it claims: bound
    // every read by what the section really stores.
    const Local recursos = localizar(secoes, rvaRecursos);
    if (recursos.posicao < 0)
        return std::nullopt;
    const qint64 base = recursos.posicao;
    const qint64 fimRecursos =
        std::min({base + recursos.disponivel, base + qint64(tamanhoRecursos), f.tamanho()});

    // Three fixed levels (type, name, language): no recursion, so a
    // directory that points back at itself cannot loop.
    const auto tipos = lerDiretorio(f, base, 0, fimRecursos);
    if (!tipos)
        return std::nullopt;
    const auto dirVersao = escolher(*tipos, kRtVersion, true);
    if (!dirVersao)
        return std::nullopt;
    const auto nomes = lerDiretorio(f, base, *dirVersao, fimRecursos);
    if (!nomes)
        return std::nullopt;
    auto dirIdiomas = escolher(*nomes, kIdVersao, true);
    if (!dirIdiomas)
        dirIdiomas = escolher(*nomes, -1, true);
    if (!dirIdiomas)
        return std::nullopt;
    const auto idiomas = lerDiretorio(f, base, *dirIdiomas, fimRecursos);
    if (!idiomas)
        return std::nullopt;
    const auto folha = escolher(*idiomas, -1, false);
    if (!folha || base + *folha + 16 > fimRecursos)
        return std::nullopt;
    const auto entradaDados = f.ler(base + *folha, 16);
    if (!entradaDados)
        return std::nullopt;
    const quint32 rvaDados = u32le(*entradaDados, 0);
    const Local dados = localizar(secoes, rvaDados);
    const qint64 tamanho = std::min({qint64(u32le(*entradaDados, 4)), kMaiorRecurso,
                                     dados.disponivel, f.tamanho() - dados.posicao});
    if (dados.posicao < 0 || tamanho < 6)
        return std::nullopt;
    return f.ler(dados.posicao, tamanho);
}
