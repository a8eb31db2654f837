#include "platform/EKorvane.h"
#include "platform/FileVersionUnit.h"
#include "platform/GravadorVersao.h"
#include "platform/LeitorELF.h"
#include "platform/LeitorPE.h"
#include "platform/LeitorVersao.h"
#include "platform/versao/Fixtures.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace FixturesVersao;

namespace {

QByteArray conteudo(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The RT_VERSION data of a .res file written by windres.
QByteArray recursoVersaoDoRes(const QByteArray& res)
{
    qsizetype p = 0;
    while (p + 12 <= res.size()) {
        const quint32 dados = Bytes::u32le(res, p);
        const quint32 cabecalho = Bytes::u32le(res, p + 4);
        if (dados && Bytes::u16le(res, p + 8) == 0xFFFF && Bytes::u16le(res, p + 10) == 16)
            return res.mid(p + cabecalho, dados);
        p = (p + cabecalho + dados + 3) & ~qsizetype(3);
    }
    return {};
}

// The descriptor of our note as `readelf -n` prints it.
QByteArray notaSegundoReadelf(const QString& arquivo)
{
    QProcess p;
    p.start(QStringLiteral("readelf"), {QStringLiteral("-n"), QStringLiteral("-W"), arquivo});
    if (!p.waitForFinished(60000))
        return {};
    const QString saida = QString::fromUtf8(p.readAllStandardOutput());
    const qsizetype secao = saida.indexOf(QLatin1String(NotaVersaoELF::kSecao));
    if (secao < 0 || saida.indexOf(QLatin1String("Korvane"), secao) < 0)
        return {};
    static const QRegularExpression dados(QStringLiteral("description data: ([0-9a-f ]+)"));
    const auto m = dados.match(saida, secao);
    return m.hasMatch() ? QByteArray::fromHex(m.captured(1).remove(QLatin1Char(' ')).toLatin1())
                        : QByteArray();
}

int contarSecoesVersao(const QString& arquivo)
{
    QProcess p;
    p.start(QStringLiteral("readelf"), {QStringLiteral("-S"), QStringLiteral("-W"), arquivo});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).count(QLatin1String(NotaVersaoELF::kSecao));
}

} // namespace

class TstRegistroVersao : public QObject
{
    Q_OBJECT

private slots:
    void igualAoPefile_data();
    void igualAoPefile();
    void listaDeTraducoes();
    void gravadorIgualAoWindres();
    void gravarNotaELF();
    void gravarRecusa_data();
    void gravarRecusa();
    void elf32();
    void elfBigEndian();
    void elfSemTabelaDeSecoes();
    void entradasHostis_data();
    void entradasHostis();
    void estruturasForjadas();
};

void TstRegistroVersao::igualAoPefile_data()
{
    QTest::addColumn<QString>("arquivo");
    QTest::addColumn<int>("magico");
    QTest::newRow("PE32+") << arquivo("completo.exe") << 0x20B;
    QTest::newRow("PE32") << arquivo("completo32.exe") << 0x10B;
    QTest::newRow("DLL") << arquivo("completo.dll") << 0x20B;
    QTest::newRow("duas traduções") << arquivo("segunda_traducao.exe") << 0x20B;
    QTest::newRow("sem assinatura") << arquivo("sem_assinatura.exe") << 0x20B;
    QTest::newRow("sem tradução") << arquivo("sem_traducao.exe") << 0x20B;
}

// Every fixed number and every text of every table, as pefile reads them.
void TstRegistroVersao::igualAoPefile()
{
    QFETCH(QString, arquivo);
    QFETCH(int, magico);
    const QJsonObject pefile = lerComPefile(arquivo);
    QVERIFY2(!pefile.isEmpty(), "python3-pefile não conseguiu ler o arquivo (instale-o)");
    QCOMPARE(pefile.value(QStringLiteral("magic")).toInt(), magico);

    const auto r = lerRegistroVersao(arquivo);
    QVERIFY(r.has_value());
    QVERIFY(r->fixa.has_value());
    const auto& f = *r->fixa;
    const QList<quint32> numeros{f.assinatura,      f.versaoEstrutura,
                                 f.versaoArquivoMS, f.versaoArquivoLS,
                                 f.versaoProdutoMS, f.versaoProdutoLS,
                                 f.mascaraFlags,    f.flags,
                                 f.sistema,         f.tipo,
                                 f.subtipo,         f.dataMS,
                                 f.dataLS};
    QList<quint32> esperados;
    for (const QJsonValue& v : pefile.value(QStringLiteral("fixa")).toArray())
        esperados << quint32(v.toDouble());
    QCOMPARE(numeros, esperados);

    const QJsonArray tabelas = pefile.value(QStringLiteral("tabelas")).toArray();
    QCOMPARE(r->tabelas.size(), tabelas.size());
    for (qsizetype i = 0; i < tabelas.size(); ++i) {
        const QJsonObject t = tabelas[i].toObject();
        QCOMPARE(r->tabelas[i].chave, t.value(QStringLiteral("chave")).toString());
        const QJsonArray textos = t.value(QStringLiteral("textos")).toArray();
        QCOMPARE(r->tabelas[i].textos.size(), textos.size());
        for (qsizetype j = 0; j < textos.size(); ++j) {
            QCOMPARE(r->tabelas[i].textos[j].nome, textos[j][0].toString());
            QCOMPARE(r->tabelas[i].textos[j].valor, textos[j][1].toString());
        }
    }
}

void TstRegistroVersao::listaDeTraducoes()
{
    using T = RegistroVersao::Traducao;
    const auto duas = lerRegistroVersao(arquivo("segunda_traducao.exe"));
    QVERIFY(duas.has_value());
    QCOMPARE(duas->traducoes, (QList<T>{{0x409, 1200}, {0x416, 1252}}));
    QCOMPARE(duas->primeiraTraducao()->chave(), QStringLiteral("040904b0"));
    // Keys and names are matched without regard to case.
    QCOMPARE(duas->texto(QStringLiteral("041604e4"), QStringLiteral("ORIGINALFILENAME")),
             QStringLiteral("KXINF010.EXE"));
    QVERIFY(!duas->texto(QStringLiteral("040904b0"), QStringLiteral("FileVersion")));
    QCOMPARE(duas->consultarTexto(QStringLiteral("\\StringFileInfo\\041604E4\\FileVersion")),
             QStringLiteral("03.0.00.007"));
    QVERIFY(!duas->consultarTexto(QStringLiteral("\\VarFileInfo\\Translation")));

    const auto nenhuma = lerRegistroVersao(arquivo("sem_traducao.exe"));
    QVERIFY(nenhuma.has_value());
    QVERIFY(nenhuma->traducoes.isEmpty());
    QVERIFY(!nenhuma->primeiraTraducao());
}

// The record we write for the contents of completo.rc is the one windres
// compiles from it, byte for byte.
void TstRegistroVersao::gravadorIgualAoWindres()
{
    const QByteArray windres = recursoVersaoDoRes(conteudo(arquivo("completo.res")));
    QVERIFY(!windres.isEmpty());

    RegistroVersao r;
    RegistroVersao::InfoFixa f;
    f.versaoArquivoMS = (29 << 16) | 1;
    f.versaoArquivoLS = (5 << 16) | 100;
    f.versaoProdutoMS = (29 << 16) | 1;
    f.flags = 0x10;
    r.fixa = f;
    r.traducoes = {{0x416, 1252}};
    const QString chave = QStringLiteral("041604E4");
    const std::pair<const char*, const char*> textos[] = {
        {"CompanyName", "KX Rozedeve"},       {"FileDescription", "Rotina de faturamento"},
        {"FileVersion", "29.01.05.100"},      {"InternalName", "KXSIS800"},
        {"OriginalFilename", "KXSIS800.EXE"}, {"ProductName", "Korvane"},
        {"ProductVersion", "29.1"},           {"RotinaAssinada", "S"}};
    for (const auto& [nome, valor] : textos)
        r.definirTexto(chave, QString::fromLatin1(nome), QString::fromLatin1(valor));
    QCOMPARE(r.gerar().toHex(' '), windres.toHex(' '));
}

// A stamped copy of a real executable: readelf finds our note with the very
// bytes we wrote, the program still runs, and a second stamp replaces the
// first.
void TstRegistroVersao::gravarNotaELF()
{
    QTemporaryDir dir;
    const QString copia = dir.filePath(QStringLiteral("programa"));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copia));

    DadosCarimboVersao dados;
    dados.versao = QStringLiteral("2.5.0.13");
    dados.nomeOriginal = QStringLiteral("KXSIS900");
    dados.produto = QStringLiteral("Korvane");
    dados.outros = {{QStringLiteral("RotinaAssinada"), QStringLiteral("S")}};
    dados.infoInferida = true;
    const RegistroVersao registro = montarRegistroVersao(dados);
    gravarRegistroVersaoELF(copia, registro);

    QCOMPARE(notaSegundoReadelf(copia).toHex(' '), registro.gerar().toHex(' '));
    const TFileVersionInfo info = LerInformacoesDeVersao(copia);
    QCOMPARE(info.FileVersion, QStringLiteral("2.5.0.13"));
    QCOMPARE(info.OriginalFilename, QStringLiteral("KXSIS900"));
    QCOMPARE(info.RotinaAssinada, QStringLiteral("S"));
    QVERIFY(info.RotinaAssinadaExiste);
    QVERIFY(info.InfoInferred);
    const auto lido = lerRegistroVersao(copia);
    QCOMPARE(lido->texto(QStringLiteral("041604b0"), QStringLiteral("InternalName")),
             QStringLiteral("KXSIS900"));
    QCOMPARE(lido->fixa->versaoArquivo(), QStringLiteral("2.5.0.13"));
    QVERIFY(QFileInfo(copia).isExecutable());

    QProcess p;
    p.start(copia, {QStringLiteral("-functions")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(p.readAllStandardOutput().contains("gravarNotaELF"));

    dados.versao = QStringLiteral("2.6.0.0");
    dados.outros.clear();
    dados.infoInferida = false;
    gravarRegistroVersaoELF(copia, montarRegistroVersao(dados));
    QCOMPARE(contarSecoesVersao(copia), 1);
    const TFileVersionInfo novo = LerInformacoesDeVersao(copia);
    QCOMPARE(novo.FileVersion, QStringLiteral("2.6.0.0"));
    QVERIFY(!novo.RotinaAssinadaExiste);
    QVERIFY(!novo.InfoInferred);
}

void TstRegistroVersao::gravarRecusa_data()
{
    QTest::addColumn<QString>("versao");
    QTest::addColumn<QByteArray>("original"); // empty: a copy of a real executable
    QTest::newRow("três números") << "1.2.3" << QByteArray();
    QTest::newRow("número grande") << "1.2.3.65536" << QByteArray();
    QTest::newRow("não numérica") << "1.a.3.4" << QByteArray();
    QTest::newRow("negativo") << "1.-2.3.4" << QByteArray();
    QTest::newRow("não é ELF") << "1.0.0.0" << QByteArray("MZ isto não é um executável ELF");
    QTest::newRow("vazio") << "1.0.0.0" << QByteArray("");
}

// A refused stamp leaves the file exactly as it was.
void TstRegistroVersao::gravarRecusa()
{
    QFETCH(QString, versao);
    QFETCH(QByteArray, original);
    QTemporaryDir dir;
    const QString alvo = dir.filePath(QStringLiteral("alvo"));
    if (original.isEmpty() && QTest::currentDataTag() != QByteArrayLiteral("vazio")) {
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), alvo));
    } else {
        QFile f(alvo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(original);
    }
    const QByteArray antes = conteudo(alvo);

    DadosCarimboVersao dados;
    dados.versao = versao;
    dados.nomeOriginal = QStringLiteral("alvo");
    QVERIFY_THROWS_EXCEPTION(EKorvane, gravarRegistroVersaoELF(alvo, montarRegistroVersao(dados)));
    QCOMPARE(conteudo(alvo), antes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("alvo")});
}

// A 32-bit ELF object stamped by kxcarimbo.
void TstRegistroVersao::elf32()
{
    const QString elf = QStringLiteral(KS_SOURCE_DIR "/fuzz/versao/corpus/elf32.o");
    QCOMPARE(LerVersaoDoArquivo(elf), QStringLiteral("1.2.3.4"));
    QCOMPARE(LerInformacoesDeVersao(elf).OriginalFilename, QStringLiteral("tiny32.o"));
}

// A big-endian ELF64 made by hand: header, our note, the section names and
// the section table. readelf reads the same note we do.
void TstRegistroVersao::elfBigEndian()
{
    const QByteArray registro =
        conteudo(QStringLiteral(KS_SOURCE_DIR "/fuzz/versao/corpus/registro.bin"));
    QVERIFY(!registro.isEmpty());
    const QByteArray nota = montarNotaVersaoELF(registro, true);
    const QByteArray nomes = QByteArray("\0.note.korvane.versao\0.shstrtab\0", 33);
    const qsizetype posNota = 64;
    const qsizetype posNomes = posNota + nota.size();
    const qsizetype posSecoes = (posNomes + nomes.size() + 7) & ~qsizetype(7);

    QByteArray elf(posSecoes + 3 * 64, '\0');
    const auto u16 = [&](qsizetype p, quint16 v) { qToBigEndian(v, elf.data() + p); };
    const auto u32 = [&](qsizetype p, quint32 v) { qToBigEndian(v, elf.data() + p); };
    const auto u64 = [&](qsizetype p, quint64 v) { qToBigEndian(v, elf.data() + p); };
    elf.replace(0, 8,
                QByteArray("\x7F"
                           "ELF\x02\x02\x01\x00",
                           8));
    u16(16, 2);  // ET_EXEC
    u16(18, 43); // SPARC V9
    u32(20, 1);
    u64(40, posSecoes);
    u16(52, 64);
    u16(58, 64);
    u16(60, 3);
    u16(62, 2);
    elf.replace(posNota, nota.size(), nota);
    elf.replace(posNomes, nomes.size(), nomes);
    // Section header i: name offset, type, file offset, size, alignment.
    const auto secao = [&](qsizetype i, quint32 nome, quint32 tipo, quint64 pos, quint64 tamanho,
                           quint64 alinhamento) {
        const qsizetype s = posSecoes + i * 64;
        u32(s, nome);
        u32(s + 4, tipo);
        u64(s + 24, pos);
        u64(s + 32, tamanho);
        u64(s + 48, alinhamento);
    };
    secao(1, 1, 7, posNota, nota.size(), 4);    // SHT_NOTE
    secao(2, 22, 3, posNomes, nomes.size(), 1); // SHT_STRTAB

    QCOMPARE(lerNotaVersaoELF(FonteMemoria(elf)), std::optional<QByteArray>(registro));
    QTemporaryDir dir;
    const QString arquivoElf = dir.filePath(QStringLiteral("sparc"));
    QFile f(arquivoElf);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(elf);
    f.close();
    QCOMPARE(notaSegundoReadelf(arquivoElf).toHex(' '), registro.toHex(' '));
    QCOMPARE(LerVersaoDoArquivo(arquivoElf), QStringLiteral("29.01.05.100"));
}

// A file stripped of its section table still has its note segment, and the
// note is found there.
void TstRegistroVersao::elfSemTabelaDeSecoes()
{
    const QByteArray registro =
        conteudo(QStringLiteral(KS_SOURCE_DIR "/fuzz/versao/corpus/registro.bin"));
    QVERIFY(!registro.isEmpty());
    const QByteArray nota = montarNotaVersaoELF(registro, false);
    const qsizetype posSegmentos = 64;
    const qsizetype posNota = posSegmentos + 56;

    QByteArray elf(posNota, '\0');
    const auto u16 = [&](qsizetype p, quint16 v) { qToLittleEndian(v, elf.data() + p); };
    const auto u32 = [&](qsizetype p, quint32 v) { qToLittleEndian(v, elf.data() + p); };
    const auto u64 = [&](qsizetype p, quint64 v) { qToLittleEndian(v, elf.data() + p); };
    elf.replace(0, 8,
                QByteArray("\x7F"
                           "ELF\x02\x01\x01\x00",
                           8));
    u16(16, 2);  // ET_EXEC
    u16(18, 62); // x86-64
    u32(20, 1);
    u64(32, posSegmentos);
    u16(52, 64);
    u16(54, 56);
    u16(56, 1);
    u32(posSegmentos, 4); // PT_NOTE
    u64(posSegmentos + 8, posNota);
    u64(posSegmentos + 32, nota.size());
    u64(posSegmentos + 48, 4);
    elf.append(nota);

    QCOMPARE(lerNotaVersaoELF(FonteMemoria(elf)), std::optional<QByteArray>(registro));
    QTemporaryDir dir;
    const QString arquivoElf = dir.filePath(QStringLiteral("sem_secoes"));
    QFile f(arquivoElf);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(elf);
    f.close();
    QCOMPARE(LerVersaoDoArquivo(arquivoElf), QStringLiteral("29.01.05.100"));
}

void TstRegistroVersao::entradasHostis_data()
{
    QTest::addColumn<QString>("arquivo");
    QTest::newRow("PE32+") << QStringLiteral(KS_SOURCE_DIR "/fuzz/versao/corpus/pe64.exe");
    QTest::newRow("PE32") << QStringLiteral(KS_SOURCE_DIR "/fuzz/versao/corpus/pe32.exe");
    QTest::newRow("ELF64") << QStringLiteral(KS_SOURCE_DIR "/fuzz/versao/corpus/elf64.o");
    QTest::newRow("ELF32") << QStringLiteral(KS_SOURCE_DIR "/fuzz/versao/corpus/elf32.o");
    QTest::newRow("registro") << QStringLiteral(KS_SOURCE_DIR "/fuzz/versao/corpus/registro.bin");
}

// Every truncation and a few thousand mutations of real files go through the
// reader: it must return (a sanitizer build checks it stays in bounds), and a
// truncated record never yields texts the whole one lacks.
void TstRegistroVersao::entradasHostis()
{
    QFETCH(QString, arquivo);
    const QByteArray original = conteudo(arquivo);
    QVERIFY(!original.isEmpty());
    const FonteMemoria inteira(original);
    auto completo = lerRegistroVersao(inteira);
    if (!completo)
        completo = RegistroVersao::interpretar(original);
    QVERIFY(completo.has_value());
    QSet<QString> valores;
    for (const auto& t : completo->tabelas)
        for (const auto& tx : t.textos)
            valores.insert(tx.valor);

    for (qsizetype n = 0; n < original.size(); ++n) {
        const QByteArray parte = original.first(n);
        const FonteMemoria fonte(parte);
        for (const auto& r : {lerRegistroVersao(fonte), RegistroVersao::interpretar(parte)}) {
            if (!r)
                continue;
            for (const auto& t : r->tabelas)
                for (const auto& tx : t.textos)
                    QVERIFY(tx.valor.isEmpty() ||
                            std::any_of(valores.begin(), valores.end(),
                                        [&](const QString& v) { return v.startsWith(tx.valor); }));
        }
    }

    QRandomGenerator aleatorio(20261211);
    for (int i = 0; i < 3000; ++i) {
        QByteArray mutante = original;
        const int trocas = 1 + int(aleatorio.bounded(8));
        for (int j = 0; j < trocas; ++j) {
            const qsizetype pos = aleatorio.bounded(mutante.size());
            // Extreme values reach the length and offset checks fastest.
            static const char extremos[] = {'\0', '\x7F', '\x80', '\xFF'};
            mutante[pos] = aleatorio.bounded(2) ? extremos[aleatorio.bounded(4)]
                                                : char(aleatorio.bounded(256));
        }
        const FonteMemoria fonte(mutante);
        lerRegistroVersao(fonte);
        RegistroVersao::interpretar(mutante);
    }
}

// Hand-made traps: a resource tree that points back at itself, a record
// whose blocks claim more than they hold, a key with no end.
void TstRegistroVersao::estruturasForjadas()
{
    // Root resource directory of a PE whose RT_VERSION entry leads to itself.
    QByteArray pe = conteudo(arquivo("completo.exe"));
    QVERIFY(lerRecursoVersaoPE(FonteMemoria(pe)).has_value());
    qsizetype entrada = -1;
    for (qsizetype i = pe.indexOf(QByteArray("\x10\0\0\0", 4)); i >= 0 && entrada < 0;
         i = pe.indexOf(QByteArray("\x10\0\0\0", 4), i + 1)) {
        if (pe.at(i + 7) == '\x80' && pe.at(i + 6) == 0)
            entrada = i;
    }
    QVERIFY(entrada > 0);
    pe.replace(entrada + 4, 4, QByteArray::fromHex("00000080"));
    QVERIFY(!lerRecursoVersaoPE(FonteMemoria(pe)).has_value());

    const QByteArray bom = RegistroVersao().gerar();
    QVERIFY(RegistroVersao::interpretar(bom).has_value());
    QByteArray grande = bom;
    grande[0] = '\xFF';
    grande[1] = '\xFF'; // wLength 65535 over a few bytes: read as far as it goes
    QVERIFY(RegistroVersao::interpretar(grande).has_value());
    QByteArray semFim(4096, 'A'); // key without its NUL, no version key
    semFim[0] = '\x00';
    semFim[1] = '\x10';
    QVERIFY(!RegistroVersao::interpretar(semFim).has_value());
    QByteArray curto = bom;
    curto[0] = 4; // shorter than a header
    curto[1] = 0;
    QVERIFY(!RegistroVersao::interpretar(curto).has_value());

    // A string table whose child claims more bytes than the table holds.
    RegistroVersao r;
    r.traducoes = {{0x416, 0x4B0}};
    r.definirTexto(QStringLiteral("041604b0"), QStringLiteral("FileVersion"),
                   QStringLiteral("1.0.0.0"));
    QByteArray forjado = r.gerar();
    const qsizetype texto = forjado.indexOf(QByteArray("F\0i\0l\0e\0V", 9)) - 6;
    QVERIFY(texto > 0);
    forjado[texto] = '\xF0';
    const auto lido = RegistroVersao::interpretar(forjado);
    QVERIFY(lido.has_value());
    QVERIFY(!lido->texto(QStringLiteral("041604b0"), QStringLiteral("FileVersion")));
    QCOMPARE(lido->traducoes.size(), 1);
}

QTEST_GUILESS_MAIN(TstRegistroVersao)
#include "tst_registroversao.moc"
