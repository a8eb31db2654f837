// Translation rules of the localization component: template conventions, the
// search key, the language list file, the unknown-term log and reloading.

#include "i18n/InterfaceUsuarioRoteirizada.h"
#include "i18n/KXLinguas.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Written as the program reads it: 8-bit text in the locale's encoding.
void GravarTexto(const QString& caminho, const QString& texto)
{
    QFile arquivo(caminho);
    QVERIFY(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QStringEncoder codificador(QStringConverter::System);
    arquivo.write(codificador.encode(texto));
}

QString LerTexto(const QString& caminho)
{
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return QString();
    QStringDecoder decodificador(QStringConverter::System);
    return decodificador.decode(arquivo.readAll());
}

const char* const ListaPadrao = "; lista de testes\n"
                                "EN=Sem chave\n"
                                "?=SALVARREGISTRO\n"
                                "PT-BR=Salvar registro\n"
                                "EN=Save record\n"
                                "ES=Guardar registro\n"
                                "\n"
                                "?=nomedocliente\n"
                                "EN = Customer name \n"
                                "?=AÇÃO\n"
                                "EN=Action\n"
                                "?=LINHA1^MLINHA2\n"
                                "EN=Line 1^mLine 2\n"
                                "?=%SDE%S\n"
                                "EN=%s of %s\n"
                                "?=DUPLICADO\n"
                                "EN=Primeiro\n"
                                "EN=Segundo\n"
                                "?=SÓESPANHOL\n"
                                "ES=Solo español\n"
                                "en=minúsculo não é o idioma\n";

} // namespace

class TestKXLinguasTraducao : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void substituirParametros_data();
    void substituirParametros();
    void termoPesquisa_data();
    void termoPesquisa();
    void textoSemLetras_data();
    void textoSemLetras();
    void origemPassaSemTraducao();
    void textoNoIdiomaSemComponente();
    void traducao_data();
    void traducao();
    void listaDeTermos();
    void desconhecidoMarcadoERegistrado();
    void logModoDepuracao();
    void semLetrasNuncaProcuradoNemRegistrado();
    void recargaSoComMudancaEfetiva();
    void avisosDeCarga();
    void setters();
    void opcoesDoProcesso();
    void periodo();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TInterfaceUsuarioRoteirizada> m_ui;
    QString m_pasta;
};

void TestKXLinguasTraducao::init()
{
    m_ui = std::make_unique<TInterfaceUsuarioRoteirizada>();
    m_pasta = m_dir.path() + QLatin1Char('/');
    GravarTexto(m_pasta + QStringLiteral("korvane-todos.lng"), QString::fromUtf8(ListaPadrao));
    QFile::remove(m_pasta + QStringLiteral("log.txt"));
}

void TestKXLinguasTraducao::substituirParametros_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("valores");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("marcador a mais fica") << "%s de %s" << QStringList{"1"} << "1 de %s";
    QTest::newRow("valor a mais cai") << "%s" << QStringList{"a", "b"} << "a";
    QTest::newRow("em ordem") << "%s/%s/%s" << QStringList{"a", "b", "c"} << "a/b/c";
    QTest::newRow("valor com marcador") << "%s e %s" << QStringList{"%s", "x"} << "x e %s";
    QTest::newRow("sem valores") << "%s" << QStringList{} << "%s";
    QTest::newRow("valor nao traduzido") << "Erro: %s" << QStringList{"^M"} << "Erro: ^M";
}

void TestKXLinguasTraducao::substituirParametros()
{
    QFETCH(QString, texto);
    QFETCH(QStringList, valores);
    QFETCH(QString, esperado);
    QCOMPARE(SubstituirParametros(texto, valores), esperado);
}

void TestKXLinguasTraducao::termoPesquisa_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("chave");
    QTest::newRow("marcado") << "#Salvar#"
                             << "SALVAR";
    QTest::newRow("dois pares") << "##Salvar##"
                                << "SALVAR";
    QTest::newRow("dois-pontos") << "Salvar::"
                                 << "SALVAR";
    QTest::newRow("acelerador") << "&Salvar"
                                << "SALVAR";
    QTest::newRow("espacos") << " Salvar "
                             << "SALVAR";
    QTest::newRow("maiusculas") << "SALVAR"
                                << "SALVAR";
    QTest::newRow("espacos internos") << "Nome do cliente:"
                                      << "NOMEDOCLIENTE";
    QTest::newRow("acentos") << "ação é útil"
                             << "AÇÃOÉÚTIL";
    QTest::newRow("so cerquilhas") << "##"
                                   << "##";
    QTest::newRow("uma letra") << "#a#"
                               << "#A#";
    QTest::newRow("CR LF") << "a\r\nb"
                           << "A^MB";
    QTest::newRow("CR") << "a\rb"
                        << "A^MB";
    QTest::newRow("dois-pontos no meio") << "a:b"
                                         << "A:B";
    QTest::newRow("vazio") << ""
                           << "";
    QTest::newRow("so dois-pontos") << ":::"
                                    << "";
}

void TestKXLinguasTraducao::termoPesquisa()
{
    QFETCH(QString, texto);
    QFETCH(QString, chave);
    QCOMPARE(NormalizarTermoPesquisa(texto), chave);
}

void TestKXLinguasTraducao::textoSemLetras_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("semLetras");
    QTest::newRow("numero") << "123" << true;
    QTest::newRow("tracos") << "--" << true;
    QTest::newRow("data") << "31/12/2020" << true;
    QTest::newRow("simbolos") << "(%)" << true;
    QTest::newRow("vazio") << "" << false;
    QTest::newRow("brancos") << "   " << false;
    QTest::newRow("letra") << "1a" << false;
    QTest::newRow("acentuada") << "1é" << false;
    QTest::newRow("espaco interno") << "12 34" << false;
}

void TestKXLinguasTraducao::textoSemLetras()
{
    QFETCH(QString, texto);
    QFETCH(bool, semLetras);
    QCOMPARE(TextoSemLetras(texto), semLetras);
}

void TestKXLinguasTraducao::origemPassaSemTraducao()
{
    TKXLinguas linguas;
    QCOMPARE(linguas.Idioma(), QStringLiteral("PT-BR"));
    QCOMPARE(linguas.ObtenhaTextoNoIdioma(QStringLiteral("Linha 1^MLinha 2")),
             QStringLiteral("Linha 1\rLinha 2"));
    QCOMPARE(linguas.ObtenhaTextoNoIdioma(QStringLiteral("a^mb")), QStringLiteral("a\rb"));
    QCOMPARE(linguas.ObtenhaTextoNoIdioma(QStringLiteral("  %s e %s ")),
             QStringLiteral("  %s e %s "));
    QCOMPARE(linguas.ObtenhaTextoNoIdioma(QStringLiteral("%s e %s"), {QStringLiteral("a")}),
             QStringLiteral("a e %s"));

    // Turned off, another language passes through as well.
    linguas.SetDiretorioListas(m_pasta);
    linguas.SetIdioma(QStringLiteral("EN"));
    linguas.SetEnabled(false);
    QCOMPARE(linguas.ObtenhaTextoNoIdioma(QStringLiteral("Salvar registro^M")),
             QStringLiteral("Salvar registro\r"));
    QCOMPARE(m_ui->Quantidade(), 0);
}

void TestKXLinguasTraducao::textoNoIdiomaSemComponente()
{
    QCOMPARE(TextoNoIdioma(nullptr, QStringLiteral("A rotina %s não pode ser executada.^M^M"),
                           {QStringLiteral("800")}),
             QStringLiteral("A rotina 800 não pode ser executada.\r\r"));
    TKXLinguas linguas;
    linguas.SetDiretorioListas(m_pasta);
    linguas.SetIdioma(QStringLiteral("EN"));
    QCOMPARE(TextoNoIdioma(&linguas, QStringLiteral("%s de %s"),
                           {QStringLiteral("1"), QStringLiteral("2")}),
             QStringLiteral("1 of 2"));
}

void TestKXLinguasTraducao::traducao_data()
{
    QTest::addColumn<QString>("idioma");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("chave exata") << "EN"
                                 << "Salvar registro"
                                 << "Save record";
    QTest::newRow("idioma minusculo") << "en"
                                      << "Salvar registro"
                                      << "Save record";
    QTest::newRow("outro idioma") << "ES"
                                  << "Salvar registro"
                                  << "Guardar registro";
    QTest::newRow("espacos a esquerda, sem dois-pontos") << "EN"
                                                         << "  Nome do cliente:"
                                                         << "  Customer name";
    QTest::newRow("espacos dos dois lados") << "EN"
                                            << " Salvar registro  "
                                            << " Save record  ";
    QTest::newRow("tabulacao a esquerda vira espaco a direita") << "EN"
                                                                << "\tSalvar registro"
                                                                << "Save record ";
    QTest::newRow("acelerador e marcas") << "EN"
                                         << "#&Salvar Registro:#"
                                         << "Save record";
    QTest::newRow("acentuado em minusculas") << "EN"
                                             << "ação"
                                             << "Action";
    QTest::newRow("quebra de linha") << "EN"
                                     << "Linha1\r\nLinha2"
                                     << "Line 1\rLine 2";
    QTest::newRow("quebra LF") << "EN"
                               << "Linha1\nLinha2"
                               << "Line 1\rLine 2";
    QTest::newRow("quebra escrita") << "EN"
                                    << "Linha1^MLinha2"
                                    << "Line 1\rLine 2";
    QTest::newRow("primeira entrada vence") << "EN"
                                            << "Duplicado"
                                            << "Primeiro";
}

void TestKXLinguasTraducao::traducao()
{
    QFETCH(QString, idioma);
    QFETCH(QString, texto);
    QFETCH(QString, esperado);
    TKXLinguas linguas;
    linguas.SetDiretorioListas(m_pasta);
    linguas.SetIdioma(idioma);
    QCOMPARE(linguas.ObtenhaTextoNoIdioma(texto), esperado);
    QCOMPARE(m_ui->Quantidade(), 0);
}

void TestKXLinguasTraducao::listaDeTermos()
{
    TListaTermos lista;
    lista.SetIdioma(QStringLiteral("EN"));
    lista.LoadFromFile(m_pasta + QStringLiteral("korvane-todos.lng"));
    QCOMPARE(lista.FindName(QString()), QStringLiteral("Sem chave")); // before any "?" line
    QCOMPARE(lista.FindName(QStringLiteral("salvarregistro")), QStringLiteral("Save record"));
    QCOMPARE(lista.FindName(QStringLiteral("NOMEDOCLIENTE")), QStringLiteral("Customer name"));
    QCOMPARE(lista.FindName(QStringLiteral("SÓESPANHOL")), QString());
    QCOMPARE(lista.FindName(QStringLiteral("SALVAR")), QString());
    QCOMPARE(lista.Count(), 8);

    lista.SetIdioma(QStringLiteral("PT-BR"));
    lista.LoadFromFile(m_pasta + QStringLiteral("korvane-todos.lng"));
    QCOMPARE(lista.Count(), 0);
    lista.SetIdioma(QStringLiteral("ES"));
    lista.LoadFromFile(m_pasta + QStringLiteral("nao-existe.lng"));
    QCOMPARE(lista.Count(), 0);
}

void TestKXLinguasTraducao::desconhecidoMarcadoERegistrado()
{
    TKXLinguas linguas;
    linguas.SetDiretorioListas(m_pasta);
    linguas.SetIdioma(QStringLiteral("EN"));
    linguas.SetNomeLogTermoDesconhecido(m_pasta + QStringLiteral("log.txt"));
    QCOMPARE(linguas.LogMode(), lmTranslation);

    QCOMPARE(linguas.ObtenhaTextoNoIdioma(QStringLiteral("Salvar")), QStringLiteral("#Salvar#"));
    QCOMPARE(linguas.ObtenhaTextoNoIdioma(QStringLiteral(" Só espanhol^M")),
             QStringLiteral("# Só espanhol\r#"));
    QCOMPARE(linguas.ObtenhaTextoNoIdioma(QStringLiteral("Salvar")), QStringLiteral("#Salvar#"));

    QCOMPARE(LerTexto(m_pasta + QStringLiteral("log.txt")),
             QStringLiteral("?=SALVAR\nPT-BR=Salvar\nEN=\n"
                            "?=SÓESPANHOL^M\nPT-BR=Só espanhol^M\nEN=\n"
                            "?=SALVAR\nPT-BR=Salvar\nEN=\n"));

    // A block of the log, filled in and appended, is read back as a translation.
    QString lista = LerTexto(m_pasta + QStringLiteral("korvane-todos.lng"));
    lista += QStringLiteral("?=SALVAR\nPT-BR=Salvar\nEN=Save\n");
    GravarTexto(m_pasta + QStringLiteral("korvane-todos.lng"), lista);
    TKXLinguas outra;
    outra.SetDiretorioListas(m_pasta);
    outra.SetIdioma(QStringLiteral("EN"));
    QCOMPARE(outra.ObtenhaTextoNoIdioma(QStringLiteral("Salvar:")), QStringLiteral("Save"));
}

void TestKXLinguasTraducao::logModoDepuracao()
{
    TKXLinguas linguas;
    linguas.SetDiretorioListas(m_pasta);
    linguas.SetIdioma(QStringLiteral("ES"));
    linguas.SetNomeLogTermoDesconhecido(m_pasta + QStringLiteral("log.txt"));
    linguas.SetLogMode(lmDebugMode);
    QCOMPARE(linguas.ObtenhaTextoNoIdioma(QStringLiteral("  Cliente ")),
             QStringLiteral("#  Cliente #"));
    const QString log = LerTexto(m_pasta + QStringLiteral("log.txt"));
    const QRegularExpression linha(
        QStringLiteral("^\\[(\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d)\\] \\[ES\\] "
                       "\\[tst_kxlinguastraducao\\]  Cliente\\n$"));
    const QRegularExpressionMatch m = linha.match(log);
    QVERIFY2(m.hasMatch(), qPrintable(log));
    const QDateTime quando =
        QDateTime::fromString(m.captured(1), QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    QVERIFY(quando.isValid());
    QVERIFY(qAbs(quando.secsTo(QDateTime::currentDateTime())) < 3600);
}

void TestKXLinguasTraducao::semLetrasNuncaProcuradoNemRegistrado()
{
    TKXLinguas linguas;
    linguas.SetDiretorioListas(m_pasta);
    linguas.SetIdioma(QStringLiteral("EN"));
    linguas.SetNomeLogTermoDesconhecido(m_pasta + QStringLiteral("log.txt"));
    for (const char* texto : {"123", "--", "31/12/2020", " 42 ", "", "   "})
        QCOMPARE(linguas.ObtenhaTextoNoIdioma(QString::fromUtf8(texto)), QString::fromUtf8(texto));
    QVERIFY(!QFile::exists(m_pasta + QStringLiteral("log.txt")));
}

void TestKXLinguasTraducao::recargaSoComMudancaEfetiva()
{
    TKXLinguas linguas;
    linguas.SetDiretorioListas(m_pasta);
    linguas.SetIdioma(QStringLiteral("EN"));
    QCOMPARE(linguas.ObtenhaTextoNoIdioma(QStringLiteral("Salvar registro")),
             QStringLiteral("Save record"));

    // The list changes on disk; the same settings do not read it again.
    GravarTexto(m_pasta + QStringLiteral("korvane-todos.lng"),
                QStringLiteral("?=SALVARREGISTRO\nEN=Store record\nES=Grabar\n"));
    linguas.SetIdioma(QStringLiteral("en"));
    linguas.SetDiretorioListas(m_pasta);
    linguas.SetDiretorioListas(m_dir.path()); // the same folder, without its delimiter
    QCOMPARE(linguas.DiretorioListas(), m_pasta);
    QCOMPARE(linguas.ObtenhaTextoNoIdioma(QStringLiteral("Salvar registro")),
             QStringLiteral("Save record"));

    // An effective change of the language reloads.
    linguas.SetIdioma(QStringLiteral("ES"));
    QCOMPARE(linguas.ObtenhaTextoNoIdioma(QStringLiteral("Salvar registro")),
             QStringLiteral("Grabar"));

    // So does an effective change of the folder.
    QTemporaryDir outra;
    GravarTexto(outra.path() + QStringLiteral("/korvane-todos.lng"),
                QStringLiteral("?=SALVARREGISTRO\nES=Otra carpeta\n"));
    linguas.SetDiretorioListas(outra.path());
    QCOMPARE(linguas.ObtenhaTextoNoIdioma(QStringLiteral("Salvar registro")),
             QStringLiteral("Otra carpeta"));

    // A missing list: no message, every text marked.
    linguas.SetDiretorioListas(m_pasta + QStringLiteral("sublista"));
    QCOMPARE(linguas.ObtenhaTextoNoIdioma(QStringLiteral("Salvar registro")),
             QStringLiteral("#Salvar registro#"));
    QCOMPARE(m_ui->Quantidade(), 1); // only the warning about the missing folder
}

void TestKXLinguasTraducao::avisosDeCarga()
{
    // No folder: a plain warning, once until the settings change.
    TKXLinguas linguas;
    linguas.SetIdioma(QStringLiteral("EN"));
    QCOMPARE(linguas.ObtenhaTextoNoIdioma(QStringLiteral("Salvar")), QStringLiteral("#Salvar#"));
    QCOMPARE(linguas.ObtenhaTextoNoIdioma(QStringLiteral("Fechar")), QStringLiteral("#Fechar#"));
    QCOMPARE(m_ui->Quantidade(), 1);
    auto aviso = m_ui->Ultimo().Dialogo;
    QCOMPARE(aviso.Tipo, TTipoPedido::MensagemSimples);
    QCOMPARE(aviso.DlgType, mtWarning);
    QCOMPARE(aviso.Titulo, QStringLiteral("Atenção"));
    QCOMPARE(aviso.Texto, QStringLiteral("A aplicação não informou o diretório das listas de "
                                         "tradução.\rEntre em contato com o suporte técnico."));
    QCOMPARE(aviso.Botoes.size(), 1);
    QCOMPARE(aviso.Botoes.first().Caption, QStringLiteral("OK"));
    QVERIFY(aviso.Rodape.isEmpty());

    // No language: warning, and the source language from then on.
    m_ui->Limpar();
    linguas.SetDiretorioListas(m_pasta);
    linguas.SetIdioma(QString());
    QCOMPARE(linguas.ObtenhaTextoNoIdioma(QStringLiteral("Salvar registro^M")),
             QStringLiteral("Salvar registro\r"));
    QCOMPARE(linguas.Idioma(), QStringLiteral("PT-BR"));
    QCOMPARE(m_ui->Quantidade(), 1);
    QCOMPARE(m_ui->Ultimo().Dialogo.Texto,
             QStringLiteral("A aplicação não informou o idioma do usuário.\rSerá usado o idioma "
                            "português do Brasil."));
    linguas.ObtenhaTextoNoIdioma(QStringLiteral("Outro"));
    QCOMPARE(m_ui->Quantidade(), 1);
}

void TestKXLinguasTraducao::setters()
{
    TKXLinguas linguas;
    QCOMPARE(linguas.Versao(), QStringLiteral("2.00 de 11/11/2015 15:00"));
    linguas.SetVersao(QStringLiteral("9"));
    QCOMPARE(linguas.Versao(), QStringLiteral("2.00 de 11/11/2015 15:00"));

    // A missing folder is kept all the same, after the suite's warning.
    const QString inexistente = m_pasta + QStringLiteral("nao/existe");
    linguas.SetDiretorioListas(inexistente);
    QCOMPARE(linguas.DiretorioListas(), inexistente + QLatin1Char('/'));
    QCOMPARE(m_ui->Quantidade(), 1);
    QCOMPARE(m_ui->Ultimo().Dialogo.Tipo, TTipoPedido::Mensagem);
    QCOMPARE(m_ui->Ultimo().Dialogo.DlgType, mtWarning);
    QCOMPARE(m_ui->Ultimo().Dialogo.Texto,
             QStringLiteral("A pasta das listas de tradução não foi encontrada!\r\n[") +
                 inexistente + QLatin1Char(']'));
    linguas.SetDiretorioListas(QStringLiteral("   "));
    QCOMPARE(linguas.DiretorioListas(), QString());

    // A log name in a missing folder is refused and the previous one kept.
    m_ui->Limpar();
    linguas.SetNomeLogTermoDesconhecido(m_pasta + QStringLiteral("log.txt"));
    QCOMPARE(m_ui->Quantidade(), 0);
    linguas.SetNomeLogTermoDesconhecido(m_pasta + QStringLiteral("falta/log.txt"));
    QCOMPARE(linguas.NomeLogTermoDesconhecido(), m_pasta + QStringLiteral("log.txt"));
    QCOMPARE(m_ui->Quantidade(), 1);
    QCOMPARE(m_ui->Ultimo().Dialogo.Tipo, TTipoPedido::MensagemSimples);
    QCOMPARE(m_ui->Ultimo().Dialogo.Texto,
             QStringLiteral("O nome ou diretório do arquivo para log dos termos desconhecidos é "
                            "inválido:") +
                 m_pasta + QStringLiteral("falta/"));

    // BancoDados: only the three session classes by exact name; one message per component.
    m_ui->Limpar();
    QObject qualquer;
    linguas.SetBancoDados(&qualquer);
    linguas.SetBancoDados(nullptr);
    QCOMPARE(linguas.BancoDados(), nullptr);
    QCOMPARE(m_ui->Quantidade(), 1);
    const TPedidoDialogo erro = m_ui->Ultimo().Dialogo;
    QCOMPARE(erro.Titulo, QStringLiteral("Idioma não carregado"));
    QCOMPARE(erro.DlgType, mtError);
    QCOMPARE(erro.Texto,
             QStringLiteral("Não é possível carregar o idioma PT-BR.\r\n\r\nSr. programador, "
                            "atribua à propriedade BancoDados do KXLinguas um objeto da classe "
                            "TOraSession, TDataBase ou TSQLConnection."));
}

void TestKXLinguasTraducao::opcoesDoProcesso()
{
    QCOMPARE(GetPropriedadeKXNac(QStringLiteral("AutoTraduzCaptionWallpaper")),
             QStringLiteral("F"));
    QCOMPARE(GetPropriedadeKXNac(QStringLiteral("Inexistente")), QString());
    SetPropriedadeKXNac(QStringLiteral("AutoTraduzCaptionWallpaper"), QStringLiteral("T"));
    SetPropriedadeKXNac(QStringLiteral("Nova"), QStringLiteral("1=2"));
    QCOMPARE(GetPropriedadeKXNac(QStringLiteral("AutoTraduzCaptionWallpaper")),
             QStringLiteral("T"));
    QCOMPARE(GetPropriedadeKXNac(QStringLiteral("Nova")), QStringLiteral("1=2"));
    SetPropriedadeKXNac(QStringLiteral("AutoTraduzCaptionWallpaper"), QStringLiteral("F"));
}

void TestKXLinguasTraducao::periodo()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TKXLinguas linguas;
    QCOMPARE(linguas.ObterPeriodo(QDateTime(QDate(2020, 1, 2), QTime(10, 0)),
                                  QDateTime(QDate(2020, 12, 31), QTime())),
             QStringLiteral("02/01/2020 a 31/12/2020"));
    QLocale::setDefault(QLocale::system());
}

QTEST_MAIN(TestKXLinguasTraducao)
#include "tst_kxlinguastraducao.moc"
