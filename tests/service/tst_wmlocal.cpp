// The web module and its operations over real HTTP, against a server on a free port.
#include "platform/RegistroUsuario.h"
#include "repository/dmRepositorio.h"
#include "service/ServidorHttp.h"
#include "service/wmLocal.h"
#include "support/PaginaEsperada.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

const char* const kCaminho = "/datasnap/rest/TServicos/";
const QString kChaveZiVori = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\ZiVori");

// A data module, web module and server on a private folder.
struct Ambiente
{
    explicit Ambiente(const QByteArray& configIni = {})
    {
        if (!configIni.isEmpty()) {
            QFile arquivo(pasta.path() + "/config.ini");
            arquivo.open(QIODevice::WriteOnly);
            arquivo.write(configIni);
        }
        repositorio = std::make_unique<TdmRepositorio>(TdmRepositorio::Locais{
            pasta.path(), pasta.path() + "/registro", pasta.path() + "/sem-executavel"});
        modulo = std::make_unique<TwmLocal>(*repositorio);
        servidor = std::make_unique<ServidorHttp>(*modulo);
        if (servidor->iniciar(0, repositorio->EscutaTodos()))
            repositorio->SetPortLauncher(servidor->porta());
    }

    httplib::Client cliente(const char* host = "127.0.0.1") const
    {
        httplib::Client c(host, servidor->porta());
        c.set_connection_timeout(10);
        c.set_read_timeout(30);
        c.set_keep_alive(true);
        return c;
    }

    QTemporaryDir pasta;
    std::unique_ptr<TdmRepositorio> repositorio;
    std::unique_ptr<TwmLocal> modulo;
    std::unique_ptr<ServidorHttp> servidor;
};

// Latin-1 bytes of the welcome page, written out byte by byte.
void verificarCabecalhos(const httplib::Response& r, bool preflight)
{
    const std::vector<std::pair<std::string, std::string>> esperados{
        {"Access-Control-Allow-Origin", "*"},
        {"Access-Control-Allow-Methods", "GET, POST, OPTIONS,PUT, HEAD"},
        {"Access-Control-Allow-Credentials", "true"},
        {"Connection", "Keep-Alive"},
        {"Access-Control-Request-Method", "POST"},
        {"Access-Control-Request-Headers", "X-PINGOTHER, Content-Type"},
    };
    for (const auto& [nome, valor] : esperados) {
        QVERIFY2(r.get_header_value_count(nome) == 1, nome.c_str());
        QCOMPARE(QString::fromStdString(r.get_header_value(nome)), QString::fromStdString(valor));
    }
    QCOMPARE(r.has_header("Access-Control-Allow-Headers"), preflight);
}

// Sends raw bytes and returns the reply's status line.
std::string enviarBruto(int porta, const std::string& bytes)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in endereco{};
    endereco.sin_family = AF_INET;
    endereco.sin_port = htons(porta);
    endereco.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(s, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco) != 0) {
        ::close(s);
        return {};
    }
    [[maybe_unused]] auto n = ::send(s, bytes.data(), bytes.size(), 0);
    std::string resposta;
    char bloco[4096];
    ssize_t lidos;
    while ((lidos = ::recv(s, bloco, sizeof bloco, 0)) > 0) {
        resposta.append(bloco, lidos);
        if (resposta.find("\r\n\r\n") != std::string::npos)
            break;
    }
    ::close(s);
    return resposta.substr(0, resposta.find("\r\n"));
}

} // namespace

class TstWmLocal : public QObject
{
    Q_OBJECT

private slots:
    void cabecalhos_data();
    void cabecalhos();
    void preflight_data();
    void preflight();
    void clienteQueFecha();
    void preflightGuardaValorComoRecebido();
    void cabecalhoEmBrancoDespachaNormalmente();
    void paginaBoasVindas_data();
    void paginaBoasVindas();
    void invocador_data();
    void invocador();
    void invocadorPorHttp();
    void operacoes();
    void inversoesSimultaneas();
    void erros_data();
    void erros();
    void corpoAcimaDoLimite();
    void requisicaoMalformada();
    void portaOcupadaNaoLiga();
    void escutaTodos();
};

void TstWmLocal::cabecalhos_data()
{
    QTest::addColumn<QString>("metodo");
    QTest::addColumn<QString>("caminho");
    QTest::addColumn<QString>("tipo");
    const QString json = "application/json; charset=utf-8";
    QTest::newRow("pagina") << "GET"
                            << "/"
                            << "text/html; charset=ISO-8859-1";
    QTest::newRow("outro caminho") << "GET"
                                   << "/qualquer/coisa"
                                   << "text/html; charset=ISO-8859-1";
    QTest::newRow("getVersao") << "GET"
                               << "/datasnap/rest/TServicos/getVersao" << json;
    QTest::newRow("inverter") << "POST"
                              << "/datasnap/rest/TServicos/ExecucaoLocalInverter" << json;
    QTest::newRow("desconhecida") << "GET"
                                  << "/datasnap/rest/TServicos/naoExiste" << json;
    QTest::newRow("invocador") << "GET"
                               << "/ServerFunctionInvoker" << json;
}

void TstWmLocal::cabecalhos()
{
    QFETCH(QString, metodo);
    QFETCH(QString, caminho);
    QFETCH(QString, tipo);
    Ambiente a;
    QVERIFY(a.servidor->ativo());
    auto c = a.cliente();
    const auto r = metodo == "GET" ? c.Get(caminho.toStdString())
                                   : c.Post(caminho.toStdString(), "{}", "application/json");
    QVERIFY(r);
    verificarCabecalhos(*r, false);
    QCOMPARE(r->get_header_value_count("Content-Type"), std::size_t(1));
    QCOMPARE(QString::fromStdString(r->get_header_value("Content-Type")), tipo);
}

void TstWmLocal::preflight_data()
{
    QTest::addColumn<QString>("metodo");
    for (const char* m : {"OPTIONS", "GET", "POST", "PUT", "DELETE"})
        QTest::newRow(m) << m;
}

void TstWmLocal::preflight()
{
    QFETCH(QString, metodo);
    Ambiente a;
    auto c = a.cliente();
    const httplib::Headers pedido{{"Access-Control-Request-Headers", "content-type"}};
    const std::string caminho = std::string(kCaminho) + "ExecucaoLocalInverter";
    httplib::Result r = metodo == "OPTIONS" ? c.Options(caminho.c_str(), pedido)
                        : metodo == "GET"   ? c.Get(caminho, pedido)
                        : metodo == "POST"  ? c.Post(caminho, pedido, "{}", "application/json")
                        : metodo == "PUT"   ? c.Put(caminho, pedido, "{}", "application/json")
                                            : c.Delete(caminho, pedido);
    QVERIFY(r);
    QCOMPARE(r->status, 200);
    QVERIFY(r->body.empty());
    verificarCabecalhos(*r, true);
    QCOMPARE(r->get_header_value("Access-Control-Allow-Headers"), std::string("content-type"));
    QCOMPARE(r->get_header_value("Content-Type"), std::string("application/json; charset=utf-8"));
    // No operation ran: the setting was never written.
    QVERIFY(!RegistroUsuario(a.pasta.path() + "/registro").chaveExiste(kChaveZiVori));
}

void TstWmLocal::clienteQueFecha()
{
    // A client that closes after the reply also hears "close" from the server; our
    // "Keep-Alive" comes first, so single-valued readers still see it.
    Ambiente a;
    httplib::Client c("127.0.0.1", a.servidor->porta());
    const auto r = c.Get("/");
    QVERIFY(r);
    QCOMPARE(r->get_header_value("Connection", 0), std::string("Keep-Alive"));
    QCOMPARE(r->get_header_value("Connection", 1), std::string("close"));
}

void TstWmLocal::preflightGuardaValorComoRecebido()
{
    Ambiente a;
    httplib::Request req;
    req.method = "POST";
    req.path = "/";
    req.remote_addr = "127.0.0.1";
    req.headers.emplace("Access-Control-Request-Headers", "  X-Teste, content-type ");
    httplib::Response res;
    bool invocador = false;
    QVERIFY(a.modulo->WebModuleBeforeDispatch(req, res, invocador));
    QCOMPARE(res.get_header_value("Access-Control-Allow-Headers"),
             std::string("  X-Teste, content-type "));
    QVERIFY(invocador);
}

void TstWmLocal::cabecalhoEmBrancoDespachaNormalmente()
{
    Ambiente a;
    auto c = a.cliente();
    const auto r =
        c.Post(std::string(kCaminho) + "ExecucaoLocalInverter",
               {{"Access-Control-Request-Headers", "   "}}, "{\"a\":1}", "application/json");
    QVERIFY(r);
    QCOMPARE(r->status, 200);
    QCOMPARE(QString::fromStdString(r->body),
             QString::fromUtf8("{\"status\":\"OK\",\"msg\":\"Valor alterado para: Sim\"}"));
    verificarCabecalhos(*r, false);
}

void TstWmLocal::paginaBoasVindas_data()
{
    QTest::addColumn<QByteArray>("configIni");
    QTest::addColumn<QString>("url");
    QTest::newRow("sem url") << QByteArray() << QString();
    QTest::newRow("url vazia") << QByteArray("[]\r\nurl=\r\n") << QString();
    QTest::newRow("com url") << QByteArray("[]\r\nurl=10.1.2.3:8080\r\n") << "10.1.2.3:8080";
}

void TstWmLocal::paginaBoasVindas()
{
    QFETCH(QByteArray, configIni);
    QFETCH(QString, url);
    Ambiente a(configIni);
    QCOMPARE(a.repositorio->UrlVQM(), url);
    auto c = a.cliente();
    const auto r = c.Get("/");
    QVERIFY(r);
    QCOMPARE(r->status, 200);
    QCOMPARE(r->get_header_value("Content-Type"), std::string("text/html; charset=ISO-8859-1"));
    const std::string esperada = paginaEsperada(a.servidor->porta(), url.toStdString());
    QCOMPARE(QByteArray::fromStdString(r->body), QByteArray::fromStdString(esperada));
    QCOMPARE(std::count(r->body.begin(), r->body.end(), '\r'), 25);
    QVERIFY(r->body.find('\n') == std::string::npos);

    // The page follows the port the service listens on now.
    a.repositorio->SetPortLauncher(4321);
    QCOMPARE(QByteArray::fromStdString(c.Get("/")->body),
             QByteArray::fromStdString(paginaEsperada(4321, url.toStdString())));
}

void TstWmLocal::invocador_data()
{
    QTest::addColumn<QString>("endereco");
    QTest::addColumn<bool>("local");
    QTest::newRow("ipv4 loopback") << "127.0.0.1" << true;
    QTest::newRow("ipv6 curto") << "::1" << true;
    QTest::newRow("ipv6 longo") << "0:0:0:0:0:0:0:1" << true;
    QTest::newRow("ipv4 mapeado") << "::ffff:127.0.0.1" << true;
    QTest::newRow("rede local") << "192.168.0.10" << false;
    QTest::newRow("rede mapeada") << "::ffff:192.168.0.10" << false;
    QTest::newRow("outro loopback") << "127.0.0.2" << false;
    QTest::newRow("vazio") << "" << false;
}

void TstWmLocal::invocador()
{
    QFETCH(QString, endereco);
    QFETCH(bool, local);
    Ambiente a;
    httplib::Request req;
    req.method = "GET";
    req.path = "/ServerFunctionInvoker";
    req.remote_addr = endereco.toStdString();
    httplib::Response res;
    a.modulo->atender(req, res);
    QCOMPARE(res.status, 200);
    if (local) {
        QVERIFY(res.body.empty());
    } else {
        QCOMPARE(res.get_header_value("Content-Type"),
                 std::string("text/html; charset=ISO-8859-1"));
        QCOMPARE(res.body, paginaEsperada(a.servidor->porta(), {}));
    }
}

void TstWmLocal::invocadorPorHttp()
{
    Ambiente a;
    for (const char* host : {"127.0.0.1", "::1"}) {
        auto c = a.cliente(host);
        const auto r = c.Get("/ServerFunctionInvoker");
        if (!r && QString(host) == "::1")
            continue; // no IPv6 on this machine
        QVERIFY2(r, host);
        QCOMPARE(r->status, 200);
        QVERIFY2(r->body.empty(), host);
    }
}

void TstWmLocal::operacoes()
{
    Ambiente a;
    auto c = a.cliente();
    const auto corpo = [&](const char* metodo, const std::string& nome) {
        const std::string caminho = kCaminho + nome;
        const auto r =
            std::string(metodo) == "GET" ? c.Get(caminho) : c.Post(caminho, "", "application/json");
        return r && r->status == 200 ? QString::fromStdString(r->body) : QStringLiteral("falhou");
    };
    QCOMPARE(corpo("GET", "getExecucaoLocal"), QString("{\"status\":\"OK\",\"msg\":\"false\"}"));
    QCOMPARE(corpo("POST", "ExecucaoLocalInverter"),
             QString("{\"status\":\"OK\",\"msg\":\"Valor alterado para: Sim\"}"));
    QCOMPARE(corpo("GET", "getExecucaoLocal"), QString("{\"status\":\"OK\",\"msg\":\"true\"}"));
    const auto valor = RegistroUsuario(a.pasta.path() + "/registro")
                           .lerValor(kChaveZiVori, QStringLiteral("ExecutandoLocal"));
    QVERIFY(valor && valor->tipo == RegistroUsuario::TipoValor::Inteiro && valor->inteiro == 1);
    QCOMPARE(corpo("POST", "ExecucaoLocalInverter"),
             QString::fromUtf8("{\"status\":\"OK\",\"msg\":\"Valor alterado para: Não\"}"));
    QCOMPARE(corpo("GET", "getExecucaoLocal"), QString("{\"status\":\"OK\",\"msg\":\"false\"}"));
    QCOMPARE(corpo("GET", "getPort"), QString("{\"port\":\"3236\"}"));
    QCOMPARE(corpo("GET", "getVersao"), QString("{\"status\":\"OK\",\"msg\":\"\"}"));

    // A value of the wrong type, then a hive that cannot be written: both operations
    // answer with their own error.
    const auto erro = [&](const char* metodo, const std::string& nome, const QString& prefixo) {
        const QString texto = corpo(metodo, nome);
        QVERIFY2(texto.startsWith("{\"status\":\"ERRO\",\"msg\":\"" + prefixo), qPrintable(texto));
    };
    const QString alterar =
        QString::fromUtf8("Ocorreu um erro ao alterar o estado de execução local: ");
    RegistroUsuario(a.pasta.path() + "/registro")
        .gravarTexto(kChaveZiVori, QStringLiteral("ExecutandoLocal"), QStringLiteral("talvez"));
    erro("GET", "getExecucaoLocal",
         QString::fromUtf8("Ocorreu um erro ao obter o estado da execução local: "));
    erro("POST", "ExecucaoLocalInverter", alterar);
    QVERIFY(QFile::remove(a.pasta.path() + "/registro"));
    QVERIFY(QDir().mkpath(a.pasta.path() + "/registro/pasta"));
    erro("POST", "ExecucaoLocalInverter", alterar);
}

void TstWmLocal::inversoesSimultaneas()
{
    // Every toggle sees the one before it: an even number of them, however they
    // overlap, ends where it began, half of the replies on each side.
    Ambiente a;
    constexpr int kPedidos = 16;
    std::vector<std::string> respostas(kPedidos);
    std::vector<std::thread> threads;
    for (int i = 0; i < kPedidos; ++i)
        threads.emplace_back([&a, &respostas, i] {
            auto c = a.cliente();
            const auto r =
                c.Post(std::string(kCaminho) + "ExecucaoLocalInverter", "", "application/json");
            respostas[i] = r ? r->body : std::string();
        });
    for (auto& t : threads)
        t.join();
    const auto contar = [&](const std::string& resposta) {
        return int(std::count(respostas.begin(), respostas.end(), resposta));
    };
    QCOMPARE(contar("{\"status\":\"OK\",\"msg\":\"Valor alterado para: Sim\"}"), kPedidos / 2);
    QCOMPARE(contar("{\"status\":\"OK\",\"msg\":\"Valor alterado para: Não\"}"), kPedidos / 2);
    QCOMPARE(a.cliente().Get(std::string(kCaminho) + "getExecucaoLocal")->body,
             std::string("{\"status\":\"OK\",\"msg\":\"false\"}"));
}

void TstWmLocal::erros_data()
{
    QTest::addColumn<QString>("metodo");
    QTest::addColumn<QString>("caminho");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("permitidos");
    const QString s = kCaminho;
    QTest::newRow("operacao desconhecida") << "GET" << s + "naoExiste" << 404 << "";
    QTest::newRow("classe desconhecida") << "GET"
                                         << "/datasnap/rest/TOutra/getVersao" << 404 << "";
    QTest::newRow("POST em leitura") << "POST" << s + "getVersao" << 405 << "GET, HEAD";
    QTest::newRow("GET em alteracao") << "GET" << s + "ExecucaoLocalInverter" << 405 << "POST";
    QTest::newRow("GET com prefixo") << "GET" << s + "updateExecucaoLocalInverter" << 404 << "";
    QTest::newRow("DELETE") << "DELETE" << s + "getPort" << 405 << "GET, HEAD";
    QTest::newRow("OPTIONS sem preflight") << "OPTIONS" << s + "getPort" << 405 << "GET, HEAD";
    QTest::newRow("so datasnap") << "GET"
                                 << "/datasnap" << 400 << "";
    QTest::newRow("datasnap colado") << "GET"
                                     << "/datasnapxyz/getVersao" << 400 << "";
    QTest::newRow("sem operacao") << "GET"
                                  << "/datasnap/rest/TServicos" << 400 << "";
    QTest::newRow("segmento vazio") << "GET"
                                    << "/datasnap/rest//getVersao" << 400 << "";
    QTest::newRow("parametro a mais") << "GET" << s + "getVersao/1" << 400 << "";
    QTest::newRow("abrir sem codigo") << "POST" << s + "AbrirRotina" << 400 << "";
    QTest::newRow("abrir rotina") << "POST" << s + "AbrirRotina/800" << 200 << "";
}

void TstWmLocal::erros()
{
    QFETCH(QString, metodo);
    QFETCH(QString, caminho);
    QFETCH(int, status);
    QFETCH(QString, permitidos);
    Ambiente a;
    auto c = a.cliente();
    const std::string p = caminho.toStdString();
    const httplib::Headers nenhum;
    httplib::Result r = metodo == "GET"      ? c.Get(p)
                        : metodo == "POST"   ? c.Post(p, "{}", "application/json")
                        : metodo == "DELETE" ? c.Delete(p)
                                             : c.Options(p.c_str(), nenhum);
    QVERIFY(r);
    QCOMPARE(r->status, status);
    QCOMPARE(r->get_header_value("Content-Type"), std::string("application/json; charset=utf-8"));
    verificarCabecalhos(*r, false);
    const auto json = nlohmann::ordered_json::parse(r->body);
    QCOMPARE(json.size(), std::size_t(2));
    QCOMPARE(json.at("status").get<std::string>(), std::string("ERRO"));
    QVERIFY(!json.at("msg").get<std::string>().empty());
    QCOMPARE(QString::fromStdString(r->get_header_value("Allow")), permitidos);

    // The server still serves after every refusal.
    QCOMPARE(c.Get(std::string(kCaminho) + "getPort")->body, std::string("{\"port\":\"3236\"}"));
}

void TstWmLocal::corpoAcimaDoLimite()
{
    Ambiente a;
    auto c = a.cliente();
    const std::string caminho = std::string(kCaminho) + "ExecucaoLocalInverter";
    const auto grande =
        c.Post(caminho, std::string(ServidorHttp::kCorpoMaximo + 1, 'x'), "text/plain");
    QVERIFY(grande);
    QCOMPARE(grande->status, 413);
    QVERIFY(grande->body.find("\"ERRO\"") != std::string::npos);
    verificarCabecalhos(*grande, false);
    QVERIFY(!RegistroUsuario(a.pasta.path() + "/registro").chaveExiste(kChaveZiVori));

    auto outro = a.cliente();
    const auto limite =
        outro.Post(caminho, std::string(ServidorHttp::kCorpoMaximo, 'x'), "text/plain");
    QVERIFY(limite);
    QCOMPARE(limite->status, 200);
}

void TstWmLocal::requisicaoMalformada()
{
    Ambiente a;
    const int porta = a.servidor->porta();
    QCOMPARE(enviarBruto(porta, "LIXO SEM SENTIDO\r\n\r\n").substr(0, 12),
             std::string("HTTP/1.1 400"));
    QCOMPARE(enviarBruto(porta, "GET / HTTP/9.9\r\n\r\n").substr(0, 12),
             std::string("HTTP/1.1 400"));
    QCOMPARE(
        enviarBruto(porta, "GET /" + std::string(20000, 'a') + " HTTP/1.1\r\n\r\n").substr(0, 12),
        std::string("HTTP/1.1 414"));
    auto c = a.cliente();
    const auto r = c.Get(std::string(kCaminho) + "getPort");
    QVERIFY(r);
    QCOMPARE(r->status, 200);
}

void TstWmLocal::portaOcupadaNaoLiga()
{
    Ambiente a;
    const int porta = a.servidor->porta();
    ServidorHttp segundo(*a.modulo);
    QVERIFY(!segundo.iniciar(porta, false));
    QVERIFY(!segundo.ativo());
    a.servidor->parar();
    QVERIFY(!a.servidor->ativo());
    QVERIFY(!a.cliente().Get("/"));
    QVERIFY(segundo.iniciar(porta, false));
    httplib::Client c("127.0.0.1", porta);
    QVERIFY(c.Get("/"));
}

void TstWmLocal::escutaTodos()
{
    Ambiente a("[]\r\nescuta=todos\r\n");
    QVERIFY(a.repositorio->EscutaTodos());
    QVERIFY(a.servidor->ativo());
    auto c = a.cliente();
    const auto r = c.Get("/ServerFunctionInvoker");
    QVERIFY(r);
    QVERIFY(r->body.empty()); // an IPv4-mapped loopback client is still local
    // 127.0.0.2 reaches this host but is not an address a loopback-only
    // server binds: only the all-addresses one answers there.
    const auto deFora = a.cliente("127.0.0.2").Get(std::string(kCaminho) + "getPort");
    QVERIFY(deFora);
    QCOMPARE(deFora->status, 200);

    Ambiente padrao("[]\r\nescuta=loopback\r\n");
    QVERIFY(!padrao.repositorio->EscutaTodos());
    QVERIFY(padrao.servidor->ativo());
    QVERIFY(padrao.cliente().Get("/"));
    QVERIFY(!padrao.cliente("127.0.0.2").Get("/"));
}

QTEST_GUILESS_MAIN(TstWmLocal)
#include "tst_wmlocal.moc"
