#include "repository/credenciais/CodecCifra.h"
#include "support/OraculoCifra.h"

#include <QtTest>

using namespace OraculoCifra;

class TstCredenciaisCodec : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!pythonDisponivel())
            QSKIP("python3 com o pacote cryptography não está instalado (scripts/setup.sh)");
        if (!opensslDisponivel())
            QSKIP("o comando openssl não está instalado (scripts/setup.sh)");
    }

    void confereComPython_data()
    {
        QTest::addColumn<QString>("senha");
        QTest::addColumn<QString>("texto");
        const QString longa = QStringLiteral("uma senha comprida, com mais de 16 bytes");
        const QString dezesseis = QStringLiteral("0123456789ABCDEF");
        const QString acentos16 = QStringLiteral("çççççççççççççççç"); // 16 chars, 32 bytes
        QTest::newRow("vazio") << longa << QString();
        QTest::newRow("um byte") << longa << QStringLiteral("a");
        QTest::newRow("15 bytes") << longa << QStringLiteral("123456789012345");
        QTest::newRow("16 bytes: bloco inteiro de padding")
            << longa << QStringLiteral("1234567890123456");
        QTest::newRow("17 bytes") << longa << QStringLiteral("12345678901234567");
        QTest::newRow("acentos") << longa
                                 << QStringLiteral("Solicitação de abertura: ÁÉÍÓÚ ãõ ü €");
        QTest::newRow("senha de 16 bytes usada como chave")
            << dezesseis << QStringLiteral("KORVANE");
        QTest::newRow("16 caracteres, 32 bytes: hash") << acentos16 << QStringLiteral("KORVANE");
        QTest::newRow("senha curta") << QStringLiteral("abc") << QStringLiteral("x;y;z");
        QTest::newRow("senha vazia") << QString() << QStringLiteral("texto");
    }

    // Python's ciphertext deciphers with ours, ours is byte for byte the same
    // (ECB is deterministic) and Python deciphers ours.
    void confereComPython()
    {
        QFETCH(QString, senha);
        QFETCH(QString, texto);
        const QString dePython = cifrarPython(senha, texto);
        QVERIFY(!dePython.isEmpty());
        QCOMPARE(CodecCifra::decifrar(dePython, senha), texto);
        QCOMPARE(CodecCifra::decifrarEstrito(dePython, senha), std::optional<QString>(texto));
        const QString nosso = CodecCifra::cifrar(texto, senha);
        QCOMPARE(nosso, dePython);
        QCOMPARE(decifrarPython(senha, nosso), texto);
    }

    // The key rule and padding applied by hand, AES by the openssl command.
    void confereComOpenssl()
    {
        const QString frase = QStringLiteral("Qr8!vN2#pL6%tY9&bW3*hD5(kM1)zX4+cF7-gJ0=sU2_eA8;oR");
        const QByteArray chaveHash = sha1Openssl(frase.toUtf8()).left(16);
        QCOMPARE(chaveHash.size(), 16);
        QCOMPARE(CodecCifra::chaveDaSenha(frase), chaveHash);
        const QByteArray chaveDireta = QByteArrayLiteral("BBB64A72183FFCE2");
        QCOMPARE(CodecCifra::chaveDaSenha(QString::fromLatin1(chaveDireta)), chaveDireta);

        const QString texto = QStringLiteral("Matrícula 4711 — ação");
        const QByteArray cifrado = aesOpenssl(chaveHash, preencher(texto.toUtf8()), true);
        QCOMPARE(CodecCifra::decifrar(QString::fromLatin1(cifrado.toBase64()), frase), texto);
        const QByteArray nosso =
            QByteArray::fromBase64(CodecCifra::cifrar(texto, frase).toLatin1());
        QCOMPARE(aesOpenssl(chaveHash, nosso, false), preencher(texto.toUtf8()));

        const QByteArray vazio = aesOpenssl(chaveDireta, preencher({}), true);
        QCOMPARE(vazio.size(), 16);
        QCOMPARE(CodecCifra::decifrar(QString::fromLatin1(vazio.toBase64()),
                                      QString::fromLatin1(chaveDireta)),
                 QString());
    }

    // Deciphered block contents made by openssl; what the tolerant and the
    // strict reading make of them.
    void padding_data()
    {
        QTest::addColumn<QByteArray>("claro");
        QTest::addColumn<QString>("tolerante");
        QTest::addColumn<bool>("estritoAceita");
        const QByteArray bloco = "ABCDEFGHIJKLMNOP";
        QTest::newRow("último bloco sem 0x80 some")
            << bloco + QByteArray(16, 'Z') << QStringLiteral("ABCDEFGHIJKLMNOP") << false;
        QTest::newRow("bloco único sem 0x80") << QByteArray(16, 'Z') << QString() << false;
        QTest::newRow("0x80 no fim do bloco") << QByteArray("fifteen chars!!") + char(0x80)
                                              << QStringLiteral("fifteen chars!!") << true;
        QTest::newRow("dois 0x80: corta no último")
            << QByteArray("ab") + char(0x80) + "cd" + char(0x80) + QByteArray(10, '\0')
            << QStringLiteral("ab\ufffdcd") << false;
        QTest::newRow("byte não nulo depois do 0x80")
            << QByteArray("abc") + char(0x80) + QByteArray(11, '\0') + "q" << QStringLiteral("abc")
            << false;
        QTest::newRow("0x80 só no penúltimo bloco")
            << QByteArray("abc") + char(0x80) + QByteArray(12, '\0') + QByteArray(16, '\0')
            << QString::fromUtf8(QByteArray("abc") + char(0x80) + QByteArray(12, '\0')) << false;
        QTest::newRow("UTF-8 inválido")
            << QByteArray("\xff\xfe") + char(0x80) + QByteArray(13, '\0')
            << QStringLiteral("\ufffd\ufffd") << false;
    }

    void padding()
    {
        QFETCH(QByteArray, claro);
        QFETCH(QString, tolerante);
        QFETCH(bool, estritoAceita);
        const QByteArray chave = QByteArrayLiteral("0123456789abcdef");
        const QString senha = QString::fromLatin1(chave);
        QCOMPARE(claro.size() % 16, 0);
        const QByteArray cifrado = aesOpenssl(chave, claro, true);
        QCOMPARE(cifrado.size(), claro.size());
        const QString base64 = QString::fromLatin1(cifrado.toBase64());
        QCOMPARE(CodecCifra::decifrar(base64, senha), tolerante);
        QCOMPARE(CodecCifra::decifrarEstrito(base64, senha).has_value(), estritoAceita);
    }

    void erros_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mensagem");
        const QString naoBase64 = QStringLiteral("Texto cifrado inválido: não está em Base64.");
        const QString padding = QStringLiteral("Invalid ciphertext - block padding is corrupted.");
        QTest::newRow("texto comum") << QStringLiteral("isto não é base64") << naoBase64;
        QTest::newRow("símbolo fora do alfabeto") << QStringLiteral("AAAA*AAA") << naoBase64;
        QTest::newRow("3 bytes") << QStringLiteral("AAAA") << padding;
        QTest::newRow("17 bytes") << QString::fromLatin1(QByteArray(17, 'x').toBase64()) << padding;
    }

    void erros()
    {
        QFETCH(QString, texto);
        QFETCH(QString, mensagem);
        for (const bool estrito : {false, true}) {
            try {
                if (estrito)
                    (void)CodecCifra::decifrarEstrito(texto, QStringLiteral("senha"));
                else
                    (void)CodecCifra::decifrar(texto, QStringLiteral("senha"));
                QFAIL("deveria ter falhado");
            } catch (const ECodecCifra& e) {
                QCOMPARE(e.mensagem(), mensagem);
            }
        }
    }

    void base64ComQuebrasDeLinha()
    {
        const QString senha = QStringLiteral("senha");
        const QString texto = QStringLiteral("um texto que ocupa mais de dois blocos de dezesseis");
        QString base64 = CodecCifra::cifrar(texto, senha);
        base64.insert(20, QStringLiteral("\r\n"));
        QCOMPARE(CodecCifra::decifrar(base64, senha), texto);
    }
};

QTEST_GUILESS_MAIN(TstCredenciaisCodec)
#include "tst_credenciais_codec.moc"
