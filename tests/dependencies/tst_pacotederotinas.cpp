#include "AuxiliarPacotes.h"
#include "dependencies/PacoteDeRotinas.h"
#include "dependencies/PacoteDeRotinasCriacao.h"
#include "dependencies/RotinaDep.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <zip.h>

using namespace AuxiliarPacotes;

namespace {

const char kManifesto[] = R"(<?xml version="1.0" encoding="ISO-8859-1"?>
<rotina>
  <Dependencias><rotinaDep>KXSIS100</rotinaDep><opcao>1</opcao><versao>1.2.3.400</versao><descricao>Cadastro</descricao></Dependencias>
  <Dependencias><rotinaDep>KXSIS200</rotinaDep><opcao>2</opcao><versao>29.2.1.5.9</versao><descricao>Pre&#231;os</descricao></Dependencias>
</rotina>)";

QByteArray aleatorio(int tamanho)
{
    QByteArray dados(tamanho, Qt::Uninitialized);
    for (char& c : dados)
        c = char(QRandomGenerator::global()->bounded(256));
    return dados;
}

quint64 inode(const QString& caminho)
{
    struct stat st
    {
    };
    return ::stat(QFile::encodeName(caminho).constData(), &st) == 0 ? quint64(st.st_ino) : 0;
}

// A package written straight with the archive library, for names that no
// ZIP tool would store: every item encrypted with the right password.
void pacoteComNomes(const QString& destino, const QList<QByteArray>& nomes, bool ultimoEhLink)
{
    int erro = 0;
    zip_t* zip = zip_open(QFile::encodeName(destino).constData(), ZIP_CREATE | ZIP_TRUNCATE, &erro);
    QVERIFY(zip);
    const QByteArray senha = SenhaDoPacote(destino);
    static const char conteudo[] = "conteudo";
    for (qsizetype i = 0; i < nomes.size(); ++i) {
        zip_source_t* fonte = zip_source_buffer(zip, conteudo, sizeof conteudo - 1, 0);
        const zip_int64_t idx = zip_file_add(zip, nomes.at(i).constData(), fonte, 0);
        QVERIFY(idx >= 0);
        QCOMPARE(
            zip_file_set_encryption(zip, zip_uint64_t(idx), ZIP_EM_TRAD_PKWARE, senha.constData()),
            0);
        if (ultimoEhLink && i == nomes.size() - 1) {
            zip_file_set_external_attributes(zip, zip_uint64_t(idx), 0, ZIP_OPSYS_UNIX,
                                             zip_uint32_t(S_IFLNK | 0777) << 16);
        }
    }
    QCOMPARE(zip_close(zip), 0);
}

QStringList arquivosEm(const QString& pasta)
{
    QStringList lista;
    QDirIterator it(pasta, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        lista.append(QDir(pasta).relativeFilePath(it.next()));
    lista.sort();
    return lista;
}

} // namespace

// Packages built by Info-ZIP and by ourselves: opening, listing, extraction,
// and packages that must be refused.
class TstPacoteDeRotinas : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pacoteDoInfoZip();
    void criadoAquiAbreNoInfoZip_data();
    void criadoAquiAbreNoInfoZip();
    void recusadosNaAbertura_data();
    void recusadosNaAbertura();
    void nomesQueEscapam_data();
    void nomesQueEscapam();
    void senhaDeOutroNome();
    void danificadoNaoQuebra();
    void primeiroManifestoComDependencias();
    void manifestoComVersaoInvalida();

private:
    QString pastaNova(const QString& nome)
    {
        const QString p = m_dir.filePath(nome);
        QDir(p).removeRecursively();
        QDir().mkpath(p);
        return p;
    }
    QTemporaryDir m_dir;
};

void TstPacoteDeRotinas::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("zip")).isEmpty(), "zip ausente");
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("zipnote")).isEmpty(),
             "zipnote ausente");
}

void TstPacoteDeRotinas::pacoteDoInfoZip()
{
    const QString fonte = pastaNova(QStringLiteral("fonte"));
    programaComVersao(fonte + QStringLiteral("/KXSIS800.EXE"), QStringLiteral("29.2.1.5"));
    const QByteArray dll = aleatorio(200000);
    gravar(fonte + QStringLiteral("/Lib/KXAUX.DLL"), dll);
    gravar(fonte + QStringLiteral("/KXSIS800.dep"), kManifesto);
    const QString pacote = m_dir.filePath(QStringLiteral("KXSIS800.KX"));
    QVERIFY(zipInfo(
        pacote, fonte,
        {QStringLiteral("KXSIS800.EXE"), QStringLiteral("Lib/KXAUX.DLL"),
         QStringLiteral("KXSIS800.dep")},
        {{QStringLiteral("KXSIS800.EXE"), QStringLiteral("29.2.1.5 2020-11-26 14:05:09")},
         {QStringLiteral("Lib/KXAUX.DLL"), QStringLiteral("1.0.0.7 2021-02-01 10:00:00")}}));

    TPacoteDeRotinas p(pacote);
    QCOMPARE(p.AssemblyCount(), 3);
    QCOMPARE(p.AssemblyPrincipal().Nome, QStringLiteral("KXSIS800.EXE"));
    QCOMPARE(p.AssemblyPrincipal().Versao.Major, 29u);
    QCOMPARE(p.AssemblyPrincipal().Versao.Build, 5u);
    QCOMPARE(p.GetAssembly(2).Versao.Texto, QString());
    QVERIFY(!p.GetAssembly(2).DataHora.isValid());
    QVERIFY_THROWS_EXCEPTION(EPacoteDeRotinas, p.GetAssembly(3));
    QCOMPARE(p.TotalDependencia(), 0);
    QCOMPARE(
        p.DescricaoConteudo(),
        QStringLiteral("1:  KXSIS800.EXE - versão 29.2.1.5 - salvo em 26/11/2020 - 14:05:09\r\n"
                       "2:  Lib/KXAUX.DLL - versão 1.0.0.7 - salvo em 01/02/2021 - 10:00:00\r\n"
                       "3:  KXSIS800.dep - versão  - salvo em 30/12/1899 - 00:00:00\r\n"));

    // The target folder is created, stored paths restored.
    const QString destino = m_dir.filePath(QStringLiteral("destino/Executaveis"));
    p.ExtrairAssemblies(destino);
    QCOMPARE(arquivosEm(destino),
             (QStringList{QStringLiteral("KXSIS800.EXE"), QStringLiteral("KXSIS800.dep"),
                          QStringLiteral("Lib/KXAUX.DLL")}));
    QCOMPARE(ler(destino + QStringLiteral("/Lib/KXAUX.DLL")), dll);
    QCOMPARE(ler(destino + QStringLiteral("/KXSIS800.EXE")),
             ler(fonte + QStringLiteral("/KXSIS800.EXE")));
    QCOMPARE(p.TotalDependencia(), 2);
    const TDependencia d0 = p.GetDependencia(0);
    QCOMPARE(d0.Rotina, QStringLiteral("KXSIS100"));
    QCOMPARE(d0.Opcao, 1);
    QCOMPARE(d0.Versao, QStringLiteral("01.02.03.400"));
    QCOMPARE(d0.Desatualizada, false);
    QCOMPARE(d0.VersaoInteiro, qint64(0));
    QCOMPARE(p.GetDependencia(1).Versao, QStringLiteral("29.02.01.05"));
    QCOMPARE(p.GetDependencia(1).Descricao, QStringLiteral("Preços"));
    QVERIFY(p.Dependencias().compartilhaCom(p.Dependencias()));
    QVERIFY_THROWS_EXCEPTION(EPacoteDeRotinas, p.GetDependencia(2));

    // Second extraction: the executable carries the item's version and stays
    // as it is; the items without a version record are written again.
    const QString exe = destino + QStringLiteral("/KXSIS800.EXE");
    const quint64 inodeExe = inode(exe);
    gravar(destino + QStringLiteral("/KXSIS800.dep"), "alterado");
    gravar(destino + QStringLiteral("/Lib/KXAUX.DLL"), "alterado");
    TPacoteDeRotinas outra(pacote);
    outra.ExtrairAssemblies(destino + QLatin1Char('/'));
    QCOMPARE(inode(exe), inodeExe);
    QCOMPARE(ler(destino + QStringLiteral("/KXSIS800.dep")), QByteArray(kManifesto));
    QCOMPARE(ler(destino + QStringLiteral("/Lib/KXAUX.DLL")), dll);
    QCOMPARE(outra.TotalDependencia(), 2);

    // An installed copy with another version is replaced.
    programaComVersao(exe, QStringLiteral("29.2.1.4"));
    TPacoteDeRotinas(pacote).ExtrairAssemblies(destino);
    QCOMPARE(LerVersaoDoArquivo(exe), QStringLiteral("29.2.1.5"));
}

void TstPacoteDeRotinas::criadoAquiAbreNoInfoZip_data()
{
    QTest::addColumn<bool>("aes");
    QTest::newRow("PKWARE tradicional") << false;
    QTest::newRow("AES-256") << true;
}

void TstPacoteDeRotinas::criadoAquiAbreNoInfoZip()
{
    QFETCH(bool, aes);
    const QString fonte = pastaNova(QStringLiteral("criado"));
    programaComVersao(fonte + QStringLiteral("/KXSIS900.EXE"), QStringLiteral("30.1.0.2"));
    const QByteArray dados = aleatorio(300000) + QByteArray(300000, 'a');
    gravar(fonte + QStringLiteral("/Pasta/dados.bin"), dados);
    const QString pacote = m_dir.filePath(QStringLiteral("KXSIS900.KX"));
    CriarPacoteDeRotinas(pacote,
                         ItensParaPacote({fonte + QStringLiteral("/KXSIS900.EXE"),
                                          fonte + QStringLiteral("/Pasta")}),
                         aes ? TCriptografiaPacote::Aes256
                             : TCriptografiaPacote::PkwareTradicional);

    // Our own reading.
    TPacoteDeRotinas p(pacote);
    QCOMPARE(p.AssemblyCount(), 2);
    QCOMPARE(p.GetAssembly(0).Versao.Texto, QStringLiteral("30.1.0.2"));
    const QDateTime mtime = QFileInfo(fonte + QStringLiteral("/KXSIS900.EXE")).lastModified();
    QVERIFY(qAbs(p.GetAssembly(0).DataHora.secsTo(mtime)) <= 2);
    QCOMPARE(p.GetAssembly(1).Nome, QStringLiteral("Pasta/dados.bin"));
    QCOMPARE(p.GetAssembly(1).Versao.Texto, QString());
    const QString destino = pastaNova(QStringLiteral("criado_extraido"));
    p.ExtrairAssemblies(destino);
    QCOMPARE(ler(destino + QStringLiteral("/Pasta/dados.bin")), dados);
    QVERIFY(QFileInfo(destino + QStringLiteral("/KXSIS900.EXE")).isExecutable());

    // The comments as zipnote reads them.
    const Saida notas = rodar(QStringLiteral("zipnote"), {pacote});
    QCOMPARE(notas.codigo, 0);
    QVERIFY2(notas.stdoutTexto.contains("@ KXSIS900.EXE\n30.1.0.2 " +
                                        mtime.toString(QStringLiteral("yyyy-MM-dd")).toUtf8()),
             notas.stdoutTexto.constData());

    if (aes)
        return; // Info-ZIP unzip does not read AES items
    const QString uz = pastaNova(QStringLiteral("criado_unzip"));
    const Saida r = rodar(QStringLiteral("unzip"),
                          {QStringLiteral("-q"), QStringLiteral("-P"),
                           QString::fromLocal8Bit(SenhaDoPacote(pacote)), pacote},
                          uz);
    QCOMPARE(r.codigo, 0);
    QCOMPARE(ler(uz + QStringLiteral("/Pasta/dados.bin")), dados);
    QCOMPARE(ler(uz + QStringLiteral("/KXSIS900.EXE")),
             ler(fonte + QStringLiteral("/KXSIS900.EXE")));
    // A wrong password is refused by Info-ZIP too: the items really are encrypted. The
    // traditional scheme checks the password against one byte of a random header, so about
    // one package in 256 lets a wrong one through to a CRC error and leaves garbage behind:
    // what must never appear is the plain content.
    const QString uz2 = pastaNova(QStringLiteral("criado_unzip_errado"));
    QVERIFY(rodar(QStringLiteral("unzip"),
                  {QStringLiteral("-q"), QStringLiteral("-P"), QStringLiteral("errada"), pacote},
                  uz2)
                .codigo != 0);
    const QString errado = uz2 + QStringLiteral("/Pasta/dados.bin");
    QVERIFY(!QFile::exists(errado) || ler(errado) != dados);
}

void TstPacoteDeRotinas::recusadosNaAbertura_data()
{
    QTest::addColumn<QString>("caso");
    QTest::addColumn<QString>("inicio");
    const QString naoReconhecido = QStringLiteral("Não é possível abrir o arquivo ");
    QTest::newRow("itens sem criptografia") << "semcripto" << naoReconhecido;
    QTest::newRow("texto") << "texto" << naoReconhecido;
    QTest::newRow("vazio") << "vazio" << naoReconhecido;
    QTest::newRow("inexistente") << "inexistente"
                                 << "Ocorreu um erro ao acessar o conteúdo do arquivo \"";
    QTest::newRow("data impossível") << "30fev"
                                     << "\"2021-02-30\" não é uma data válida";
    QTest::newRow("versão sem data") << "semdata"
                                     << "O comentário do item";
}

void TstPacoteDeRotinas::recusadosNaAbertura()
{
    QFETCH(QString, caso);
    QFETCH(QString, inicio);
    const QString fonte = pastaNova(QStringLiteral("recusado"));
    gravar(fonte + QStringLiteral("/A.EXE"), "programa");
    const QString pacote = m_dir.filePath(caso + QStringLiteral(".KX"));
    QFile::remove(pacote);
    if (caso == QLatin1String("semcripto")) {
        QVERIFY(zipInfo(pacote, fonte, {QStringLiteral("A.EXE")},
                        {{QStringLiteral("A.EXE"), QStringLiteral("1.0.0.1 2021-01-01 10:00:00")}},
                        false));
    } else if (caso == QLatin1String("texto")) {
        gravar(pacote, "isto não é um pacote");
    } else if (caso == QLatin1String("vazio")) {
        gravar(pacote, QByteArray());
    } else if (caso == QLatin1String("30fev")) {
        QVERIFY(
            zipInfo(pacote, fonte, {QStringLiteral("A.EXE")},
                    {{QStringLiteral("A.EXE"), QStringLiteral("1.0.0.7 2021-02-30 10:00:00")}}));
    } else if (caso == QLatin1String("semdata")) {
        QVERIFY(zipInfo(pacote, fonte, {QStringLiteral("A.EXE")},
                        {{QStringLiteral("A.EXE"), QStringLiteral("1.0.0.7")}}));
    }
    try {
        TPacoteDeRotinas p(pacote);
        QFAIL("o pacote foi aceito");
    } catch (const EPacoteDeRotinas& e) {
        QVERIFY2(e.mensagem().startsWith(inicio), qPrintable(e.mensagem()));
        if (inicio.startsWith(QStringLiteral("Não é possível abrir")))
            QCOMPARE(e.mensagem(), MensagemPacoteNaoReconhecido(pacote));
    }
}

void TstPacoteDeRotinas::nomesQueEscapam_data()
{
    QTest::addColumn<QByteArray>("nome");
    QTest::addColumn<bool>("link");
    QTest::newRow("pasta acima") << QByteArray("../fora.txt") << false;
    QTest::newRow("acima no meio") << QByteArray("a/../../fora.txt") << false;
    QTest::newRow("barra invertida") << QByteArray("..\\fora.txt") << false;
    QTest::newRow("absoluto") << QByteArray("/tmp/ks_fora_absoluto.txt") << false;
    QTest::newRow("letra de unidade") << QByteArray("C:/fora.txt") << false;
    QTest::newRow("link simbólico") << QByteArray("link") << true;
}

void TstPacoteDeRotinas::nomesQueEscapam()
{
    QFETCH(QByteArray, nome);
    QFETCH(bool, link);
    const QString base = pastaNova(QStringLiteral("hostil"));
    const QString pacote = base + QStringLiteral("/HOSTIL.KX");
    pacoteComNomes(pacote, {QByteArrayLiteral("ok.txt"), nome}, link);
    TPacoteDeRotinas p(pacote);
    const QString destino = base + QStringLiteral("/a/b");
    try {
        p.ExtrairAssemblies(destino);
        QFAIL("o pacote foi extraído");
    } catch (const EPacoteDeRotinas& e) {
        QVERIFY2(e.mensagem().startsWith(MensagemArquivoInutilizavel(pacote, QString())),
                 qPrintable(e.mensagem()));
    }
    // Refused whole: nothing written anywhere.
    QCOMPARE(arquivosEm(base), QStringList{QStringLiteral("HOSTIL.KX")});
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/ks_fora_absoluto.txt")));
}

void TstPacoteDeRotinas::senhaDeOutroNome()
{
    const QString fonte = pastaNova(QStringLiteral("renomeado"));
    gravar(fonte + QStringLiteral("/A.EXE"), aleatorio(5000));
    const QString original = m_dir.filePath(QStringLiteral("ORIGINAL.KX"));
    QVERIFY(zipInfo(original, fonte, {QStringLiteral("A.EXE")}, {}));
    const QString outro = m_dir.filePath(QStringLiteral("OUTRO.KX"));
    QFile::remove(outro);
    QVERIFY(QFile::copy(original, outro));
    TPacoteDeRotinas p(outro); // names and comments are not encrypted
    const QString destino = pastaNova(QStringLiteral("renomeado_destino"));
    try {
        p.ExtrairAssemblies(destino);
        QFAIL("extraído com a senha de outro nome");
    } catch (const EPacoteDeRotinas& e) {
        const QString esperado = MensagemArquivoInutilizavel(
            outro, QStringLiteral("Erro %1.\r\nO espaço no disco ").arg(ZIP_ER_WRONGPASSWD));
        QVERIFY2(e.mensagem().startsWith(esperado), qPrintable(e.mensagem()));
        QVERIFY(e.mensagem().endsWith(QStringLiteral(".")));
        QVERIFY(e.mensagem().contains(
            QStringLiteral("Não é possível utilizar o arquivo \"OUTRO.KX\"")));
    }
    QCOMPARE(arquivosEm(destino), QStringList());
}

void TstPacoteDeRotinas::danificadoNaoQuebra()
{
    const QString fonte = pastaNova(QStringLiteral("danificado"));
    gravar(fonte + QStringLiteral("/A.EXE"), aleatorio(20000) + QByteArray(20000, 'x'));
    gravar(fonte + QStringLiteral("/B.dep"), kManifesto);
    const QString modelo = m_dir.filePath(QStringLiteral("modelo.KX"));
    CriarPacoteDeRotinas(modelo, ItensParaPacote({fonte + QStringLiteral("/A.EXE"),
                                                  fonte + QStringLiteral("/B.dep")}));
    QFile f(modelo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray original = f.readAll();
    const QString pacote = m_dir.filePath(QStringLiteral("DANIFICADO.KX"));
    int recusados = 0;
    for (int i = 0; i < 60; ++i) {
        QByteArray dados = original;
        if (i < 10) {
            dados.truncate(dados.size() * i / 10);
        } else {
            const int pos = QRandomGenerator::global()->bounded(int(dados.size()));
            dados[pos] = char(dados.at(pos) ^ (1 + QRandomGenerator::global()->bounded(255)));
        }
        gravar(pacote, dados);
        const QString destino = pastaNova(QStringLiteral("danificado_destino"));
        try {
            TPacoteDeRotinas p(pacote);
            p.ExtrairAssemblies(destino);
        } catch (const EKorvane&) {
            ++recusados;
        }
    }
    QVERIFY(recusados >= 10);
}

void TstPacoteDeRotinas::primeiroManifestoComDependencias()
{
    const QString fonte = pastaNova(QStringLiteral("manifestos"));
    gravar(fonte + QStringLiteral("/A.EXE"), "programa");
    gravar(fonte + QStringLiteral("/a.dep"), "<rotina><versaoKorvane>1</versaoKorvane></rotina>");
    gravar(fonte + QStringLiteral("/b.DEP.xml"), kManifesto);
    gravar(fonte + QStringLiteral("/c.dep"),
           "<rotina><Dependencias><rotinaDep>OUTRA</rotinaDep><opcao>9</opcao>"
           "<versao>1.0.0.0</versao></Dependencias></rotina>");
    const QString pacote = m_dir.filePath(QStringLiteral("MANIF.KX"));
    QVERIFY(zipInfo(pacote, fonte,
                    {QStringLiteral("A.EXE"), QStringLiteral("a.dep"), QStringLiteral("b.DEP.xml"),
                     QStringLiteral("c.dep")},
                    {}));
    TPacoteDeRotinas p(pacote);
    p.ExtrairAssemblies(pastaNova(QStringLiteral("manifestos_destino")));
    QCOMPARE(p.TotalDependencia(), 2);
    QCOMPARE(p.GetDependencia(0).Rotina, QStringLiteral("KXSIS100"));
    QCOMPARE(p.GetDependencia(1).Rotina, QStringLiteral("KXSIS200"));
}

void TstPacoteDeRotinas::manifestoComVersaoInvalida()
{
    const QString fonte = pastaNova(QStringLiteral("manifesto_ruim"));
    gravar(fonte + QStringLiteral("/A.EXE"), "programa");
    gravar(fonte + QStringLiteral("/A.dep"),
           "<rotina><Dependencias><rotinaDep>X</rotinaDep><opcao>1</opcao>"
           "<versao>1.2.3</versao></Dependencias></rotina>");
    const QString pacote = m_dir.filePath(QStringLiteral("RUIM.KX"));
    QVERIFY(zipInfo(pacote, fonte, {QStringLiteral("A.EXE"), QStringLiteral("A.dep")}, {}));
    TPacoteDeRotinas p(pacote);
    const QString destino = pastaNova(QStringLiteral("manifesto_ruim_destino"));
    QVERIFY_THROWS_EXCEPTION(RotinaDep::ERotinaDep, p.ExtrairAssemblies(destino));
    QVERIFY(QFile::exists(destino + QStringLiteral("/A.dep"))); // extracted before it was read
    QCOMPARE(p.TotalDependencia(), 0);
}

QTEST_GUILESS_MAIN(TstPacoteDeRotinas)
#include "tst_pacotederotinas.moc"
