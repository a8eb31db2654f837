#include "service/Servicos.h"

#include "platform/EKorvane.h"
#include "repository/dmRepositorio.h"

using nlohmann::ordered_json;

namespace {

ordered_json resposta(const std::string& status, const std::string& msg)
{
    ordered_json json;
    json["status"] = status;
    json["msg"] = msg;
    return json;
}

} // namespace

std::string mensagemDaExcecao(const std::exception& e)
{
    if (const auto* korvane = dynamic_cast<const EKorvane*>(&e))
        return korvane->mensagem().toStdString();
    return e.what();
}

TServicos::TServicos(TdmRepositorio& repositorio)
    : m_repositorio(repositorio)
{}

ordered_json TServicos::getExecucaoLocal()
{
    try {
        return resposta("OK", m_repositorio.ExecutarRotinaLocal() ? "true" : "false");
    } catch (const std::exception& e) {
        return resposta("ERRO", "Ocorreu um erro ao obter o estado da execução local: " +
                                    mensagemDaExcecao(e));
    }
}

ordered_json TServicos::updateExecucaoLocalInverter()
{
    try {
        const bool novo = m_repositorio.InverterExecutarRotinaLocal();
        return resposta("OK", std::string("Valor alterado para: ") + (novo ? "Sim" : "Não"));
    } catch (const std::exception& e) {
        return resposta("ERRO", "Ocorreu um erro ao alterar o estado de execução local: " +
                                    mensagemDaExcecao(e));
    }
}

ordered_json TServicos::getVersao()
{
    return resposta("OK", m_repositorio.GetVersao().toStdString());
}

ordered_json TServicos::getPort()
{
    ordered_json json;
    json["port"] = "3236";
    return json;
}
