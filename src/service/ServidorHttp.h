#pragma once

#include <memory>
#include <vector>

class TwmLocal;

// The local HTTP service: cpp-httplib servers (one per listening address) with
// their listening threads and connection thread pools, all bridged to one web
// module. Started and stopped from the GUI thread.
class ServidorHttp
{
public:
    explicit ServidorHttp(const TwmLocal& modulo);
    ~ServidorHttp();
    ServidorHttp(const ServidorHttp&) = delete;
    ServidorHttp& operator=(const ServidorHttp&) = delete;

    // Binds the port (0: any free port) on loopback (127.0.0.1 and ::1) or on every
    // address, and starts serving. False, with nothing left bound, when it cannot.
    bool iniciar(int porta, bool todosEnderecos);
    // Stops listening and waits for every connection thread.
    void parar();

    bool ativo() const noexcept { return !m_ouvintes.empty(); }
    int porta() const noexcept { return m_porta; }

    static constexpr std::size_t kCorpoMaximo = 1024 * 1024;

private:
    struct Ouvinte;
    bool ouvir(const char* endereco, int& porta);
    static bool ipv6Disponivel();
    bool iniciarEm(int porta, bool todosEnderecos);

    const TwmLocal& m_modulo;
    std::vector<std::unique_ptr<Ouvinte>> m_ouvintes;
    int m_porta = 0;
};
