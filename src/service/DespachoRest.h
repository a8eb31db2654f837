#pragma once

#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

class TdmRepositorio;
class TServicos;

// One call of an operation: the path parameters after its name and the request body.
struct ChamadaRest
{
    std::vector<std::string> parametros;
    const std::string& corpo;
};

struct OperacaoRest
{
    std::size_t parametros = 0; // how many path parameters it takes
    std::function<nlohmann::ordered_json(TServicos&, const ChamadaRest&)> executar;
};

// Operation name (with its method prefix) -> operation.
using TabelaOperacoes = std::map<std::string, OperacaoRest>;

// The operations of TServicos that the portal may call.
TabelaOperacoes operacoesTServicos();

struct RespostaRest
{
    int status = 200;
    nlohmann::ordered_json corpo;
    std::string metodosPermitidos; // the "Allow" header of a 405
};

// Maps "/datasnap/rest/TServicos/<name>[/<params>]" to an operation: the name as it
// stands for GET, with "update" for POST, "accept" for PUT and "cancel" for DELETE.
class DespachoRest
{
public:
    DespachoRest(TdmRepositorio& repositorio, TabelaOperacoes operacoes);

    RespostaRest despachar(const std::string& metodo, const std::string& caminho,
                           const std::string& corpo) const;

private:
    TdmRepositorio& m_repositorio;
    TabelaOperacoes m_operacoes;
};

// The error object every refusal of the service carries.
nlohmann::ordered_json respostaErro(const std::string& msg);
