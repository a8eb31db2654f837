#include "repository/credenciais/CodecCifra.h"
#include "repository/credenciais/CriptoSecurity.h"
#include "repository/credenciais/LoginFacade.h"
#include "support/OraculoCifra.h"

#include <QtTest>

using namespace OraculoCifra;

namespace {

const QDate kDia(2020, 12, 10);
const QDateTime kMinuto(kDia, QTime(14, 3, 27), Qt::UTC);

QString semColchetes(const QString& t)
{
    return t.mid(1, t.size() - 2);
}

} // namespace

class TstCredenciaisEncoders : public QObject
{
    Q_OBJECT

private slots:
    void senhaGerar_data()
    {
        QTest::addColumn<QString>("senha");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("esperado");
        // Worked by hand from the key "10/12/2020800" read backwards.
        QTest::newRow("ABC, rotina 800") << "ABC" << 800 << "[12B]";
        QTest::newRow("vazia") << "" << 800 << "[]";
        QTest::newRow("ZZ9 passa do fim do alfabeto") << "ZZ9" << 800 << "[QQ8]";
        // Code 0: the key "10/12/20200" backwards begins 0,0,2,0,2,/...
        QTest::newRow("rotina 0") << "AAAAAA" << 0 << "[11313A]";
        // Outside the alphabet: the key symbol alone; at the separator
        // positions (8th and 11th characters) the sum is 0, written "9".
        QTest::newRow("fora do alfabeto") << "-------.--.-" << 800 << "[008020292190]";
        QTest::newRow("letra na posição do separador") << "AAAAAAAA" << 800 << "[1191313A]";
    }

    void senhaGerar()
    {
        QFETCH(QString, senha);
        QFETCH(int, codigo);
        QFETCH(QString, esperado);
        QCOMPARE(TLoginFacade::SenhaChamarRotina_gerar(senha, codigo, kDia), esperado);
    }

    void senhaIdaEVolta_data()
    {
        QTest::addColumn<QString>("senha");
        QTest::addColumn<int>("codigo");
        QTest::newRow("letras e dígitos, mais longa que a chave")
            << "SENHA9ZAZ0123456789XYZ" << 800;
        QTest::newRow("rotina de 5 dígitos") << "KORVANE2020" << 12345;
        QTest::newRow("vazia") << "" << 1;
    }

    void senhaIdaEVolta()
    {
        QFETCH(QString, senha);
        QFETCH(int, codigo);
        const QString codificada = TLoginFacade::SenhaChamarRotina_gerar(senha, codigo, kDia);
        QCOMPARE(codificada.size(), senha.size() + 2);
        QCOMPARE(TLoginFacade::SenhaChamarRotina_ler(codificada, codigo, kDia), senha);
        if (!senha.isEmpty())
            QVERIFY(TLoginFacade::SenhaChamarRotina_ler(codificada, codigo, kDia.addYears(1)) !=
                    senha);
    }

    void senhaLerSemColchetes()
    {
        QCOMPARE(TLoginFacade::SenhaChamarRotina_ler("SENHA", 800, kDia), QStringLiteral("SENHA"));
        QCOMPARE(TLoginFacade::SenhaChamarRotina_ler("[12B]", 800, kDia), QStringLiteral("ABC"));
    }

    void chaveDoMinuto_data()
    {
        QTest::addColumn<QDateTime>("momento");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("minutoUtc");
        QTest::newRow("UTC") << kMinuto << 800 << "202012101403";
        QTest::newRow("hora de Brasília vira UTC")
            << QDateTime(kDia, QTime(11, 3, 59), Qt::OffsetFromUTC, -3 * 3600) << 800
            << "202012101403";
        QTest::newRow("virada do dia em UTC")
            << QDateTime(kDia, QTime(22, 30), Qt::OffsetFromUTC, -3 * 3600) << 800
            << "202012110130";
        QTest::newRow("rotina 0") << kMinuto << 0 << "202012101403";
    }

    void chaveDoMinuto()
    {
        if (!pythonDisponivel())
            QSKIP("python3 com o pacote cryptography não está instalado (scripts/setup.sh)");
        QFETCH(QDateTime, momento);
        QFETCH(int, codigo);
        QFETCH(QString, minutoUtc);
        const QString esperada =
            QString::fromLatin1(python({"chave-minuto", minutoUtc, QString::number(codigo)}).texto);
        QCOMPARE(esperada.size(), 16);
        QCOMPARE(TCriptoSecurity::ChaveDoMinuto(momento, codigo), esperada);
    }

    // Python, holding the minute key it computed itself, deciphers ours.
    void parametroComPython_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("credenciais") << "USUARIO;senha;SENHABD;PROD;KORVANE";
        QTest::newRow("acentos") << "João;Ação;çé";
        QTest::newRow("vazio") << "";
        QTest::newRow("16 bytes") << "0123456789abcdef";
    }

    void parametroComPython()
    {
        if (!pythonDisponivel())
            QSKIP("python3 com o pacote cryptography não está instalado (scripts/setup.sh)");
        QFETCH(QString, texto);
        const QString chave =
            QString::fromLatin1(python({"chave-minuto", "202012101403", "800"}).texto);
        const QString codificado = TCriptoSecurity::CodificarParametroRotina(texto, 800, kMinuto);
        QVERIFY(codificado.startsWith('[') && codificado.endsWith(']'));
        QCOMPARE(decifrarPython(chave, semColchetes(codificado)), texto);
        // And the other way round.
        const QString dePython = '[' + cifrarPython(chave, texto) + ']';
        QCOMPARE(TCriptoSecurity::DecodificarParametroRotina(dePython, 800, kMinuto), texto);
    }

    void parametroMudaComOMinuto()
    {
        const QString texto = QStringLiteral("USUARIO;senha;SENHABD;PROD;KORVANE");
        const QString agora = TCriptoSecurity::CodificarParametroRotina(texto, 800, kMinuto);
        QCOMPARE(TCriptoSecurity::CodificarParametroRotina(texto, 800, kMinuto.addSecs(30)), agora);
        QVERIFY(TCriptoSecurity::CodificarParametroRotina(texto, 800, kMinuto.addSecs(60)) !=
                agora);
        QVERIFY(TCriptoSecurity::CodificarParametroRotina(texto, 801, kMinuto) != agora);
    }

    void parametroDecodificaMinutoVizinho_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("minutosDepois");
        QTest::addColumn<bool>("aceita");
        const QString t = QStringLiteral("USUARIO;senha;SENHABD;PROD;KORVANE");
        for (const QString& texto : {t, QStringLiteral("x"), QString()}) {
            const QByteArray r = texto.isEmpty() ? "vazio" : texto.left(5).toUtf8();
            QTest::newRow(r + ", mesmo minuto") << texto << 0 << true;
            QTest::newRow(r + ", um minuto depois") << texto << 1 << true;
            QTest::newRow(r + ", um minuto antes") << texto << -1 << true;
            QTest::newRow(r + ", dois minutos depois") << texto << 2 << false;
            QTest::newRow(r + ", dois minutos antes") << texto << -2 << false;
        }
    }

    void parametroDecodificaMinutoVizinho()
    {
        QFETCH(QString, texto);
        QFETCH(int, minutosDepois);
        QFETCH(bool, aceita);
        const QString codificado = TCriptoSecurity::CodificarParametroRotina(texto, 800, kMinuto);
        const QDateTime leitura = kMinuto.addSecs(60 * minutosDepois);
        if (aceita) {
            QCOMPARE(TCriptoSecurity::DecodificarParametroRotina(codificado, 800, leitura), texto);
        } else {
            QVERIFY_THROWS_EXCEPTION(
                ECodecCifra, TCriptoSecurity::DecodificarParametroRotina(codificado, 800, leitura));
        }
    }

    void parametroDecodificaTextoSimples()
    {
        QCOMPARE(TCriptoSecurity::DecodificarParametroRotina("PLANO;X", 800, kMinuto),
                 QStringLiteral("PLANO;X"));
        QVERIFY_THROWS_EXCEPTION(
            ECodecCifra, TCriptoSecurity::DecodificarParametroRotina("[não!]", 800, kMinuto));
    }
};

QTEST_GUILESS_MAIN(TstCredenciaisEncoders)
#include "tst_credenciais_encoders.moc"
