// `kxadmin versao` run as a user runs it, on Windows executables built by
// mingw (checked against pefile) and on Linux executables it stamps.
#include "platform/versao/Fixtures.h"
#include "support/ExecutarPrograma.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

using namespace FixturesVersao;

namespace {

using Execucao = ResultadoPrograma;

Execucao kxadminVersao(const QStringList& args)
{
    return executarPrograma(kxadmin(), QStringList{QStringLiteral("versao")} + args);
}

// "Name: value" lines into a map.
QMap<QString, QString> linhas(const QString& saida)
{
    QMap<QString, QString> m;
    for (const QString& l : saida.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype p = l.indexOf(QLatin1String(": "));
        if (p > 0)
            m.insert(l.left(p), l.mid(p + 2));
        else if (l.endsWith(QLatin1Char(':')))
            m.insert(l.chopped(1), QString());
    }
    return m;
}

QByteArray conteudo(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstKxadminVersao : public QObject
{
    Q_OBJECT

private slots:
    void mostraComoPefile_data();
    void mostraComoPefile();
    void saidaCompleta();
    void executaveisDoProjeto_data();
    void executaveisDoProjeto();
    void gravar();
    void erros_data();
    void erros();
};

void TstKxadminVersao::mostraComoPefile_data()
{
    QTest::addColumn<QString>("arquivo");
    QTest::newRow("PE32+") << arquivo("completo.exe");
    QTest::newRow("PE32") << arquivo("completo32.exe");
    QTest::newRow("DLL") << arquivo("completo.dll");
    QTest::newRow("inglês") << arquivo("sem_assinatura.exe");
}

void TstKxadminVersao::mostraComoPefile()
{
    QFETCH(QString, arquivo);
    const QJsonObject pefile = lerComPefile(arquivo);
    QVERIFY2(!pefile.isEmpty(), "python3-pefile não conseguiu ler o arquivo (instale-o)");
    QMap<QString, QString> esperado;
    const QJsonArray tabelas = pefile.value(QStringLiteral("tabelas")).toArray();
    for (const QJsonValue& par : tabelas[0].toObject().value(QStringLiteral("textos")).toArray())
        esperado.insert(par[0].toString(), par[1].toString());

    const Execucao e = kxadminVersao({arquivo});
    QCOMPARE(e.codigo, 0);
    const auto m = linhas(e.saida);
    QVERIFY(!esperado.value(QStringLiteral("FileVersion")).isEmpty());
    QCOMPARE(m.value(QStringLiteral("FileVersion")), esperado.value(QStringLiteral("FileVersion")));
    QCOMPARE(m.value(QStringLiteral("OriginalFileName")),
             esperado.value(QStringLiteral("OriginalFilename")));
    QCOMPARE(m.value(QStringLiteral("RotinaAssinada")),
             esperado.value(QStringLiteral("RotinaAssinada")));
    QCOMPARE(m.value(QStringLiteral("Translation")),
             tabelas[0].toObject().value(QStringLiteral("chave")).toString());
}

void TstKxadminVersao::saidaCompleta()
{
    const Execucao e = kxadminVersao({arquivo("completo.exe")});
    QCOMPARE(e.codigo, 0);
    QCOMPARE(e.saida, QStringLiteral("FileVersion: 29.01.05.100\n"
                                     "OriginalFileName: KXSIS800.EXE\n"
                                     "RotinaAssinada: S\n"
                                     "RotinaAssinadaExiste: True\n"
                                     "Translation: 041604E4\n"
                                     "InfoInferred: True\n"
                                     "FixedFileVersion: 29.1.5.100\n"
                                     "FixedProductVersion: 29.1.0.0\n"));
    QVERIFY(e.erro.isEmpty());

    // The value sits under the second translation only: the program reads
    // nothing, and --todos shows where it is.
    const Execucao segunda =
        kxadminVersao({QStringLiteral("--todos"), arquivo("segunda_traducao.exe")});
    QCOMPARE(segunda.codigo, 0);
    const auto m = linhas(segunda.saida);
    QCOMPARE(m.value(QStringLiteral("FileVersion")), QString());
    QCOMPARE(m.value(QStringLiteral("RotinaAssinadaExiste")), QStringLiteral("False"));
    QCOMPARE(m.value(QStringLiteral("Translation")), QStringLiteral("040904B0"));
    QCOMPARE(m.value(QStringLiteral("Translations")), QStringLiteral("040904B0 041604E4"));
    QCOMPARE(m.value(QStringLiteral("StringFileInfo\\041604E4\\FileVersion")),
             QStringLiteral("03.0.00.007"));
}

void TstKxadminVersao::executaveisDoProjeto_data()
{
    QTest::addColumn<QString>("arquivo");
    QTest::newRow("korvanestart") << korvanestart();
    QTest::newRow("kxadmin") << kxadmin();
}

void TstKxadminVersao::executaveisDoProjeto()
{
    QFETCH(QString, arquivo);
    const Execucao e = kxadminVersao({arquivo});
    QCOMPARE(e.codigo, 0);
    const auto m = linhas(e.saida);
    QCOMPARE(m.value(QStringLiteral("FileVersion")), QStringLiteral("1.0.0.0"));
    QCOMPARE(m.value(QStringLiteral("OriginalFileName")), QFileInfo(arquivo).fileName());
    QCOMPARE(m.value(QStringLiteral("FixedFileVersion")), QStringLiteral("1.0.0.0"));
    QCOMPARE(m.value(QStringLiteral("InfoInferred")), QStringLiteral("False"));
}

void TstKxadminVersao::gravar()
{
    QTemporaryDir dir;
    const QString alvo = dir.filePath(QStringLiteral("KXSIS900"));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), alvo));

    const Execucao g = kxadminVersao(
        {QStringLiteral("--gravar"), alvo, QStringLiteral("--versao"), QStringLiteral("29.1.5.12"),
         QStringLiteral("--assinada"), QStringLiteral("S"), QStringLiteral("--texto"),
         QStringLiteral("Especifico=7"), QStringLiteral("--descricao"),
         QStringLiteral("Rotina de teste ção"), QStringLiteral("--inferida")});
    QVERIFY2(g.codigo == 0, qPrintable(g.erro));

    const Execucao e = kxadminVersao({QStringLiteral("--todos"), alvo});
    QCOMPARE(e.codigo, 0);
    const auto m = linhas(e.saida);
    QCOMPARE(m.value(QStringLiteral("FileVersion")), QStringLiteral("29.1.5.12"));
    QCOMPARE(m.value(QStringLiteral("OriginalFileName")), QStringLiteral("KXSIS900"));
    QCOMPARE(m.value(QStringLiteral("RotinaAssinada")), QStringLiteral("S"));
    QCOMPARE(m.value(QStringLiteral("RotinaAssinadaExiste")), QStringLiteral("True"));
    QCOMPARE(m.value(QStringLiteral("InfoInferred")), QStringLiteral("True"));
    QCOMPARE(m.value(QStringLiteral("Translation")), QStringLiteral("041604B0"));
    QCOMPARE(m.value(QStringLiteral("StringFileInfo\\041604B0\\Especifico")), QStringLiteral("7"));
    QCOMPARE(m.value(QStringLiteral("StringFileInfo\\041604B0\\FileDescription")),
             QStringLiteral("Rotina de teste ção"));
    QCOMPARE(m.value(QStringLiteral("StringFileInfo\\041604B0\\ProductName")),
             QStringLiteral("KorvaneStart"));

    // Still the same program.
    QProcess p;
    p.start(alvo, {QStringLiteral("-functions")});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(p.readAllStandardOutput().contains("gravar"));
}

void TstKxadminVersao::erros_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("codigo");
    QTest::addColumn<QString>("mensagem");
    const QString alvo = QStringLiteral("@ALVO@");
    const QString texto = QStringLiteral("@TEXTO@");
    QTest::newRow("sem argumentos") << QStringList{} << 2 << "Uso: kxadmin versao";
    QTest::newRow("arquivo inexistente") << QStringList{QStringLiteral("/nao/existe.exe")} << 1
                                         << "o arquivo /nao/existe.exe não existe.";
    QTest::newRow("sem registro") << QStringList{arquivo("sem_versao.exe")} << 1
                                  << "não tem registro de versão";
    QTest::newRow("opção desconhecida")
        << QStringList{QStringLiteral("--xyz"), alvo} << 2 << "opção desconhecida: --xyz";
    QTest::newRow("gravar sem versão")
        << QStringList{QStringLiteral("--gravar"), alvo} << 2 << "informe a versão";
    QTest::newRow("gravar versão inválida")
        << QStringList{QStringLiteral("--gravar"), alvo, QStringLiteral("--versao"),
                       QStringLiteral("1.2.3")}
        << 1 << "Versão inválida: \"1.2.3\"";
    QTest::newRow("gravar em texto")
        << QStringList{QStringLiteral("--gravar"), texto, QStringLiteral("--versao"),
                       QStringLiteral("1.0.0.0")}
        << 1 << "não é um executável ELF";
    QTest::newRow("gravar inexistente")
        << QStringList{QStringLiteral("--gravar"), QStringLiteral("/nao/existe"),
                       QStringLiteral("--versao"), QStringLiteral("1.0.0.0")}
        << 1 << "não existe";
    QTest::newRow("tradução inválida")
        << QStringList{QStringLiteral("--gravar"),   alvo,
                       QStringLiteral("--versao"),   QStringLiteral("1.0.0.0"),
                       QStringLiteral("--traducao"), QStringLiteral("0416")}
        << 2 << "tradução inválida: 0416";
    QTest::newRow("texto sem nome")
        << QStringList{QStringLiteral("--gravar"), alvo,
                       QStringLiteral("--versao"), QStringLiteral("1.0.0.0"),
                       QStringLiteral("--texto"),  QStringLiteral("=x")}
        << 2 << "use --texto NOME=VALOR";
}

// Errors go to standard error in Portuguese, with a non-zero code, and leave
// the files untouched.
void TstKxadminVersao::erros()
{
    QFETCH(QStringList, args);
    QFETCH(int, codigo);
    QFETCH(QString, mensagem);
    QTemporaryDir dir;
    const QString alvo = dir.filePath(QStringLiteral("alvo"));
    const QString texto = dir.filePath(QStringLiteral("leiame.txt"));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), alvo));
    QFile t(texto);
    QVERIFY(t.open(QIODevice::WriteOnly));
    t.write("apenas texto\n");
    t.close();
    const QByteArray antesAlvo = conteudo(alvo);
    args.replaceInStrings(QStringLiteral("@ALVO@"), alvo);
    args.replaceInStrings(QStringLiteral("@TEXTO@"), texto);

    const Execucao e = kxadminVersao(args);
    QCOMPARE(e.codigo, codigo);
    QVERIFY2(e.erro.contains(mensagem), qPrintable(e.erro));
    QVERIFY(e.saida.isEmpty());
    QCOMPARE(conteudo(alvo), antesAlvo);
    QCOMPARE(conteudo(texto), QByteArray("apenas texto\n"));
}

QTEST_GUILESS_MAIN(TstKxadminVersao)
#include "tst_kxadmin_versao.moc"
