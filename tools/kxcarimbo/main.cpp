// kxcarimbo EXECUTAVEL VERSAO NOME_ORIGINAL PRODUTO EMPRESA
// Writes the version record of a freshly linked executable.
#include "platform/EKorvane.h"
#include "platform/GravadorVersao.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    if (args.size() != 5) {
        err << "Uso: kxcarimbo EXECUTAVEL VERSAO NOME_ORIGINAL PRODUTO EMPRESA\n";
        return 2;
    }
    try {
        DadosCarimboVersao dados;
        dados.versao = args[1];
        dados.nomeOriginal = args[2];
        dados.produto = args[3];
        dados.empresa = args[4];
        gravarRegistroVersaoELF(args[0], montarRegistroVersao(dados));
    } catch (const EKorvane& e) {
        err << "kxcarimbo: " << e.mensagem() << '\n';
        return 1;
    }
    return 0;
}
