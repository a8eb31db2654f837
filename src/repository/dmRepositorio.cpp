#include "repository/dmRepositorio.h"

#include "platform/Caminhos.h"
#include "platform/EKorvane.h"
#include "platform/FileVersionUnit.h"
#include "platform/RegistroUsuario.h"

#include <QCoreApplication>
#include <QDir>

namespace {

const QString kSecao;
const QString kChaveZiVori = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\ZiVori");
const QString kExecutandoLocal = QStringLiteral("ExecutandoLocal");

std::unique_ptr<TdmRepositorio>& instanciaGlobal()
{
    static std::unique_ptr<TdmRepositorio> instancia;
    return instancia;
}

// A missing folder is not an error here: reads then give empty values and the
// first write reports the file that could not be written.
QString prepararPasta(const QString& pasta)
{
    QDir().mkpath(pasta);
    return pasta + QStringLiteral("/config.ini");
}

// An absent value is False; a text one must hold a number.
bool comoExecutandoLocal(const std::optional<RegistroUsuario::Valor>& valor)
{
    if (!valor)
        return false;
    if (valor->tipo == RegistroUsuario::TipoValor::Inteiro)
        return valor->inteiro != 0;
    bool numero = false;
    const int inteiro = valor->texto.trimmed().toInt(&numero);
    if (!numero)
        throw EKorvane(QStringLiteral("Tipo de dado inválido para '%1'").arg(kExecutandoLocal));
    return inteiro != 0;
}

} // namespace

TdmRepositorio::Locais TdmRepositorio::locaisPadrao()
{
    return {Caminhos::dirConfiguracaoLauncher(), Caminhos::arquivoRegistro(),
            QCoreApplication::applicationFilePath()};
}

TdmRepositorio::TdmRepositorio(Locais locais)
    : m_locais(std::move(locais))
    , FConfigIni(prepararPasta(m_locais.dirConfiguracao))
    , FUrlVQM(FConfigIni.lerTexto(kSecao, QStringLiteral("url")))
{}

TdmRepositorio::~TdmRepositorio() = default;

TdmRepositorio& TdmRepositorio::criarInstancia()
{
    auto& instancia = instanciaGlobal();
    if (!instancia)
        instancia = std::make_unique<TdmRepositorio>();
    return *instancia;
}

TdmRepositorio& TdmRepositorio::instancia()
{
    auto& instancia = instanciaGlobal();
    if (!instancia)
        throw EKorvane(QStringLiteral("O módulo de dados do KorvaneStart não foi criado."));
    return *instancia;
}

bool TdmRepositorio::instanciaExiste()
{
    return instanciaGlobal() != nullptr;
}

void TdmRepositorio::liberarInstancia()
{
    instanciaGlobal().reset();
}

QString TdmRepositorio::GetVersao()
{
    const std::lock_guard trava(m_travaVersao);
    if (FVersao.isEmpty())
        FVersao = LerVersaoDoArquivo(m_locais.executavel);
    return FVersao;
}

void TdmRepositorio::SetPortLauncher(int valor)
{
    FPortLauncher.store(valor);
    FConfigIni.gravarTexto(kSecao, QStringLiteral("porta"), QString::number(valor));
}

bool TdmRepositorio::ExecutarRotinaLocal() const
{
    const RegistroUsuario registro(m_locais.arquivoRegistro);
    return comoExecutandoLocal(registro.lerValor(kChaveZiVori, kExecutandoLocal));
}

void TdmRepositorio::SetExecutarRotinaLocal(bool pExecutandoLocalmente)
{
    RegistroUsuario registro(m_locais.arquivoRegistro);
    registro.gravarInteiro(kChaveZiVori, kExecutandoLocal, pExecutandoLocalmente ? 1 : 0);
}

bool TdmRepositorio::InverterExecutarRotinaLocal()
{
    RegistroUsuario registro(m_locais.arquivoRegistro);
    const auto novo = registro.alterarValor(kChaveZiVori, kExecutandoLocal,
                                            [](const std::optional<RegistroUsuario::Valor>& atual) {
                                                RegistroUsuario::Valor v;
                                                v.tipo = RegistroUsuario::TipoValor::Inteiro;
                                                v.inteiro = comoExecutandoLocal(atual) ? 0 : 1;
                                                return v;
                                            });
    return novo.inteiro != 0;
}

bool TdmRepositorio::EscutaTodos() const
{
    return FConfigIni.lerTexto(kSecao, QStringLiteral("escuta"))
               .trimmed()
               .compare(QStringLiteral("todos"), Qt::CaseInsensitive) == 0;
}
