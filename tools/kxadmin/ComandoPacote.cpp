#include "Comandos.h"
#include "dependencies/Dependencia.h"
#include "dependencies/PacoteDeRotinas.h"
#include "dependencies/PacoteDeRotinasCriacao.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

int uso()
{
    QTextStream(stderr)
        << "Uso:\n"
           "  kxadmin pacote criar [--aes] [--manifesto ARQUIVO.dep] DESTINO.KX ARQUIVOS...\n"
           "      cria o pacote; o primeiro arquivo é o item principal da rotina; uma pasta\n"
           "      entra com todo o seu conteúdo\n"
           "  kxadmin pacote listar PACOTE\n"
           "  kxadmin pacote extrair PACOTE PASTA\n";
    return 2;
}

int erro(const QString& mensagem)
{
    QString texto = mensagem;
    texto.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QTextStream(stderr) << "kxadmin: " << texto << '\n';
    return 1;
}

int criar(QStringList argumentos)
{
    TCriptografiaPacote criptografia = TCriptografiaPacote::PkwareTradicional;
    QString manifesto;
    while (!argumentos.isEmpty() && argumentos.first().startsWith(QLatin1String("--"))) {
        const QString opcao = argumentos.takeFirst();
        if (opcao == QLatin1String("--aes")) {
            criptografia = TCriptografiaPacote::Aes256;
        } else if (opcao == QLatin1String("--manifesto") && !argumentos.isEmpty()) {
            manifesto = argumentos.takeFirst();
        } else {
            return uso();
        }
    }
    if (argumentos.size() < 2)
        return uso();
    const QString destino = argumentos.takeFirst();
    QList<TItemNovoPacote> itens = ItensParaPacote(argumentos);
    if (!manifesto.isEmpty()) {
        const QFileInfo info(manifesto);
        if (!info.fileName().toLower().contains(QLatin1String(".dep")))
            return erro(QStringLiteral("o nome do manifesto deve conter \".dep\": %1")
                            .arg(info.fileName()));
        // Read to the end first: a manifest that cannot be read stays out.
        LerDependenciasDoManifesto(manifesto);
        itens.append({info.absoluteFilePath(), info.fileName()});
    }
    CriarPacoteDeRotinas(destino, itens, criptografia);
    return 0;
}

int listar(const QStringList& argumentos)
{
    if (argumentos.size() != 1)
        return uso();
    const TPacoteDeRotinas pacote(argumentos.first());
    QTextStream(stdout) << pacote.DescricaoConteudo();
    return 0;
}

int extrair(const QStringList& argumentos)
{
    if (argumentos.size() != 2)
        return uso();
    TPacoteDeRotinas pacote(argumentos.at(0));
    pacote.ExtrairAssemblies(argumentos.at(1));
    QTextStream saida(stdout);
    for (const TDependencia& d : pacote.Dependencias()) {
        saida << "dependência: " << d.Rotina << " opção " << d.Opcao << " versão " << d.Versao
              << " - " << d.Descricao << '\n';
    }
    return 0;
}

} // namespace

int comandoPacote(const QStringList& argumentos)
{
    if (argumentos.isEmpty())
        return uso();
    const QString sub = argumentos.first();
    const QStringList resto = argumentos.mid(1);
    try {
        if (sub == QLatin1String("criar"))
            return criar(resto);
        if (sub == QLatin1String("listar"))
            return listar(resto);
        if (sub == QLatin1String("extrair"))
            return extrair(resto);
    } catch (const EKorvane& e) {
        return erro(e.mensagem());
    }
    return uso();
}
