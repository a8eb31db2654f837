#pragma once

#include <nlohmann/json.hpp>

class TdmRepositorio;

// The operations the portal calls through the REST dispatcher. Each returns the
// reply object that the web module sends as the whole body.
class TServicos
{
public:
    explicit TServicos(TdmRepositorio& repositorio);

    nlohmann::ordered_json getExecucaoLocal();
    nlohmann::ordered_json updateExecucaoLocalInverter();
    nlohmann::ordered_json getVersao();
    nlohmann::ordered_json getPort();

private:
    TdmRepositorio& m_repositorio;
};

// Text of any exception, for the "msg" of an error reply.
std::string mensagemDaExcecao(const std::exception& e);
