#include "platform/RegistroUsuario.h"

#include "platform/ColmeiaRegistro.h"
#include "platform/EKorvane.h"
#include "platform/TravaArquivo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

ColmeiaRegistro carregar(const QString& arquivo, bool* valido = nullptr)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) {
        if (valido)
            *valido = true;
        return {};
    }
    return ColmeiaRegistro::deTexto(f.readAll(), valido);
}

[[noreturn]] void falhaGravar(const QString& arquivo)
{
    throw EKorvane(QStringLiteral("Não foi possível gravar o registro do usuário em \"%1\".")
                       .arg(QDir::toNativeSeparators(arquivo)));
}

// Reads the hive, applies the change and writes the result back, all under the
// hive's lock; the new contents replace the file in one rename, so a reader
// never sees half a file.
template<typename Mudanca> auto alterar(const QString& arquivo, Mudanca mudanca)
{
    if (!QDir().mkpath(QFileInfo(arquivo).absolutePath()))
        falhaGravar(arquivo);
    TravaArquivo trava(arquivo);
    if (!trava.travada())
        falhaGravar(arquivo);
    bool valido = true;
    ColmeiaRegistro colmeia = carregar(arquivo, &valido);
    if (!valido) {
        // Keep the damaged file for whoever wants to look at it, rather than
        // silently writing over it.
        const QString copia = arquivo + QStringLiteral(".danificado");
        QFile::remove(copia);
        QFile::copy(arquivo, copia);
    }
    const QByteArray antes = colmeia.paraTexto();
    auto resultado = mudanca(colmeia);
    const QByteArray texto = colmeia.paraTexto();
    if (valido && texto == antes && QFileInfo::exists(arquivo))
        return resultado; // nothing changed: no write, no change notice
    QSaveFile saida(arquivo);
    if (!saida.open(QIODevice::WriteOnly))
        falhaGravar(arquivo);
    if (saida.write(texto) != texto.size() || !saida.commit())
        falhaGravar(arquivo);
    return resultado;
}

} // namespace

RegistroUsuario::RegistroUsuario(QString arquivo)
    : m_arquivo(std::move(arquivo))
{}

bool RegistroUsuario::chaveExiste(const QString& chave) const
{
    return carregar(m_arquivo).chaveExiste(chave);
}

QStringList RegistroUsuario::subchaves(const QString& chave) const
{
    return carregar(m_arquivo).subchaves(chave);
}

QStringList RegistroUsuario::nomesDosValores(const QString& chave) const
{
    return carregar(m_arquivo).nomesDosValores(chave);
}

std::optional<RegistroUsuario::Valor> RegistroUsuario::lerValor(const QString& chave,
                                                                const QString& nome) const
{
    const ColmeiaRegistro colmeia = carregar(m_arquivo);
    if (const Valor* v = colmeia.valor(chave, nome))
        return *v;
    return std::nullopt;
}

void RegistroUsuario::criarChave(const QString& chave)
{
    alterar(m_arquivo, [&](ColmeiaRegistro& c) {
        c.criarChave(chave);
        return true;
    });
}

bool RegistroUsuario::excluirChave(const QString& chave)
{
    return alterar(m_arquivo, [&](ColmeiaRegistro& c) { return c.excluirChave(chave); });
}

void RegistroUsuario::gravarTexto(const QString& chave, const QString& nome, const QString& texto)
{
    Valor v;
    v.texto = texto;
    alterar(m_arquivo, [&](ColmeiaRegistro& c) {
        c.gravar(chave, nome, v);
        return true;
    });
}

void RegistroUsuario::gravarInteiro(const QString& chave, const QString& nome, qint32 valor)
{
    Valor v;
    v.tipo = TipoValor::Inteiro;
    v.inteiro = valor;
    alterar(m_arquivo, [&](ColmeiaRegistro& c) {
        c.gravar(chave, nome, v);
        return true;
    });
}

RegistroUsuario::Valor
RegistroUsuario::alterarValor(const QString& chave, const QString& nome,
                              const std::function<Valor(const std::optional<Valor>&)>& mudanca)
{
    return alterar(m_arquivo, [&](ColmeiaRegistro& c) {
        const Valor* atual = c.valor(chave, nome);
        const Valor novo = mudanca(atual ? std::optional<Valor>(*atual) : std::nullopt);
        c.gravar(chave, nome, novo);
        return novo;
    });
}

bool RegistroUsuario::excluirValor(const QString& chave, const QString& nome)
{
    return alterar(m_arquivo, [&](ColmeiaRegistro& c) { return c.excluirValor(chave, nome); });
}
