#include "Comandos.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {

struct Comando
{
    const char* nome;
    ComandoKxadmin executar;
    const char* uso;
};

constexpr Comando kComandos[] = {
    {"cifrar", comandoCifrar, "cifrar TEXTO            cifra um campo de requisição"},
    {"decifrar", comandoDecifrar, "decifrar TEXTO          decifra um campo de requisição"},
    {"senha-rotina", comandoSenhaRotina,
     "senha-rotina ...         codifica a senha da linha de comando de uma rotina"},
    {"parametro-rotina", comandoParametroRotina,
     "parametro-rotina ...     codifica um parâmetro de rotina"},
    {"token", comandoToken, "token ...               calcula o token de uma requisição"},
    {"versao", comandoVersao, "versao ARQUIVO          mostra (ou grava) o registro de versão"},
    {"pacote", comandoPacote, "pacote criar|listar|extrair ...  pacotes de rotinas (.KX)"},
    {"assinar", comandoAssinar,
     "assinar ...             grava o arquivo de assinatura de uma rotina"},
    {"suite", comandoSuite, "suite criar|demo DESTINO  cria e povoa um banco da suíte"},
};

int uso()
{
    QTextStream err(stderr);
    err << "Uso: kxadmin COMANDO [ARGUMENTOS]\n\nComandos:\n";
    for (const auto& c : kComandos)
        err << "  " << QString::fromUtf8(c.uso) << '\n';
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList argumentos = app.arguments().mid(1);
    if (argumentos.isEmpty())
        return uso();
    const QString nome = argumentos.takeFirst();
    for (const auto& c : kComandos) {
        if (nome == QLatin1String(c.nome))
            return c.executar(argumentos);
    }
    QTextStream(stderr) << "kxadmin: comando desconhecido: " << nome << '\n';
    return uso();
}
