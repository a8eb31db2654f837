#include "support/ExecutarPrograma.h"
#include "support/OraculoCifra.h"

#include <QtTest>

using namespace OraculoCifra;

namespace {

const QString kFrase = QStringLiteral("Qr8!vN2#pL6%tY9&bW3*hD5(kM1)zX4+cF7-gJ0=sU2_eA8;oR");

using Resultado = ResultadoPrograma;

Resultado kxadmin(const QStringList& argumentos)
{
    return executarPrograma(QStringLiteral(KS_BINARY_DIR "/tools/kxadmin/kxadmin"), argumentos);
}

// The single line a successful command prints.
QString linha(const Resultado& r)
{
    return r.saida.endsWith(u'\n') ? r.saida.chopped(1) : r.saida;
}

} // namespace

class TstKxadminCifra : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QFileInfo::exists(QStringLiteral(KS_BINARY_DIR "/tools/kxadmin/kxadmin")));
        if (!pythonDisponivel())
            QSKIP("python3 com o pacote cryptography não está instalado (scripts/setup.sh)");
    }

    void campos_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("alias") << "KORVANE_PROD";
        QTest::newRow("acentos") << "Conceição Ávila";
        QTest::newRow("vazio") << "";
        QTest::newRow("começa com hífen") << "-senha";
    }

    void campos()
    {
        QFETCH(QString, texto);
        const Resultado cifrado = kxadmin({"cifrar", "--", texto});
        QCOMPARE(cifrado.codigo, 0);
        QCOMPARE(cifrado.erro, QString());
        QCOMPARE(decifrarPython(kFrase, linha(cifrado)), texto);

        const Resultado decifrado = kxadmin({"decifrar", cifrarPython(kFrase, texto)});
        QCOMPARE(decifrado.codigo, 0);
        QCOMPARE(decifrado.saida, texto + '\n');
    }

    void decifrarErros_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<int>("codigo");
        QTest::newRow("não é Base64")
            << QStringList{"decifrar", "não é base64!"} << "não está em Base64" << 1;
        QTest::newRow("padding") << QStringList{"decifrar", "QUJD"}
                                 << "Invalid ciphertext - block padding is corrupted." << 1;
        QTest::newRow("sem texto") << QStringList{"decifrar"} << "Uso: kxadmin decifrar" << 2;
        QTest::newRow("código inválido")
            << QStringList{"senha-rotina", "ABC", "oito"} << "código de rotina inválido" << 2;
        QTest::newRow("data inválida")
            << QStringList{"senha-rotina", "--data", "31/02/2020", "ABC", "800"} << "data inválida"
            << 2;
        QTest::newRow("momento inválido")
            << QStringList{"parametro-rotina", "--momento", "ontem", "x", "800"}
            << "momento inválido" << 2;
        QTest::newRow("parâmetro de outro minuto")
            << QStringList{"parametro-rotina",           "--ler", "--momento", "2020-12-10T14:10Z",
                           "[GufyNcznSwriOBCPDuG1Yg==]", "800"}
            << "Não foi possível decifrar o parâmetro" << 1;
    }

    void decifrarErros()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, mensagem);
        QFETCH(int, codigo);
        const Resultado r = kxadmin(argumentos);
        QCOMPARE(r.codigo, codigo);
        QCOMPARE(r.saida, QString());
        QVERIFY2(r.erro.contains(mensagem), qPrintable(r.erro));
    }

    void senhaRotina_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("ABC 800 10/12/2020")
            << QStringList{"senha-rotina", "--data", "10/12/2020", "ABC", "800"} << "[12B]";
        QTest::newRow("data ISO") << QStringList{"senha-rotina", "ABC", "800", "--data",
                                                 "2020-12-10"}
                                  << "[12B]";
        QTest::newRow("vazia") << QStringList{"senha-rotina", "--data", "10/12/2020", "", "800"}
                               << "[]";
        QTest::newRow("ler") << QStringList{"senha-rotina", "--ler", "--data",
                                            "10/12/2020",   "[12B]", "800"}
                             << "ABC";
    }

    void senhaRotina()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, esperado);
        const Resultado r = kxadmin(argumentos);
        QCOMPARE(r.codigo, 0);
        QCOMPARE(r.saida, esperado + '\n');
    }

    // The minute key worked out by Python deciphers what kxadmin made for that
    // minute; a local time with its offset names the same UTC minute.
    void parametroRotina()
    {
        const QString texto = QStringLiteral("USUARIO;sênha;SENHABD;PROD;KORVANE");
        const QString chave =
            QString::fromLatin1(python({"chave-minuto", "202012101403", "800"}).texto);
        const Resultado utc =
            kxadmin({"parametro-rotina", "--momento", "2020-12-10T14:03Z", texto, "800"});
        QCOMPARE(utc.codigo, 0);
        const QString codificado = linha(utc);
        QVERIFY(codificado.startsWith('[') && codificado.endsWith(']'));
        QCOMPARE(decifrarPython(chave, codificado.mid(1, codificado.size() - 2)), texto);

        const Resultado brasilia =
            kxadmin({"parametro-rotina", "--momento", "2020-12-10T11:03:45-03:00", texto, "800"});
        QCOMPARE(linha(brasilia), codificado);
        const Resultado outroMinuto =
            kxadmin({"parametro-rotina", "--momento", "2020-12-10T14:04Z", texto, "800"});
        QVERIFY(linha(outroMinuto) != codificado);

        const Resultado lido = kxadmin(
            {"parametro-rotina", "--ler", "--momento", "2020-12-10T14:04Z", codificado, "800"});
        QCOMPARE(lido.codigo, 0);
        QCOMPARE(linha(lido), texto);
    }
};

QTEST_GUILESS_MAIN(TstKxadminCifra)
#include "tst_kxadmin_cifra.moc"
