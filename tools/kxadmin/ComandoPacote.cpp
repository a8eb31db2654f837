#include "Comandos.h"
#include "dependencies/Dependencia.h"
#include "dependencies/PacoteDeRotinas.h"
#include "dependencies/PacoteDeRotinasCriacao.h"
#include "dependencies/RotinaDep.h"

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

// A manifest must be readable to the end before it goes into a package.
void validarManifesto(const QString& arquivo)
{
    const auto rotina = RotinaDep::LoadRotinaDep(arquivo);
    const auto lista = rotina->GetDependencias();
    for (int i = 0; i < lista->Count(); ++i) {
        const auto item = lista->GetItem(i);
        item->GetOpcao();
        NormalizarVersaoDependencia(item->GetVersao());
    }
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
        validarManifesto(manifesto);
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
