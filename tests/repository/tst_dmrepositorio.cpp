// The launcher's settings: config.ini, the registry value and the version.
#include "platform/EKorvane.h"
#include "platform/RegistroUsuario.h"
#include "repository/dmRepositorio.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kChaveZiVori = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\ZiVori");

QByteArray conteudo(const QString& arquivo)
{
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstDmRepositorio : public QObject
{
    Q_OBJECT

private slots:
    void urlLidaNaCriacao_data();
    void urlLidaNaCriacao();
    void execucaoLocal();
    void portaGravadaDuasVezes();
    void pastaQueNaoPodeSerCriada();
    void versaoDoExecutavel();
    void instanciaUnica();

private:
    QTemporaryDir m_pasta;
    TdmRepositorio::Locais locais(const QString& sub) const
    {
        const QString base = m_pasta.path() + "/" + sub;
        return {base + "/KorvaneStart", base + "/registro", base + "/nao-existe"};
    }
};

void TstDmRepositorio::urlLidaNaCriacao_data()
{
    QTest::addColumn<QByteArray>("arquivo");
    QTest::addColumn<QString>("url");
    QTest::newRow("sem arquivo") << QByteArray() << QString();
    QTest::newRow("sem chave url") << QByteArray("[]\r\nporta=9195\r\n") << QString();
    QTest::newRow("com url") << QByteArray("[]\r\nurl=192.168.0.5:8080\r\nporta=9195\r\n")
                             << "192.168.0.5:8080";
    QTest::newRow("url em outra secao") << QByteArray("[bancos]\r\nurl=x\r\n") << QString();
}

void TstDmRepositorio::urlLidaNaCriacao()
{
    QFETCH(QByteArray, arquivo);
    QFETCH(QString, url);
    const auto l = locais(QTest::currentDataTag());
    QVERIFY(QDir().mkpath(l.dirConfiguracao));
    if (!arquivo.isEmpty()) {
        QFile f(l.dirConfiguracao + "/config.ini");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(arquivo);
    }
    TdmRepositorio repositorio(l);
    QCOMPARE(repositorio.UrlVQM(), url);

    // Not refreshed while the program runs.
    QFile f(l.dirConfiguracao + "/config.ini");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[]\r\nurl=10.0.0.1:80\r\n");
    f.close();
    QCOMPARE(repositorio.UrlVQM(), url);
}

void TstDmRepositorio::execucaoLocal()
{
    const auto l = locais("execucao");
    TdmRepositorio repositorio(l);
    QVERIFY(!repositorio.ExecutarRotinaLocal()); // absent

    RegistroUsuario registro(l.arquivoRegistro);
    registro.gravarInteiro(kChaveZiVori, QStringLiteral("ExecutandoLocal"), 1);
    QVERIFY(repositorio.ExecutarRotinaLocal());

    repositorio.SetExecutarRotinaLocal(false);
    QVERIFY(!repositorio.ExecutarRotinaLocal());
    auto valor = registro.lerValor(kChaveZiVori, QStringLiteral("ExecutandoLocal"));
    QVERIFY(valor);
    QCOMPARE(valor->tipo, RegistroUsuario::TipoValor::Inteiro);
    QCOMPARE(valor->inteiro, 0);

    repositorio.SetExecutarRotinaLocal(true);
    valor = registro.lerValor(kChaveZiVori, QStringLiteral("ExecutandoLocal"));
    QVERIFY(valor && valor->tipo == RegistroUsuario::TipoValor::Inteiro && valor->inteiro == 1);
}

void TstDmRepositorio::portaGravadaDuasVezes()
{
    const auto l = locais("porta");
    TdmRepositorio repositorio(l);
    repositorio.SetPortLauncher(9195);
    repositorio.SetPortLauncher(4711);
    QCOMPARE(repositorio.PortLauncher(), 4711);
    const QByteArray texto = conteudo(l.dirConfiguracao + "/config.ini");
    const QList<QByteArray> linhas = texto.trimmed().split('\n');
    QCOMPARE(linhas.value(0).trimmed(), QByteArray("[]"));
    QCOMPARE(texto.count("porta="), 1);
    QVERIFY2(texto.contains("porta=4711"), texto.constData());
}

void TstDmRepositorio::pastaQueNaoPodeSerCriada()
{
    // A regular file where the folder should be: nothing can be created below it.
    const QString bloqueio = m_pasta.path() + "/bloqueio";
    QFile f(bloqueio);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    TdmRepositorio::Locais l{bloqueio + "/KorvaneStart", m_pasta.path() + "/reg-bloqueio",
                             bloqueio + "/exe"};
    TdmRepositorio repositorio(l);
    QVERIFY(repositorio.UrlVQM().isEmpty());
    QVERIFY(!repositorio.EscutaTodos());
    try {
        repositorio.SetPortLauncher(1234);
        QFAIL("a gravação deveria falhar");
    } catch (const EKorvane& e) {
        QCOMPARE(e.mensagem(), "Unable to write to " + l.dirConfiguracao + "/config.ini");
    }
    QCOMPARE(repositorio.PortLauncher(), 1234); // kept in memory all the same
}

void TstDmRepositorio::versaoDoExecutavel()
{
    TdmRepositorio semVersao(locais("versao"));
    QCOMPARE(semVersao.GetVersao(), QString());
    QCOMPARE(semVersao.GetVersao(), QString());

    // korvanestart carries the build's stamped version.
    auto l = locais("versao2");
    l.executavel = KS_BINARY_DIR "/src/app/korvanestart";
    if (!QFile::exists(l.executavel))
        QSKIP("korvanestart ainda não foi construído");
    TdmRepositorio comVersao(l);
    QCOMPARE(comVersao.GetVersao(), QStringLiteral("1.0.0.0"));
}

void TstDmRepositorio::instanciaUnica()
{
    QVERIFY(!TdmRepositorio::instanciaExiste());
    QVERIFY_THROWS_EXCEPTION(EKorvane, TdmRepositorio::instancia());
    TdmRepositorio& criada = TdmRepositorio::criarInstancia();
    QCOMPARE(&TdmRepositorio::instancia(), &criada);
    QCOMPARE(&TdmRepositorio::criarInstancia(), &criada);
    TdmRepositorio::liberarInstancia();
    QVERIFY(!TdmRepositorio::instanciaExiste());
}

QTEST_GUILESS_MAIN(TstDmRepositorio)
#include "tst_dmrepositorio.moc"
