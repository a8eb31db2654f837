// kxadmin versao: shows the version record of an executable as the launcher
// reads it, or stamps one into a Linux executable.
#include "Comandos.h"
#include "platform/EKorvane.h"
#include "platform/FileVersionUnit.h"
#include "platform/GravadorVersao.h"
#include "platform/LeitorVersao.h"

#include <QFileInfo>
#include <QTextStream>
#include <algorithm>
#include <utility>

namespace {

const char kUso[] =
    "Uso: kxadmin versao ARQUIVO [--todos]\n"
    "     kxadmin versao --gravar ARQUIVO --versao A.B.C.D [opções]\n"
    "\n"
    "Sem --gravar, mostra o registro de versão de um executável (PE ou ELF), uma\n"
    "linha \"Nome: valor\" por item; --todos mostra também todos os textos.\n"
    "\n"
    "Opções de --gravar (executáveis ELF):\n"
    "  --versao A.B.C.D          FileVersion e os números fixos (obrigatória)\n"
    "  --versao-produto A.B.C.D  ProductVersion (padrão: a versão)\n"
    "  --original NOME           OriginalFilename (padrão: o nome do arquivo)\n"
    "  --interno NOME            InternalName (padrão: o nome original sem extensão)\n"
    "  --produto TEXTO           ProductName (padrão: KorvaneStart)\n"
    "  --empresa TEXTO           CompanyName (padrão: KX Rozedeve)\n"
    "  --descricao TEXTO         FileDescription (padrão: o produto)\n"
    "  --assinada TEXTO          RotinaAssinada\n"
    "  --texto NOME=VALOR        qualquer outro texto (pode repetir)\n"
    "  --traducao IIIICCCC       idioma e página de código em hexadecimal (padrão: 041604B0)\n"
    "  --inferida                marca a informação como inferida (flag 0x10)\n";

int erro(const QString& mensagem)
{
    QTextStream(stderr) << "kxadmin versao: " << mensagem << '\n';
    return 1;
}

int erroDeUso(const QString& mensagem)
{
    QTextStream(stderr) << "kxadmin versao: " << mensagem << "\n\n" << QString::fromUtf8(kUso);
    return 2;
}

QString simNao(bool v)
{
    return v ? QStringLiteral("True") : QStringLiteral("False");
}

int mostrar(const QString& arquivo, bool todos)
{
    const QFileInfo info(arquivo);
    if (!info.exists())
        return erro(QStringLiteral("o arquivo %1 não existe.").arg(arquivo));
    if (!info.isFile() || !info.isReadable())
        return erro(QStringLiteral("não foi possível ler o arquivo %1.").arg(arquivo));
    const auto registro = lerRegistroVersao(arquivo);
    if (!registro)
        return erro(QStringLiteral("o arquivo %1 não tem registro de versão.").arg(arquivo));

    const TFileVersionInfo v = LerInformacoesDeVersao(arquivo);
    const auto traducao = registro->primeiraTraducao();
    QTextStream out(stdout);
    out << "FileVersion: " << v.FileVersion << '\n'
        << "OriginalFileName: " << v.OriginalFilename << '\n'
        << "RotinaAssinada: " << v.RotinaAssinada << '\n'
        << "RotinaAssinadaExiste: " << simNao(v.RotinaAssinadaExiste) << '\n'
        << "Translation: " << (traducao ? traducao->chave().toUpper() : QString()) << '\n'
        << "InfoInferred: " << simNao(v.InfoInferred) << '\n';
    if (registro->fixa) {
        out << "FixedFileVersion: " << registro->fixa->versaoArquivo() << '\n'
            << "FixedProductVersion: " << registro->fixa->versaoProduto() << '\n';
    }
    if (todos) {
        QStringList chaves;
        for (const auto& t : registro->traducoes)
            chaves << t.chave().toUpper();
        out << "Translations: " << chaves.join(QLatin1Char(' ')) << '\n';
        if (registro->fixa) {
            out << "FileFlags: 0x" << QString::number(registro->fixa->flags, 16) << '\n'
                << "FileFlagsMask: 0x" << QString::number(registro->fixa->mascaraFlags, 16) << '\n';
        }
        for (const auto& tabela : registro->tabelas) {
            for (const auto& t : tabela.textos)
                out << "StringFileInfo\\" << tabela.chave << '\\' << t.nome << ": " << t.valor
                    << '\n';
        }
    }
    return 0;
}

// The options that set one text of the stamp as they stand.
const std::pair<QLatin1String, QString DadosCarimboVersao::*> kOpcoesDeTexto[] = {
    {QLatin1String("--versao"), &DadosCarimboVersao::versao},
    {QLatin1String("--versao-produto"), &DadosCarimboVersao::versaoProduto},
    {QLatin1String("--original"), &DadosCarimboVersao::nomeOriginal},
    {QLatin1String("--interno"), &DadosCarimboVersao::nomeInterno},
    {QLatin1String("--produto"), &DadosCarimboVersao::produto},
    {QLatin1String("--empresa"), &DadosCarimboVersao::empresa},
    {QLatin1String("--descricao"), &DadosCarimboVersao::descricao},
};

int gravar(QStringList args)
{
    QString arquivo;
    DadosCarimboVersao dados;
    dados.produto = QStringLiteral("KorvaneStart");
    dados.empresa = QStringLiteral("KX Rozedeve");
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == QLatin1String("--inferida")) {
            dados.infoInferida = true;
            continue;
        }
        if (!a.startsWith(QLatin1String("--"))) {
            if (!arquivo.isEmpty())
                return erroDeUso(QStringLiteral("argumento a mais: %1").arg(a));
            arquivo = a;
            continue;
        }
        if (args.isEmpty())
            return erroDeUso(QStringLiteral("falta o valor da opção %1.").arg(a));
        const QString valor = args.takeFirst();
        const auto texto = std::find_if(std::begin(kOpcoesDeTexto), std::end(kOpcoesDeTexto),
                                        [&](const auto& o) { return o.first == a; });
        if (texto != std::end(kOpcoesDeTexto)) {
            dados.*(texto->second) = valor;
        } else if (a == QLatin1String("--assinada")) {
            dados.outros.append({QStringLiteral("RotinaAssinada"), valor});
        } else if (a == QLatin1String("--texto")) {
            const qsizetype igual = valor.indexOf(QLatin1Char('='));
            if (igual <= 0)
                return erroDeUso(
                    QStringLiteral("use --texto NOME=VALOR (recebido: %1).").arg(valor));
            dados.outros.append({valor.left(igual), valor.mid(igual + 1)});
        } else if (a == QLatin1String("--traducao")) {
            bool ok = false;
            const uint n = valor.toUInt(&ok, 16);
            if (!ok || valor.size() != 8)
                return erroDeUso(
                    QStringLiteral("tradução inválida: %1 (use oito dígitos hexadecimais, "
                                   "como 041604B0).")
                        .arg(valor));
            dados.traducao = {quint16(n >> 16), quint16(n & 0xFFFF)};
        } else {
            return erroDeUso(QStringLiteral("opção desconhecida: %1").arg(a));
        }
    }
    if (arquivo.isEmpty())
        return erroDeUso(QStringLiteral("informe o executável."));
    if (dados.versao.isEmpty())
        return erroDeUso(QStringLiteral("informe a versão com --versao A.B.C.D."));
    if (!QFileInfo(arquivo).isFile())
        return erro(QStringLiteral("o arquivo %1 não existe.").arg(arquivo));
    if (dados.nomeOriginal.isEmpty())
        dados.nomeOriginal = QFileInfo(arquivo).fileName();
    try {
        gravarRegistroVersaoELF(arquivo, montarRegistroVersao(dados));
    } catch (const EKorvane& e) {
        return erro(e.mensagem());
    }
    return 0;
}

} // namespace

int comandoVersao(const QStringList& argumentos)
{
    QStringList args = argumentos;
    if (args.isEmpty() || args.contains(QLatin1String("--ajuda")) ||
        args.contains(QLatin1String("-h"))) {
        QTextStream(args.isEmpty() ? stderr : stdout) << QString::fromUtf8(kUso);
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == QLatin1String("--gravar"))
        return gravar(args.mid(1));
    const bool todos = args.removeAll(QLatin1String("--todos")) > 0;
    for (const QString& a : args) {
        if (a.startsWith(QLatin1String("--")))
            return erroDeUso(QStringLiteral("opção desconhecida: %1").arg(a));
    }
    if (args.size() != 1)
        return erroDeUso(QStringLiteral("informe um único arquivo."));
    return mostrar(args.first(), todos);
}
