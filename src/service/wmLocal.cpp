#include "service/wmLocal.h"

#include <string_view>

namespace {

constexpr auto kTipoJson = "application/json; charset=utf-8";

void definir(httplib::Response& res, const std::string& nome, const std::string& valor)
{
    res.headers.erase(nome);
    res.headers.emplace(nome, valor);
}

std::string aparado(const std::string& texto)
{
    const auto inicio = texto.find_first_not_of(" \t\r\n");
    if (inicio == std::string::npos)
        return {};
    const auto fim = texto.find_last_not_of(" \t\r\n");
    return texto.substr(inicio, fim - inicio + 1);
}

std::string texto(const nlohmann::ordered_json& json)
{
    return json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

void carimbarAntes(httplib::Response& res)
{
    definir(res, "Access-Control-Allow-Origin", "*");
    definir(res, "Access-Control-Allow-Methods", "GET, POST, OPTIONS,PUT, HEAD");
    definir(res, "Access-Control-Allow-Credentials", "true");
    definir(res, "Connection", "Keep-Alive");
    definir(res, "Content-Type", kTipoJson);
}

void carimbarDepois(httplib::Response& res)
{
    definir(res, "Access-Control-Request-Method", "POST");
    definir(res, "Access-Control-Request-Headers", "X-PINGOTHER, Content-Type");
}

std::string mensagemDoStatus(int status)
{
    switch (status) {
    case 400:
        return "Requisição malformada.";
    case 404:
        return "Recurso não encontrado.";
    case 405:
        return "Método não permitido.";
    case 413:
        return "O corpo da requisição excede o limite de 1 MiB.";
    case 414:
        return "O endereço da requisição é longo demais.";
    case 416:
        return "Intervalo de bytes não atendido.";
    default:
        return status >= 500 ? "Erro interno do KorvaneStart." : "Requisição recusada.";
    }
}

} // namespace

TwmLocal::TwmLocal(TdmRepositorio& repositorio, TabelaOperacoes operacoes)
    : m_repositorio(repositorio)
    , m_despacho(repositorio, std::move(operacoes))
{}

bool TwmLocal::enderecoLocal(const std::string& endereco)
{
    std::string_view texto(endereco);
    // A dual-stack socket reports IPv4 clients as IPv4-mapped IPv6 addresses.
    for (const std::string_view mapeado : {"::ffff:", "::FFFF:"})
        if (texto.starts_with(mapeado) && texto.find('.') != std::string_view::npos)
            texto.remove_prefix(mapeado.size());
    return texto == "127.0.0.1" || texto == "0:0:0:0:0:0:0:1" || texto == "::1";
}

bool TwmLocal::WebModuleBeforeDispatch(const httplib::Request& req, httplib::Response& res,
                                       bool& invocadorHabilitado) const
{
    carimbarAntes(res);
    bool atendida = false;
    const std::string pedidos = req.get_header_value("Access-Control-Request-Headers");
    if (!aparado(pedidos).empty()) {
        definir(res, "Access-Control-Allow-Headers", pedidos);
        atendida = true;
    }
    carimbarDepois(res);
    invocadorHabilitado = enderecoLocal(req.remote_addr);
    return atendida;
}

void TwmLocal::atender(const httplib::Request& req, httplib::Response& res) const
{
    bool invocadorHabilitado = false;
    if (WebModuleBeforeDispatch(req, res, invocadorHabilitado)) {
        res.status = 200;
        res.body.clear();
        return;
    }
    if (std::string_view(req.path).starts_with("/datasnap")) {
        const RespostaRest resposta = m_despacho.despachar(req.method, req.path, req.body);
        res.status = resposta.status;
        res.body = texto(resposta.corpo);
        if (!resposta.metodosPermitidos.empty())
            definir(res, "Allow", resposta.metodosPermitidos);
        return;
    }
    if (req.path == "/ServerFunctionInvoker" && invocadorHabilitado) {
        res.status = 200; // the action has no content of its own
        res.body.clear();
        return;
    }
    WebModule1DefaultHandlerAction(res);
}

void TwmLocal::completarErro(const httplib::Request&, httplib::Response& res) const
{
    if (!res.has_header("Access-Control-Allow-Origin")) {
        carimbarAntes(res);
        carimbarDepois(res);
    }
    if (res.body.empty()) {
        definir(res, "Content-Type", kTipoJson);
        res.body = texto(respostaErro(mensagemDoStatus(res.status)));
    }
}

void TwmLocal::WebModule1DefaultHandlerAction(httplib::Response& res) const
{
    res.status = 200;
    definir(res, "Content-Type", "text/html; charset=ISO-8859-1");
    res.body = paginaBoasVindas();
}
