#include "repository/dmRepositorio.h"
#include "service/wmLocal.h"

#include <QStringList>

namespace {

// Host of the portal on the company intranet, named in the page's cookie line.
const QString kHostPortalIntranet = QStringLiteral("localhost:81");

} // namespace

std::string TwmLocal::paginaBoasVindas() const
{
    const QString porta = QString::number(m_repositorio.PortLauncher());
    QString mensagem = QStringLiteral(
        "Korvane Start ativado com sucesso, digite a url do VQM na barra endereço do browser "
        "para acessar o Korvane.");
    if (!m_repositorio.UrlVQM().isEmpty())
        mensagem = QStringLiteral("Korvane Start ativado com sucesso, você será redirecionado "
                                  "automaticamente para o VQM <br> Caso você não seja "
                                  "redirecionado automaticamente clique <a href=http://") +
                   m_repositorio.UrlVQM() + QStringLiteral(">aqui</a>");

    const QStringList linhas{
        QStringLiteral("<html>"),
        QStringLiteral("  <head>"),
        QStringLiteral("     "),
        QStringLiteral("    <script>"),
        QStringLiteral("        var rawFile = new XMLHttpRequest();"),
        QStringLiteral("        rawFile.open(\"GET\", "
                       "'http://localhost:81/portal/#/login?portaLauncher=") +
            porta + QStringLiteral("', false);"),
        QStringLiteral("        rawFile.onreadystatechange = function ()"),
        QStringLiteral("        {"),
        QStringLiteral("            if(rawFile.readyState === 4)"),
        QStringLiteral("            {"),
        QStringLiteral("                if(rawFile.status === 200 || rawFile.status == 0)"),
        QStringLiteral("                {"),
        QStringLiteral("                    var allText = rawFile.responseText;"),
        QStringLiteral("                    alert(allText);"),
        QStringLiteral("                }"),
        QStringLiteral("            }"),
        QStringLiteral("        }"),
        QStringLiteral("        rawFile.send(null)"),
        QStringLiteral("    </script>"),
        QStringLiteral("    <script>"),
        QStringLiteral("     document.cookie = \"portaLauncher = ") + porta +
            QStringLiteral("; domain = http://") + kHostPortalIntranet + QStringLiteral(" \" "),
        QStringLiteral("    </script>"),
        QStringLiteral("    <title>Korvane Start</title>"),
        QStringLiteral("  </head>"),
        QStringLiteral("  <body>") + mensagem + QStringLiteral("  </body>"),
        QStringLiteral("</html>"),
    };
    const QByteArray latin1 = linhas.join(QLatin1Char('\r')).toLatin1();
    return {latin1.constData(), static_cast<std::size_t>(latin1.size())};
}
