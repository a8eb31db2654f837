#include "AuxiliarPacotes.h"
#include "dependencies/RotinaDep.h"

#include <QTemporaryDir>
#include <QTest>

using namespace RotinaDep;

// The dependency manifest binding.
class TstRotinaDep : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void leituraEmOrdem();
    void codificacoes_data();
    void codificacoes();
    void ausentesEMaiusculas();
    void opcaoInvalida_data();
    void opcaoInvalida();
    void arquivosQueNaoSaoManifesto_data();
    void arquivosQueNaoSaoManifesto();
    void entidadesNaoExpandem();
    void escritaEColecao();

private:
    QString arquivo(const QString& nome, const QByteArray& conteudo)
    {
        const QString caminho = m_dir.filePath(nome);
        AuxiliarPacotes::gravar(caminho, conteudo);
        return caminho;
    }
    QTemporaryDir m_dir;
};

void TstRotinaDep::leituraEmOrdem()
{
    const QString caminho = arquivo(QStringLiteral("tres.dep"), R"(<?xml version="1.0"?>
<rotina>
  <Dependencias><rotinaDep>KXSIS100</rotinaDep><opcao>1</opcao><versao>1.2.3.4</versao><descricao>Cadastro</descricao></Dependencias>
  <outro>ignorado</outro>
  <Dependencias><descricao>Vendas</descricao><versao>2.0.0.0</versao><opcao>7</opcao><rotinaDep>KXSIS200</rotinaDep></Dependencias>
  <versaoKorvane>29</versaoKorvane>
  <Dependencias><rotinaDep>KXSIS300</rotinaDep><opcao> 3 </opcao><versao>3.0.0.1</versao><descricao>A &amp; B <![CDATA[<c>]]></descricao></Dependencias>
  <certificado>abc</certificado>
</rotina>)");
    const IXMLRotinaType rotina = LoadRotinaDep(caminho);
    const IXMLDependenciasTypeList lista = rotina->GetDependencias();
    QCOMPARE(lista->Count(), 3);
    QCOMPARE(lista->GetItem(0)->GetRotinaDep(), QStringLiteral("KXSIS100"));
    QCOMPARE(lista->GetItem(0)->GetOpcao(), 1);
    QCOMPARE(lista->GetItem(0)->GetVersao(), QStringLiteral("1.2.3.4"));
    QCOMPARE(lista->GetItem(1)->GetRotinaDep(), QStringLiteral("KXSIS200"));
    QCOMPARE(lista->GetItem(1)->GetOpcao(), 7);
    QCOMPARE(lista->GetItem(1)->GetDescricao(), QStringLiteral("Vendas"));
    QCOMPARE(lista->GetItem(2)->GetOpcao(), 3);
    QCOMPARE(lista->GetItem(2)->GetDescricao(), QStringLiteral("A & B <c>"));
    QCOMPARE(rotina->GetVersaoKorvane(), 29);
    QCOMPARE(rotina->GetCertificado(), QStringLiteral("abc"));
    QVERIFY_THROWS_EXCEPTION(ERotinaDep, lista->GetItem(3));
}

void TstRotinaDep::codificacoes_data()
{
    QTest::addColumn<QByteArray>("conteudo");
    const QByteArray corpo = "<rotina><Dependencias><rotinaDep>KX</rotinaDep><opcao>1</opcao>"
                             "<versao>1.0.0.0</versao><descricao>Configura\xE7\xE3o</descricao>"
                             "</Dependencias></rotina>";
    QTest::newRow("windows-1252") << QByteArray(
        "<?xml version=\"1.0\" encoding=\"windows-1252\"?>" + corpo);
    QTest::newRow("ISO-8859-1") << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" +
                                              corpo);
    const QString texto =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>") + QString::fromLatin1(corpo);
    QByteArray utf16("\xFF\xFE", 2); // little-endian with its byte-order mark
    for (const QChar c : texto) {
        utf16 += char(c.unicode() & 0xFF);
        utf16 += char(c.unicode() >> 8);
    }
    QTest::newRow("UTF-16") << utf16;
    QTest::newRow("sem declaração, UTF-8") << QString::fromLatin1(corpo).toUtf8();
}

void TstRotinaDep::codificacoes()
{
    QFETCH(QByteArray, conteudo);
    const IXMLRotinaType rotina = LoadRotinaDep(arquivo(QStringLiteral("cod.dep"), conteudo));
    QCOMPARE(rotina->GetDependencias()->Count(), 1);
    QCOMPARE(rotina->GetDependencias()->GetItem(0)->GetDescricao(), QStringLiteral("Configuração"));
}

void TstRotinaDep::ausentesEMaiusculas()
{
    const IXMLRotinaType rotina = LoadRotinaDep(arquivo(QStringLiteral("caixa.dep"), R"(
<rotina>
  <dependencias><rotinaDep>NAO</rotinaDep></dependencias>
  <Dependencias><Opcao>5</Opcao><RotinaDep>X</RotinaDep></Dependencias>
</rotina>)"));
    const IXMLDependenciasTypeList lista = rotina->GetDependencias();
    QCOMPARE(lista->Count(), 1); // "dependencias" is not a dependency
    const IXMLDependenciasType item = lista->GetItem(0);
    QCOMPARE(item->GetRotinaDep(), QString()); // "RotinaDep" is not "rotinaDep"
    QCOMPARE(item->GetVersao(), QString());
    QCOMPARE(item->GetDescricao(), QString());
    QVERIFY_THROWS_EXCEPTION(ERotinaDep, item->GetOpcao()); // "Opcao" leaves opcao missing
    QCOMPARE(rotina->GetCertificado(), QString());
}

void TstRotinaDep::opcaoInvalida_data()
{
    QTest::addColumn<QByteArray>("opcao");
    QTest::newRow("vazia") << QByteArray("<opcao></opcao>");
    QTest::newRow("texto") << QByteArray("<opcao>um</opcao>");
    QTest::newRow("fração") << QByteArray("<opcao>1.5</opcao>");
    QTest::newRow("além de 32 bits") << QByteArray("<opcao>4294967296</opcao>");
    QTest::newRow("ausente") << QByteArray();
}

void TstRotinaDep::opcaoInvalida()
{
    QFETCH(QByteArray, opcao);
    const IXMLRotinaType rotina =
        LoadRotinaDep(arquivo(QStringLiteral("opcao.dep"),
                              "<rotina><Dependencias>" + opcao + "</Dependencias></rotina>"));
    QVERIFY_THROWS_EXCEPTION(ERotinaDep, rotina->GetDependencias()->GetItem(0)->GetOpcao());
}

void TstRotinaDep::arquivosQueNaoSaoManifesto_data()
{
    QTest::addColumn<QByteArray>("conteudo");
    QTest::addColumn<bool>("falha");
    QTest::newRow("malformado") << QByteArray("<rotina><Dependencias></rotina>") << true;
    QTest::newRow("outra raiz") << QByteArray("<pacote><Dependencias/></pacote>") << true;
    QTest::newRow("raiz com outro caso") << QByteArray("<Rotina/>") << true;
    QTest::newRow("raiz com namespace") << QByteArray("<rotina xmlns=\"urn:x\"/>") << true;
    QTest::newRow("vazio") << QByteArray() << true;
    QTest::newRow("binário") << QByteArray("\x00\x01\x02PK\x03\x04", 8) << true;
    // A signature file also has the root "rotina": it binds, with no dependency.
    QTest::newRow("arquivo de assinatura")
        << QByteArray("<rotina><rotina>KXSIS800.EXE</rotina><arquivo>x</arquivo>"
                      "<versao>1.0.0.0</versao><certificado>abc</certificado></rotina>")
        << false;
}

void TstRotinaDep::arquivosQueNaoSaoManifesto()
{
    QFETCH(QByteArray, conteudo);
    QFETCH(bool, falha);
    const QString caminho = arquivo(QStringLiteral("outro.dep"), conteudo);
    if (falha) {
        QVERIFY_THROWS_EXCEPTION(ERotinaDep, LoadRotinaDep(caminho));
    } else {
        QCOMPARE(LoadRotinaDep(caminho)->GetDependencias()->Count(), 0);
    }
    QVERIFY_THROWS_EXCEPTION(ERotinaDep, LoadRotinaDep(m_dir.filePath(QStringLiteral("nao.dep"))));
}

void TstRotinaDep::entidadesNaoExpandem()
{
    // Nested entities that would expand to gigabytes; reading must stay cheap,
    // and a file entity must not be read.
    QByteArray dtd = "<!DOCTYPE rotina [<!ENTITY a \"aaaaaaaaaa\">";
    const char* anterior = "a";
    const char* nomes[] = {"b", "c", "d", "e", "f", "g", "h", "i"};
    for (const char* nome : nomes) {
        dtd += QByteArray("<!ENTITY ") + nome + " \"";
        for (int i = 0; i < 10; ++i)
            dtd += QByteArray("&") + anterior + ";";
        dtd += "\">";
        anterior = nome;
    }
    dtd += "<!ENTITY arquivo SYSTEM \"/etc/passwd\">]>";
    const QString caminho = arquivo(
        QStringLiteral("entidades.dep"),
        dtd + "<rotina><Dependencias><descricao>x&i;</descricao><rotinaDep>&arquivo;</rotinaDep>"
              "</Dependencias></rotina>");
    try {
        const IXMLRotinaType rotina = LoadRotinaDep(caminho);
        const IXMLDependenciasType item = rotina->GetDependencias()->GetItem(0);
        QVERIFY(item->GetDescricao().size() < 1000);
        QVERIFY(!item->GetRotinaDep().contains(QStringLiteral("root")));
    } catch (const ERotinaDep&) {
        // Refusing the document is as good.
    }
}

void TstRotinaDep::escritaEColecao()
{
    const IXMLRotinaType nova = NewRotinaDep();
    nova->SetCertificado(QStringLiteral("cert"));
    nova->SetVersaoKorvane(30);
    const IXMLDependenciasTypeList lista = nova->GetDependencias();
    const IXMLDependenciasType b = lista->Add();
    b->SetDescricao(QStringLiteral("B & <b>"));
    b->SetRotinaDep(QStringLiteral("KXB"));
    b->SetOpcao(2);
    b->SetVersao(QStringLiteral("2.0.0.0"));
    const IXMLDependenciasType a = lista->Insert(0);
    a->SetRotinaDep(QStringLiteral("KXA"));
    const IXMLDependenciasType c = lista->Insert(2);
    c->SetRotinaDep(QStringLiteral("KXC"));
    QCOMPARE(lista->Count(), 3);
    QVERIFY_THROWS_EXCEPTION(ERotinaDep, lista->Insert(5));

    // Children are written in the binding's order, whatever order they were set in.
    const QString xml = QString::fromUtf8(nova->XML());
    QVERIFY2(xml.indexOf(QStringLiteral("<rotinaDep>KXB")) <
                 xml.indexOf(QStringLiteral("<opcao>2")),
             qPrintable(xml));
    QVERIFY(xml.indexOf(QStringLiteral("<versao>2.0.0.0")) <
            xml.indexOf(QStringLiteral("<descricao>")));
    QVERIFY(xml.lastIndexOf(QStringLiteral("</Dependencias>")) <
            xml.indexOf(QStringLiteral("<versaoKorvane>")));
    QVERIFY(xml.indexOf(QStringLiteral("<versaoKorvane>")) <
            xml.indexOf(QStringLiteral("<certificado>")));

    const QString caminho = m_dir.filePath(QStringLiteral("nova.dep"));
    nova->SaveToFile(caminho);
    const IXMLRotinaType lida = LoadRotinaDep(caminho);
    const IXMLDependenciasTypeList l = lida->GetDependencias();
    QCOMPARE(l->Count(), 3);
    QCOMPARE(l->GetItem(0)->GetRotinaDep(), QStringLiteral("KXA"));
    QCOMPARE(l->GetItem(1)->GetDescricao(), QStringLiteral("B & <b>"));
    QCOMPARE(l->GetItem(1)->GetOpcao(), 2);
    QCOMPARE(l->GetItem(2)->GetRotinaDep(), QStringLiteral("KXC"));
    QCOMPARE(lida->GetVersaoKorvane(), 30);

    // Remove, delete and clear; a handle to a removed item stays usable.
    const IXMLDependenciasType meio = l->GetItem(1);
    QCOMPARE(l->Remove(meio), 1);
    QCOMPARE(l->Remove(meio), -1);
    QCOMPARE(meio->GetRotinaDep(), QStringLiteral("KXB"));
    QCOMPARE(l->Count(), 2);
    l->Delete(0);
    QCOMPARE(l->GetItem(0)->GetRotinaDep(), QStringLiteral("KXC"));
    QVERIFY_THROWS_EXCEPTION(ERotinaDep, l->Delete(1));
    l->Clear();
    QCOMPARE(l->Count(), 0);
    QCOMPARE(lida->GetCertificado(), QStringLiteral("cert"));
}

QTEST_GUILESS_MAIN(TstRotinaDep)
#include "tst_rotinadep.moc"
