// cifrar, decifrar, senha-rotina, parametro-rotina: the request-field codec and
// the two command-line encoders, with a fixed clock so that support staff can
// reproduce what the launcher produced on a given day or minute.
#include "Comandos.h"
#include "platform/EKorvane.h"
#include "repository/credenciais/CampoRequisicao.h"
#include "repository/credenciais/CriptoSecurity.h"
#include "repository/credenciais/LoginFacade.h"

#include <QCommandLineParser>
#include <QDate>
#include <QDateTime>
#include <QTextStream>
#include <functional>
#include <optional>

namespace {

constexpr int kErroUso = 2;
constexpr int kErroOperacao = 1;

int erro(const QString& mensagem, int codigo)
{
    QTextStream(stderr) << "kxadmin: " << mensagem << '\n';
    return codigo;
}

int resultado(const QString& texto)
{
    QTextStream(stdout) << texto << '\n';
    return 0;
}

// Parses "COMANDO args..." with the given options; answers the positional
// arguments, or nothing after reporting the error.
std::optional<QStringList> analisar(QCommandLineParser& parser, const QString& comando,
                                    const QStringList& argumentos, int posicionais,
                                    const QString& uso)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QStringList{QStringLiteral("kxadmin ") + comando} + argumentos)) {
        erro(parser.errorText() + QStringLiteral("\nUso: kxadmin ") + uso, kErroUso);
        return std::nullopt;
    }
    const QStringList pos = parser.positionalArguments();
    if (pos.size() != posicionais) {
        erro(QStringLiteral("número de argumentos inválido.\nUso: kxadmin ") + uso, kErroUso);
        return std::nullopt;
    }
    return pos;
}

std::optional<int> lerCodigo(const QString& texto)
{
    bool ok = false;
    const int codigo = texto.trimmed().toInt(&ok);
    if (!ok) {
        erro(QStringLiteral("código de rotina inválido: %1").arg(texto), kErroUso);
        return std::nullopt;
    }
    return codigo;
}

int executar(const std::function<QString()>& operacao)
{
    try {
        return resultado(operacao());
    } catch (const EKorvane& e) {
        return erro(e.mensagem(), kErroOperacao);
    } catch (const std::exception& e) {
        return erro(QString::fromLocal8Bit(e.what()), kErroOperacao);
    }
}

int comandoDeCampo(const QString& nome, const QStringList& argumentos,
                   QString (*operacao)(const QString&))
{
    QCommandLineParser parser;
    const QString uso = nome + QStringLiteral(" TEXTO");
    const auto pos = analisar(parser, nome, argumentos, 1, uso);
    if (!pos)
        return kErroUso;
    const QString texto = pos->at(0);
    return executar([&] { return operacao(texto); });
}

} // namespace

int comandoCifrar(const QStringList& argumentos)
{
    return comandoDeCampo(QStringLiteral("cifrar"), argumentos, &CampoRequisicao::cifrar);
}

int comandoDecifrar(const QStringList& argumentos)
{
    return comandoDeCampo(QStringLiteral("decifrar"), argumentos, &CampoRequisicao::decifrar);
}

int comandoSenhaRotina(const QStringList& argumentos)
{
    const QString uso = QStringLiteral("senha-rotina [--data DD/MM/AAAA] [--ler] SENHA CODIGO\n"
                                       "  --data  o dia da chave (padrão: hoje)\n"
                                       "  --ler   decodifica \"[...]\" em vez de codificar");
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("data"), QString(), QStringLiteral("DD/MM/AAAA")});
    parser.addOption({QStringLiteral("ler"), QString()});
    const auto pos = analisar(parser, QStringLiteral("senha-rotina"), argumentos, 2, uso);
    if (!pos)
        return kErroUso;
    const auto codigo = lerCodigo(pos->at(1));
    if (!codigo)
        return kErroUso;
    QDate data = QDate::currentDate();
    if (parser.isSet(QStringLiteral("data"))) {
        const QString texto = parser.value(QStringLiteral("data")).trimmed();
        data = QDate::fromString(texto, QStringLiteral("dd/MM/yyyy"));
        if (!data.isValid())
            data = QDate::fromString(texto, Qt::ISODate);
        if (!data.isValid())
            return erro(QStringLiteral("data inválida: %1 (use DD/MM/AAAA)").arg(texto), kErroUso);
    }
    const QString senha = pos->at(0);
    if (parser.isSet(QStringLiteral("ler")))
        return executar([&] { return TLoginFacade::SenhaChamarRotina_ler(senha, *codigo, data); });
    return executar([&] { return TLoginFacade::SenhaChamarRotina_gerar(senha, *codigo, data); });
}

int comandoParametroRotina(const QStringList& argumentos)
{
    const QString uso =
        QStringLiteral("parametro-rotina [--momento AAAA-MM-DDTHH:MM[Z]] [--ler] TEXTO CODIGO\n"
                       "  --momento  o minuto da chave: hora local, ou UTC quando termina em Z\n"
                       "             (padrão: agora)\n"
                       "  --ler      decifra \"[...]\" (minuto dado, o anterior e o seguinte)");
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("momento"), QString(), QStringLiteral("AAAA-MM-DDTHH:MM")});
    parser.addOption({QStringLiteral("ler"), QString()});
    const auto pos = analisar(parser, QStringLiteral("parametro-rotina"), argumentos, 2, uso);
    if (!pos)
        return kErroUso;
    const auto codigo = lerCodigo(pos->at(1));
    if (!codigo)
        return kErroUso;
    QDateTime momento = QDateTime::currentDateTimeUtc();
    if (parser.isSet(QStringLiteral("momento"))) {
        const QString texto = parser.value(QStringLiteral("momento")).trimmed();
        momento = QDateTime::fromString(texto, Qt::ISODate);
        if (!momento.isValid())
            return erro(
                QStringLiteral("momento inválido: %1 (use AAAA-MM-DDTHH:MM, com Z para UTC)")
                    .arg(texto),
                kErroUso);
    }
    const QString texto = pos->at(0);
    if (parser.isSet(QStringLiteral("ler")))
        return executar(
            [&] { return TCriptoSecurity::DecodificarParametroRotina(texto, *codigo, momento); });
    return executar(
        [&] { return TCriptoSecurity::CodificarParametroRotina(texto, *codigo, momento); });
}
