#include "service/ServidorHttp.h"

#include "service/wmLocal.h"

#include <atomic>
#include <chrono>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>

namespace {

// httplib's default sets SO_REUSEPORT, which lets a second launcher bind a port
// already in use; we want the bind to fail so the launcher moves to another port.
void opcoesDoSoquete(socket_t soquete)
{
    const int sim = 1;
    const int nao = 0;
    setsockopt(soquete, SOL_SOCKET, SO_REUSEADDR, &sim, sizeof sim);
    // "::" serves IPv4 clients too, whatever the system default says.
    setsockopt(soquete, IPPROTO_IPV6, IPV6_V6ONLY, &nao, sizeof nao);
}

} // namespace

struct ServidorHttp::Ouvinte
{
    httplib::Server http;
    std::thread linha;
    std::atomic<bool> terminou{false};

    void comecar()
    {
        linha = std::thread([this] {
            http.listen_after_bind();
            terminou = true;
        });
    }

    // stop() only takes effect once the listening loop runs; a bound socket that
    // never listened would stay open otherwise.
    void encerrar()
    {
        while (!terminou) {
            if (http.is_running()) {
                http.stop();
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        linha.join();
    }
};

ServidorHttp::ServidorHttp(const TwmLocal& modulo)
    : m_modulo(modulo)
{}

ServidorHttp::~ServidorHttp()
{
    parar();
}

bool ServidorHttp::ouvir(const char* endereco, int& porta)
{
    auto ouvinte = std::make_unique<Ouvinte>();
    auto& http = ouvinte->http;
    http.set_socket_options(opcoesDoSoquete);
    http.set_tcp_nodelay(true);
    http.set_payload_max_length(kCorpoMaximo);
    http.set_keep_alive_max_count(100);
    const auto atender = [this](const httplib::Request& req, httplib::Response& res) {
        m_modulo.atender(req, res);
    };
    http.Get(".*", atender);
    http.Post(".*", atender);
    http.Put(".*", atender);
    http.Patch(".*", atender);
    http.Delete(".*", atender);
    http.Options(".*", atender);
    http.set_error_handler(httplib::Server::HandlerWithResponse(
        [this](const httplib::Request& req, httplib::Response& res) {
            m_modulo.completarErro(req, res);
            return httplib::Server::HandlerResponse::Handled;
        }));
    http.set_exception_handler(
        [](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
            res.status = 500;
            res.body.clear(); // the error handler writes the JSON object
        });

    if (porta == 0) {
        porta = http.bind_to_any_port(endereco);
        if (porta <= 0) {
            porta = 0;
            return false;
        }
    } else if (!http.bind_to_port(endereco, porta)) {
        return false;
    }
    ouvinte->comecar();
    m_ouvintes.push_back(std::move(ouvinte));
    return true;
}

// Whether this system has IPv6 at all: a bind to any port of ::1 succeeds.
bool ServidorHttp::ipv6Disponivel()
{
    Ouvinte sonda;
    sonda.http.set_socket_options(opcoesDoSoquete);
    if (sonda.http.bind_to_any_port("::1") <= 0)
        return false;
    sonda.comecar();
    sonda.encerrar();
    return true;
}

bool ServidorHttp::iniciar(int porta, bool todosEnderecos)
{
    // Any free port: the one IPv4 offers may be taken on ::1, so draw again.
    for (int tentativa = 0; porta == 0 && tentativa < 20; ++tentativa)
        if (iniciarEm(0, todosEnderecos))
            return true;
    return iniciarEm(porta, todosEnderecos);
}

bool ServidorHttp::iniciarEm(int porta, bool todosEnderecos)
{
    parar();
    int escolhida = porta;
    const char* primeiro = todosEnderecos ? "::" : "127.0.0.1";
    if (!ouvir(primeiro, escolhida)) {
        if (!todosEnderecos || ipv6Disponivel() || !ouvir("0.0.0.0", escolhida))
            return false;
    } else if (!todosEnderecos && !ouvir("::1", escolhida) && ipv6Disponivel()) {
        // ::1 exists but this port is taken there: the port is not ours.
        parar();
        return false;
    }
    m_porta = escolhida;
    return true;
}

void ServidorHttp::parar()
{
    for (auto& ouvinte : m_ouvintes)
        ouvinte->encerrar();
    m_ouvintes.clear();
    m_porta = 0;
}
