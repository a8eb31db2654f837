#pragma once

#include "service/DespachoRest.h"

#include <httplib.h>
#include <string>

class TdmRepositorio;

// The web module: stamps the cross-origin headers on every reply, answers
// preflights at once, sends "datasnap" paths to the REST dispatcher and every
// other path to the welcome page. One instance serves all connection threads;
// it keeps no state between requests.
class TwmLocal
{
public:
    explicit TwmLocal(TdmRepositorio& repositorio,
                      TabelaOperacoes operacoes = operacoesTServicos());

    // Answers one request completely.
    void atender(const httplib::Request& req, httplib::Response& res) const;

    // The request filter. Returns true when the request was answered here (a
    // preflight); invocadorHabilitado tells whether "/ServerFunctionInvoker" may run.
    bool WebModuleBeforeDispatch(const httplib::Request& req, httplib::Response& res,
                                 bool& invocadorHabilitado) const;

    // Fills in replies the HTTP server refuses by itself (malformed request,
    // oversize body): the cross-origin headers and a JSON error object.
    void completarErro(const httplib::Request& req, httplib::Response& res) const;

    // The welcome page body, in ISO-8859-1.
    std::string paginaBoasVindas() const;

    // Client addresses allowed to reach "/ServerFunctionInvoker".
    static bool enderecoLocal(const std::string& endereco);

private:
    void WebModule1DefaultHandlerAction(httplib::Response& res) const;

    TdmRepositorio& m_repositorio;
    DespachoRest m_despacho;
};
