#include "service/DespachoRest.h"
#include "service/Servicos.h"

using nlohmann::ordered_json;

TabelaOperacoes operacoesTServicos()
{
    return {
        {"getExecucaoLocal",
         {0, [](TServicos& s, const ChamadaRest&) { return s.getExecucaoLocal(); }}},
        {"updateExecucaoLocalInverter",
         {0, [](TServicos& s, const ChamadaRest&) { return s.updateExecucaoLocalInverter(); }}},
        {"getVersao", {0, [](TServicos& s, const ChamadaRest&) { return s.getVersao(); }}},
        {"getPort", {0, [](TServicos& s, const ChamadaRest&) { return s.getPort(); }}},
        // Routine opening is not part of this build yet: the portal gets a clear refusal.
        {"updateAbrirRotina",
         {1,
          [](TServicos&, const ChamadaRest&) {
              return respostaErro("A abertura de rotinas ainda não está disponível nesta "
                                  "versão do KorvaneStart.");
          }}},
    };
}
