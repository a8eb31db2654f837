#include "app/EncerramentoPorSinal.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The write end is all a signal handler may touch.
int g_tubo[2] = {-1, -1};

extern "C" void aoReceberSinal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto escrito = ::write(g_tubo[1], &byte, 1);
}

} // namespace

EncerramentoPorSinal::EncerramentoPorSinal(std::function<void()> aoEncerrar, QObject* parent)
    : QObject(parent)
    , m_aoEncerrar(std::move(aoEncerrar))
{
    if (g_tubo[0] < 0 && ::pipe2(g_tubo, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_aviso = std::make_unique<QSocketNotifier>(g_tubo[0], QSocketNotifier::Read);
    connect(m_aviso.get(), &QSocketNotifier::activated, this, [this] {
        char lixo[16];
        while (::read(g_tubo[0], lixo, sizeof lixo) > 0) {
        }
        if (m_aoEncerrar)
            m_aoEncerrar();
    });
    struct sigaction acao = {};
    acao.sa_handler = aoReceberSinal;
    sigemptyset(&acao.sa_mask);
    acao.sa_flags = SA_RESTART;
    for (const int sinal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(sinal, &acao, nullptr);
}

EncerramentoPorSinal::~EncerramentoPorSinal()
{
    struct sigaction padrao = {};
    padrao.sa_handler = SIG_DFL;
    for (const int sinal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(sinal, &padrao, nullptr);
}
