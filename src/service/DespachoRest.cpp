#include "service/DespachoRest.h"

#include "service/Servicos.h"

#include <array>
#include <string_view>

using nlohmann::ordered_json;

namespace {

struct Metodo
{
    std::string_view nome;
    std::string_view prefixo;
};

// The fixed method-to-prefix rule of the REST layer. HEAD reads like GET.
constexpr std::array<Metodo, 5> kMetodos{
    {{"GET", ""}, {"HEAD", ""}, {"POST", "update"}, {"PUT", "accept"}, {"DELETE", "cancel"}}};

constexpr std::string_view kContexto = "/datasnap/rest/";
constexpr std::string_view kClasse = "TServicos";

const Metodo* metodoPorNome(std::string_view nome)
{
    for (const auto& m : kMetodos)
        if (m.nome == nome)
            return &m;
    return nullptr;
}

// The method an operation answers to follows from its prefix; GET has none.
std::string_view metodoDaOperacao(std::string_view operacao)
{
    for (const auto& m : kMetodos)
        if (!m.prefixo.empty() && operacao.starts_with(m.prefixo))
            return m.nome;
    return "GET";
}

std::vector<std::string> segmentos(std::string_view texto)
{
    std::vector<std::string> partes;
    std::size_t inicio = 0;
    while (true) {
        const auto barra = texto.find('/', inicio);
        partes.emplace_back(texto.substr(inicio, barra - inicio));
        if (barra == std::string_view::npos)
            break;
        inicio = barra + 1;
    }
    if (partes.size() > 1 && partes.back().empty())
        partes.pop_back(); // a trailing "/" names nothing
    return partes;
}

RespostaRest erro(int status, const std::string& msg)
{
    return {status, respostaErro(msg), {}};
}

} // namespace

ordered_json respostaErro(const std::string& msg)
{
    ordered_json json;
    json["status"] = "ERRO";
    json["msg"] = msg;
    return json;
}

DespachoRest::DespachoRest(TdmRepositorio& repositorio, TabelaOperacoes operacoes)
    : m_repositorio(repositorio)
    , m_operacoes(std::move(operacoes))
{}

RespostaRest DespachoRest::despachar(const std::string& metodo, const std::string& caminho,
                                     const std::string& corpo) const
{
    const std::string_view caminhoV(caminho);
    if (!caminhoV.starts_with(kContexto))
        return erro(400, "Caminho de serviço inválido: " + caminho);
    const auto partes = segmentos(caminhoV.substr(kContexto.size()));
    if (partes.size() < 2 || partes[0].empty() || partes[1].empty())
        return erro(400, "Caminho de serviço inválido: " + caminho);
    for (std::size_t i = 2; i < partes.size(); ++i)
        if (partes[i].empty())
            return erro(400, "Caminho de serviço inválido: " + caminho);
    if (partes[0] != kClasse)
        return erro(404, "Classe de serviço desconhecida: " + partes[0]);

    const std::string& nome = partes[1];
    const auto acharOperacao = [&](const Metodo& m) -> const OperacaoRest* {
        const std::string operacao = std::string(m.prefixo) + nome;
        const auto it = m_operacoes.find(operacao);
        if (it == m_operacoes.end())
            return nullptr;
        const auto esperado = metodoDaOperacao(operacao);
        if (esperado != m.nome && !(esperado == "GET" && m.nome == "HEAD"))
            return nullptr;
        return &it->second;
    };

    const Metodo* m = metodoPorNome(metodo);
    const OperacaoRest* operacao = m ? acharOperacao(*m) : nullptr;
    if (!operacao) {
        std::string permitidos;
        for (const auto& outro : kMetodos)
            if (acharOperacao(outro))
                permitidos += (permitidos.empty() ? "" : ", ") + std::string(outro.nome);
        if (permitidos.empty())
            return erro(404, "Operação desconhecida: " + nome);
        auto resposta = erro(405, "Método " + metodo + " não permitido para " + nome);
        resposta.metodosPermitidos = permitidos;
        return resposta;
    }

    ChamadaRest chamada{{partes.begin() + 2, partes.end()}, corpo};
    if (chamada.parametros.size() != operacao->parametros)
        return erro(400, "Número de parâmetros inválido para " + nome);

    try {
        TServicos servicos(m_repositorio);
        return {200, operacao->executar(servicos, chamada), {}};
    } catch (const std::exception& e) {
        return erro(500, "Erro ao executar " + nome + ": " + mensagemDaExcecao(e));
    }
}
