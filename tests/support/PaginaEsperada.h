#pragma once

// The welcome page as the portal must receive it: Latin-1 bytes, lines joined
// by a single CR, written out here independently of the launcher's code.
#include <string>
#include <vector>

inline std::string paginaEsperada(int porta, const std::string& url = {})
{
    const std::string p = std::to_string(porta);
    std::string mensagem =
        "Korvane Start ativado com sucesso, digite a url do VQM na barra endere\xe7o do browser "
        "para acessar o Korvane.";
    if (!url.empty())
        mensagem = "Korvane Start ativado com sucesso, voc\xea ser\xe1 redirecionado "
                   "automaticamente para o VQM <br> Caso voc\xea n\xe3o seja redirecionado "
                   "automaticamente clique <a href=http://" +
                   url + ">aqui</a>";
    const std::vector<std::string> linhas{
        "<html>",
        "  <head>",
        "     ",
        "    <script>",
        "        var rawFile = new XMLHttpRequest();",
        "        rawFile.open(\"GET\", 'http://localhost:81/portal/#/login?portaLauncher=" + p +
            "', false);",
        "        rawFile.onreadystatechange = function ()",
        "        {",
        "            if(rawFile.readyState === 4)",
        "            {",
        "                if(rawFile.status === 200 || rawFile.status == 0)",
        "                {",
        "                    var allText = rawFile.responseText;",
        "                    alert(allText);",
        "                }",
        "            }",
        "        }",
        "        rawFile.send(null)",
        "    </script>",
        "    <script>",
        "     document.cookie = \"portaLauncher = " + p + "; domain = http://localhost:81 \" ",
        "    </script>",
        "    <title>Korvane Start</title>",
        "  </head>",
        "  <body>" + mensagem + "  </body>",
        "</html>",
    };
    std::string pagina;
    for (std::size_t i = 0; i < linhas.size(); ++i)
        pagina += (i ? "\r" : "") + linhas[i];
    return pagina;
}
