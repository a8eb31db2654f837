#include "Comandos.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {

struct Comando
{
    const char* nome;
    ComandoKxadmin executar;
    const char* argumentos;
    const char* descricao;
};

constexpr Comando kComandos[] = {
    {"cifrar", comandoCifrar, "TEXTO", "cifra um campo de requisição"},
    {"decifrar", comandoDecifrar, "TEXTO", "decifra um campo de requisição"},
    {"senha-rotina", comandoSenhaRotina, "...",
     "codifica a senha da linha de comando de uma rotina"},
    {"parametro-rotina", comandoParametroRotina, "...", "codifica um parâmetro de rotina"},
    {"versao", comandoVersao, "ARQUIVO", "mostra (ou grava) o registro de versão"},
    {"pacote", comandoPacote, "criar|listar|extrair ...", "pacotes de rotinas (.KX)"},
    {"suite", comandoSuite, "criar|demo DESTINO", "cria e povoa um banco da suíte"},
};

int uso()
{
    QTextStream err(stderr);
    err << "Uso: kxadmin COMANDO [ARGUMENTOS]\n\nComandos:\n";
    for (const auto& c : kComandos) {
        const QString sintaxe =
            QStringLiteral("%1 %2").arg(QLatin1String(c.nome), QLatin1String(c.argumentos));
        err << "  " << sintaxe.leftJustified(34) << QString::fromUtf8(c.descricao) << '\n';
    }
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
