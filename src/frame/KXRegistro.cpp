#include "frame/KXRegistro.h"

#include "platform/Caminhos.h"

namespace {

const QString kAmbiente = QStringLiteral("Environment");
const QString kDirInstalacao = QStringLiteral("DirInstalacao");

} // namespace

TKXRegistro::TKXRegistro() = default;

TKXRegistro::TKXRegistro(qint32 pTipoAplicativo)
    : fTipoAplicativo(pTipoAplicativo)
{
    // When the hive cannot be written the key stays closed: reads then give
    // the defaults and writes report the failure.
    abrirChave(ChaveDoAplicativo(pTipoAplicativo));
}

QString TKXRegistro::ChaveDoAplicativo(qint32 tipo)
{
    switch (tipo) {
    case 0:
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 9:
        return QStringLiteral("\\Software\\GrupoKX\\Korvane");
    case 2:
        return QStringLiteral("\\Software\\GrupoKX\\KorvaneVexil");
    case 4:
        return QStringLiteral("\\Software\\GrupoKX\\Trevan");
    case 6:
        return QStringLiteral("\\Software\\GrupoKX\\Quindo");
    default:
        return {};
    }
}

QString TKXRegistro::DirInstalacao() const
{
    // A registry object of its own: the current key does not matter here.
    RegistroUsuario ambiente(registro().arquivo());
    QString valor;
    if (ambiente.chaveExiste(kAmbiente)) {
        const auto lido = ambiente.lerValor(kAmbiente, kDirInstalacao);
        if (lido && lido->tipo != RegistroUsuario::TipoValor::Texto)
            throw ERegistro(QStringLiteral("Tipo de dado inválido para '%1'.").arg(kDirInstalacao));
        if (lido)
            valor = lido->texto;
    }
    if (!valor.trimmed().isEmpty())
        return valor;
    // Stored so that every program of the suite finds the same folder.
    const QString padrao = Caminhos::dirInstalacaoPadrao();
    try {
        ambiente.gravarTexto(kAmbiente, kDirInstalacao, padrao);
    } catch (const EKorvane&) {
    }
    return padrao;
}

void TKXRegistro::setDirInstalacao(const QString& valor)
{
    RegistroUsuario ambiente(registro().arquivo());
    try {
        ambiente.gravarTexto(kAmbiente, kDirInstalacao, valor);
    } catch (const EKorvane&) {
        return; // nothing written, nothing to tell
    }
    qputenv("DirInstalacao", valor.toLocal8Bit());
}

bool TKXRegistro::InterfaceMonitora() const
{
    return lerBooleano({}, QStringLiteral("InterfaceMonitora"), false);
}

void TKXRegistro::setInterfaceMonitora(bool valor)
{
    gravarBooleano({}, QStringLiteral("InterfaceMonitora"), valor);
}

bool TKXRegistro::InterfaceSimplificada() const
{
    return lerBooleano({}, QStringLiteral("InterfaceSimples"), false);
}

void TKXRegistro::setInterfaceSimplificada(bool valor)
{
    gravarBooleano({}, QStringLiteral("InterfaceSimples"), valor);
}

qint32 TKXRegistro::ModoAplicacao() const
{
    return lerInteiro({}, QStringLiteral("ModoAplicacao"), 0);
}

void TKXRegistro::setModoAplicacao(qint32 valor)
{
    gravarInteiro({}, QStringLiteral("ModoAplicacao"), valor);
}
