#include "repository/credenciais/CodecCifra.h"
#include "service/DecifrarCampo.h"
#include "support/OraculoCifra.h"

#include <QtTest>
#include <atomic>
#include <thread>
#include <vector>

using namespace OraculoCifra;

namespace {

const QString kFrase = QStringLiteral("Qr8!vN2#pL6%tY9&bW3*hD5(kM1)zX4+cF7-gJ0=sU2_eA8;oR");

// The key of the pass phrase worked out by the openssl command: SHA-1 of its
// UTF-8 bytes (it is not 16 bytes long), first 16 bytes.
QByteArray chaveDaFrase()
{
    return sha1Openssl(kFrase.toUtf8()).left(16);
}

QString cifrarOpenssl(const QByteArray& claro)
{
    return QString::fromLatin1(aesOpenssl(chaveDaFrase(), claro, true).toBase64());
}

} // namespace

class TstDecifrarCampo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!opensslDisponivel())
            QSKIP("o comando openssl não está instalado (scripts/setup.sh)");
        QCOMPARE(chaveDaFrase().size(), 16);
    }

    void campos_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("token") << "9F86D081884C7D659A2FEAA0C55AD015";
        QTest::newRow("matrícula") << "4711";
        QTest::newRow("alias") << "KORVANE_PROD";
        QTest::newRow("usuário com acentos") << "joão.conceição";
        QTest::newRow("senha de 16 bytes") << "Senha#2020!abcde";
        QTest::newRow("vazio") << "";
        QTest::newRow("vários blocos") << QString(40, QChar(u'é'));
    }

    // Fields made by openssl (padding by hand) decipher; ours decipher with
    // openssl and carry exactly the padded UTF-8 bytes.
    void campos()
    {
        QFETCH(QString, texto);
        const QByteArray claro = preencher(texto.toUtf8());
        QCOMPARE(DecifrarCampo(cifrarOpenssl(claro)), texto);
        const QByteArray nosso = QByteArray::fromBase64(CifrarCampo(texto).toLatin1());
        QCOMPARE(aesOpenssl(chaveDaFrase(), nosso, false), claro);
    }

    void camposDoPython()
    {
        if (!pythonDisponivel())
            QSKIP("python3 com o pacote cryptography não está instalado (scripts/setup.sh)");
        const QString texto = QStringLiteral("Solicitação nº 1 — ÁÉÍÓÚ");
        QCOMPARE(DecifrarCampo(cifrarPython(kFrase, texto)), texto);
        QCOMPARE(decifrarPython(kFrase, CifrarCampo(texto)), texto);
    }

    void ultimoBlocoSemMarcaNaoConta()
    {
        const QByteArray primeiro = "KORVANE_PRODUCAO";
        QCOMPARE(DecifrarCampo(cifrarOpenssl(primeiro + QByteArray(16, 'x'))),
                 QString::fromLatin1(primeiro));
        QCOMPARE(DecifrarCampo(cifrarOpenssl(QByteArray(16, 'x'))), QString());
    }

    void erros_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("texto simples") << "KORVANEPROD"
                                       << "Invalid ciphertext - block padding is corrupted.";
        QTest::newRow("não é Base64") << "senha: 123!"
                                      << "Texto cifrado inválido: não está em Base64.";
        QTest::newRow("bloco incompleto") << QString::fromLatin1(QByteArray(20, 'a').toBase64())
                                          << "Invalid ciphertext - block padding is corrupted.";
    }

    void erros()
    {
        QFETCH(QString, texto);
        QFETCH(QString, mensagem);
        try {
            DecifrarCampo(texto);
            QFAIL("deveria ter falhado");
        } catch (const EKorvane& e) {
            QCOMPARE(e.mensagem(), mensagem);
        }
    }

    void outraFraseDaLixo()
    {
        const QString outro =
            CodecCifra::cifrar(QStringLiteral("KORVANE"), QStringLiteral("outra"));
        QVERIFY(DecifrarCampo(outro) != QStringLiteral("KORVANE"));
    }

    void variasThreads()
    {
        std::atomic<int> erros = 0;
        std::vector<std::thread> threads;
        for (int i = 0; i < 8; ++i) {
            threads.emplace_back([i, &erros] {
                for (int n = 0; n < 200; ++n) {
                    const QString t = QStringLiteral("campo %1/%2 ç").arg(i).arg(n);
                    if (DecifrarCampo(CifrarCampo(t)) != t)
                        ++erros;
                }
            });
        }
        for (auto& t : threads)
            t.join();
        QCOMPARE(erros.load(), 0);
    }
};

QTEST_GUILESS_MAIN(TstDecifrarCampo)
#include "tst_decifrarcampo.moc"
