#include "platform/ArquivoIni.h"
#include "platform/EKorvane.h"

#include <QTemporaryDir>
#include <QtTest>

class TstArquivoIni : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString escrever(const QByteArray& conteudo)
    {
        const QString nome = m_dir.filePath(QStringLiteral("config%1.ini").arg(++m_n));
        QFile f(nome);
        f.open(QIODevice::WriteOnly);
        f.write(conteudo);
        return nome;
    }
    static QByteArray ler(const QString& nome)
    {
        QFile f(nome);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    int m_n = 0;

private slots:
    void leitura_data()
    {
        QTest::addColumn<QString>("secao");
        QTest::addColumn<QString>("chave");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("seção sem nome") << ""
                                        << "porta"
                                        << "9195";
        QTest::newRow("sem diferença de caixa") << ""
                                                << "URL"
                                                << "http://portal";
        QTest::newRow("valor aparado") << "bancos"
                                       << "demo"
                                       << "sqlite:/tmp/a b.db";
        QTest::newRow("seção com caixa diferente") << "BANCOS"
                                                   << "Demo"
                                                   << "sqlite:/tmp/a b.db";
        QTest::newRow("aspas removidas") << "bancos"
                                         << "aspas"
                                         << " x ";
        QTest::newRow("primeira ocorrência") << "bancos"
                                             << "dup"
                                             << "1";
        QTest::newRow("igual no valor") << "bancos"
                                        << "pg"
                                        << "postgresql://h:1/db?a=b";
        QTest::newRow("valor vazio") << "outra"
                                     << "vazio"
                                     << "";
        QTest::newRow("chave ausente") << "outra"
                                       << "nada"
                                       << "<padrão>";
        QTest::newRow("comentário não é chave") << "outra"
                                                << ";coment"
                                                << "<padrão>";
        QTest::newRow("seção ausente") << "nenhuma"
                                       << "porta"
                                       << "<padrão>";
    }

    void leitura()
    {
        QFETCH(QString, secao);
        QFETCH(QString, chave);
        QFETCH(QString, esperado);
        const QString nome = escrever("[]\r\nurl=http://portal\r\nporta = 9195\r\n\r\n"
                                      "[bancos]\r\n  demo =  sqlite:/tmp/a b.db  \r\n"
                                      "aspas=\" x \"\r\ndup=1\r\nDUP=2\r\n"
                                      "pg=postgresql://h:1/db?a=b\r\n"
                                      "[outra]\r\n;coment=1\r\nvazio=\r\n");
        QCOMPARE(ArquivoIni(nome).lerTexto(secao, chave, "<padrão>"), esperado);
    }

    void chavesNaOrdem()
    {
        const QString nome = escrever("[a]\nz=1\n;c=2\ny=2\nZ=3\nsolta\n[b]\nw=1\n");
        QCOMPARE(ArquivoIni(nome).chaves("A"), QStringList({"z", "y"}));
        QCOMPARE(ArquivoIni(nome).chaves("c"), QStringList());
    }

    void gravacaoPreservaORestante()
    {
        const QString nome = escrever("; topo\r\n[]\r\nurl=http://a\r\nPorta=1\r\n\r\n"
                                      "[bancos]\r\ndemo=x\r\n");
        ArquivoIni ini(nome);
        ini.gravarTexto("", "porta", "9195");
        ini.gravarTexto("", "versao", "1.0");
        ini.gravarTexto("BANCOS", "outro", "y");
        ini.gravarTexto("nova", "k", "v");
        QCOMPARE(ler(nome),
                 QByteArray("; topo\r\n[]\r\nurl=http://a\r\nPorta=9195\r\nversao=1.0\r\n"
                            "\r\n[bancos]\r\ndemo=x\r\noutro=y\r\n\r\n[nova]\r\nk=v\r\n"));
    }

    void arquivoNovoComSecaoSemNome()
    {
        const QString nome = m_dir.filePath("sub/pasta/config.ini");
        ArquivoIni ini(nome);
        QCOMPARE(ini.lerTexto("", "porta", "d"), QStringLiteral("d"));
        ini.gravarTexto("", "porta", "9195");
        ini.gravarTexto("", "url", "http://x/?a=b");
        QCOMPARE(ler(nome), QByteArray("[]\nporta=9195\nurl=http://x/?a=b\n"));
        QCOMPARE(ArquivoIni(nome).lerTexto("", "URL"), QStringLiteral("http://x/?a=b"));
    }

    void quebraDeLinhaNaoCriaEntrada()
    {
        const QString nome = m_dir.filePath("quebra.ini");
        ArquivoIni ini(nome);
        ini.gravarTexto("", "a", "1\n[x]\nb=2");
        QCOMPARE(ini.chaves(""), QStringList{"a"});
        QCOMPARE(ini.lerTexto("", "b", "nada"), QStringLiteral("nada"));
    }

    void pastaImpossivel()
    {
        // A plain file stands where the folder should be.
        const QString bloqueio = escrever("x");
        const QString nome = bloqueio + "/KorvaneStart/config.ini";
        ArquivoIni ini(nome);
        QCOMPARE(ini.lerTexto("", "porta", "d"), QStringLiteral("d"));
        QCOMPARE(ini.chaves(""), QStringList());
        try {
            ini.gravarTexto("", "porta", "1");
            QFAIL("sem exceção");
        } catch (const EKorvane& e) {
            QCOMPARE(e.mensagem(), QStringLiteral("Unable to write to ") + nome);
        }
    }
};

QTEST_GUILESS_MAIN(TstArquivoIni)
#include "tst_arquivoini.moc"
